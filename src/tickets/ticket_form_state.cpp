#include "tickets/ticket_form_state.h"

namespace tickets {

namespace {
QDate theTradeDate;
}

QDate currentTradeDate() { return theTradeDate; }
void setCurrentTradeDate(const QDate &date) { theTradeDate = date; }

} // namespace tickets
