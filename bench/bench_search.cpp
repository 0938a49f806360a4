// Search by date: one day, one month and one year, with and without a keyword, the
// grid filled; a re-sort of a full grid; and the grid fill of 9999 rows on its own.
#include "bench_context.h"
#include "benchmarks.h"
#include "figures_table.h"
#include "raw_engine.h"

#include "app/grid.h"
#include "app/windows.h"
#include "search/search_list.h"
#include "search/search_window.h"
#include "store/trade_search.h"
#include "store/user_database.h"

#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QSignalBlocker>

namespace bench {

namespace {

// A vendor word about one ticket in six carries.
const QString kKeyword = QStringLiteral("Dairy");

struct Range {
  const char *name;
  QDate from;
  QDate to;
};

// The last whole trade day, the last whole month and the last whole year before it.
std::vector<Range> ranges() {
  QDate day = context().lastDay.addDays(-1);
  if (day.dayOfWeek() == Qt::Sunday)
    day = day.addDays(-1);
  const QDate monthStart = QDate(context().lastDay.year(), context().lastDay.month(), 1).addMonths(-1);
  const QDate yearStart = QDate(context().lastDay.year() - 1, 1, 1);
  return {{"one day", day, day},
          {"one month", monthStart, monthStart.addMonths(1).addDays(-1)},
          {"one year", yearStart, yearStart.addYears(1).addDays(-1)}};
}

search::SearchWindow *searchWindow() {
  if (!search::openSearchWindow())
    app::openSearch();
  search::SearchWindow *window = search::openSearchWindow();
  require(window != nullptr, "the search window");
  return window;
}

// The criteria typed in without the search their changes would start.
void setCriteria(search::SearchWindow *window, const QDate &from, const QDate &to, const QString &keyword) {
  for (auto [name, date] : {std::pair{"dtpFrom", from}, std::pair{"dtpTo", to}}) {
    auto *picker = window->findChild<QDateEdit *>(QLatin1String(name));
    const QSignalBlocker quiet(picker);
    picker->setDate(date);
  }
  window->findChild<QLineEdit *>(QStringLiteral("tbKeyword"))->setText(keyword);
}

QString workDatabase() { return QDir(context().workFolder).filePath(userDatabaseFileName()); }

// The first days back from the newest whose tickets fill the grid's 9999 rows.
Range fullGrid() {
  QDate from = context().lastDay;
  while (store::searchTrade(from, context().lastDay, QString()).size() < std::size_t(search::kListRows))
    from = from.addDays(-1);
  return {"full grid", from, context().lastDay};
}

void registerRangeSearches() {
  for (const Range &range : ranges()) {
    for (const bool withKeyword : {false, true}) {
      const std::string suffix = std::string(range.name) + (withKeyword ? ", keyword" : "");
      const std::string op = "op/search " + suffix;
      const std::string floor = "floor/search " + suffix;
      add(op, [range, withKeyword](benchmark::State &state) {
        search::SearchWindow *window = searchWindow();
        setCriteria(window, range.from, range.to, withKeyword ? kKeyword : QString());
        // The list as the window holds it; painting it is the grid fill's figure.
        timeEach(state, [window] {
          window->InitList();
          window->LoadList();
        });
        state.counters["rows"] = window->listedCount();
      });
      add(floor, [range, withKeyword](benchmark::State &state) {
        raw::Connection db(workDatabase());
        const QByteArray from = range.from.toString(Qt::ISODate).toUtf8();
        const QByteArray to = range.to.toString(Qt::ISODate).toUtf8();
        const QByteArray keyword = kKeyword.toUtf8();
        long long rows = 0;
        // Prepared each time, as the window's search prepares its statement.
        timeEach(state, [&] {
          raw::Query query(db, store::tradeSearchSql(withKeyword));
          query.bind(1, from).bind(2, to);
          if (withKeyword)
            query.bind(3, keyword);
          rows = query.readAll();
        });
        state.counters["rows"] = double(rows);
      });
      addFigure({"search " + suffix, op, floor, Goal::RatioAtMost, 1.5});
    }
  }
}

void registerGridWork() {
  add("op/grid fill, 9999 rows", [](benchmark::State &state) {
    search::SearchWindow *window = searchWindow();
    const Range range = fullGrid();
    search::ListingBuilder builder;
    store::visitTrade(range.from, range.to, QString(),
                      [&builder](const store::TradeRowView &ticket) { builder.add(ticket); });
    app::TextTable cells = builder.take().cells;
    cells.resizeRows(search::kListRows);
    app::Grid *grid = window->findChild<app::Grid *>(QStringLiteral("Spr1"));
    timeEach(state, [&] {
      grid->clearRows(search::kListRows);
      grid->setRowTexts(cells);
      settleWindows();
    });
  });

  add("op/re-sort of a full grid", [](benchmark::State &state) {
    search::SearchWindow *window = searchWindow();
    const Range range = fullGrid();
    setCriteria(window, range.from, range.to, QString());
    window->InitList();
    window->LoadList();
    settleWindows();
    // Truck company, ticket and vendor in turn, so no sort starts from its own order.
    const int columns[] = {search::TruckCoColumn, search::TicketColumn, search::VendorColumn};
    int k = 0;
    timeEach(state, [&] {
      window->RecordReArrange(columns[k++ % 3]);
      settleWindows();
    });
    state.counters["rows"] = window->listedCount();
  });

  addFigure({"grid fill of 9999 rows", "op/grid fill, 9999 rows", "", Goal::UnderMs, 15});
  addFigure({"re-sort of a full grid (9999+ rows)", "op/re-sort of a full grid", "", Goal::None, 0});
}

} // namespace

void registerSearchBenchmarks() {
  registerRangeSearches();
  registerGridWork();
}

} // namespace bench
