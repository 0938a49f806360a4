// Printing to PDF in place of the default printer: a receipt in each layout, and the
// daily report of a day of about 300 tickets.
#include "bench_context.h"
#include "benchmarks.h"
#include "figures_table.h"

#include "app/windows.h"
#include "printing/printer.h"
#include "printing/receipt.h"
#include "search/search_window.h"
#include "store/trade_search.h"
#include "store/trade_table.h"
#include "store/user_database.h"
#include "store/vendor_numbers.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <cstdlib>

namespace bench {

namespace {

QString pdfPath() { return QDir(context().workFolder).filePath(QStringLiteral("print.pdf")); }

// The trade day nearest the newest whose ticket count is closest to 300.
QDate dayOfAbout300() {
  QDate best;
  std::size_t bestDistance = SIZE_MAX;
  for (QDate day = context().lastDay.addDays(-1); day > context().lastDay.addDays(-15);
       day = day.addDays(-1)) {
    const std::size_t n = store::searchTrade(day, day, QString()).size();
    const std::size_t distance = n > 300 ? n - 300 : 300 - n;
    if (n > 0 && distance < bestDistance) {
      best = day;
      bestDistance = distance;
    }
  }
  require(best.isValid(), "a day of tickets for the report");
  return best;
}

void printReceipt(benchmark::State &state, bool cmp10) {
  printing::printToFileForTest(pdfPath());
  const std::optional<tickets::TicketRecord> ticket = store::findTicket(context().sampleTickets.last());
  require(ticket.has_value(), "a ticket to print");
  const QString numbers =
      store::vendorNumbersOf(store::session().db(), ticket->Vendor.split(QLatin1Char('|')));
  timeEach(state, [&] {
    const bool printed =
        cmp10 ? printing::PrintReceipt2(*ticket, numbers) : printing::PrintReceipt(*ticket, numbers);
    require(printed, "the receipt");
  });
  printing::printToFileForTest(QString());
}

} // namespace

void registerPrintingBenchmarks() {
  add("op/receipt to PDF, CMP10", [](benchmark::State &state) { printReceipt(state, true); });
  add("op/receipt to PDF, SiPix", [](benchmark::State &state) { printReceipt(state, false); });

  add("op/daily report to PDF", [](benchmark::State &state) {
    if (!search::openSearchWindow())
      app::openSearch();
    search::SearchWindow *window = search::openSearchWindow();
    const QDate day = dayOfAbout300();
    for (const char *name : {"dtpFrom", "dtpTo"}) {
      auto *picker = window->findChild<QDateEdit *>(QLatin1String(name));
      const QSignalBlocker quiet(picker);
      picker->setDate(day);
    }
    window->findChild<QLineEdit *>(QStringLiteral("tbKeyword"))->clear();
    window->InitList();
    window->LoadList();
    printing::printToFileForTest(pdfPath());
    auto *print = window->findChild<QPushButton *>(QStringLiteral("btnPrint"));
    timeEach(
        state, [&] { QFile::remove(pdfPath()); },
        [&] {
          print->click();
          require(QFile(pdfPath()).size() > 0, "the daily report");
        });
    state.counters["rows"] = window->listedCount();
    printing::printToFileForTest(QString());
  });

  addFigure({"receipt to PDF, CMP10 layout", "op/receipt to PDF, CMP10", "", Goal::None, 0});
  addFigure({"receipt to PDF, SiPix layout", "op/receipt to PDF, SiPix", "", Goal::None, 0});
  addFigure({"daily report of ~300 rows to PDF", "op/daily report to PDF", "", Goal::None, 0});
}

} // namespace bench
