#pragma once
// The rows of the search list as the grid shows them, and their re-sorting.

#include "app/text_table.h"
#include "store/trade_search.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <utility>
#include <vector>

namespace search {

// Grid columns of the list.
enum ListColumn { DateColumn = 1, TicketColumn, PoColumn, TruckCoColumn, VendorColumn };
inline constexpr int kListColumns = 5;
// Rows the grid holds while a list is shown; a longer result makes it grow.
inline constexpr int kListRows = 9999;

// The listed tickets: the five grid texts of each (date in the system's short form,
// ticket, purchase orders joined by ", ", trucking company, vendors as stored) in one
// table the grid can share, and each one's trade date as stored (ISO), so that a sort
// by date goes by the calendar.
struct Listing {
  app::TextTable cells{kListColumns};
  std::vector<QString> tradeDates;

  int rows() const { return cells.rows(); }
};

// Makes the listing ticket by ticket, in the order the search finds them.
class ListingBuilder {
public:
  void add(const store::TradeRowView &ticket);
  Listing take() { return std::exchange(listing_, Listing()); }

private:
  Listing listing_;
  // The tickets of one day come together: the day's texts are made once.
  QByteArray storedDate_;
  QString tradeDate_;
  QString shownDate_;
};

// The column a sort choice of the list sorts by: "Truck Company" 4, "Ticket" 2,
// "Vendor" 5; 0 for any other text.
int sortColumnFor(const QString &choice);
// The chosen column, then each next column to the right, wrapping from 5 to 1.
std::array<int, 4> sortKeys(int column);
// Sorts whole rows ascending by the four keys; rows equal in all keys keep their order.
// Dates compare by calendar, other cells as shown, ignoring letter case.
void sortRows(Listing &listing, int column);

} // namespace search
