#include "store/trade_table.h"
#include "store/user_database.h"
#include "support/test_support.h"
#include "tickets/trade_fixture.h"

#include <QTest>

using namespace testing_support;
using tickets::TicketRecord;

namespace {

int rowsOf(const QString &ticket) {
  auto q = store::session().db().prepare("SELECT COUNT(*) FROM Trade WHERE Ticket = ?;");
  q.bind(1, ticket);
  q.step();
  return int(q.integer(0));
}

void run(const char *sql) { store::session().db().exec(sql); }

// The columns a save or close never writes, as they were before.
void keepUntouched(TicketRecord *after, const TicketRecord &before) {
  after->Trade = before.Trade;
  after->No = before.No;
  after->Facility = before.Facility;
}

} // namespace

class TestTradeTable : public QObject {
  Q_OBJECT
private slots:
  void init() {
    folder_.reset(new TempAppFolder);
    folder_->signIn(QStringLiteral("anna"));
  }
  void cleanup() { folder_.reset(); }

  void insertStoresEveryColumnExactly() {
    const TicketRecord r = fullTicket();
    store::insertTrade(r);

    auto q = store::session().db().prepare("SELECT * FROM Trade WHERE Ticket = '40500001';");
    QVERIFY(q.step());
    // Stored encodings, read without the program's own reader.
    QCOMPARE(q.text("TradeDate"), QStringLiteral("2026-03-09"));
    QCOMPARE(q.integer("Trade"), 1);
    QCOMPARE(q.integer("JobClose"), 0);
    QCOMPARE(q.text("InvoiceTO"), QStringLiteral("O'Hare Freight"));
    QCOMPARE(q.text("PO"), QStringLiteral("A1|B2|C3"));
    QCOMPARE(q.text("Notes"), QStringLiteral("call 'Bo'\r\nlater; DROP TABLE Trade; --"));
    QCOMPARE(q.text("ArrivalT"), QStringLiteral("1_:__"));
    QCOMPARE(q.text("CheckNum"), QStringLiteral("0012"));
    QCOMPARE(q.integer("Stream"), 2);
    QCOMPARE(q.integer("PYes_No_W"), 3);
    QVERIFY(!q.step());

    TicketRecord back = *store::findTicket(r.Ticket);
    QVERIFY(back.No > 0);
    QCOMPARE(back.Facility, QString());
    TicketRecord expected = r;
    expected.No = back.No;
    QCOMPARE(back, expected);
  }

  void updateWritesTheOneRowOfItsTicket() {
    TicketRecord r = fullTicket();
    store::insertTrade(r);
    const TicketRecord stored = *store::findTicket(r.Ticket);
    r.Vendor = QStringLiteral("Dunn's");
    r.PaymentType = tickets::code::Cash;
    store::updateTrade(r);
    store::updateTrade(r);

    QCOMPARE(rowsOf(r.Ticket), 1);
    TicketRecord back = *store::findTicket(r.Ticket);
    QCOMPARE(back.No, stored.No);
    QCOMPARE(back.Vendor, QStringLiteral("Dunn's"));
    QCOMPARE(back.PaymentType, int(tickets::code::Cash));
  }

  void updateOfAMissingTicketAddsAnOpenRow() {
    store::insertTrade(fullTicket(QStringLiteral("40500001")));
    const TicketRecord oldRow = *store::findTicket(QStringLiteral("40500001"));
    // A saved ticket whose number was changed in the form.
    const TicketRecord renumbered = fullTicket(QStringLiteral("40500009"));
    store::updateTrade(renumbered);

    const TicketRecord added = *store::findTicket(QStringLiteral("40500009"));
    QVERIFY(!added.JobClose);
    QVERIFY(added.No > oldRow.No);
    QCOMPARE(added.Trade, 0); // only the insert writes Trade
    QCOMPARE(*store::findTicket(QStringLiteral("40500001")), oldRow);
  }

