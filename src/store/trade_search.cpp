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

void visitTrade(const QDate &from, const QDate &to, const QString &keyword,
                const std::function<void(const TradeRowView &)> &visit) {
  const bool withKeyword = !keyword.isEmpty();
  Statement st = session().db().prepare(tradeSearchSql(withKeyword));
  st.bind(1, from.toString(Qt::ISODate)).bind(2, to.toString(Qt::ISODate));
  if (withKeyword)
    st.bind(3, keyword);
  TradeRowView row;
  while (st.step()) {
    row.tradeDate = st.utf8(DateCol);
    row.ticket = st.utf8(TicketCol);
    row.po = st.utf8(PoCol);
    row.truckCo = st.utf8(TruckCoCol);
    row.vendor = st.utf8(VendorCol);
    row.paymentType = codeAt(st, PaymentCol);
    row.charge = codeAt(st, ChargeCol);
    row.tc = st.utf8(TcCol);
    visit(row);
  }
}

std::vector<TradeListing> searchTrade(const QDate &from, const QDate &to, const QString &keyword) {
  std::vector<TradeListing> rows;
  visitTrade(from, to, keyword, [&rows](const TradeRowView &found) {
    auto text = [](QByteArrayView utf8) { return QString::fromUtf8(utf8); };
    rows.push_back({text(found.tradeDate), text(found.ticket), text(found.po), text(found.truckCo),
                    text(found.vendor), found.paymentType, found.charge, text(found.tc)});
  });
  return rows;
}

} // namespace store
