// The export line: 57 fields in a fixed order, whatever the values hold.
#include "export/csv_line.h"

#include "app/date_text.h"

#include <QTest>

#include <functional>

using Edit = std::function<void(tickets::TicketRecord &)>;
Q_DECLARE_METATYPE(Edit)

namespace {

tickets::TicketRecord sampleTicket() {
  tickets::TicketRecord t;
  t.UserID = QStringLiteral("kim");
  t.TradeDate = QDate(2026, 3, 3);
  t.Ticket = QStringLiteral("40500001");
  t.PaymentType = tickets::code::Charge;
  t.Charge = tickets::code::Warehouse;
  t.InvoiceTO = QStringLiteral("Ostrine");
  t.TruckCo = QStringLiteral("Fast Freight");
  t.CheckNum = QStringLiteral("C9");
  t.Apptmt = QStringLiteral("08:00");
  t.ArrivalT = QStringLiteral("08:10");
  t.US = QStringLiteral("08:20");
  t.UE = QStringLiteral("09:00");
  t.DT = QStringLiteral("__:__");
  t.Truck = QStringLiteral("T7");
  t.Trailer = QStringLiteral("TR9");
  t.Load = QStringLiteral("L1");
  t.Trip = QStringLiteral("TP3");
  t.Pro = QStringLiteral("PR2");
  t.Door = QStringLiteral("Door201");
  t.PO = QStringLiteral("A1|B2|C3");
  t.Vendor = QStringLiteral("Acme|Beta");
  t.Cases = QStringLiteral("300");
  t.Items = QStringLiteral("12");
  t.BC = QStringLiteral("50");
  t.HC = QStringLiteral("10");
  t.TC = QStringLiteral("60");
  t.Full_P = tickets::code::Partial;
  t.Floor_P = tickets::code::Floor;
  t.ROO = 1;
  t.PW = 0;
  t.ROB = 1;
  t.BO = 0;
  t.Layers = QStringLiteral("2");
  t.Restacks = QStringLiteral("1");
  t.PFrom = QStringLiteral("20");
  t.PTo = QStringLiteral("18");
  t.CHEP = QStringLiteral("3");
  t.EIn = QStringLiteral("5");
  t.EOut = QStringLiteral("4");
  t.CEID = QStringLiteral("E1|E2");
  t.RN = QStringLiteral("Rae");
  t.Product = QStringLiteral("Soap");
  t.Weight = QStringLiteral("900");
  t.Volume = QStringLiteral("40");
  t.DNo_Yes = tickets::code::DamageYes;
  t.DCases = QStringLiteral("2");
  t.DRC = QStringLiteral("Crushed");
  t.PYes_No_W = tickets::code::PicturesWarehouse;
  t.DExplain = QStringLiteral("Top row");
  t.Notes = QStringLiteral("Late");
  t.DName = QStringLiteral("Dee");
  t.CSL = QStringLiteral("3");
  t.Stream = tickets::code::Traffic;
  return t;
}

} // namespace

class TestCsvLine : public QObject {
  Q_OBJECT

private slots:
  void fieldsStandInFileOrder() {
    const QString expected =
        QStringLiteral("kim,") + app::dateText(QDate(2026, 3, 3)) +
        QStringLiteral(
            ",40500001,1,1,Ostrine,Fast Freight,C9,08:00,08:10,08:20,09:00,__:__,T7,TR9,L1,TP3,PR2,"
            "Door201,A1|B2|C3,Acme|Beta,300,12,50,10,60,2,1,1,0,1,0,2,1,20,18,3,5,4,E1|E2,Rae,Soap,900,"
            "40,2,2,Crushed,3,Top row,Late,Dee,sign40500001.BMP,101  205,3,,,2");
    QCOMPARE(exporting::csvLine(sampleTicket(), QStringLiteral("101, 205")), expected);
  }

