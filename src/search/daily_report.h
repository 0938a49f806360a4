#pragma once
// The daily report: the search list as print steps, in the order the list shows it.

#include "printing/print_steps.h"

#include <QStringList>

#include <vector>

namespace search {

struct DailyReport {
  QString fromDate; // short date texts of the two pickers
  QString toDate;
  QString sortText; // the sort box's text, its prompt when nothing was chosen
  QString keyword;  // as typed now, even if typed after the last search
  QString totalsLine;
  std::vector<QStringList> rows; // the five cells of each listed row, in list order
};

// Title, range, totals and column headings, then one numbered line per row 0.5 cm
// apart. A row that would pass the printable height (twips) starts a new page, which
// repeats the headings at its top; rows keep their numbering.
printing::PrintSteps dailyReportSteps(const DailyReport &report, int printableHeight);

} // namespace search
