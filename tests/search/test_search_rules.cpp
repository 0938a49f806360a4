// The totals line, the list cells and the re-sorting of the search list.
#include "app/date_text.h"
#include "search/search_list.h"
#include "search/search_totals.h"

#include <QTest>

using search::PaymentClass;

Q_DECLARE_METATYPE(PaymentClass)

namespace {

// A ticket as the search finds it: date, ticket, purchase orders, trucking company, vendors.
struct Stored {
  const char *tradeDate, *ticket, *po, *truckCo, *vendor;
};

search::Listing listingOf(const std::vector<Stored> &tickets) {
  search::ListingBuilder builder;
  for (const Stored &t : tickets)
    builder.add({t.tradeDate, t.ticket, t.po, t.truckCo, t.vendor, 0, 0, "0"});
  return builder.take();
}

QStringList rowOf(const search::Listing &listing, int row) {
  QStringList cells;
  for (int col = 0; col < search::kListColumns; ++col)
    cells << listing.cells.text(row, col);
  return cells;
}

} // namespace

class TestSearchRules : public QObject {
  Q_OBJECT

private slots:
  void classification_data() {
    QTest::addColumn<int>("paymentType");
    QTest::addColumn<int>("charge");
    QTest::addColumn<PaymentClass>("expected");
    QTest::newRow("charge to trucking co.") << 1 << 2 << PaymentClass::Charge;
    QTest::newRow("charge to no one") << 1 << 0 << PaymentClass::Charge;
    QTest::newRow("charge, unknown charge code") << 1 << 7 << PaymentClass::Charge;
    QTest::newRow("charge to warehouse is managed") << 1 << 1 << PaymentClass::Managed;
    QTest::newRow("check, warehouse flag ignored") << 2 << 1 << PaymentClass::Check;
    QTest::newRow("cash") << 3 << 0 << PaymentClass::Cash;
    QTest::newRow("no payment type") << 0 << 1 << PaymentClass::None;
    QTest::newRow("unknown payment type") << 4 << 0 << PaymentClass::None;
    QTest::newRow("negative payment type") << -1 << 1 << PaymentClass::None;
  }
  void classification() {
    QFETCH(int, paymentType);
    QFETCH(int, charge);
    QFETCH(PaymentClass, expected);
    QCOMPARE(search::classify(paymentType, charge), expected);

    // One ticket counts in its own class and in Total, nowhere else.
    search::SearchTotals totals;
    totals.add(paymentType, charge, QStringLiteral("10"));
    const std::pair<PaymentClass, const search::PaymentTotal *> classes[] = {
        {PaymentClass::Charge, &totals.charge},
        {PaymentClass::Check, &totals.check},
        {PaymentClass::Cash, &totals.cash},
        {PaymentClass::Managed, &totals.managed}};
    for (const auto &[cls, total] : classes) {
      QCOMPARE(total->count, cls == expected ? 1 : 0);
      QCOMPARE(total->sum, cls == expected ? 10.0 : 0.0);
    }
    QCOMPARE(totals.total.count, 1);
    QCOMPARE(totals.total.sum, 10.0);
  }

