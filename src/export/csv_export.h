#pragma once
// Appending a closed job to the day's export file.

#include "tickets/ticket_record.h"

namespace exporting {

// Appends the ticket's line to <app folder>/<today's date text>/<user ID>-myFile.csv,
// showing the export's own messages. Returns whether the line was written.
bool SaveTOCSV(const tickets::TicketRecord &ticket);

} // namespace exporting
