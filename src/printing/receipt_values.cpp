#include "printing/receipt_values.h"

#include "app/date_text.h"
#include "store/file_ops.h"

#include <QDir>
#include <QLocale>

#include <cmath>

namespace printing {

namespace {
// Amounts follow the system's number format; a machine with no locale set (the "C"
// locale) writes them as in the United States, with thousands separators.
QLocale numberLocale() {
  const QLocale system = QLocale::system();
  return system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : system;
}
} // namespace

QString facilityName(const QString &ticket) {
  static const char *const byDigit[] = {nullptr, "Tavrel DC", "Quendal East", "Pelmar", "Ostrine",
                                        "Vexil", "Harrowin",  "Juvell",       "Ombrey", "Quendal West"};
  if (ticket.isEmpty())
    return QStringLiteral("Tavrel DC");
  const QChar first = ticket.at(0);
  if (first >= QLatin1Char('1') && first <= QLatin1Char('9'))
    return QString::fromLatin1(byDigit[first.unicode() - '0']);
  if (first == QLatin1Char('S'))
    return QStringLiteral("Sample");
  return QStringLiteral("Tavrel DC");
}

bool isOstrineTicket(const QString &ticket) { return facilityName(ticket) == QLatin1String("Ostrine"); }

bool isTavrelTicket(const QString &ticket) { return ticket.startsWith(QLatin1Char('1')); }

QString formatAmount(const QString &amount) {
  const QString trimmed = amount.trimmed();
  if (trimmed.isEmpty())
    return amount;
  const QLocale locale = numberLocale();
  bool ok = false;
  double value = locale.toDouble(trimmed, &ok);
  if (!ok)
    value = QLocale::c().toDouble(trimmed, &ok);
  if (!ok || !std::isfinite(value))
    return amount;
  return locale.toString(value, 'f', 2);
}

QString paymentMethodText(int paymentType) {
  switch (paymentType) {
  case tickets::code::Charge:
    return QStringLiteral("Charge");
  case tickets::code::Check:
    return QStringLiteral("Check");
  case tickets::code::Cash:
    return QStringLiteral("Cash");
  default:
    return QString();
  }
}

QStringList loadDetailCaptions(const tickets::TicketRecord &ticket) {
  QStringList captions;
  if (ticket.ROO)
    captions << QStringLiteral("Roll-Off-Only");
  if (ticket.PW)
    captions << QStringLiteral("Pin-Wheel");
  if (ticket.ROB)
    captions << QStringLiteral("R/0 + Bkdn");
  if (ticket.BO)
    captions << QStringLiteral("Bkdn Only");
  return captions;
}

QStringList boxLines(const QString &stored) {
  const QString text = tickets::splitLines(stored);
  QStringList lines;
  const int count = tickets::CountLines(text);
  for (int n = 1; n <= count; ++n)
    lines << tickets::GetLine(text, n);
  return lines;
}

QString receiptPicturePath(const QString &appFolder, const tickets::TicketRecord &ticket) {
  const QDir folder(appFolder);
  const QString signature = folder.filePath(app::folderDateText(ticket.TradeDate) + QLatin1Char('/') +
                                            tickets::signatureFileName(ticket.Ticket));
  if (store::fileops::exists(signature))
    return signature;
  const QString placeholder = folder.filePath(QStringLiteral("signature.jpg"));
  return store::fileops::exists(placeholder) ? placeholder : QString();
}

} // namespace printing
