#include "store/profile_table.h"

namespace store {

namespace {

// rowid of the first row of a table, -1 when it has none.
qint64 firstRowId(Database &db, const char *sql) {
  Statement q = db.prepare(sql);
  return q.step() ? q.integer(0) : -1;
}

void bindProfile(Statement &q, const EmployeeProfile &p) {
  q.bind(1, p.fCode)
      .bind(2, p.empType)
      .bind(3, p.empWeekTime)
      .bind(4, p.empGrossS)
      .bind(5, p.empPay)
      .bind(6, p.empWorkStart.toString(Qt::ISODate))
      .bind(7, p.empFirstN)
      .bind(8, p.empMI)
      .bind(9, p.empLastN)
      .bind(10, p.phoneNo)
      .bind(11, p.empAdd)
      .bind(12, p.empCity)
      .bind(13, p.empState)
      .bind(14, p.empZip)
      .bind(15, p.empInfoC);
}

} // namespace

void saveProfile(Database &db, const EmployeeProfile &profile, const QString &facility) {
  Transaction tx(db);
  const qint64 infoRow = firstRowId(db, "SELECT rowid FROM Employee_Info ORDER BY rowid LIMIT 1;");
  if (infoRow >= 0) {
    Statement q =
        db.prepare("UPDATE Employee_Info SET FCode = ?, EmpType = ?, EmpWeekTime = ?, EmpGrossS = ?, "
                   "EmpPay = ?, EmpWorkStart = ?, EmpFirstN = ?, EmpMI = ?, EmpLastN = ?, PhoneNo = ?, "
                   "EmpAdd = ?, EmpCity = ?, EmpState = ?, EmpZip = ?, EmpInfoC = ? WHERE rowid = ?;");
    bindProfile(q, profile);
    q.bind(16, infoRow).run();
  } else {
    Statement q = db.prepare("INSERT INTO Employee_Info (FCode, EmpType, EmpWeekTime, EmpGrossS, EmpPay, "
                             "EmpWorkStart, EmpFirstN, EmpMI, EmpLastN, PhoneNo, EmpAdd, EmpCity, EmpState, "
                             "EmpZip, EmpInfoC) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);");
    bindProfile(q, profile);
    q.run();
  }

  // The seed row: numbering continues from its Ticket, the door lists pass it over.
  const qint64 seedRow = firstRowId(db, "SELECT No FROM Trade ORDER BY No LIMIT 1;");
  if (seedRow >= 0)
    db.prepare("UPDATE Trade SET Facility = ?, Ticket = ? WHERE No = ?;")
        .bind(1, facility)
        .bind(2, profile.fCode)
        .bind(3, seedRow)
        .run();
  else
    db.prepare("INSERT INTO Trade (Facility, Ticket) VALUES (?, ?);")
        .bind(1, facility)
        .bind(2, profile.fCode)
        .run();
  tx.commit();
}

std::optional<EmployeeProfile> readProfile(Database &db) {
  Statement q = db.prepare("SELECT * FROM Employee_Info ORDER BY rowid LIMIT 1;");
  if (!q.step())
    return std::nullopt;
  EmployeeProfile p;
  p.fCode = q.text("FCode");
  p.empType = q.text("EmpType");
  p.empWeekTime = q.text("EmpWeekTime");
  p.empGrossS = q.text("EmpGrossS");
  p.empPay = q.text("EmpPay");
  p.empWorkStart = QDate::fromString(q.text("EmpWorkStart"), Qt::ISODate);
  p.empFirstN = q.text("EmpFirstN");
  p.empMI = q.text("EmpMI");
  p.empLastN = q.text("EmpLastN");
  p.phoneNo = q.text("PhoneNo");
  p.empAdd = q.text("EmpAdd");
  p.empCity = q.text("EmpCity");
  p.empState = q.text("EmpState");
  p.empZip = q.text("EmpZip");
  p.empInfoC = q.text("EmpInfoC");
  return p;
}

} // namespace store