  void closeSetsJobCloseAndKeepsTheUnwrittenColumns() {
    run("UPDATE Trade SET Ticket = '40500001', Door = 'Door201' WHERE Facility IS NOT NULL;");
    const TicketRecord seed = *store::findTicket(QStringLiteral("40500001"));
    TicketRecord r = fullTicket();
    store::closeTrade(r);

    TicketRecord back = *store::findTicket(r.Ticket);
    QVERIFY(back.JobClose);
    QCOMPARE(back.Facility, QStringLiteral("Ostrine"));
    QCOMPARE(back.No, seed.No);
    r.JobClose = true;
    keepUntouched(&r, back);
    QCOMPARE(back, r);

    // Saving a closed ticket again keeps it closed.
    store::updateTrade(r);
    QVERIFY(*store::jobClosed(r.Ticket));
  }

  void closeOfAMissingTicketAddsAClosedRow() {
    store::closeTrade(fullTicket(QStringLiteral("40500003")));
    QCOMPARE(rowsOf(QStringLiteral("40500003")), 1);
    QCOMPARE(store::jobClosed(QStringLiteral("40500003")), std::optional<bool>(true));
    QCOMPARE(store::jobClosed(QStringLiteral("40500004")), std::nullopt);
  }

  void openJobOfADoorIsTheNewestOpenRow() {
    run("INSERT INTO Trade (Ticket, Door, JobClose) VALUES ('40500001', 'Door201', 0);"
        "INSERT INTO Trade (Ticket, Door, JobClose) VALUES ('40500002', 'Door201', 0);"
        "INSERT INTO Trade (Ticket, Door, JobClose) VALUES ('40500003', 'Door201', 1);"
        "INSERT INTO Trade (Ticket, Door, JobClose) VALUES ('40500004', 'Door202', 0);");
    QCOMPARE(store::findOpenJobOfDoor(QStringLiteral("Door201"))->Ticket, QStringLiteral("40500002"));
    QCOMPARE(store::findOpenJobOfDoor(QStringLiteral("Door203")), std::nullopt);
    run("UPDATE Trade SET JobClose = 1 WHERE Door = 'Door201';");
    QCOMPARE(store::findOpenJobOfDoor(QStringLiteral("Door201")), std::nullopt);
  }

  void nullColumnsReadAsEmptyBoxes() {
    run("INSERT INTO Trade (Ticket, Door) VALUES ('40500005', 'Door201');");
    const TicketRecord r = *store::findOpenJobOfDoor(QStringLiteral("Door201"));
    QCOMPARE(r.Ticket, QStringLiteral("40500005"));
    QCOMPARE(r.Truck, QString());
    QCOMPARE(r.PO, QString()); // an empty box, not "__:__"
    QCOMPARE(r.CEID, QString());
    QCOMPARE(r.CSL, QString());
    QCOMPARE(r.Apptmt, tickets::kEmptyTime);
    QCOMPARE(r.DT, tickets::kEmptyTime);
    QCOMPARE(r.PaymentType, 0);
    QVERIFY(!r.TradeDate.isValid());
  }

  void vendorAndTruckCompanyLists() {
    run("INSERT INTO Vendor (Vendor, VendorNo) VALUES ('Mc''Cain', '101');"
        "INSERT INTO Vendor (Vendor, VendorNo) VALUES ('Acme', '205');"
        "INSERT INTO TruckCo (TruckCo) VALUES ('Zed Lines');"
        "INSERT INTO TruckCo (TruckCo) VALUES ('Able Haul');");
    QCOMPARE(store::vendorNumberOf(QStringLiteral("Mc'Cain")), std::optional<QString>(QStringLiteral("101")));
    QCOMPARE(store::vendorNameOf(QStringLiteral("205")), std::optional<QString>(QStringLiteral("Acme")));
    QCOMPARE(store::vendorNameOf(QStringLiteral("999")), std::nullopt);
    QCOMPARE(store::vendorNames(), QStringList({QStringLiteral("Mc'Cain"), QStringLiteral("Acme")}));
    QCOMPARE(store::vendorNumbers(), QStringList({QStringLiteral("101"), QStringLiteral("205")}));
    QCOMPARE(store::truckCompanyNames(),
             QStringList({QStringLiteral("Zed Lines"), QStringLiteral("Able Haul")}));
  }

private:
  std::unique_ptr<TempAppFolder> folder_;
};

QTEST_MAIN(TestTradeTable)
#include "test_trade_table.moc"
