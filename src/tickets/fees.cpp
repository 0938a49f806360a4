#include "tickets/fees.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

#include <cmath>

namespace tickets {

namespace {
constexpr int kSignificantDigits = 15;
}

std::optional<double> feeValue(const QString &text) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty())
    return 0.0;
  bool ok = false;
  const double value = QLocale::system().toDouble(trimmed, &ok);
  if (!ok || !std::isfinite(value))
    return std::nullopt;
  return value;
}

QString plainAmount(double value) {
  // No amount box holds an infinite or undefined number.
  if (!std::isfinite(value))
    return QString();
  // Round to 15 significant digits first, so 0.1 + 0.2 reads 0.3 and not 0.30000000000000004.
  const double rounded = QString::number(value, 'g', kSignificantDigits).toDouble();
  if (rounded == 0.0)
    return QStringLiteral("0");
  const int integerDigits = int(std::floor(std::log10(std::fabs(rounded)))) + 1;
  const int decimals = std::clamp(kSignificantDigits - integerDigits, 0, kSignificantDigits);
  QString text = QString::number(rounded, 'f', decimals);
  if (text.contains(QLatin1Char('.'))) {
    while (text.endsWith(QLatin1Char('0')))
      text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
      text.chop(1);
  }
  text.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
  if (rounded < 0)
    text.replace(QLatin1Char('-'), QLocale::system().negativeSign());
  return text;
}

std::optional<QString> feeTotal(const QString &baseCharge, const QString &handlingCharge) {
  const auto base = feeValue(baseCharge);
  const auto handling = feeValue(handlingCharge);
  if (!base || !handling)
    return std::nullopt;
  // Two amounts near the largest number add up to infinity: no total to show.
  const double sum = *base + *handling;
  if (!std::isfinite(sum))
    return std::nullopt;
  return plainAmount(sum);
}

QString amountPattern() {
  const QString point = QRegularExpression::escape(QLocale::system().decimalPoint());
  return QStringLiteral("\\d*(%1\\d*)?").arg(point);
}

} // namespace tickets
