#pragma once
// The values a receipt prints, worked out from the ticket: facility name, fee
// amounts, payment method, load details and the lines of the multi-line boxes.

#include "tickets/ticket_record.h"

#include <QString>
#include <QStringList>

namespace printing {

// The facility named by the ticket number's first character; "Tavrel DC" for any
// character without a facility of its own, the empty number included.
QString facilityName(const QString &ticket);
// The CSL line and the vendor-number suffix follow the same first character.
bool isOstrineTicket(const QString &ticket);
bool isTavrelTicket(const QString &ticket);

// An amount as "#,##0.00" (1234.5 gives 1,234.50). Text that is not a number is
// printed as typed, and an empty box stays empty.
QString formatAmount(const QString &amount);

// "Charge", "Check", "Cash" or the empty text for the payment type code.
QString paymentMethodText(int paymentType);

// Captions of the ticked load details, in the receipt's order.
QStringList loadDetailCaptions(const tickets::TicketRecord &ticket);

// The lines of a multi-line box kept in its stored (line-joined) form.
QStringList boxLines(const QString &stored);

// The picture a receipt prints: the ticket's signature file in the folder of its
// trade date, else the application folder's "signature.jpg", else the empty text
// (the built-in placeholder).
QString receiptPicturePath(const QString &appFolder, const tickets::TicketRecord &ticket);

} // namespace printing
