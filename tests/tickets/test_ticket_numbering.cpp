#include "store/database.h"
#include "store/user_database.h"
#include "support/test_support.h"
#include "tickets/numbering.h"
#include "tickets/saving_flow.h"

#include <QTest>

using namespace testing_support;

class TestTicketNumbering : public QObject {
  Q_OBJECT
private slots:
  void nextFromHighest_data() {
    QTest::addColumn<QString>("highest");
    QTest::addColumn<QString>("next");
    QTest::addColumn<bool>("other");
    QTest::addColumn<bool>("refused");
    QTest::newRow("empty table") << ""
                                 << "" << false << false;
    QTest::newRow("digit seed") << "40500000"
                                << "40500001" << false << false;
    QTest::newRow("carry") << "40509999"
                           << "40510000" << false << false;
    QTest::newRow("Tavrel") << "10512345"
                            << "10512346" << false << false;
    QTest::newRow("S seed") << "S0500000"
                            << "S0500001" << true << false;
    QTest::newRow("S carry") << "S0510009"
                             << "S0510010" << true << false;
    QTest::newRow("B seed continues as S") << "B0500000"
                                           << "S0500001" << true << false;
    QTest::newRow("B five digits") << "B0512345"
                                   << "S0512346" << true << false;
    QTest::newRow("P seed like B") << "P0500000"
                                   << "S0500001" << true << false;
    QTest::newRow("last eight-digit ticket") << "99999998"
                                             << "99999999" << false << false;
    QTest::newRow("past eight digits") << "99999999"
                                       << "" << false << true;
    QTest::newRow("past six digits") << "S0999999"
                                     << "" << true << true;
    QTest::newRow("longer than the form holds") << "123456789012"
                                                << "" << false << true;
    QTest::newRow("letters in a digit ticket") << "4050A001"
                                               << "" << false << true;
    QTest::newRow("sign is not a digit") << "-4050000"
                                         << "" << false << true;
    QTest::newRow("other with letters at the end") << "S05000X1"
                                                   << "" << true << true;
    QTest::newRow("other too short") << "S05"
                                     << "" << true << true;
    QTest::newRow("unknown letter") << "X0500000"
                                    << "" << false << true;
  }

  void nextFromHighest() {
    QFETCH(QString, highest);
    QFETCH(QString, next);
    QFETCH(bool, other);
    QFETCH(bool, refused);
    const tickets::NextTicketNo result = tickets::nextTicketNo(highest);
    QCOMPARE(result.ticket, next);
    QCOMPARE(!result.message.isEmpty(), refused);
    QCOMPARE(tickets::Is_Other(highest), other);
  }

  void continuesFromTheStoredHighestTicket() {
    TempAppFolder folder;
    folder.signIn(QStringLiteral("anna"));
    QCOMPARE(tickets::Check_TicketNo().ticket, QStringLiteral("40500001"));
    // Not reserved: asking again gives the same number.
    QCOMPARE(tickets::Check_TicketNo().ticket, QStringLiteral("40500001"));
    store::session().db().prepare("INSERT INTO Trade (Ticket, JobClose) VALUES ('40500007', 1);").run();
    QCOMPARE(tickets::Check_TicketNo().ticket, QStringLiteral("40500008"));
  }

  void otherFacilityTicketsFollowInTextOrder() {
    TempAppFolder folder;
    folder.signIn(QStringLiteral("anna"), QStringLiteral("pass"), QStringLiteral("B0500000"));
    QVERIFY(tickets::Is_Other());
    QCOMPARE(tickets::Check_TicketNo().ticket, QStringLiteral("S0500001"));
    store::session().db().prepare("INSERT INTO Trade (Ticket) VALUES ('S0500001');").run();
    QCOMPARE(tickets::Check_TicketNo().ticket, QStringLiteral("S0500002"));
  }

  void emptyTableGivesNoNumberAndNoMessage() {
    TempAppFolder folder;
    folder.signIn(QStringLiteral("anna"), QStringLiteral("pass"), QString());
    MessageRecorder messages;
    QCOMPARE(tickets::nextTicketForForm(), QString());
    QVERIFY(messages.messages().isEmpty());
    QVERIFY(!tickets::Is_Other());
  }

  void unreadableTableGivesNoNumberWithAMessage() {
    TempAppFolder folder; // no one signed in: there is no database to read
    MessageRecorder messages;
    QCOMPARE(tickets::nextTicketForForm(), QString());
    QCOMPARE(messages.messages().size(), 1);
    QVERIFY(!tickets::Is_Other());
  }
};

QTEST_MAIN(TestTicketNumbering)
#include "test_ticket_numbering.moc"
