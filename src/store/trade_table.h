#pragma once
// The Trade table and the two reference lists the ticket form reads. Everything goes
// through session().db() with bound parameters; text is stored exactly as typed.
// Failures throw store::DbError; the caller decides which message to show.

#include "store/database.h"
#include "tickets/ticket_record.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace store {

// Reads Trade rows of one statement into TicketRecord, column positions looked up
// once. A NULL text reads as empty, a NULL time as "__:__", a NULL number as 0.
class TradeRowReader {
public:
  explicit TradeRowReader(const Statement &statement);
  tickets::TicketRecord read(const Statement &statement) const;

private:
  int col_[58];
};

// The Ticket of the first row in text order, highest first; nullopt for an empty table.
std::optional<QString> highestTicket();

// True when any row, open or closed, carries the ticket number.
bool ticketExists(const QString &ticket);

// Inserts columns 1-55 as the record holds them (Trade = 1; JobClose stays false).
void insertTrade(const tickets::TicketRecord &record);
// Writes every column except Trade, No, JobClose and Facility into the first row of
// record.Ticket, or adds a row (JobClose false) when there is none.
void updateTrade(const tickets::TicketRecord &record);
// As updateTrade, with JobClose set to true; one transaction.
void closeTrade(const tickets::TicketRecord &record);

// The row of a ticket number (the first, by No).
std::optional<tickets::TicketRecord> findTicket(const QString &ticket);
// The newest open job of a door ("Door201"): highest No among rows with JobClose false.
std::optional<tickets::TicketRecord> findOpenJobOfDoor(const QString &door);
// JobClose of the ticket's row; nullopt when the number has no row (counts as open).
std::optional<bool> jobClosed(const QString &ticket);

// Vendor table look-ups: VendorNo of a vendor name, Vendor of a vendor number.
std::optional<QString> vendorNumberOf(const QString &vendorName);
std::optional<QString> vendorNameOf(const QString &vendorNumber);

// The form's boxes, in table order.
QStringList truckCompanyNames();
QStringList vendorNames();
QStringList vendorNumbers();

} // namespace store