  // Each case changes the sample and names one field (from 1) and its text.
  void oneField_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("expected");
    QTest::newRow("comma in a company")
        << Edit([](auto &t) { t.TruckCo = "Acme, Inc., East"; }) << 7 << "Acme  Inc.  East";
    QTest::newRow("comma in the user ID") << Edit([](auto &t) { t.UserID = "ki,m"; }) << 1 << "ki m";
    QTest::newRow("quotes pass unchanged")
        << Edit([](auto &t) { t.DName = "Bob \"Big\" O'Neil"; }) << 51 << "Bob \"Big\" O'Neil";
    QTest::newRow("line break in a one-line box")
        << Edit([](auto &t) { t.Truck = "T1\r\nT2"; }) << 14 << "T1  T2";
    QTest::newRow("commas inside joined lines") << Edit([](auto &t) { t.PO = "A,1|B"; }) << 20 << "A 1|B";
    QTest::newRow("notes on two lines")
        << Edit([](auto &t) { t.Notes = "first\r\nsecond"; }) << 50 << "first|second";
    QTest::newRow("notes with bare line feeds")
        << Edit([](auto &t) { t.Notes = "a\nb\rc"; }) << 50 << "a|b|c";
    QTest::newRow("empty notes") << Edit([](auto &t) { t.Notes.clear(); }) << 50 << "";
    QTest::newRow("explanation on lines") << Edit([](auto &t) { t.DExplain = "x,y\r\nz"; }) << 49 << "x y|z";
    QTest::newRow("damage no") << Edit([](auto &t) { t.DNo_Yes = tickets::code::DamageNo; }) << 45 << "1";
    QTest::newRow("damage yes") << Edit([](auto &t) { t.DNo_Yes = tickets::code::DamageYes; }) << 45 << "2";
    QTest::newRow("damage unanswered") << Edit([](auto &t) { t.DNo_Yes = 0; }) << 45 << "0";
    QTest::newRow("unknown payment code") << Edit([](auto &t) { t.PaymentType = 7; }) << 4 << "0";
    QTest::newRow("no stream") << Edit([](auto &t) { t.Stream = 0; }) << 57 << "0";
    QTest::newRow("trade date, not today") << Edit([](auto &t) { t.TradeDate = QDate(2025, 12, 31); }) << 2
                                           << app::dateText(QDate(2025, 12, 31));
    QTest::newRow("signature named without a file")
        << Edit([](auto &t) { t.Ticket = "S0500002"; }) << 52 << "signS0500002.BMP";
  }
  void oneField() {
    QFETCH(Edit, edit);
    QFETCH(int, field);
    QFETCH(QString, expected);
    tickets::TicketRecord t = sampleTicket();
    edit(t);
    const QString line = exporting::csvLine(t, QStringLiteral("101, 205"));
    QCOMPARE(line.count(QLatin1Char(',')), 56);
    QVERIFY(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')));
    QCOMPARE(line.split(QLatin1Char(',')).at(field - 1), expected);
  }

  // Whatever every text holds, the line keeps 57 fields and stays one line.
  void hostileValuesKeepTheShape() {
    tickets::TicketRecord t;
    const QString nasty = QStringLiteral(",\"a\r\nb,\n\r,'|");
    for (QString *text : {&t.UserID, &t.Ticket, &t.InvoiceTO, &t.TruckCo, &t.PO, &t.Vendor, &t.CEID,
                          &t.DExplain, &t.Notes, &t.DRC, &t.CSL, &t.DName})
      *text = nasty;
    const QString line = exporting::csvLine(t, nasty);
    QCOMPARE(line.split(QLatin1Char(',')).size(), exporting::kFieldCount);
    QVERIFY(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')));
    const QStringList fields = line.split(QLatin1Char(','));
    QCOMPARE(fields.at(54), QString());
    QCOMPARE(fields.at(55), QString());
  }
};

QTEST_GUILESS_MAIN(TestCsvLine)
#include "test_csv_line.moc"
