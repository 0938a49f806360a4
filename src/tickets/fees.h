#pragma once
// The fee arithmetic of the ticket form: total charge = base charge + handling charge.

#include <QString>

#include <optional>

namespace tickets {

// The amount a fee box holds: 0 when empty, else its text read in the system's number
// format. Nothing when the text is not a number.
std::optional<double> feeValue(const QString &text);

// A number written as plain text in the system's number format: no thousands
// separators, no currency sign, no trailing zeros, at most 15 significant digits.
// The empty text for an infinite or undefined number.
QString plainAmount(double value);

// The text of the total for two fee boxes (12.5 and 30 give "42.5", 0.1 and 0.2 give
// "0.3"). Nothing when either box holds text that is not a number or the sum is too
// large for any number; the form then leaves the total as it was.
std::optional<QString> feeTotal(const QString &baseCharge, const QString &handlingCharge);

// What an amount box accepts: digits with at most one decimal separator of the system's
// number format. Partial input such as "12." is acceptable.
QString amountPattern();

} // namespace tickets
