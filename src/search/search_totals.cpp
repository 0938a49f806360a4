#include "search/search_totals.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace search {

PaymentClass classify(int paymentType, int charge) {
  switch (paymentType) {
  case 1:
    return charge == 1 ? PaymentClass::Managed : PaymentClass::Charge;
  case 2:
    return PaymentClass::Check;
  case 3:
    return PaymentClass::Cash;
  default:
    return PaymentClass::None;
  }
}

namespace {

char16_t unitOf(QChar c) { return c.unicode(); }
char16_t unitOf(char c) { return uchar(c); }

// The common stored form, digits with at most one point ("125.5"), read without the
// general parse; anything else gives nothing. The digits make a whole number N and the
// point a power of ten P, both exact in a double, so N / P is the correctly rounded
// value, as the general parse gives.
template <typename Text> std::optional<double> plainDigits(const Text &text) {
  constexpr qsizetype kMostDigits = 15;
  const qsizetype n = text.size();
  if (n == 0 || n > kMostDigits + 1)
    return std::nullopt;
  qint64 whole = 0;
  qsizetype digits = 0;
  qsizetype afterPoint = -1;
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = unitOf(text[i]);
    if (c == u'.' && afterPoint < 0) {
      afterPoint = 0;
      continue;
    }
    if (c < u'0' || c > u'9')
      return std::nullopt;
    whole = whole * 10 + (c - u'0');
    ++digits;
    if (afterPoint >= 0)
      ++afterPoint;
  }
  if (digits == 0 || digits > kMostDigits)
    return std::nullopt;
  double scale = 1;
  for (qsizetype i = 0; i < afterPoint; ++i)
    scale *= 10;
  return double(whole) / scale;
}

} // namespace

double amountValue(const QString &text) {
  // Reading every listed ticket's amount must not cost more than listing it.
  if (const std::optional<double> plain = plainDigits(text))
    return *plain;
  QString digits = text.trimmed();
  if (digits.startsWith(QLatin1Char('$')))
    digits = digits.mid(1).trimmed();
  digits.remove(QLatin1Char(','));
  bool ok = false;
  const double value = QLocale::c().toDouble(digits, &ok);
  return ok && std::isfinite(value) ? value : 0.0;
}

double amountValue(QByteArrayView utf8) {
  if (const std::optional<double> plain = plainDigits(utf8))
    return *plain;
  return amountValue(QString::fromUtf8(utf8));
}

QString amountText(double amount) {
  if (!std::isfinite(amount))
    amount = 0;
  QString plain = QString::number(std::fabs(amount), 'f', 2);
  const bool negative = amount < 0 && plain != QLatin1String("0.00");
  // Thousands separators in the whole part.
  for (qsizetype pos = plain.indexOf(QLatin1Char('.')) - 3; pos > 0; pos -= 3)
    plain.insert(pos, QLatin1Char(','));
  return negative ? QLatin1Char('-') + plain : plain;
}

void SearchTotals::add(int paymentType, int chargeCode, const QString &totalCharge) {
  addAmount(paymentType, chargeCode, amountValue(totalCharge));
}

void SearchTotals::addAmount(int paymentType, int chargeCode, double amount) {
  auto count = [amount](PaymentTotal &t) {
    t.sum += amount;
    ++t.count;
  };
  switch (classify(paymentType, chargeCode)) {
  case PaymentClass::Charge:
    count(charge);
    break;
  case PaymentClass::Check:
    count(check);
    break;
  case PaymentClass::Cash:
    count(cash);
    break;
  case PaymentClass::Managed:
    count(managed);
    break;
  case PaymentClass::None:
    break;
  }
  count(total);
}

QString SearchTotals::line() const {
  auto part = [](const char *label, const PaymentTotal &t) {
    return QString::fromLatin1(label) + QStringLiteral(" :$") + amountText(t.sum) + QLatin1Char('/') +
           QString::number(t.count);
  };
  const QString gap = QStringLiteral("        ");
  return part("Charge", charge) + gap + part("Check", check) + gap + part("Cash", cash) + gap +
         part("Managed", managed) + gap + part("Total", total);
}

} // namespace search
