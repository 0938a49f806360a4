// The two receipt layouts as print steps: every label and value at its place, the
// folding of multi-line boxes and the facility rules.
#include "printing/receipt_layout.h"
#include "printing/receipt_values.h"

#include "app/date_text.h"

#include <QTest>

using printing::PrintStep;
using printing::PrintSteps;
using printing::twips;

namespace {

enum class Layout { Cmp10, SiPix };

PrintSteps layout(Layout which, const tickets::TicketRecord &ticket, const QString &vendorNumbers = {}) {
  printing::ReceiptFacts facts;
  facts.addressLine1 = QStringLiteral("1 Dock Rd");
  facts.addressLine2 = QStringLiteral("Town, ST 00000");
  facts.vendorNumbers = vendorNumbers;
  facts.picturePath = QStringLiteral("/sig.BMP");
  facts.printedAt = QDateTime(QDate(2026, 3, 4), QTime(14, 5));
  return which == Layout::Cmp10 ? printing::cmp10Receipt(ticket, facts)
                                : printing::sipixReceipt(ticket, facts);
}

QString describe(const PrintStep &s) {
  if (s.kind == PrintStep::Kind::Picture)
    return QStringLiteral("picture %1,%2 %3").arg(s.x).arg(s.y).arg(s.text);
  const QString where = s.centred ? QStringLiteral("centred") : QString::number(s.x);
  return QStringLiteral("%1,%2 %3pt %4").arg(where).arg(s.y).arg(s.size).arg(s.text);
}

QStringList describeAll(const PrintSteps &steps) {
  QStringList out;
  for (const PrintStep &s : steps)
    out << describe(s);
  return out;
}

// Expected text at x and y in centimetres.
QString text(double xCm, double yCm, double size, const QString &value) {
  return QStringLiteral("%1,%2 %3pt %4").arg(twips(xCm)).arg(twips(yCm)).arg(size).arg(value);
}
QString centred(double yCm, double size, const QString &value) {
  return QStringLiteral("centred,%1 %2pt %3").arg(twips(yCm)).arg(size).arg(value);
}

const PrintStep *findText(const PrintSteps &steps, const QString &value) {
  for (const PrintStep &s : steps)
    if (s.kind == PrintStep::Kind::Text && s.text == value)
      return &s;
  return nullptr;
}

// The texts printed below the line of one label and above the line of another, as
// "row x text" with rows numbered from 1 and x in twips.
QStringList band(const PrintSteps &steps, const QString &fromLabel, const QString &toLabel) {
  const PrintStep *from = findText(steps, fromLabel);
  const PrintStep *to = findText(steps, toLabel);
  if (!from || !to)
    return {QStringLiteral("label missing")};
  QList<int> rows;
  QStringList out;
  for (const PrintStep &s : steps) {
    if (s.kind != PrintStep::Kind::Text || s.y <= from->y || s.y >= to->y)
      continue;
    if (!rows.contains(s.y))
      rows << s.y;
    out << QStringLiteral("%1 %2 %3").arg(rows.indexOf(s.y) + 1).arg(s.x).arg(s.text);
  }
  return out;
}

// Expected band entries, written "row|x in cm|text".
QStringList expectedBand(const QStringList &entries) {
  QStringList out;
  for (const QString &e : entries) {
    const QStringList parts = e.split(QLatin1Char('|'));
    out << QStringLiteral("%1 %2 %3")
               .arg(parts[0])
               .arg(twips(parts[1].toDouble()))
               .arg(parts.mid(2).join('|'));
  }
  return out;
}

QString lines(int count, char first = 'A') {
  QStringList out;
  for (int i = 0; i < count; ++i)
    out << QString(QLatin1Char(char(first + i)));
  return out.join(QLatin1Char('|'));
}

tickets::TicketRecord sampleTicket() {
  tickets::TicketRecord t;
  t.UserID = QStringLiteral("kim");
  t.Ticket = QStringLiteral("40500001");
  t.TradeDate = QDate(2026, 3, 3);
  t.Door = QStringLiteral("Door201");
  t.InvoiceTO = QStringLiteral("Ostrine");
  t.TruckCo = QStringLiteral("Fast Freight");
  t.Truck = QStringLiteral("T7");
  t.Trailer = QStringLiteral("TR9");
  t.Trip = QStringLiteral("TP3");
  t.PO = QStringLiteral("PO1");
  t.Vendor = QStringLiteral("Acme");
  t.Apptmt = QStringLiteral("08:00");
  t.ArrivalT = QStringLiteral("08:10");
  t.US = QStringLiteral("08:20");
  t.UE = QStringLiteral("09:00");
  t.ROO = 1;
  t.PFrom = QStringLiteral("20");
  t.PTo = QStringLiteral("18");
  t.EIn = QStringLiteral("5");
  t.EOut = QStringLiteral("4");
  t.Layers = QStringLiteral("2");
  t.Restacks = QStringLiteral("1");
  t.Cases = QStringLiteral("300");
  t.PaymentType = tickets::code::Cash;
  t.BC = QStringLiteral("1234.5");
  t.HC = QStringLiteral("10");
  t.TC = QStringLiteral("1244.5");
  t.CSL = QStringLiteral("3");
  t.RN = QStringLiteral("Rae");
  t.CEID = QStringLiteral("E1");
  t.DName = QStringLiteral("Dee");
  return t;
}

} // namespace

