#include "search/search_totals.h"

#include <QLocale>

#include <cmath>

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

double amountValue(const QString &text) {
  QString digits = text.trimmed();
  if (digits.startsWith(QLatin1Char('$')))
    digits = digits.mid(1).trimmed();
  digits.remove(QLatin1Char(','));
  bool ok = false;
  const double value = QLocale::c().toDouble(digits, &ok);
  return ok && std::isfinite(value) ? value : 0.0;
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
  const double amount = amountValue(totalCharge);
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
