#include "tickets/numbering.h"

#include "store/trade_table.h"

namespace tickets {

namespace {

constexpr qint64 kLargestTicket = 99999999; // eight digits
constexpr qint64 kLargestOther = 999999;    // six digits behind "S0"
const QString kOtherPrefix = QStringLiteral("S0");

// Only plain decimal digits count: no sign, no blanks, no letters.
bool readDigits(const QString &text, qint64 *value) {
  if (text.isEmpty() || text.size() > 18)
    return false;
  qint64 v = 0;
  for (const QChar c : text) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
      return false;
    v = v * 10 + (c.unicode() - '0');
  }
  *value = v;
  return true;
}

NextTicketNo refused(const QString &message) { return {QString(), message}; }

QString notANumber(const QString &highest) {
  return QStringLiteral(
             "The last ticket no. %1 is not a number. Please, enter the ticket no. as a saved ticket.")
      .arg(highest);
}

QString usedUp(const QString &highest) {
  return QStringLiteral(
             "The ticket numbers after %1 are used up. Please, enter the ticket no. as a saved ticket.")
      .arg(highest);
}

} // namespace

bool Is_Other(const QString &highestTicket) {
  if (highestTicket.isEmpty())
    return false;
  const QChar first = highestTicket.at(0);
  // The "P" seeds of the profile continue like "B" and "S".
  return first == QLatin1Char('B') || first == QLatin1Char('S') || first == QLatin1Char('P');
}

NextTicketNo nextTicketNo(const QString &highestTicket) {
  if (highestTicket.isEmpty())
    return {};
  qint64 number = 0;
  if (Is_Other(highestTicket)) {
    if (highestTicket.size() < 7 || !readDigits(highestTicket.right(6), &number))
      return refused(notANumber(highestTicket));
    if (number >= kLargestOther)
      return refused(usedUp(highestTicket));
    return {kOtherPrefix + QString::number(number + 1), QString()};
  }
  if (!readDigits(highestTicket, &number))
    return refused(notANumber(highestTicket));
  if (number >= kLargestTicket)
    return refused(usedUp(highestTicket));
  return {QString::number(number + 1), QString()};
}

NextTicketNo Check_TicketNo() {
  try {
    const std::optional<QString> highest = store::highestTicket();
    if (!highest)
      return {};
    return nextTicketNo(*highest);
  } catch (const store::DbError &) {
    return refused(QStringLiteral("The tickets cannot be read, so there is no new ticket no."));
  }
}

bool Is_Other() {
  try {
    const std::optional<QString> highest = store::highestTicket();
    return highest && Is_Other(*highest);
  } catch (const store::DbError &) {
    return false;
  }
}

} // namespace tickets