class TestReceiptLayout : public QObject {
  Q_OBJECT

private slots:
  void twipsRoundHalvesToEven_data() {
    QTest::addColumn<double>("cm");
    QTest::addColumn<int>("expected");
    QTest::newRow("first body line") << 1.5 << 850;
    QTest::newRow("half up to even") << 2.5 << 1418;
    QTest::newRow("inexact half") << 9.5 << 5386;
    QTest::newRow("line step") << 0.42 << 238;
    QTest::newRow("sipix step") << 0.7 << 397;
    QTest::newRow("left of the page") << -1.4 << -794;
    QTest::newRow("zero") << 0.0 << 0;
  }
  void twipsRoundHalvesToEven() {
    QFETCH(double, cm);
    QFETCH(int, expected);
    QCOMPARE(twips(cm), expected);
  }

  void cmp10PlacesEveryLine() {
    const tickets::TicketRecord t = sampleTicket();
    const double s = 8;
    auto row = [](int r) { return 1.5 + 0.42 * r; };
    // clang-format off
    const QStringList expected = {
        centred(0, s, "Ralvane"),
        centred(0.4, s, "1 Dock Rd"),
        centred(0.8, s, "Town, ST 00000"),
        text(0, row(0), s, "Ticket # :"),       text(1.2, row(0), s, "40500001"),
        text(0, row(1), s, "Date :"),           text(1.2, row(1), s, app::dateText(t.TradeDate)),
        text(0, row(2), s, "Facility :"),       text(1.2, row(2), s, "Ostrine"),
        text(0, row(3), s, "Door :"),           text(1.2, row(3), s, "Door201"),
        text(0, row(4), s, "Invoice TO :"),     text(1.6, row(4), s, "Ostrine"),
        text(0, row(5), s, "Truck Co. :"),      text(1.6, row(5), s, "Fast Freight"),
        text(0, row(6), s, "Truck # :"),        text(1.3, row(6), s, "T7"),
        text(0, row(7), s, "Trailer # :"),      text(1.3, row(7), s, "TR9"),
        text(0, row(8), s, "P.O. # :"),         text(1.0, row(8), s, "PO1"),
        text(0, row(9), s, "Trip # :"),         text(1.0, row(9), s, "TP3"),
        text(0, row(10), s, "Vendor :"),        text(1.2, row(10), s, "Acme"),
        text(0, row(11), s, "Appt. Time :"),    text(1.8, row(11), s, "08:00"),
        text(0, row(12), s, "Arrival Time :"),  text(1.8, row(12), s, "08:10"),
        text(0, row(13), s, "Time Start :"),    text(1.8, row(13), s, "08:20"),
        text(0, row(14), s, "Finish :"),        text(1.8, row(14), s, "09:00"),
        text(0, row(15), s, "Load Details :"),  text(1.8, row(15), s, "Roll-Off-Only"),
        text(0, row(16), s, "From :"),          text(0.9, row(16), s, "20"),
        text(2.5, row(16), s, "To :"),          text(3.1, row(16), s, "18"),
        text(0, row(17), s, "In :"),            text(0.5, row(17), s, "5"),
        text(2.5, row(17), s, "Out :"),         text(3.2, row(17), s, "4"),
        text(0, row(18), s, "Layer(s) :"),      text(1.3, row(18), s, "2"),
        text(0, row(19), s, "Restack(s) :"),    text(1.6, row(19), s, "1"),
        text(0, row(20), s, "Cases :"),         text(1.2, row(20), s, "300"),
        text(0, row(21), s, "Payment Method :"), text(2.4, row(21), s, "Cash"),
        text(0, row(22), s, "Base Fee : $"),    text(1.7, row(22), s, "1,234.50"),
        text(0, row(23), s, "Handling Fee : $"), text(2.2, row(23), s, "10.00"),
        text(0, row(24), s, "Total Fee : $"),   text(1.7, row(24), s, "1,244.50"),
        text(0, row(25), s, "CSL : $"),         text(1.4, row(25), s, "3.00"),
        text(0, row(26), s, "Rcv's Name :"),    text(1.8, row(26), s, "Rae"),
        text(0, row(27), s, "Ralvane ID :"),    text(1.3, row(27), s, "E1"),
        text(0, row(28), s, "Driver's Name :"), text(2.1, row(28), s, "Dee"),
        QStringLiteral("picture %1,%2 /sig.BMP").arg(twips(-1.4)).arg(twips(13.98)),
        text(0, 16.6, s, printing::footerText(QDateTime(QDate(2026, 3, 4), QTime(14, 5)))),
    };
    // clang-format on
    QCOMPARE(describeAll(layout(Layout::Cmp10, t)), expected);
  }

