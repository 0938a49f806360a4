#pragma once
// The totals line of the search list: the total charge taken by each kind of
// payment over the listed tickets, with the number of tickets of each.

#include <QByteArrayView>
#include <QString>

namespace search {

enum class PaymentClass { Charge, Check, Cash, Managed, None };

// Charged to the warehouse is Managed; charged otherwise (to the trucking company or
// to no one) is Charge; a ticket without a known payment type counts in no class.
PaymentClass classify(int paymentType, int charge);

// A stored amount as a number: blanks, a leading "$" and thousands separators are
// allowed; text that is no amount counts as 0.
double amountValue(const QString &text);
// The same of an amount as the database holds it (UTF-8).
double amountValue(QByteArrayView utf8);
// "#,##0.00": 1234.5 gives 1,234.50.
QString amountText(double amount);

struct PaymentTotal {
  double sum = 0;
  int count = 0;
};

struct SearchTotals {
  PaymentTotal charge, check, cash, managed, total;

  void add(int paymentType, int charge, const QString &totalCharge);
  void addAmount(int paymentType, int charge, double amount);
  // "Charge :$0.00/0        Check :$0.00/0        Cash :$0.00/0        Managed :$0.00/0
  //         Total :$0.00/0" (one line)
  QString line() const;
};

} // namespace search