  void amounts_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "125.5" << 125.5;
    QTest::newRow("whole") << "80" << 80.0;
    QTest::newRow("separators and blanks") << " 1,234.50 " << 1234.5;
    QTest::newRow("dollar sign") << "$12.25" << 12.25;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("words") << "n/a" << 0.0;
    QTest::newRow("trailing letters") << "12abc" << 0.0;
    QTest::newRow("infinity") << "inf" << 0.0;
    QTest::newRow("not a number") << "nan" << 0.0;
    QTest::newRow("point without decimals") << "12." << 12.0;
    QTest::newRow("leading zeros") << "007.50" << 7.5;
    QTest::newRow("a tenth") << "0.1" << 0.1;
    QTest::newRow("two points") << "1.2.3" << 0.0;
  }
  void amounts() {
    QFETCH(QString, stored);
    QFETCH(double, value);
    QCOMPARE(search::amountValue(stored), value);
    // The same amount read as the database holds it.
    QCOMPARE(search::amountValue(QByteArrayView(stored.toUtf8())), value);
  }

  void amountFormat_data() {
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("cents") << 0.5 << "0.50";
    QTest::newRow("below a thousand") << 999.0 << "999.00";
    QTest::newRow("a thousand") << 1000.0 << "1,000.00";
    QTest::newRow("millions") << 1234567.891 << "1,234,567.89";
    QTest::newRow("negative") << -1234.5 << "-1,234.50";
    QTest::newRow("negative rounding to zero") << -0.001 << "0.00";
    QTest::newRow("float sum noise") << (0.1 + 0.2) << "0.30";
  }
  void amountFormat() {
    QFETCH(double, amount);
    QFETCH(QString, text);
    QCOMPARE(search::amountText(amount), text);
  }

  void totalsLine() {
    search::SearchTotals totals;
    QCOMPARE(totals.line(),
             QStringLiteral("Charge :$0.00/0        Check :$0.00/0        Cash :$0.00/0        "
                            "Managed :$0.00/0        Total :$0.00/0"));
    totals.add(1, 2, QStringLiteral("1,000.25"));
    totals.add(1, 0, QStringLiteral("250"));
    totals.add(1, 1, QStringLiteral("75.5"));
    totals.add(2, 0, QStringLiteral("40"));
    totals.add(3, 0, QStringLiteral("garbled")); // counted, as nothing
    totals.add(0, 0, QStringLiteral("9.99"));
    QCOMPARE(totals.line(),
             QStringLiteral("Charge :$1,250.25/2        Check :$40.00/1        Cash :$0.00/1        "
                            "Managed :$75.50/1        Total :$1,375.74/6"));
  }

  void listedCells() {
    const search::Listing listing =
        listingOf({{"2026-03-10", "40500001", "A1|B2||C3", "Rollo Freight", "Ann's Farm|Bay Foods"},
                   // A stored date that is no date is shown as stored rather than as a blank.
                   {"03/10/26", "40500002", "|", "", "Éclair Bäckerei"}});
    QCOMPARE(rowOf(listing, 0), QStringList({app::dateText(QDate(2026, 3, 10)), "40500001", "A1, B2, , C3",
                                             "Rollo Freight", "Ann's Farm|Bay Foods"}));
    QCOMPARE(rowOf(listing, 1), QStringList({"03/10/26", "40500002", ", ", "", "Éclair Bäckerei"}));
  }

  void listedRowsShowEachRowsDate() {
    const char *dates[] = {"2026-01-09", "2026-01-09", "2026-01-10", "2026-01-09"};
    std::vector<Stored> tickets;
    for (const char *date : dates)
      tickets.push_back({date, "T", "", "", ""});
    const search::Listing listing = listingOf(tickets);
    for (int i = 0; i < 4; ++i)
      QCOMPARE(listing.cells.text(i, 0),
               app::dateText(QDate::fromString(QString::fromLatin1(dates[i]), Qt::ISODate)));
  }

  void sortChoices_data() {
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("column");
    QTest::newRow("truck company") << "Truck Company" << 4;
    QTest::newRow("ticket") << "Ticket" << 2;
    QTest::newRow("vendor") << "Vendor" << 5;
    QTest::newRow("prompt") << "     -  Sort by -" << 0;
    QTest::newRow("other case") << "ticket" << 0;
    QTest::newRow("empty") << "" << 0;
  }
  void sortChoices() {
    QFETCH(QString, choice);
    QFETCH(int, column);
    QCOMPARE(search::sortColumnFor(choice), column);
  }

  void sorts_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<std::vector<int>>("order");
    // Truck Company, Vendor, Date (by calendar: 1/9 before 1/10), Ticket No.
    QTest::newRow("truck company") << 4 << std::vector<int>{7, 6, 2, 5, 1, 0, 4, 3};
    // Ticket No., P.O. No., Truck Company, Vendor
    QTest::newRow("ticket") << 2 << std::vector<int>{2, 5, 4, 0, 1, 7, 6, 3};
    // Vendor, Date, Ticket No., P.O. No.
    QTest::newRow("vendor") << 5 << std::vector<int>{7, 2, 5, 3, 6, 1, 4, 0};
    QTest::newRow("no sort column") << 0 << std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7};
  }
  void sorts() {
    QFETCH(int, column);
    QFETCH(std::vector<int>, order);
    // Rows 2 and 5 differ only in letter case: equal in every key, they keep their order.
    const search::Listing listed = listingOf({{"2026-01-10", "T2", "P1", "Acme", "Zed"},
                                              {"2026-01-09", "T2", "P1", "Acme", "Zed"},
                                              {"2026-01-09", "T1", "P9", "acme", "Bee"},
                                              {"2026-01-09", "T3", "P0", "Bolt", "Bee"},
                                              {"2026-01-10", "T2", "P0", "Acme", "Zed"},
                                              {"2026-01-09", "T1", "P9", "Acme", "Bee"},
                                              {"2026-01-09", "T3", "P0", "Able", "Bee"},
                                              {"2026-01-09", "T3", "P0", "Able", "Ant"}});
    search::Listing sorted = listed;
    search::sortRows(sorted, column);
    QCOMPARE(sorted.rows(), listed.rows());
    for (size_t i = 0; i < order.size(); ++i) {
      QVERIFY2(rowOf(sorted, int(i)) == rowOf(listed, order[i]), qPrintable(QString::number(i)));
      QCOMPARE(sorted.tradeDates[i], listed.tradeDates[order[i]]);
    }
  }
};

QTEST_GUILESS_MAIN(TestSearchRules)
#include "test_search_rules.moc"
