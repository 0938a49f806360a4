#include "store/trade_table.h"
#include "store/user_database.h"
#include "support/test_support.h"
#include "tickets/saving.h"
#include "tickets/saving_flow.h"
#include "tickets/trade_fixture.h"

#include <QTest>

using namespace testing_support;
using tickets::TicketRecord;

namespace {

int tradeRows() {
  auto q = store::session().db().prepare("SELECT COUNT(*) FROM Trade;");
  q.step();
  return int(q.integer(0));
}

// A new ticket with "Check" chosen and nothing else.
TicketRecord checkOnly(const QString &ticket) {
  TicketRecord r;
  r.TradeDate = QDate(2026, 3, 9);
  r.Ticket = ticket;
  r.PaymentType = tickets::code::Check;
  return r;
}

} // namespace

class TestTicketSaving : public QObject {
  Q_OBJECT
private slots:
  void init() {
    folder_.reset(new TempAppFolder);
    folder_->signIn(QStringLiteral("anna"));
  }
  void cleanup() { folder_.reset(); }

  void requiredFields_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("ticket");
    QTest::addColumn<int>("payment");
    QTest::addColumn<int>("charge");
    QTest::addColumn<QString>("message");
    const QDate day(2026, 3, 9);
    QTest::newRow("no date comes first") << QDate() << "" << 0 << 0 << "Please enter Trade Date";
    QTest::newRow("no ticket") << day << "" << 3 << 0 << "Please enter Ticket No";
    QTest::newRow("no payment") << day << "40500001" << 0 << 1 << "Please select Payment type.";
    QTest::newRow("unknown payment code") << day << "40500001" << 7 << 0 << "Please select Payment type.";
    QTest::newRow("charge without type") << day << "40500001" << 1 << 0 << "Please select Charge type.";
    QTest::newRow("charge to warehouse") << day << "40500001" << 1 << 1 << "";
    QTest::newRow("charge to trucking co.") << day << "40500001" << 1 << 2 << "";
    QTest::newRow("cash needs no charge type") << day << "40500001" << 3 << 0 << "";
  }

  void requiredFields() {
    QFETCH(QDate, date);
    QFETCH(QString, ticket);
    QFETCH(int, payment);
    QFETCH(int, charge);
    QFETCH(QString, message);
    TicketRecord r;
    r.TradeDate = date;
    r.Ticket = ticket;
    r.PaymentType = payment;
    r.Charge = charge;
    QCOMPARE(tickets::checkEmpty(r), message);

    // Every write refuses with the same message and writes nothing.
    if (!message.isEmpty()) {
      MessageRecorder messages;
      const int before = tradeRows();
      QVERIFY(!tickets::InsertInfo(r));
      QVERIFY(!tickets::UpdateInfo(r));
      QVERIFY(!tickets::CloseInfo(r));
      QCOMPARE(messages.texts(), QStringList({message, message, message}));
      QCOMPARE(tradeRows(), before);
    }
  }

  void newTicketWithOnlyAPaymentIsInserted() {
    MessageRecorder messages;
    TicketRecord r = checkOnly(QStringLiteral("40500001"));
    r.UserID = QStringLiteral("someone else");
    QVERIFY(tickets::InsertInfo(r));
    QCOMPARE(messages.texts(), QStringList({QStringLiteral("Your job is updated!")}));

    const TicketRecord back = *store::findTicket(r.Ticket);
    QCOMPARE(back.UserID, QStringLiteral("anna"));
    QCOMPARE(back.signature, QStringLiteral("sign40500001.BMP"));
    QCOMPARE(back.Charge, 0);
    QCOMPARE(back.US, tickets::kEmptyTime);
    QCOMPARE(back.TruckCo, QString());
    QVERIFY(!back.JobClose);
  }

  void usedNumberIsRefusedEvenWhenClosed() {
    store::closeTrade(checkOnly(QStringLiteral("40500001")));
    MessageRecorder messages;
    const int before = tradeRows();
    QVERIFY(!tickets::InsertInfo(checkOnly(QStringLiteral("40500001"))));
    QCOMPARE(messages.last(), QStringLiteral("This ticket no. is already taken. Please, enter other no."));
    QCOMPARE(tradeRows(), before);
  }

  void savedTicketIsUpdatedAndClosed() {
    MessageRecorder messages;
    TicketRecord r = fullTicket();
    QVERIFY(tickets::InsertInfo(r));
    r.Notes = QStringLiteral("it's done");
    QVERIFY(tickets::UpdateInfo(r));
    QVERIFY(tickets::CloseInfo(r));
    QCOMPARE(messages.texts(),
             QStringList({QStringLiteral("Your job is updated!"), QStringLiteral("Your job is updated!"),
                          QStringLiteral("Your job is closed!")}));
    const TicketRecord back = *store::findTicket(r.Ticket);
    QVERIFY(back.JobClose);
    QCOMPARE(back.Notes, QStringLiteral("it's done"));
  }

  void databaseFailuresAreReportedAndChangeNothing() {
    TicketRecord r = fullTicket();
    store::insertTrade(r);
    const TicketRecord stored = *store::findTicket(r.Ticket);
    store::session().db().exec("CREATE TRIGGER refuse_update BEFORE UPDATE ON Trade "
                               "BEGIN SELECT RAISE(ABORT, 'refused'); END;"
                               "CREATE TRIGGER refuse_insert BEFORE INSERT ON Trade "
                               "BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    MessageRecorder messages;
    r.Notes = QStringLiteral("changed");
    QVERIFY(!tickets::UpdateInfo(r));
    QVERIFY(!tickets::CloseInfo(r));
    QVERIFY(!tickets::InsertInfo(checkOnly(QStringLiteral("40500002"))));
    QCOMPARE(messages.texts(), QStringList({QStringLiteral("Update error!"), QStringLiteral("Update error!"),
                                            QStringLiteral("Insert error!")}));
    QCOMPARE(*store::findTicket(r.Ticket), stored);
  }

  void noDatabaseIsAnErrorNotACrash() {
    store::session().clearDatabase();
    store::session().closeConnection();
    MessageRecorder messages;
    QVERIFY(!tickets::InsertInfo(checkOnly(QStringLiteral("40500001"))));
    QVERIFY(!tickets::CloseInfo(checkOnly(QStringLiteral("40500001"))));
    QCOMPARE(messages.texts(),
             QStringList({QStringLiteral("Insert error!"), QStringLiteral("Update error!")}));
  }

private:
  std::unique_ptr<TempAppFolder> folder_;
};

QTEST_MAIN(TestTicketSaving)
#include "test_ticket_saving.moc"
