// The daily report as print steps, and painted on PDF pages.
#include "search/daily_report.h"
#include "search/search_totals.h"

#include "printing/printer.h"

#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using printing::PrintStep;
using Kind = printing::PrintStep::Kind;

namespace {

PrintStep text(bool centred, int x, int y, const QString &t, double size) {
  PrintStep s;
  s.centred = centred;
  s.x = x;
  s.y = y;
  s.text = t;
  s.size = size;
  return s;
}

// x of No., Date, Ticket No., P.O. No., Truck Company, Vendor (1, 1.8, 4, 6.5, 11, 15 cm)
const int kX[] = {567, 1021, 2268, 3686, 6237, 8505};

printing::PrintSteps tableLine(int y, const QStringList &cells) {
  printing::PrintSteps out;
  for (int c = 0; c < cells.size(); ++c)
    out.push_back(text(false, kX[c], y, cells[c], 9));
  return out;
}

const QStringList kHeadings = {"No.", "Date", "Ticket No.", "P.O. No.", "Truck Company", "Vendor"};

search::DailyReport reportOf(int rows) {
  search::DailyReport r;
  r.fromDate = QStringLiteral("3/1/2026");
  r.toDate = QStringLiteral("3/10/2026");
  r.sortText = QStringLiteral("     -  Sort by -");
  r.totalsLine = search::SearchTotals().line();
  for (int i = 1; i <= rows; ++i)
    r.rows.push_back({QStringLiteral("3/1/2026"), QStringLiteral("T%1").arg(i, 5, 10, QLatin1Char('0')),
                      QStringLiteral("A1, B2"), QStringLiteral("Rollo"), QStringLiteral("Bay")});
  return r;
}

// The row numbers printed, in print order.
QStringList rowNumbers(const printing::PrintSteps &steps) {
  QStringList out;
  for (const auto &s : steps)
    if (s.kind == Kind::Text && s.x == kX[0] && s.size == 9 && s.text != QLatin1String("No."))
      out << s.text;
  return out;
}

} // namespace

class TestDailyReport : public QObject {
  Q_OBJECT

private slots:
  void emptyList() {
    search::DailyReport r = reportOf(0);
    printing::PrintSteps expected = {
        text(true, 0, 0, "Daily Report", 16),
        text(false, 567, 567, "3/1/2026 ~ 3/10/2026             -  Sort by -       Search : ", 12),
        text(false, 567, 1134,
             "Charge :$0.00/0        Check :$0.00/0        Cash :$0.00/0        Managed :$0.00/0        "
             "Total :$0.00/0",
             11)};
    const auto headings = tableLine(1701, kHeadings);
    expected.insert(expected.end(), headings.begin(), headings.end());
    QCOMPARE(search::dailyReportSteps(r, 15000), expected);

    r.sortText = QStringLiteral("Vendor");
    r.keyword = QStringLiteral("Ann's");
    QCOMPARE(search::dailyReportSteps(r, 15000)[1].text,
             QStringLiteral("3/1/2026 ~ 3/10/2026        Vendor       Search : Ann's"));
  }

  void rowsInListOrderHalfACentimetreApart() {
    search::DailyReport r = reportOf(0);
    r.rows = {{"3/2/2026", "40500009", "", "", "Ann's"},
              {"3/1/2026", "40500001", "A1, B2", "Rollo", "Bay|Cove"}};
    const auto steps = search::dailyReportSteps(r, 15000);
    printing::PrintSteps rows(steps.begin() + 9, steps.end());
    printing::PrintSteps expected = tableLine(1984, {"1", "3/2/2026", "40500009", "", "", "Ann's"});
    const auto second = tableLine(2268, {"2", "3/1/2026", "40500001", "A1, B2", "Rollo", "Bay|Cove"});
    expected.insert(expected.end(), second.begin(), second.end());
    QCOMPARE(rows, expected);
  }

  void rowPositionsWithoutPageBreaks() {
    // With no page height known the rows run on: the tenth at 8 cm, the hundredth at 53 cm.
    const auto steps = search::dailyReportSteps(reportOf(100), 0);
    auto yOfRow = [&](int n) {
      for (const auto &s : steps)
        if (s.x == kX[0] && s.text == QString::number(n))
          return s.y;
      return -1;
    };
    QCOMPARE(yOfRow(10), 4536);
    QCOMPARE(yOfRow(100), 30051);
    for (const auto &s : steps)
      QVERIFY(s.kind == Kind::Text);
  }

  void longListContinuesOnNewPages_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("pages");
    // Page 1 holds rows whose foot stays within the height: 3 cm + 0.5 cm each.
    QTest::newRow("fits one page") << 20 << 15000 << 1;
    QTest::newRow("exactly full page") << 4 << 3119 << 1; // 4th row at 5 cm: 2835 + 284
    QTest::newRow("one row over") << 5 << 3119 << 2;
    QTest::newRow("many pages") << 150 << 15000 << 4;
    QTest::newRow("page too short for any row") << 3 << 100 << 4;
  }
  void longListContinuesOnNewPages() {
    QFETCH(int, rows);
    QFETCH(int, height);
    QFETCH(int, pages);
    const auto steps = search::dailyReportSteps(reportOf(rows), height);

    QStringList expectedNumbers;
    for (int i = 1; i <= rows; ++i)
      expectedNumbers << QString::number(i);
    QCOMPARE(rowNumbers(steps), expectedNumbers);

    int newPages = 0;
    for (size_t i = 0; i < steps.size(); ++i) {
      if (steps[i].kind != Kind::NewPage)
        continue;
      ++newPages;
      // Each further page starts with the headings at its top, then its first row.
      QVERIFY(i + 7 < steps.size());
      const printing::PrintSteps next(steps.begin() + i + 1, steps.begin() + i + 7);
      QCOMPARE(next, tableLine(0, kHeadings));
      QCOMPARE(steps[i + 7].y, 284);
    }
    QCOMPARE(newPages + 1, pages);
    if (height > 284 * 2)
      for (const auto &s : steps)
        QVERIFY2(s.kind != Kind::Text || s.y + 284 <= height || s.size > 9, qPrintable(s.text));
  }

  void longReportOnPdfPagesHasEveryRowOnce() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    {
      QPdfWriter writer(pdf);
      writer.setPageSize(QPageSize(QPageSize::Letter));
      const int height = int(writer.height() * 1440.0 / writer.logicalDpiY());
      QVERIFY(printing::paintSteps(writer, search::dailyReportSteps(reportOf(150), height)));
    }
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString all = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const QStringList pages = all.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY2(pages.size() > 1, qPrintable(all.left(500)));
    for (int i = 1; i <= 150; ++i) {
      const QString ticket = QStringLiteral("T%1").arg(i, 5, 10, QLatin1Char('0'));
      QVERIFY2(all.count(ticket) == 1, qPrintable(ticket));
    }
    for (const QString &page : pages)
      QVERIFY(page.contains(QLatin1String("Ticket No.")) && page.contains(QLatin1String("Truck Company")));
    QCOMPARE(all.count(QLatin1String("Daily Report")), 1);
  }
};

QTEST_MAIN(TestDailyReport)
#include "test_daily_report.moc"