  void sipixPlacesEveryLine() {
    const tickets::TicketRecord t = sampleTicket();
    const double s = 15;
    auto row = [](int r) { return 2.5 + 0.7 * r; };
    // clang-format off
    const QStringList expected = {
        centred(0, 20, "Ralvane"),
        centred(0.9, 16, "1 Dock Rd, Town, ST 00000"),
        text(0, row(0), s, "Ticket # :"),        text(2.3, row(0), s, "40500001"),
        text(9, row(0), s, "Date :"),            text(10.6, row(0), s, app::dateText(t.TradeDate)),
        text(0, row(1), s, "Facility :"),        text(2.3, row(1), s, "Ostrine"),
        text(0, row(2), s, "Door :"),            text(2.3, row(2), s, "Door201"),
        text(0, row(3), s, "Invoice TO :"),      text(3.1, row(3), s, "Ostrine"),
        text(0, row(4), s, "Truck Co. :"),       text(3.1, row(4), s, "Fast Freight"),
        text(0, row(5), s, "Truck # :"),         text(2.2, row(5), s, "T7"),
        text(9, row(5), s, "Trailer # :"),       text(11.4, row(5), s, "TR9"),
        text(0, row(6), s, "P.O. # :"),          text(2.2, row(6), s, "PO1"),
        text(0, row(7), s, "Trip # :"),          text(2.2, row(7), s, "TP3"),
        text(0, row(8), s, "Vendor :"),          text(2.2, row(8), s, "Acme"),
        text(0, row(9), s, "Appt. Time :"),      text(3.0, row(9), s, "08:00"),
        text(9, row(9), s, "Arrival Time :"),    text(12.4, row(9), s, "08:10"),
        text(0, row(10), s, "Time Start :"),     text(3.0, row(10), s, "08:20"),
        text(9, row(10), s, "Finish :"),         text(11.0, row(10), s, "09:00"),
        text(0, row(11), s, "Load Details :"),   text(3.4, row(11), s, "Roll-Off-Only"),
        text(0, row(12), s, "Pallets From :"),   text(3.5, row(12), s, "20"),
        text(5.2, row(12), s, "To :"),           text(6.3, row(12), s, "18"),
        text(9, row(12), s, "In :"),             text(10.0, row(12), s, "5"),
        text(12.5, row(12), s, "Out :"),         text(13.8, row(12), s, "4"),
        text(0, row(13), s, "Layer(s) :"),       text(2.4, row(13), s, "2"),
        text(9, row(13), s, "Restack(s) :"),     text(12.0, row(13), s, "1"),
        text(0, row(14), s, "Cases :"),          text(2.4, row(14), s, "300"),
        text(9, row(14), s, "Base Fee : $"),     text(12.1, row(14), s, "1,234.50"),
        text(0, row(15), s, "Payment Method :"), text(4.5, row(15), s, "Cash"),
        text(0, row(16), s, "Ralvane ID :"),     text(2.3, row(16), s, "E1"),
        text(9, row(16), s, "Handling Fee : $"), text(13.1, row(16), s, "10.00"),
        text(0, row(17), s, "Rcv's Name :"),     text(3.3, row(17), s, "Rae"),
        text(9, row(17), s, "Total Fee : $"),    text(12.1, row(17), s, "1,244.50"),
        text(0, row(18), s, "Driver's Name :"),  text(3.8, row(18), s, "Dee"),
        text(9, row(18), s, "CSL : $"),          text(11.7, row(18), s, "3.00"),
        QStringLiteral("picture %1,%2 /sig.BMP").arg(twips(3)).arg(twips(16.1)),
        text(0, 19.0, s, printing::footerText(QDateTime(QDate(2026, 3, 4), QTime(14, 5)))),
    };
    // clang-format on
    QCOMPARE(describeAll(layout(Layout::SiPix, t)), expected);
  }

