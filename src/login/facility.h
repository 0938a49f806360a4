#pragma once
// The facility table: the fixed list of facilities and the facility code each one
// gives an employee code. Ticket numbering starts from that code.

#include <QString>
#include <QStringList>

namespace login {

// The facility names in list order ("Tavrel DC" ... "Sample").
const QStringList &facilityNames();

struct FacilityCode {
  enum class Status { Ok, NotWholeNumber, TooLarge };
  Status status = Status::Ok;
  QString code; // eight characters for employee codes 1 to 10
};

// The facility code for a facility name and the employee code as typed. Digit
// facilities give base + (n - 1) x 10000; letter facilities their prefix followed by
// the digits of (n - 1) x 10000. Any other name counts as "Tavrel DC". The employee
// code must be a whole number of 1 or more whose code fits 32-bit arithmetic.
FacilityCode facilityCode(const QString &facility, const QString &employeeCode);

} // namespace login
