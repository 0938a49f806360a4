#include "export/csv_line.h"

#include "app/date_text.h"

namespace exporting {

namespace {

// A value as one field: commas become blanks. A line break left in a one-line
// value would split the job over two lines of the file, so it becomes a blank too.
QString field(const QString &value) {
  QString text = value;
  for (QChar &c : text)
    if (c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
      c = QLatin1Char(' ');
  return text;
}

// A multi-line box in its line-joined form. Lines typed with a bare line feed
// count as lines too.
QString joinedField(const QString &value) {
  QString text = tickets::joinLines(value);
  text.replace(QLatin1Char('\n'), QLatin1Char('|'));
  text.replace(QLatin1Char('\r'), QLatin1Char('|'));
  return field(text);
}

// An option code as its digit; anything outside the group's codes as "0".
QString code(int value, int highest) { return QString::number(value >= 0 && value <= highest ? value : 0); }

QString checkValue(int value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }

// The export writes damage the other way round from the row: "1" for No, "2" for Yes.
QString damageField(int dnoYes) {
  switch (dnoYes) {
  case tickets::code::DamageNo:
    return QStringLiteral("1");
  case tickets::code::DamageYes:
    return QStringLiteral("2");
  default:
    return QStringLiteral("0");
  }
}

} // namespace

QStringList csvFields(const tickets::TicketRecord &t, const QString &vendorNumbers) {
  return {
      field(t.UserID),
      field(app::dateText(t.TradeDate)),
      field(t.Ticket),
      code(t.PaymentType, 3),
      code(t.Charge, 2),
      field(t.InvoiceTO),
      field(t.TruckCo),
      field(t.CheckNum),
      field(t.Apptmt),
      field(t.ArrivalT),
      field(t.US),
      field(t.UE),
      field(t.DT),
      field(t.Truck),
      field(t.Trailer),
      field(t.Load),
      field(t.Trip),
      field(t.Pro),
      field(t.Door),
      joinedField(t.PO),
      joinedField(t.Vendor),
      field(t.Cases),
      field(t.Items),
      field(t.BC),
      field(t.HC),
      field(t.TC),
      code(t.Full_P, 2),
      code(t.Floor_P, 2),
      checkValue(t.ROO),
      checkValue(t.PW),
      checkValue(t.ROB),
      checkValue(t.BO),
      field(t.Layers),
      field(t.Restacks),
      field(t.PFrom),
      field(t.PTo),
      field(t.CHEP),
      field(t.EIn),
      field(t.EOut),
      joinedField(t.CEID),
      field(t.RN),
      field(t.Product),
      field(t.Weight),
      field(t.Volume),
      damageField(t.DNo_Yes),
      field(t.DCases),
      field(t.DRC),
      code(t.PYes_No_W, 3),
      joinedField(t.DExplain),
      joinedField(t.Notes),
      field(t.DName),
      field(tickets::signatureFileName(t.Ticket)),
      field(vendorNumbers),
      field(t.CSL),
      QString(),
      QString(),
      code(t.Stream, 2),
  };
}

QString csvLine(const tickets::TicketRecord &ticket, const QString &vendorNumbers) {
  return csvFields(ticket, vendorNumbers).join(QLatin1Char(','));
}

} // namespace exporting
