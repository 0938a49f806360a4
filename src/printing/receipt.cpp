#include "printing/receipt.h"

#include "app/clock.h"
#include "printing/printer.h"
#include "printing/receipt_layout.h"
#include "printing/receipt_values.h"
#include "store/user_database.h"
#include "store/vendor_numbers.h"

namespace printing {

namespace {

ReceiptFacts factsFor(const tickets::TicketRecord &ticket, const QString &vendorNumbers) {
  ReceiptFacts facts;
  facts.vendorNumbers = vendorNumbers;
  facts.picturePath = receiptPicturePath(store::session().appFolder(), ticket);
  facts.printedAt = app::now();
  return facts;
}

// The vendor numbers as a load of the ticket would show them. Only Tavrel DC
// receipts print them; an unreadable database leaves the brackets empty rather
// than keeping the driver's receipt from printing.
QString storedVendorNumbers(const tickets::TicketRecord &ticket) {
  if (!isTavrelTicket(ticket.Ticket))
    return QString();
  try {
    return store::vendorNumbersOf(store::session().db(), boxLines(ticket.Vendor));
  } catch (const store::DbError &) {
    return QString();
  }
}

} // namespace

bool PrintReceipt2(const tickets::TicketRecord &ticket, const QString &vendorNumbers) {
  return printOnDefaultPrinter(cmp10Receipt(ticket, factsFor(ticket, vendorNumbers)));
}

bool PrintReceipt(const tickets::TicketRecord &ticket, const QString &vendorNumbers) {
  return printOnDefaultPrinter(sipixReceipt(ticket, factsFor(ticket, vendorNumbers)));
}

bool PrintReceipt2(const tickets::TicketRecord &ticket) {
  return PrintReceipt2(ticket, storedVendorNumbers(ticket));
}

bool PrintReceipt(const tickets::TicketRecord &ticket) {
  return PrintReceipt(ticket, storedVendorNumbers(ticket));
}

} // namespace printing
