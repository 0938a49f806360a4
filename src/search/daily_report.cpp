#include "search/daily_report.h"

#include <iterator>

namespace search {

namespace {

using printing::PrintStep;

constexpr double kTitleSize = 16;
constexpr double kRangeSize = 12;
constexpr double kTotalsSize = 11;
constexpr double kTableSize = 9;
constexpr double kHeadingsTop = 3;                      // cm, first page
constexpr double kRowStep = 0.5;                        // cm
constexpr double kColumnX[] = {1, 1.8, 4, 6.5, 11, 15}; // cm: No., then the five cells

void text(printing::PrintSteps &steps, bool centred, double xCm, double yCm, const QString &text,
          double size) {
  printing::SendPrint(steps, centred, printing::twips(xCm), printing::twips(yCm), text, size);
}

void tableLine(printing::PrintSteps &steps, double yCm, const QStringList &cells) {
  for (int c = 0; c < cells.size() && c < int(std::size(kColumnX)); ++c)
    text(steps, false, kColumnX[c], yCm, cells[c], kTableSize);
}

const QStringList &headings() {
  static const QStringList h = {QStringLiteral("No."),           QStringLiteral("Date"),
                                QStringLiteral("Ticket No."),    QStringLiteral("P.O. No."),
                                QStringLiteral("Truck Company"), QStringLiteral("Vendor")};
  return h;
}

} // namespace

printing::PrintSteps dailyReportSteps(const DailyReport &report, int printableHeight) {
  printing::PrintSteps steps;
  text(steps, true, 0, 0, QStringLiteral("Daily Report"), kTitleSize);
  text(steps, false, 1, 1,
       report.fromDate + QStringLiteral(" ~ ") + report.toDate + QStringLiteral("        ") +
           report.sortText + QStringLiteral("       Search : ") + report.keyword,
       kRangeSize);
  text(steps, false, 1, 2, report.totalsLine, kTotalsSize);
  tableLine(steps, kHeadingsTop, headings());

  const int rowHeight = printing::twips(kRowStep);
  double headingsTop = kHeadingsTop;
  int rowsOnPage = 0;
  for (size_t i = 0; i < report.rows.size(); ++i) {
    double y = headingsTop + kRowStep * (rowsOnPage + 1);
    const bool fits = printableHeight <= 0 || printing::twips(y) + rowHeight <= printableHeight;
    // A continuation page takes its first row even when the page is too short for it,
    // so every row is printed.
    const bool pageHasRoom = headingsTop > 0 || rowsOnPage > 0;
    if (!fits && pageHasRoom) {
      PrintStep page;
      page.kind = PrintStep::Kind::NewPage;
      steps.push_back(page);
      headingsTop = 0;
      rowsOnPage = 0;
      tableLine(steps, headingsTop, headings());
      y = headingsTop + kRowStep;
    }
    QStringList cells = report.rows[i];
    cells.prepend(QString::number(i + 1));
    tableLine(steps, y, cells);
    ++rowsOnPage;
  }
  return steps;
}

} // namespace search
