#pragma once
// Writing a ticket into Trade: the required-field check and the three writes (a new
// ticket, a saved ticket, a closed job), each with the one message the user sees.
// Plain rules over TicketRecord; the form gathers its controls into the record.
//
// Every write takes UserID from the signed-in user and sets signature to
// "sign" + Ticket + ".BMP", whatever the record holds there.

#include "tickets/ticket_record.h"

#include <QString>

namespace tickets {

// The required fields, checked in this order: trade date (an invalid QDate counts
// as empty), ticket no., payment type, charge type when paying by charge. Returns the
// refusal message of the first that fails, or the empty text when the ticket may be
// saved.
QString checkEmpty(const TicketRecord &record);

// What a write did and the one message to show for it (never empty).
struct SaveOutcome {
  bool written = false;
  QString message;
};

// New ticket: check, duplicate test (closed jobs count), insert of columns 1-55.
// Messages: the check's, "This ticket no. is already taken. Please, enter other no.",
// "Your job is updated!" or "Insert error!".
SaveOutcome insertTicket(const TicketRecord &record);

// Saved ticket: check, then the first row of the ticket is written (a row is added
// when the number has none); Trade, No and JobClose stay as they were.
// Messages: the check's, "Your job is updated!" or "Update error!".
SaveOutcome updateTicket(const TicketRecord &record);

// Closing the job: check, then JobClose true and the saved ticket's columns, in one
// transaction (the row is added, already closed, when the number has none).
// Messages: the check's, "Your job is closed!" or "Update error!"; after a failure the
// stored row is unchanged.
SaveOutcome closeTicket(const TicketRecord &record);

} // namespace tickets
