#pragma once
// Printing the receipt of a ticket on the default printer, in one of two layouts.

#include "tickets/ticket_record.h"

#include <QString>

namespace printing {

// The CMP10 layout. Shows "Please check your printer setup." on any printer failure;
// returns whether the page was printed.
bool PrintReceipt2(const tickets::TicketRecord &ticket);
// The SiPix layout; failures as above.
bool PrintReceipt(const tickets::TicketRecord &ticket);

// The same with the text of the form's vendor-number box, printed after the last
// vendor at Tavrel DC. Without it, the numbers are read from the Vendor table by
// the ticket's vendor names.
bool PrintReceipt2(const tickets::TicketRecord &ticket, const QString &vendorNumbers);
bool PrintReceipt(const tickets::TicketRecord &ticket, const QString &vendorNumbers);

} // namespace printing
