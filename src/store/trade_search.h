#pragma once
// Reading the tickets of a range of trade dates for the search list, optionally
// narrowed by a keyword. Only the columns the list and its totals need are read.

#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <functional>
#include <vector>

namespace store {

struct TradeListing {
  QString tradeDate; // as stored: ISO text YYYY-MM-DD
  QString ticket;
  QString po;          // line-joined ("|" between purchase orders)
  QString truckCo;     // empty when Null
  QString vendor;      // line-joined
  int paymentType = 0; // a Null code reads as 0
  int charge = 0;
  QString tc; // total charge as stored
};

// One found ticket as the engine holds it: the texts are UTF-8, empty when Null, and
// valid only while the visitor runs.
struct TradeRowView {
  QByteArrayView tradeDate;
  QByteArrayView ticket;
  QByteArrayView po;
  QByteArrayView truckCo;
  QByteArrayView vendor;
  int paymentType = 0;
  int charge = 0;
  QByteArrayView tc;
};

// The SQL text of the search, with or without the keyword test (for the query plan).
const char *tradeSearchSql(bool withKeyword);

// The tickets whose trade date lies from `from` to `to`, both included, ordered by
// date and ticket. A non-empty keyword keeps the tickets holding it anywhere in PO,
// Ticket, TruckCo or Vendor; "%" and "_" in it act as wildcards, any other character
// (an apostrophe too) stands for itself. Throws DbError.
// The visitor sees each ticket in that order, without a copy of its texts being made.
void visitTrade(const QDate &from, const QDate &to, const QString &keyword,
                const std::function<void(const TradeRowView &)> &visit);
std::vector<TradeListing> searchTrade(const QDate &from, const QDate &to, const QString &keyword);

} // namespace store
