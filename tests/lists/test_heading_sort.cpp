#include "lists/heading_sort.h"

#include <QTest>

using lists::SortKey;

class TestHeadingSort : public QObject {
  Q_OBJECT
private slots:
  // The flag flips after every key: with two columns successive clicks alternate,
  // with three every click starts ascending.
  void keysOfAHeadingClick() {
    bool flag = false;
    QCOMPARE(lists::headingSortKeys(2, 2, flag), (std::vector<SortKey>{{2, false}}));
    QCOMPARE(lists::headingSortKeys(2, 2, flag), (std::vector<SortKey>{{2, true}}));
    QVERIFY(!flag);
    QCOMPARE(lists::headingSortKeys(2, 3, flag), (std::vector<SortKey>{{2, false}, {3, true}}));
    QCOMPARE(lists::headingSortKeys(3, 3, flag), (std::vector<SortKey>{{3, false}, {1, true}}));
    QVERIFY(!flag);
  }

  void stableSortWithinTheBlock() {
    const std::vector<QStringList> rows{
        {"1", "beta", "7"}, {"0", "Acme", "2"}, {"1", "acme", "9"}, {"0", "Acme", "5"}, {"1", "", "1"}};
    // Names ascending (letter case only breaks ties), equal names by number descending.
    QCOMPARE(lists::sortedRowOrder(rows, 2, 3, {{2, false}, {3, true}}), (std::vector<int>{4, 3, 1, 2, 0}));
    // A key on the tick column, outside the block, takes no part: equal numbers keep order.
    const std::vector<QStringList> numbered{{"1", "b", "5"}, {"0", "a", "5"}, {"1", "c", "1"}};
    QCOMPARE(lists::sortedRowOrder(numbered, 2, 3, {{3, false}, {1, true}}), (std::vector<int>{2, 0, 1}));
  }
};

QTEST_GUILESS_MAIN(TestHeadingSort)
#include "test_heading_sort.moc"
