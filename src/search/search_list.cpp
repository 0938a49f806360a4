#include "search/search_list.h"

#include "app/date_text.h"

#include <algorithm>
#include <utility>

namespace search {

namespace {

QString shownDate(const QString &stored) {
  const QDate date = QDate::fromString(stored, Qt::ISODate);
  return date.isValid() ? app::dateText(date) : stored;
}

// Purchase orders as listed: ", " between them where "|" is stored. Written in one
// pass into a string of the final length; a general replace grows the text per bar.
QString listedPo(QString &&stored) {
  const qsizetype bars = stored.count(QLatin1Char('|'));
  if (bars == 0)
    return std::move(stored);
  QString listed(stored.size() + bars, Qt::Uninitialized);
  QChar *out = listed.data();
  for (const QChar c : std::as_const(stored)) {
    if (c == QLatin1Char('|')) {
      *out++ = QLatin1Char(',');
      *out++ = QLatin1Char(' ');
    } else {
      *out++ = c;
    }
  }
  return listed;
}

// Takes the texts over from the ticket: a long list is built without touching each
// text twice.
ListedRow rowWithDate(store::TradeListing &&ticket, const QString &dateCell) {
  QString po = listedPo(std::move(ticket.po));
  QStringList cells;
  cells.reserve(kListColumns);
  cells.emplace_back(dateCell);
  cells.emplace_back(std::move(ticket.ticket));
  cells.emplace_back(std::move(po));
  cells.emplace_back(std::move(ticket.truckCo));
  cells.emplace_back(std::move(ticket.vendor));
  return {std::move(ticket.tradeDate), std::move(cells)};
}

} // namespace

ListedRow listedRow(const store::TradeListing &ticket) {
  return rowWithDate(store::TradeListing(ticket), shownDate(ticket.tradeDate));
}

std::vector<ListedRow> listedRows(const std::vector<store::TradeListing> &tickets) {
  return listedRows(std::vector<store::TradeListing>(tickets));
}

std::vector<ListedRow> listedRows(std::vector<store::TradeListing> &&tickets) {
  std::vector<ListedRow> rows;
  rows.reserve(tickets.size());
  // The list comes in date order: each day's date text is written once and shared.
  QString storedBefore;
  QString shownBefore;
  for (store::TradeListing &t : tickets) {
    if (rows.empty() || t.tradeDate != storedBefore) {
      storedBefore = t.tradeDate;
      shownBefore = shownDate(t.tradeDate);
    }
    rows.push_back(rowWithDate(std::move(t), shownBefore));
  }
  return rows;
}

int sortColumnFor(const QString &choice) {
  if (choice == QLatin1String("Truck Company"))
    return TruckCoColumn;
  if (choice == QLatin1String("Ticket"))
    return TicketColumn;
  if (choice == QLatin1String("Vendor"))
    return VendorColumn;
  return 0;
}

std::array<int, 4> sortKeys(int column) {
  std::array<int, 4> keys{};
  for (int i = 0; i < 4; ++i)
    keys[i] = (column - 1 + i) % kListColumns + 1;
  return keys;
}

void sortRows(std::vector<ListedRow> &rows, int column) {
  if (column < 1 || column > kListColumns)
    return;
  const std::array<int, 4> keys = sortKeys(column);
  auto compareAt = [](const ListedRow &a, const ListedRow &b, int col) {
    if (col == DateColumn)
      return QString::compare(a.tradeDate, b.tradeDate);
    if (a.cells.size() < col || b.cells.size() < col)
      return int(a.cells.size() >= col) - int(b.cells.size() >= col);
    return QString::compare(a.cells.at(col - 1), b.cells.at(col - 1), Qt::CaseInsensitive);
  };
  std::stable_sort(rows.begin(), rows.end(), [&](const ListedRow &a, const ListedRow &b) {
    for (int col : keys)
      if (const int cmp = compareAt(a, b, col); cmp != 0)
        return cmp < 0;
    return false;
  });
}

} // namespace search
