#include "tickets/saving.h"

#include "store/trade_table.h"
#include "store/user_database.h"

namespace tickets {

namespace {

const QString kUpdated = QStringLiteral("Your job is updated!");
const QString kClosed = QStringLiteral("Your job is closed!");
const QString kInsertError = QStringLiteral("Insert error!");
const QString kUpdateError = QStringLiteral("Update error!");
const QString kDuplicate = QStringLiteral("This ticket no. is already taken. Please, enter other no.");

// The row as every writer stores it: the signed-in user and the ticket's signature file.
TicketRecord asStored(const TicketRecord &record) {
  TicketRecord r = record;
  r.UserID = store::session().userId();
  r.signature = signatureFileName(r.Ticket);
  return r;
}

// A saved ticket's write: check, then the row, with the message of the outcome.
SaveOutcome writeSaved(const TicketRecord &record, void (*write)(const TicketRecord &), const QString &done,
                       const QString &failed) {
  const QString refusal = checkEmpty(record);
  if (!refusal.isEmpty())
    return {false, refusal};
  try {
    write(asStored(record));
  } catch (const store::DbError &) {
    return {false, failed};
  }
  return {true, done};
}

} // namespace

QString checkEmpty(const TicketRecord &record) {
  if (!record.TradeDate.isValid())
    return QStringLiteral("Please enter Trade Date");
  if (record.Ticket.isEmpty())
    return QStringLiteral("Please enter Ticket No");
  if (record.PaymentType < code::Charge || record.PaymentType > code::Cash)
    return QStringLiteral("Please select Payment type.");
  if (record.PaymentType == code::Charge && record.Charge != code::Warehouse &&
      record.Charge != code::TruckingCo)
    return QStringLiteral("Please select Charge type.");
  return QString();
}

SaveOutcome insertTicket(const TicketRecord &record) {
  const QString refusal = checkEmpty(record);
  if (!refusal.isEmpty())
    return {false, refusal};
  try {
    const TicketRecord r = asStored(record);
    // Rows of closed jobs count: a ticket number is never used twice.
    if (store::ticketExists(r.Ticket))
      return {false, kDuplicate};
    store::insertTrade(r);
  } catch (const store::DbError &) {
    return {false, kInsertError};
  }
  return {true, kUpdated};
}

SaveOutcome updateTicket(const TicketRecord &record) {
  return writeSaved(record, store::updateTrade, kUpdated, kUpdateError);
}

SaveOutcome closeTicket(const TicketRecord &record) {
  return writeSaved(record, store::closeTrade, kClosed, kUpdateError);
}

} // namespace tickets
