#include "store/trade_search.h"

#include "store/user_database.h"

#include <QHash>

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

// A column's text from the bytes already fetched, as Statement::text gives it: each
// fetch of a column takes the connection's lock again.
QString textOf(QByteArrayView utf8) { return utf8.data() ? QString::fromUtf8(utf8) : QString(); }

// Trucking companies and amounts repeat all through a long list: each distinct text
// is kept once and shared by the rows that have it, so a year's list holds a few
// thousand of them instead of one per ticket. The texts are kept from one search to
// the next, so a short list finds them made rather than making and keying each anew.
class RepeatedTexts {
public:
  // The text of a column, looked up by its stored bytes so that a repeat costs neither
  // a conversion nor a copy.
  QString shared(const Statement &st, int col) {
    const QByteArrayView utf8 = st.utf8(col);
    const auto known = known_.constFind(QByteArray::fromRawData(utf8.data(), utf8.size()));
    if (known != known_.cend())
      return *known;
    const QString text = textOf(utf8);
    if (known_.size() < kMostKept)
      known_.insert(utf8.toByteArray(), text);
    return text;
  }

private:
  static constexpr qsizetype kMostKept = 4096;
  QHash<QByteArray, QString> known_;
};

} // namespace

const char *tradeSearchSql(bool withKeyword) { return withKeyword ? kByDateAndKeyword : kByDate; }

std::vector<TradeListing> searchTrade(const QDate &from, const QDate &to, const QString &keyword) {
  const bool withKeyword = !keyword.isEmpty();
  Statement st = session().db().prepare(tradeSearchSql(withKeyword));
  st.bind(1, from.toString(Qt::ISODate)).bind(2, to.toString(Qt::ISODate));
  if (withKeyword)
    st.bind(3, keyword);

  std::vector<TradeListing> rows;
  thread_local RepeatedTexts repeated;
  QByteArray dateBefore;
  while (st.step()) {
    TradeListing &row = rows.emplace_back();
    // Tickets of one day share one date text, made once.
    const QByteArrayView date = st.utf8(DateCol);
    if (rows.size() > 1 && date == dateBefore && date.data()) {
      row.tradeDate = rows[rows.size() - 2].tradeDate;
    } else {
      row.tradeDate = textOf(date);
      dateBefore = date.toByteArray();
    }
    row.ticket = st.text(TicketCol);
    row.po = st.text(PoCol);
    row.truckCo = repeated.shared(st, TruckCoCol);
    row.vendor = st.text(VendorCol);
    row.paymentType = codeAt(st, PaymentCol);
    row.charge = codeAt(st, ChargeCol);
    row.tc = repeated.shared(st, TcCol);
  }
  return rows;
}

} // namespace store
