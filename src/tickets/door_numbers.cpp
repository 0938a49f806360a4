#include "tickets/door_numbers.h"

#include <climits>

namespace tickets {

namespace {

bool allDigits(QStringView s) {
  for (QChar c : s)
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
      return false;
  return true;
}

// Ten or more digits can never be a door: such numbers saturate instead of overflowing.
int saturatingValue(QStringView digits) {
  while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
    digits = digits.mid(1);
  if (digits.size() > 9)
    return INT_MAX - 1;
  return digits.isEmpty() ? 0 : digits.toInt();
}

} // namespace

std::optional<int> readWholeNumber(const QString &text) {
  QStringView s = QStringView(text).trimmed();
  bool negative = false;
  if (!s.isEmpty() && (s.front() == QLatin1Char('+') || s.front() == QLatin1Char('-'))) {
    negative = s.front() == QLatin1Char('-');
    s = s.mid(1);
  }
  const qsizetype dot = s.indexOf(QLatin1Char('.'));
  const QStringView whole = dot < 0 ? s : s.left(dot);
  const QStringView fraction = dot < 0 ? QStringView() : s.mid(dot + 1);
  if (whole.isEmpty() && fraction.isEmpty())
    return std::nullopt;
  if (!allDigits(whole) || !allDigits(fraction))
    return std::nullopt;

  int value = saturatingValue(whole);
  // Round on the decimal digits themselves, so no binary fraction decides a half.
  if (!fraction.isEmpty()) {
    const QChar first = fraction.front();
    const bool restIsZero = fraction.mid(1).count(QLatin1Char('0')) == fraction.size() - 1;
    bool up = first > QLatin1Char('5');
    if (first == QLatin1Char('5'))
      up = !restIsZero || value % 2 == 1;
    if (up)
      ++value;
  }
  return negative ? -value : value;
}

bool isAcceptedDoorNumber(int number) {
  return (number >= 201 && number <= 281) || (number >= 313 && number <= 399);
}

bool isCandidateDoorNumber(int number) {
  return (number >= 201 && number <= 280) || (number >= 314 && number <= 399);
}

QString doorName(int number) { return QStringLiteral("Door") + QString::number(number); }

DoorReading readDoorEntry(const QString &typed) {
  DoorReading reading;
  if (typed.isEmpty())
    return reading;
  const std::optional<int> number = readWholeNumber(typed);
  if (!number) {
    reading.status = DoorEntry::NotANumber;
    return reading;
  }
  reading.number = *number;
  if (!isAcceptedDoorNumber(*number)) {
    reading.status = DoorEntry::OutOfRange;
    return reading;
  }
  reading.status = DoorEntry::Accepted;
  reading.name = doorName(*number);
  return reading;
}

} // namespace tickets
