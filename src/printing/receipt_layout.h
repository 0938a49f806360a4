#pragma once
// The two receipt layouts as print steps: CMP10, a narrow column of 8-point text,
// and SiPix, two columns of 15-point text. Positions are whole twips.

#include "printing/print_steps.h"
#include "tickets/ticket_record.h"

#include <QDateTime>
#include <QString>

namespace printing {

// What a receipt prints besides the ticket itself.
struct ReceiptFacts {
  // The company's address lines of this installation.
  QString addressLine1 = QStringLiteral(VARNEL_ADDRESS_LINE1);
  QString addressLine2 = QStringLiteral(VARNEL_ADDRESS_LINE2);
  // The vendor-number text, printed after the last vendor at Tavrel DC.
  QString vendorNumbers;
  // The signature picture; empty for the built-in placeholder.
  QString picturePath;
  // Date and time of printing, for the footer.
  QDateTime printedAt;
};

PrintSteps cmp10Receipt(const tickets::TicketRecord &ticket, const ReceiptFacts &facts);
PrintSteps sipixReceipt(const tickets::TicketRecord &ticket, const ReceiptFacts &facts);

// The footer: the date and time of printing in the system's short forms.
QString footerText(const QDateTime &moment);

} // namespace printing