  // Purchase orders and employee IDs: CMP10 in groups of three below the label,
  // SiPix a first group of five beside the label and the rest on one line.
  void multiLineBoxesFold_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("po");
    QTest::addColumn<QStringList>("expected");
    const int cmp10 = int(Layout::Cmp10), sipix = int(Layout::SiPix);
    QTest::newRow("cmp10 none") << cmp10 << QString() << QStringList{"1|0|P.O. # :"};
    QTest::newRow("cmp10 one") << cmp10 << lines(1) << QStringList{"1|0|P.O. # :", "1|1.0|A"};
    QTest::newRow("cmp10 four") << cmp10 << lines(4)
                                << QStringList{"1|0|P.O. # :", "2|0.2|A, B, C", "3|0.2|D"};
    QTest::newRow("cmp10 six") << cmp10 << lines(6, '1')
                               << QStringList{"1|0|P.O. # :", "2|0.2|1, 2, 3", "3|0.2|4, 5, 6"};
    QTest::newRow("cmp10 seven") << cmp10 << lines(7)
                                 << QStringList{"1|0|P.O. # :", "2|0.2|A, B, C", "3|0.2|D, E, F", "4|0.2|G"};
    QTest::newRow("cmp10 eleven") << cmp10 << lines(11)
                                  << QStringList{"1|0|P.O. # :", "2|0.2|A, B, C", "3|0.2|D, E, F",
                                                 "4|0.2|G, H, I", "5|0.2|J, K"};
    QTest::newRow("sipix none") << sipix << QString() << QStringList{};
    QTest::newRow("sipix one") << sipix << lines(1) << QStringList{"1|0|P.O. # :", "1|2.2|A"};
    QTest::newRow("sipix four") << sipix << lines(4) << QStringList{"1|0|P.O. # :", "1|2.2|A, B, C, D"};
    QTest::newRow("sipix five") << sipix << lines(5) << QStringList{"1|0|P.O. # :", "1|2.2|A, B, C, D, E"};
    QTest::newRow("sipix six") << sipix << lines(6)
                               << QStringList{"1|0|P.O. # :", "1|2.2|A, B, C, D, E", "2|2.2|F"};
    QTest::newRow("sipix seven") << sipix << lines(7)
                                 << QStringList{"1|0|P.O. # :", "1|2.2|A, B, C, D, E", "2|2.2|F, G"};
  }
  void multiLineBoxesFold() {
    QFETCH(int, which);
    QFETCH(QString, po);
    QFETCH(QStringList, expected);
    tickets::TicketRecord t = sampleTicket();
    t.PO = po;
    const QStringList want = expectedBand(expected);
    QCOMPARE(band(layout(Layout(which), t), QStringLiteral("Trailer # :"), QStringLiteral("Trip # :")), want);

    // Employee IDs fold by the same rule under their own label and single-line x.
    t.CEID = po;
    QStringList idWant = expected;
    for (QString &e : idWant) {
      e.replace(QStringLiteral("P.O. # :"), QStringLiteral("Ralvane ID :"));
      e.replace(QStringLiteral("|1.0|"), QStringLiteral("|1.3|"))
          .replace(QStringLiteral("|2.2|"), QStringLiteral("|2.3|"));
    }
    if (Layout(which) == Layout::Cmp10) {
      QCOMPARE(
          band(layout(Layout::Cmp10, t), QStringLiteral("Rcv's Name :"), QStringLiteral("Driver's Name :")),
          expectedBand(idWant));
    } else {
      // The handling fee shares the last ID line (or the payment line without IDs).
      const PrintSteps steps = layout(Layout::SiPix, t);
      QStringList got = band(steps, QStringLiteral("Payment Method :"), QStringLiteral("Rcv's Name :"));
      got.removeIf([](const QString &e) {
        return e.contains(QLatin1Char('$')) || e.endsWith(QStringLiteral(" 10.00"));
      });
      QCOMPARE(got, expectedBand(idWant));
    }
  }

  void sipixHandlingFeeSharesTheLastLine_data() {
    QTest::addColumn<QString>("ceid");
    QTest::addColumn<QString>("sharedWith");
    QTest::newRow("no IDs: payment line") << QString() << "Cash";
    QTest::newRow("one ID") << lines(1) << "A";
    QTest::newRow("seven IDs: second line") << lines(7) << "F, G";
  }
  void sipixHandlingFeeSharesTheLastLine() {
    QFETCH(QString, ceid);
    QFETCH(QString, sharedWith);
    tickets::TicketRecord t = sampleTicket();
    t.CEID = ceid;
    const PrintSteps steps = layout(Layout::SiPix, t);
    const PrintStep *label = findText(steps, QStringLiteral("Handling Fee : $"));
    const PrintStep *value = findText(steps, QStringLiteral("10.00"));
    const PrintStep *line = findText(steps, sharedWith);
    QVERIFY(label && value && line);
    QCOMPARE(label->y, line->y);
    QCOMPARE(value->y, line->y);
    // The receiver's line is the next line after the shared one.
    QCOMPARE(findText(steps, QStringLiteral("Rcv's Name :"))->y,
             findText(steps, QStringLiteral("Total Fee : $"))->y);
    QVERIFY(findText(steps, QStringLiteral("Rcv's Name :"))->y - line->y > twips(0.6));
  }

  // Vendors: the vendor numbers follow the last vendor at Tavrel DC only.
  void vendorsPrintWithNumbersAtTavrel_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("ticket");
    QTest::addColumn<QString>("vendors");
    QTest::addColumn<QStringList>("expected");
    const int cmp10 = int(Layout::Cmp10), sipix = int(Layout::SiPix);
    const QString wxyz = QStringLiteral("W|X|Y|Z");
    QTest::newRow("sipix tavrel four")
        << sipix << "10500001" << wxyz << QStringList{"1|0|Vendor :", "1|2.2|W, X, Y", "2|2.2|Z(77)"};
    QTest::newRow("sipix ostrine four")
        << sipix << "40500001" << wxyz << QStringList{"1|0|Vendor :", "1|2.2|W, X, Y", "2|2.2|Z"};
    QTest::newRow("sipix tavrel one") << sipix << "10500001"
                                      << "W" << QStringList{"1|0|Vendor :", "1|2.2|W(77)"};
    QTest::newRow("sipix none") << sipix << "10500001" << QString() << QStringList{};
    QTest::newRow("cmp10 tavrel four")
        << cmp10 << "10500001" << wxyz
        << QStringList{"1|0|Vendor :", "1|1.2|W", "2|1.2|X", "3|1.2|Y", "4|1.2|Z(77)"};
    QTest::newRow("cmp10 other two") << cmp10 << "S0500001"
                                     << "W|X" << QStringList{"1|0|Vendor :", "1|1.2|W", "2|1.2|X"};
    QTest::newRow("cmp10 none") << cmp10 << "10500001" << QString() << QStringList{};
  }
  void vendorsPrintWithNumbersAtTavrel() {
    QFETCH(int, which);
    QFETCH(QString, ticket);
    QFETCH(QString, vendors);
    QFETCH(QStringList, expected);
    tickets::TicketRecord t = sampleTicket();
    t.Ticket = ticket;
    t.Vendor = vendors;
    QCOMPARE(band(layout(Layout(which), t, QStringLiteral("77")), QStringLiteral("Trip # :"),
                  QStringLiteral("Appt. Time :")),
             expectedBand(expected));
  }

  void loadDetails_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QList<int>>("ticked"); // ROO, PW, ROB, BO
    QTest::addColumn<QStringList>("expected");
    const int cmp10 = int(Layout::Cmp10), sipix = int(Layout::SiPix);
    QTest::newRow("cmp10 pin-wheel and bkdn only")
        << cmp10 << QList<int>{0, 1, 0, 1}
        << QStringList{"1|0|Load Details :", "1|1.8|Pin-Wheel", "2|1.8|Bkdn Only"};
    QTest::newRow("cmp10 nothing") << cmp10 << QList<int>{0, 0, 0, 0} << QStringList{};
    QTest::newRow("sipix pin-wheel and bkdn only")
        << sipix << QList<int>{0, 1, 0, 1} << QStringList{"1|0|Load Details :", "1|3.4|Pin-Wheel, Bkdn Only"};
    QTest::newRow("sipix all") << sipix << QList<int>{1, 1, 1, 1}
                               << QStringList{"1|0|Load Details :",
                                              "1|3.4|Roll-Off-Only, Pin-Wheel, R/0 + Bkdn, Bkdn Only"};
    QTest::newRow("sipix nothing") << sipix << QList<int>{0, 0, 0, 0}
                                   << QStringList{"1|0|Load Details :", "1|3.4|"};
  }
  void loadDetails() {
    QFETCH(int, which);
    QFETCH(QList<int>, ticked);
    QFETCH(QStringList, expected);
    tickets::TicketRecord t = sampleTicket();
    t.ROO = ticked[0];
    t.PW = ticked[1];
    t.ROB = ticked[2];
    t.BO = ticked[3];
    const QString before =
        Layout(which) == Layout::Cmp10 ? QStringLiteral("Finish :") : QStringLiteral("Time Start :");
    const QString after =
        Layout(which) == Layout::Cmp10 ? QStringLiteral("From :") : QStringLiteral("Pallets From :");
    QCOMPARE(band(layout(Layout(which), t), before, after), expectedBand(expected));
  }

  // The first character of the ticket names the facility; only Ostrine prints CSL.
  void facilityByFirstCharacter_data() {
    QTest::addColumn<QString>("ticket");
    QTest::addColumn<QString>("facility");
    QTest::addColumn<bool>("csl");
    QTest::newRow("1") << "10500001"
                       << "Tavrel DC" << false;
    QTest::newRow("2") << "20500001"
                       << "Quendal East" << false;
    QTest::newRow("3") << "30500001"
                       << "Pelmar" << false;
    QTest::newRow("4") << "40500001"
                       << "Ostrine" << true;
    QTest::newRow("5") << "50500001"
                       << "Vexil" << false;
    QTest::newRow("6") << "60500001"
                       << "Harrowin" << false;
    QTest::newRow("7") << "70500001"
                       << "Juvell" << false;
    QTest::newRow("8") << "80500001"
                       << "Ombrey" << false;
    QTest::newRow("9") << "90500001"
                       << "Quendal West" << false;
    QTest::newRow("S") << "S0500001"
                       << "Sample" << false;
    QTest::newRow("B") << "B0500001"
                       << "Tavrel DC" << false;
    QTest::newRow("P") << "P0500001"
                       << "Tavrel DC" << false;
    QTest::newRow("0") << "00500001"
                       << "Tavrel DC" << false;
    QTest::newRow("empty") << ""
                           << "Tavrel DC" << false;
  }
  void facilityByFirstCharacter() {
    QFETCH(QString, ticket);
    QFETCH(QString, facility);
    QFETCH(bool, csl);
    tickets::TicketRecord t = sampleTicket();
    t.Ticket = ticket;
    for (Layout which : {Layout::Cmp10, Layout::SiPix}) {
      const PrintSteps steps = layout(which, t);
      const PrintStep *label = findText(steps, QStringLiteral("Facility :"));
      const PrintStep *name = findText(steps, facility);
      QVERIFY(label && name);
      QCOMPARE(name->y, label->y);
      QCOMPARE(findText(steps, QStringLiteral("CSL : $")) != nullptr, csl);
    }
  }

  void amountsPrintWithTwoDecimals_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("printed");
    QTest::newRow("thousands") << "1234.5"
                               << "1,234.50";
    QTest::newRow("zero") << "0"
                          << "0.00";
    QTest::newRow("millions") << "1234567.891"
                              << "1,234,567.89";
    QTest::newRow("negative") << "-5"
                              << "-5.00";
    QTest::newRow("typed with separator") << "2,000"
                                          << "2,000.00";
    QTest::newRow("empty box") << ""
                               << "";
    QTest::newRow("not a number") << "n/a"
                                  << "n/a";
  }
  void amountsPrintWithTwoDecimals() {
    QFETCH(QString, typed);
    QFETCH(QString, printed);
    QCOMPARE(printing::formatAmount(typed), printed);
  }

  void paymentMethodFollowsTheCode() {
    tickets::TicketRecord t = sampleTicket();
    const QStringList expected = {QString(), "Charge", "Check", "Cash", QString()};
    for (int code = 0; code <= 4; ++code) {
      t.PaymentType = code;
      const PrintSteps steps = layout(Layout::Cmp10, t);
      const PrintStep *label = findText(steps, QStringLiteral("Payment Method :"));
      const PrintStep &value = *(label + 1);
      QCOMPARE(value.y, label->y);
      QCOMPARE(value.text, expected[code]);
    }
  }
};

QTEST_GUILESS_MAIN(TestReceiptLayout)
#include "test_receipt_layout.moc"
