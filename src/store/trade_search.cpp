#include "store/trade_search.h"

#include "store/user_database.h"

#include <limits>

namespace store {

namespace {

// Runs on the (TradeDate, Ticket) index: the range and the order come from it.
const char *const kByDate =
    "SELECT TradeDate, Ticket, PO, TruckCo, Vendor, PaymentType, Charge, TC FROM Trade"
    " WHERE TradeDate BETWEEN ?1 AND ?2"
    " ORDER BY TradeDate, Ticket;";

// A Null column gives a Null test, so it never matches.
const char *const kByDateAndKeyword =
    "SELECT TradeDate, Ticket, PO, TruckCo, Vendor, PaymentType, Charge, TC FROM Trade"
    " WHERE TradeDate BETWEEN ?1 AND ?2"
    " AND (PO LIKE '%' || ?3 || '%' OR Ticket LIKE '%' || ?3 || '%'"
    " OR TruckCo LIKE '%' || ?3 || '%' OR Vendor LIKE '%' || ?3 || '%')"
    " ORDER BY TradeDate, Ticket;";

enum Col { DateCol, TicketCol, PoCol, TruckCoCol, VendorCol, PaymentCol, ChargeCol, TcCol };

// An option code; a value no int can hold is no code at all.
int codeAt(const Statement &st, int col) {
  const qint64 value = st.integer(col);
  return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max() ? int(value)
                                                                                              : 0;
}

} // namespace

const char *tradeSearchSql(bool withKeyword) { return withKeyword ? kByDateAndKeyword : kByDate; }

std::vector<TradeListing> searchTrade(const QDate &from, const QDate &to, const QString &keyword) {
  const bool withKeyword = !keyword.isEmpty();
  Statement st = session().db().prepare(tradeSearchSql(withKeyword));
  st.bind(1, from.toString(Qt::ISODate)).bind(2, to.toString(Qt::ISODate));
  if (withKeyword)
    st.bind(3, keyword);

  std::vector<TradeListing> rows;
  while (st.step()) {
    TradeListing &row = rows.emplace_back();
    // Tickets of one day share one date text.
    row.tradeDate = st.text(DateCol);
    if (rows.size() > 1 && row.tradeDate == rows[rows.size() - 2].tradeDate)
      row.tradeDate = rows[rows.size() - 2].tradeDate;
    row.ticket = st.text(TicketCol);
    row.po = st.text(PoCol);
    row.truckCo = st.text(TruckCoCol);
    row.vendor = st.text(VendorCol);
    row.paymentType = codeAt(st, PaymentCol);
    row.charge = codeAt(st, ChargeCol);
    row.tc = st.text(TcCol);
  }
  return rows;
}

} // namespace store
