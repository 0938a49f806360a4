#pragma once
// Printing the receipt of a ticket on the default printer, in one of two layouts.

#include "tickets/ticket_record.h"

namespace printing {

// The CMP10 layout. Shows "Please check your printer setup." on any printer failure;
// returns whether the page was printed.
bool PrintReceipt2(const tickets::TicketRecord &ticket);
// The SiPix layout; failures as above.
bool PrintReceipt(const tickets::TicketRecord &ticket);

} // namespace printing
