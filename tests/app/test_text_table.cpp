// The table of texts a long list is built in: stored text converts as the database's
// own reading would, cells rewritten or rows reordered keep every other text, and a
// copy is not changed by changes to the original.
#include "app/text_table.h"

#include <QTest>

class TestTextTable : public QObject {
  Q_OBJECT

private slots:
  void storedTextReadsAsFromUtf8_data() {
    QTest::addColumn<QByteArray>("utf8");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("ascii") << QByteArray("Rollo Freight 40500001");
    QTest::newRow("accents after ascii") << QByteArray("Ann's Caf\xc3\xa9 \xc3\x84pfel");
    QTest::newRow("four-byte character") << QByteArray("pallet \xf0\x9f\x93\xa6 ok");
    QTest::newRow("byte order mark first") << QByteArray("\xef\xbb\xbfVendor");
    QTest::newRow("byte order mark after") << QByteArray("V\xef\xbb\xbf \xef\xbb\xbf");
    QTest::newRow("faulty bytes") << QByteArray("a\xff\xfe b \xc3");
    QTest::newRow("cut sequence then ascii") << QByteArray("\xe2\x82 x");
  }
  void storedTextReadsAsFromUtf8() {
    QFETCH(QByteArray, utf8);
    app::TextTable table(2);
    table.newRow();
    table.addCellUtf8(utf8);
    table.addCellUtf8(utf8);
    QCOMPARE(table.text(0, 0), QString::fromUtf8(utf8));
    QCOMPARE(table.text(0, 1), QString::fromUtf8(utf8));
    // Joined at bars, each piece still reads as in the whole text.
    QByteArray barred = utf8 + "|" + utf8 + "||";
    table.newRow();
    table.addCellUtf8Joined(barred, '|', u", ");
    QCOMPARE(table.text(1, 0), QString::fromUtf8(barred).replace(QLatin1Char('|'), QStringLiteral(", ")));
  }

  void rowsAndCells() {
    app::TextTable table(3);
    table.newRow();
    table.addCell(u"a1");
    table.addCell(u"b1");
    table.newRow(); // a row left short has empty cells
    table.addCell(u"a2");
    table.newRow();
    table.addCell(u"a3");
    table.addCell(u"b3");
    table.addCell(u"c3");
    table.addCell(u"past the last column");
    QCOMPARE(table.rows(), 3);
    QCOMPARE(table.text(0, 2), QString());
    QCOMPARE(table.text(1, 1), QString());
    QCOMPARE(table.text(2, 2), QStringLiteral("c3"));
    QCOMPARE(table.text(3, 0), QString());
    QCOMPARE(table.text(0, 3), QString());
    QCOMPARE(table.text(-1, 0), QString());

    const app::TextTable before = table;
    table.reorderRows({2, 0, 1});
    QCOMPARE(table.text(0, 0), QStringLiteral("a3"));
    QCOMPARE(table.text(1, 1), QStringLiteral("b1"));
    QCOMPARE(table.text(2, 0), QStringLiteral("a2"));
    // An order that is not one of the rows changes nothing.
    table.reorderRows({0, 1});
    table.reorderRows({0, 1, 3});
    QCOMPARE(table.text(0, 0), QStringLiteral("a3"));

    table.setCell(4, 1, u"b5");
    QCOMPARE(table.rows(), 5);
    QCOMPARE(table.text(4, 1), QStringLiteral("b5"));
    table.resizeRows(1);
    QCOMPARE(table.rows(), 1);
    QCOMPARE(table.text(0, 2), QStringLiteral("c3"));
    // The copy made before any change still holds the rows as they were.
    QCOMPARE(before.rows(), 3);
    QCOMPARE(before.text(0, 1), QStringLiteral("b1"));
    QCOMPARE(before.text(2, 2), QStringLiteral("c3"));
  }

  void rewritingCellsKeepsTheOthers() {
    // Enough rewrites that the dead texts are cleared out more than once.
    app::TextTable table(2);
    for (int row = 0; row < 50; ++row)
      table.setCell(row, 0, QString::number(row));
    const QString wide(300, QLatin1Char('x'));
    for (int round = 0; round < 200; ++round)
      table.setCell(round % 50, 1, wide + QString::number(round));
    for (int row = 0; row < 50; ++row) {
      QCOMPARE(table.text(row, 0), QString::number(row));
      QCOMPARE(table.text(row, 1), wide + QString::number(150 + row));
    }
  }
};

QTEST_GUILESS_MAIN(TestTextTable)
#include "test_text_table.moc"
