#include "search/search_list.h"

#include "app/date_text.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace search {

namespace {

QString shownDate(const QString &stored) {
  const QDate date = QDate::fromString(stored, Qt::ISODate);
  return date.isValid() ? app::dateText(date) : stored;
}

} // namespace

void ListingBuilder::add(const store::TradeRowView &ticket) {
  if (listing_.tradeDates.empty() || ticket.tradeDate != storedDate_) {
    storedDate_ = ticket.tradeDate.toByteArray();
    tradeDate_ = QString::fromUtf8(ticket.tradeDate);
    shownDate_ = shownDate(tradeDate_);
  }
  listing_.tradeDates.push_back(tradeDate_);
  app::TextTable &cells = listing_.cells;
  cells.newRow();
  cells.addCell(shownDate_);
  cells.addCellUtf8(ticket.ticket);
  // Purchase orders are stored with "|" between them.
  cells.addCellUtf8Joined(ticket.po, '|', u", ");
  cells.addCellUtf8(ticket.truckCo);
  cells.addCellUtf8(ticket.vendor);
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

void sortRows(Listing &listing, int column) {
  if (column < 1 || column > kListColumns)
    return;
  const std::array<int, 4> keys = sortKeys(column);
  const app::TextTable &cells = listing.cells;
  const std::vector<QString> &dates = listing.tradeDates;
  auto compareAt = [&](int a, int b, int col) {
    if (col == DateColumn)
      return QString::compare(dates[a], dates[b]);
    return cells.cell(a, col - 1).compare(cells.cell(b, col - 1), Qt::CaseInsensitive);
  };
  std::vector<int> order(std::min(size_t(listing.rows()), dates.size()));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    for (int col : keys)
      if (const int cmp = compareAt(a, b, col); cmp != 0)
        return cmp < 0;
    return false;
  });
  listing.cells.reorderRows(order);
  std::vector<QString> sortedDates;
  sortedDates.reserve(order.size());
  for (const int from : order)
    sortedDates.push_back(dates[from]);
  listing.tradeDates = std::move(sortedDates);
}

} // namespace search
