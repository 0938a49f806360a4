// Reading tickets by trade date and keyword from a fixture database.
#include "store/trade_search.h"

#include "support/test_support.h"
#include "trade_rows.h"

#include <QTest>

using search_fixture::insert;
using search_fixture::Row;

namespace {

const QDate kDay(2026, 3, 10);

QStringList ticketsOf(const std::vector<store::TradeListing> &rows) {
  QStringList out;
  for (const auto &r : rows)
    out << r.ticket;
  return out;
}

} // namespace

class TestTradeSearch : public QObject {
  Q_OBJECT

private slots:
  void init() {
    folder_ = std::make_unique<testing_support::TempAppFolder>();
    folder_->signIn(QStringLiteral("sam"));
  }
  void cleanup() { folder_.reset(); }

  void rangeIncludesBothEndsInDateAndTicketOrder() {
    insert({{kDay.addDays(1), QStringLiteral("40500005")},
            {kDay, QStringLiteral("40500009")},
            {kDay.addDays(-1), QStringLiteral("40500001")},
            {kDay.addDays(2), QStringLiteral("40500002")},
            {kDay, QStringLiteral("40500003")},
            {kDay.addDays(-2), QStringLiteral("40500004")}});
    QCOMPARE(ticketsOf(store::searchTrade(kDay.addDays(-1), kDay.addDays(1), {})),
             QStringList({"40500001", "40500003", "40500009", "40500005"}));
    QCOMPARE(ticketsOf(store::searchTrade(kDay, kDay, {})), QStringList({"40500003", "40500009"}));
    // Dates across a month and year end compare by calendar.
    insert({QDate(2025, 12, 31), QStringLiteral("40400001")});
    QCOMPARE(ticketsOf(store::searchTrade(QDate(2025, 12, 1), QDate(2026, 3, 8), {})),
             QStringList({"40400001", "40500004"}));
    // From after To finds nothing; the seed row has no date and is never listed.
    QVERIFY(store::searchTrade(kDay, kDay.addDays(-1), {}).empty());
  }

  void readsTheListedColumns() {
    insert({kDay, QStringLiteral("40500001"), QStringLiteral("A1|B2"), QStringLiteral("Rollo Freight"),
            QStringLiteral("Ann's Farm|Bay Foods"), 1, 2, QStringLiteral("125.50")});
    insert({kDay, QStringLiteral("40500002"), {}, {}, {}, {}, {}, {}});
    const auto rows = store::searchTrade(kDay, kDay, {});
    QCOMPARE(rows.size(), size_t(2));
    const store::TradeListing &full = rows[0];
    QCOMPARE(full.tradeDate, QStringLiteral("2026-03-10"));
    QCOMPARE(full.po, QStringLiteral("A1|B2"));
    QCOMPARE(full.truckCo, QStringLiteral("Rollo Freight"));
    QCOMPARE(full.vendor, QStringLiteral("Ann's Farm|Bay Foods"));
    QCOMPARE(full.paymentType, 1);
    QCOMPARE(full.charge, 2);
    QCOMPARE(full.tc, QStringLiteral("125.50"));
    const store::TradeListing &nulls = rows[1];
    QVERIFY(nulls.po.isEmpty() && nulls.truckCo.isEmpty() && nulls.vendor.isEmpty() && nulls.tc.isEmpty());
    QCOMPARE(nulls.paymentType, 0);
    QCOMPARE(nulls.charge, 0);
  }

  void keyword_data() {
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("inside PO") << "7731" << QStringList{"40500001"};
    QTest::newRow("second PO line") << "|B88" << QStringList{"40500001"};
    QTest::newRow("inside Ticket") << "0500002" << QStringList{"40500002"};
    QTest::newRow("inside TruckCo") << "ollo" << QStringList{"40500003"};
    QTest::newRow("inside Vendor") << "Bay" << QStringList{"40500004"};
    QTest::newRow("letter case ignored") << "ROLLO" << QStringList{"40500003"};
    QTest::newRow("in several columns")
        << "40" << QStringList{"40500001", "40500002", "40500003", "40500004"};
    QTest::newRow("apostrophe searches for itself") << "Ann's" << QStringList{"40500004"};
    QTest::newRow("lone apostrophe") << "'" << QStringList{"40500004"};
    QTest::newRow("quote that would end the text") << "x') OR ('1'='1" << QStringList{};
    QTest::newRow("percent is a wildcard") << "Ro%ght" << QStringList{"40500003"};
    QTest::newRow("underscore is a wildcard") << "A_n" << QStringList{"40500004"};
    QTest::newRow("no match") << "zzz" << QStringList{};
  }
  void keyword() {
    QFETCH(QString, keyword);
    QFETCH(QStringList, found);
    // Each ticket holds its own keyword target; the rest of its columns are Null.
    insert({{kDay, QStringLiteral("40500001"), QStringLiteral("PO7731|B88"), {}, {}},
            {kDay, QStringLiteral("40500002"), {}, {}, {}},
            {kDay, QStringLiteral("40500003"), {}, QStringLiteral("Rollo Freight"), {}},
            {kDay, QStringLiteral("40500004"), {}, {}, QStringLiteral("Ann's Farm|Bay Foods")},
            // Outside the range: never listed, whatever it holds.
            {kDay.addDays(1), QStringLiteral("40500005"), QStringLiteral("7731"), QStringLiteral("Rollo"),
             QStringLiteral("Ann's Bay")}});
    QCOMPARE(ticketsOf(store::searchTrade(kDay, kDay, keyword)), found);
  }

  void nullColumnsNeverMatch() {
    // Even the widest pattern finds an empty text but never a Null.
    auto &db = store::session().db();
    db.prepare(
          "INSERT INTO Trade (TradeDate, Ticket, PO, TruckCo, Vendor) VALUES (?, NULL, NULL, NULL, NULL);")
        .bind(1, kDay.toString(Qt::ISODate))
        .run();
    db.prepare("INSERT INTO Trade (TradeDate, Ticket, PO, TruckCo, Vendor) VALUES (?, '', '', '', '');")
        .bind(1, kDay.toString(Qt::ISODate))
        .run();
    const auto rows = store::searchTrade(kDay, kDay, QStringLiteral("%"));
    QCOMPARE(rows.size(), size_t(1));
    QCOMPARE(store::searchTrade(kDay, kDay, {}).size(), size_t(2));
  }

  void runsOnTheDateIndex_data() {
    QTest::addColumn<bool>("withKeyword");
    QTest::newRow("dates only") << false;
    QTest::newRow("with keyword") << true;
  }
  void runsOnTheDateIndex() {
    QFETCH(bool, withKeyword);
    auto plan = store::session().db().prepare(
        (QByteArray("EXPLAIN QUERY PLAN ") + store::tradeSearchSql(withKeyword)).constData());
    QString details;
    while (plan.step())
      details += plan.text(3) + QLatin1Char('\n');
    QVERIFY2(details.contains(QLatin1String("Trade_Date_Ticket")), qPrintable(details));
    QVERIFY2(!details.contains(QLatin1String("TEMP B-TREE")), qPrintable(details));
  }

  void failsWithoutADatabase() {
    store::session().clearDatabase();
    QVERIFY_THROWS_EXCEPTION(store::DbError, store::searchTrade(kDay, kDay, {}));
  }

private:
  std::unique_ptr<testing_support::TempAppFolder> folder_;
};

QTEST_GUILESS_MAIN(TestTradeSearch)
#include "test_trade_search.moc"
