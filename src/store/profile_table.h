#pragma once
// The employee and facility profile: the one Employee_Info row and the seed row of
// Trade whose Ticket is the facility code that ticket numbering continues from.

#include "store/database.h"

#include <QDate>
#include <QString>

#include <optional>

namespace store {

// Employee_Info as written; every value is text except the work start date.
struct EmployeeProfile {
  QString fCode;
  QString empType;
  QString empWeekTime;
  QString empGrossS;
  QString empPay;
  QDate empWorkStart;
  QString empFirstN;
  QString empMI;
  QString empLastN;
  QString phoneNo;
  QString empAdd;
  QString empCity;
  QString empState;
  QString empZip;
  QString empInfoC;
};

// Writes the profile over the first Employee_Info row (or adds it) and sets Facility
// and Ticket of the first Trade row (or adds it), all in one transaction: either both
// are saved or neither. Throws DbError.
void saveProfile(Database &db, const EmployeeProfile &profile, const QString &facility);

// The first Employee_Info row, or nothing. Throws DbError.
std::optional<EmployeeProfile> readProfile(Database &db);

} // namespace store
