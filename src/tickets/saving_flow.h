#pragma once
// What the ticket form calls to number, check, save and close a ticket: the rules of
// numbering.h and saving.h with their messages shown through app::showMessage.

#include "tickets/ticket_record.h"

#include <QString>

namespace tickets {

// Shows checkEmpty's message when there is one; true when the ticket may be saved.
bool confirmComplete(const TicketRecord &record);

// Each shows its one message and returns true only when the row was written, so the
// caller closes, exports or clears only after a write that happened.
bool InsertInfo(const TicketRecord &record);
bool UpdateInfo(const TicketRecord &record);
bool CloseInfo(const TicketRecord &record);

// The next ticket number for tbTicket; shows why when there can be none.
QString nextTicketForForm();

} // namespace tickets
