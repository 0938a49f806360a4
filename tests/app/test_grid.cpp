// The grid keeps only the rows written, shares the table of texts it is given and
// colours a column for every row, filled now or later.
#include "app/grid.h"

#include <QTest>

class TestGrid : public QObject {
  Q_OBJECT

private slots:
  void emptyRowsCountButHoldNothing() {
    app::Grid grid;
    grid.setHeadings({"A", "B", "C"});
    grid.setMaxRows(9999);
    grid.setText(3, 9999, QStringLiteral("last"));
    QCOMPARE(grid.text(3, 9999), QStringLiteral("last"));
    QCOMPARE(grid.text(3, 9998), QString());
    QCOMPARE(grid.model()->rowCount(), 9999);
    // Shrinking drops the rows past the end; growing again brings them back empty.
    grid.setMaxRows(10);
    QCOMPARE(grid.text(3, 9999), QString());
    grid.setMaxRows(9999);
    QCOMPARE(grid.text(3, 9999), QString());
    // Rows past those written sort as empty rows, first.
    grid.setText(1, 2, QStringLiteral("b"));
    grid.sortBlock(1, 4, {{1}});
    QCOMPARE(grid.text(1, 4), QStringLiteral("b"));
  }

  void fillReplacesOnlyTheRowsGiven() {
    app::Grid grid;
    grid.setHeadings({"A", "B", "C"});
    grid.setMaxRows(5);
    grid.setText(1, 5, QStringLiteral("kept"));
    grid.setRowTexts({{"a1", "b1"}, {"a2", "b2", "c2", "extra"}});
    QCOMPARE(grid.text(2, 1), QStringLiteral("b1"));
    QCOMPARE(grid.text(3, 1), QString());
    QCOMPARE(grid.text(3, 2), QStringLiteral("c2"));
    QCOMPARE(grid.text(1, 5), QStringLiteral("kept"));
    // A longer fill makes the grid grow.
    grid.setRowTexts(std::vector<QStringList>(7, QStringList{"x"}));
    QCOMPARE(grid.maxRows(), 7);
    QCOMPARE(grid.text(1, 7), QStringLiteral("x"));
  }

  void columnColourUnlessTheCellHasItsOwn() {
    app::Grid grid;
    grid.setHeadings({"A", "B"});
    grid.setMaxRows(3);
    grid.setColumnTextColor(2, Qt::blue);
    grid.setRowTexts({{"a", "b"}});
    QCOMPARE(grid.textColor(2, 1), QColor(Qt::blue));
    QCOMPARE(grid.textColor(2, 3), QColor(Qt::blue));
    QCOMPARE(grid.textColor(1, 1), QColor(Qt::black));
    grid.setTextColor(2, 1, Qt::red);
    QCOMPARE(grid.textColor(2, 1), QColor(Qt::red));
    // A new fill drops the cells' own colours, not the column's.
    grid.setRowTexts({{"a", "b"}});
    QCOMPARE(grid.textColor(2, 1), QColor(Qt::blue));
    QCOMPARE(grid.model()->data(grid.model()->index(0, 1), Qt::ForegroundRole).value<QColor>(),
             QColor(Qt::blue));
  }

  void sortCarriesCellColoursAndLeavesTheGivenTableAlone() {
    app::Grid grid;
    grid.setHeadings({"A", "B"});
    grid.setMaxRows(3);
    app::TextTable table(2);
    for (const char16_t *first : {u"b", u"a"}) {
      table.newRow();
      table.addCell(first);
      table.addCell(u"x");
    }
    grid.setRowTexts(table);
    grid.setTextColor(2, 1, Qt::red);
    grid.sortBlock(1, 3, {{1}});
    // The empty third row sorts first.
    QCOMPARE(grid.text(1, 2), QStringLiteral("a"));
    QCOMPARE(grid.text(1, 3), QStringLiteral("b"));
    QCOMPARE(grid.textColor(2, 3), QColor(Qt::red));
    QCOMPARE(grid.textColor(2, 2), QColor(Qt::black));
    grid.setText(1, 2, QStringLiteral("z"));
    QCOMPARE(table.text(0, 0), QStringLiteral("b"));
    QCOMPARE(table.text(1, 0), QStringLiteral("a"));
  }
};

QTEST_MAIN(TestGrid)
#include "test_grid.moc"
