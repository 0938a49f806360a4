#include "store/reference_lists.h"

#include "store/user_database.h"

namespace store {

std::vector<QString> truckCompanies() {
  Statement q = session().db().prepare("SELECT TruckCo FROM TruckCo ORDER BY rowid;");
  std::vector<QString> names;
  while (q.step())
    names.push_back(q.text(0));
  return names;
}

void addTruckCompany(const QString &name) {
  session().db().prepare("INSERT INTO TruckCo (TruckCo) VALUES (?);").bind(1, name).run();
}

void deleteTruckCompany(const QString &name) {
  session().db().prepare("DELETE FROM TruckCo WHERE TruckCo = ?;").bind(1, name).run();
}

std::vector<VendorEntry> vendors() {
  Statement q = session().db().prepare("SELECT Vendor, VendorNo FROM Vendor ORDER BY rowid;");
  std::vector<VendorEntry> entries;
  while (q.step())
    entries.push_back({q.text(0), q.text(1)});
  return entries;
}

void addVendor(const VendorEntry &vendor) {
  session()
      .db()
      .prepare("INSERT INTO Vendor (Vendor, VendorNo) VALUES (?, ?);")
      .bind(1, vendor.name)
      .bind(2, vendor.number)
      .run();
}

void deleteVendor(const QString &name) {
  session().db().prepare("DELETE FROM Vendor WHERE Vendor = ?;").bind(1, name).run();
}

} // namespace store
