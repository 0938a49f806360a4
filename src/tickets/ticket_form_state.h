#pragma once
// The current trade date: the transaction date both ticket forms and the signature pad
// work with. One value for the whole run, empty until the first ticket form opens.

#include <QDate>

namespace tickets {

QDate currentTradeDate();
void setCurrentTradeDate(const QDate &date);

} // namespace tickets
