#pragma once
// The rows of the search list as the grid shows them, and their re-sorting.

#include "store/trade_search.h"

#include <QStringList>

#include <array>
#include <vector>

namespace search {

// Grid columns of the list.
enum ListColumn { DateColumn = 1, TicketColumn, PoColumn, TruckCoColumn, VendorColumn };
inline constexpr int kListColumns = 5;
// Rows the grid holds while a list is shown; a longer result makes it grow.
inline constexpr int kListRows = 9999;

struct ListedRow {
  QString tradeDate; // ISO, so the date key sorts by calendar
  QStringList cells; // the five grid texts, column 1 first
};

// Date in the system's short form, ticket, purchase orders joined by ", ", trucking
// company, vendors as stored.
ListedRow listedRow(const store::TradeListing &ticket);
std::vector<ListedRow> listedRows(const std::vector<store::TradeListing> &tickets);
// The same, taking the texts over from the tickets, which are left without them.
std::vector<ListedRow> listedRows(std::vector<store::TradeListing> &&tickets);

// The column a sort choice of the list sorts by: "Truck Company" 4, "Ticket" 2,
// "Vendor" 5; 0 for any other text.
int sortColumnFor(const QString &choice);
// The chosen column, then each next column to the right, wrapping from 5 to 1.
std::array<int, 4> sortKeys(int column);
// Sorts whole rows ascending by the four keys; rows equal in all keys keep their order.
// Dates compare by calendar, other cells as shown, ignoring letter case.
void sortRows(std::vector<ListedRow> &rows, int column);

} // namespace search
