#pragma once
// One closed job as a line of the day's export file: 57 comma-separated fields,
// no quoting, commas inside values turned into blanks.

#include "tickets/ticket_record.h"

#include <QString>
#include <QStringList>

namespace exporting {

inline constexpr int kFieldCount = 57;

// The fields in file order, each already free of commas and line breaks.
QStringList csvFields(const tickets::TicketRecord &ticket, const QString &vendorNumbers);
// The fields joined by commas, without the line ending.
QString csvLine(const tickets::TicketRecord &ticket, const QString &vendorNumbers);

} // namespace exporting
