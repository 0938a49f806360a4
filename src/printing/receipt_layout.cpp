#include "printing/receipt_layout.h"

#include "app/date_text.h"
#include "printing/receipt_values.h"

#include <QLocale>

namespace printing {

namespace {

const QString kCompany = QStringLiteral("Ralvane");

// Walks down the page line by line. Positions are kept in hundredths of a
// centimetre so that adding line steps stays exact before the turn into twips.
class Page {
public:
  Page(PrintSteps &steps, double size, int firstLine, int lineStep)
      : steps_(steps), size_(size), y_(firstLine), step_(lineStep) {}

  void next() { y_ += step_; }
  void text(double xCm, const QString &text) { SendPrint(steps_, false, twips(xCm), yTwips(), text, size_); }
  int yTwips() const { return twips(y_ / 100.0); }

  // The signature below the last line, then the footer below the signature.
  void finish(double pictureXCm, const QString &picturePath, const QString &footer) {
    y_ += step_ + 30;
    PrintStep picture;
    picture.kind = PrintStep::Kind::Picture;
    picture.x = twips(pictureXCm);
    picture.y = yTwips();
    picture.text = picturePath;
    steps_.push_back(picture);
    y_ += step_ + 220;
    text(0, footer);
  }

private:
  PrintSteps &steps_;
  double size_;
  int y_;
  int step_;
};

QString joinedGroup(const QStringList &lines, int from, int to) {
  return lines.mid(from, to - from).join(QStringLiteral(", "));
}

// Vendor lines; at Tavrel DC the last one carries the vendor numbers in brackets.
QStringList vendorLines(const tickets::TicketRecord &ticket, const QString &vendorNumbers) {
  QStringList lines = boxLines(ticket.Vendor);
  if (!lines.isEmpty() && isTavrelTicket(ticket.Ticket))
    lines.last() += QLatin1Char('(') + vendorNumbers + QLatin1Char(')');
  return lines;
}

// CMP10 purchase orders and employee IDs: one line beside the label, or the label
// alone followed by the lines in groups of three.
void cmp10Folded(Page &page, const QString &label, const QStringList &lines, double singleX) {
  page.next();
  page.text(0, label);
  if (lines.size() == 1) {
    page.text(singleX, lines.first());
    return;
  }
  for (int start = 0; start < lines.size(); start += 3) {
    page.next();
    page.text(0.2, joinedGroup(lines, start, qMin(start + 3, int(lines.size()))));
  }
}

// SiPix: a first group beside the label, and everything left on one further line.
void sipixFolded(Page &page, const QString &label, const QStringList &lines, int firstGroup, double x) {
  if (lines.isEmpty())
    return;
  page.next();
  page.text(0, label);
  page.text(x, joinedGroup(lines, 0, qMin(firstGroup, int(lines.size()))));
  if (lines.size() > firstGroup) {
    page.next();
    page.text(x, joinedGroup(lines, firstGroup, int(lines.size())));
  }
}

} // namespace

QString footerText(const QDateTime &moment) {
  QLocale locale = QLocale::system();
  if (locale.language() == QLocale::C)
    locale = QLocale(QLocale::English, QLocale::UnitedStates);
  return app::dateText(moment.date()) + QLatin1Char(' ') +
         locale.toString(moment.time(), QLocale::ShortFormat);
}

PrintSteps cmp10Receipt(const tickets::TicketRecord &ticket, const ReceiptFacts &facts) {
  const double size = 8;
  PrintSteps steps;
  SendPrint(steps, true, 0, twips(0), kCompany, size);
  SendPrint(steps, true, 0, twips(0.4), facts.addressLine1, size);
  SendPrint(steps, true, 0, twips(0.8), facts.addressLine2, size);

  Page page(steps, size, 150, 42);
  auto line = [&page](const QString &label, double x, const QString &value) {
    page.next();
    page.text(0, label);
    page.text(x, value);
  };

  page.text(0, QStringLiteral("Ticket # :"));
  page.text(1.2, ticket.Ticket);
  line(QStringLiteral("Date :"), 1.2, app::dateText(ticket.TradeDate));
  line(QStringLiteral("Facility :"), 1.2, facilityName(ticket.Ticket));
  line(QStringLiteral("Door :"), 1.2, ticket.Door);
  line(QStringLiteral("Invoice TO :"), 1.6, ticket.InvoiceTO);
  line(QStringLiteral("Truck Co. :"), 1.6, ticket.TruckCo);
  line(QStringLiteral("Truck # :"), 1.3, ticket.Truck);
  line(QStringLiteral("Trailer # :"), 1.3, ticket.Trailer);
  cmp10Folded(page, QStringLiteral("P.O. # :"), boxLines(ticket.PO), 1.0);
  line(QStringLiteral("Trip # :"), 1.0, ticket.Trip);

  const QStringList vendors = vendorLines(ticket, facts.vendorNumbers);
  for (int i = 0; i < vendors.size(); ++i) {
    page.next();
    if (i == 0)
      page.text(0, QStringLiteral("Vendor :"));
    page.text(1.2, vendors.at(i));
  }

  line(QStringLiteral("Appt. Time :"), 1.8, ticket.Apptmt);
  line(QStringLiteral("Arrival Time :"), 1.8, ticket.ArrivalT);
  line(QStringLiteral("Time Start :"), 1.8, ticket.US);
  line(QStringLiteral("Finish :"), 1.8, ticket.UE);

  const QStringList details = loadDetailCaptions(ticket);
  for (int i = 0; i < details.size(); ++i) {
    page.next();
    if (i == 0)
      page.text(0, QStringLiteral("Load Details :"));
    page.text(1.8, details.at(i));
  }

  line(QStringLiteral("From :"), 0.9, ticket.PFrom);
  page.text(2.5, QStringLiteral("To :"));
  page.text(3.1, ticket.PTo);
  line(QStringLiteral("In :"), 0.5, ticket.EIn);
  page.text(2.5, QStringLiteral("Out :"));
  page.text(3.2, ticket.EOut);
  line(QStringLiteral("Layer(s) :"), 1.3, ticket.Layers);
  line(QStringLiteral("Restack(s) :"), 1.6, ticket.Restacks);
  line(QStringLiteral("Cases :"), 1.2, ticket.Cases);
  line(QStringLiteral("Payment Method :"), 2.4, paymentMethodText(ticket.PaymentType));
  line(QStringLiteral("Base Fee : $"), 1.7, formatAmount(ticket.BC));
  line(QStringLiteral("Handling Fee : $"), 2.2, formatAmount(ticket.HC));
  line(QStringLiteral("Total Fee : $"), 1.7, formatAmount(ticket.TC));
  if (isOstrineTicket(ticket.Ticket))
    line(QStringLiteral("CSL : $"), 1.4, formatAmount(ticket.CSL));
  line(QStringLiteral("Rcv's Name :"), 1.8, ticket.RN);
  cmp10Folded(page, QStringLiteral("Ralvane ID :"), boxLines(ticket.CEID), 1.3);
  line(QStringLiteral("Driver's Name :"), 2.1, ticket.DName);

  page.finish(-1.4, facts.picturePath, footerText(facts.printedAt));
  return steps;
}

PrintSteps sipixReceipt(const tickets::TicketRecord &ticket, const ReceiptFacts &facts) {
  const double size = 15;
  PrintSteps steps;
  SendPrint(steps, true, 0, twips(0), kCompany, 20);
  SendPrint(steps, true, 0, twips(0.9), facts.addressLine1 + QStringLiteral(", ") + facts.addressLine2, 16);

  Page page(steps, size, 250, 70);
  auto line = [&page](const QString &label, double x, const QString &value) {
    page.next();
    page.text(0, label);
    page.text(x, value);
  };
  auto right = [&page](const QString &label, double labelX, double x, const QString &value) {
    page.text(labelX, label);
    page.text(x, value);
  };

  page.text(0, QStringLiteral("Ticket # :"));
  page.text(2.3, ticket.Ticket);
  right(QStringLiteral("Date :"), 9, 10.6, app::dateText(ticket.TradeDate));
  line(QStringLiteral("Facility :"), 2.3, facilityName(ticket.Ticket));
  line(QStringLiteral("Door :"), 2.3, ticket.Door);
  line(QStringLiteral("Invoice TO :"), 3.1, ticket.InvoiceTO);
  line(QStringLiteral("Truck Co. :"), 3.1, ticket.TruckCo);
  line(QStringLiteral("Truck # :"), 2.2, ticket.Truck);
  right(QStringLiteral("Trailer # :"), 9, 11.4, ticket.Trailer);
  sipixFolded(page, QStringLiteral("P.O. # :"), boxLines(ticket.PO), 5, 2.2);
  line(QStringLiteral("Trip # :"), 2.2, ticket.Trip);
  sipixFolded(page, QStringLiteral("Vendor :"), vendorLines(ticket, facts.vendorNumbers), 3, 2.2);
  line(QStringLiteral("Appt. Time :"), 3.0, ticket.Apptmt);
  right(QStringLiteral("Arrival Time :"), 9, 12.4, ticket.ArrivalT);
  line(QStringLiteral("Time Start :"), 3.0, ticket.US);
  right(QStringLiteral("Finish :"), 9, 11.0, ticket.UE);
  line(QStringLiteral("Load Details :"), 3.4, loadDetailCaptions(ticket).join(QStringLiteral(", ")));
  line(QStringLiteral("Pallets From :"), 3.5, ticket.PFrom);
  right(QStringLiteral("To :"), 5.2, 6.3, ticket.PTo);
  right(QStringLiteral("In :"), 9, 10.0, ticket.EIn);
  right(QStringLiteral("Out :"), 12.5, 13.8, ticket.EOut);
  line(QStringLiteral("Layer(s) :"), 2.4, ticket.Layers);
  right(QStringLiteral("Restack(s) :"), 9, 12.0, ticket.Restacks);
  line(QStringLiteral("Cases :"), 2.4, ticket.Cases);
  right(QStringLiteral("Base Fee : $"), 9, 12.1, formatAmount(ticket.BC));
  line(QStringLiteral("Payment Method :"), 4.5, paymentMethodText(ticket.PaymentType));
  sipixFolded(page, QStringLiteral("Ralvane ID :"), boxLines(ticket.CEID), 5, 2.3);
  // The handling fee shares the last line printed: an ID line, or the payment line.
  right(QStringLiteral("Handling Fee : $"), 9, 13.1, formatAmount(ticket.HC));
  line(QStringLiteral("Rcv's Name :"), 3.3, ticket.RN);
  right(QStringLiteral("Total Fee : $"), 9, 12.1, formatAmount(ticket.TC));
  line(QStringLiteral("Driver's Name :"), 3.8, ticket.DName);
  if (isOstrineTicket(ticket.Ticket))
    right(QStringLiteral("CSL : $"), 9, 11.7, formatAmount(ticket.CSL));

  page.finish(3, facts.picturePath, footerText(facts.printedAt));
  return steps;
}

} // namespace printing
