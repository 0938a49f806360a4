#pragma once
// Appending a closed job to the day's export file.

#include "tickets/ticket_record.h"

#include <QString>

namespace exporting {

// Appends the ticket's line to <app folder>/<today's date text>/<user ID>-myFile.csv,
// showing the export's own messages. Returns whether the line was written. The
// vendor-number field is read from the Vendor table by the ticket's vendor names.
bool SaveTOCSV(const tickets::TicketRecord &ticket);
// The same with the text of the form's vendor-number box.
bool SaveTOCSV(const tickets::TicketRecord &ticket, const QString &vendorNumbers);

// Appends the ticket's line to folder/lFileName; the folder must exist.
bool saveContentToCSVFile(const QString &folder, const QString &lFileName,
                          const tickets::TicketRecord &ticket, const QString &vendorNumbers);

} // namespace exporting
