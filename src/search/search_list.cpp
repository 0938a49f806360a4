#include "search/search_list.h"

#include "app/date_text.h"

#include <algorithm>

namespace search {

ListedRow listedRow(const store::TradeListing &ticket) {
  const QDate date = QDate::fromString(ticket.tradeDate, Qt::ISODate);
  QString po = ticket.po;
  po.replace(QLatin1Char('|'), QStringLiteral(", "));
  return {ticket.tradeDate,
          {date.isValid() ? app::dateText(date) : ticket.tradeDate, ticket.ticket, po, ticket.truckCo,
           ticket.vendor}};
}

std::vector<ListedRow> listedRows(const std::vector<store::TradeListing> &tickets) {
  std::vector<ListedRow> rows;
  rows.reserve(tickets.size());
  for (const auto &t : tickets)
    rows.push_back(listedRow(t));
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
