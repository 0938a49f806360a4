#pragma once
// The trucking companies (table TruckCo) and the vendors with their numbers (table
// Vendor) of the signed-in user's database. Rows come in the order they were added.
// Names are not unique. Throws store::DbError.

#include <QString>

#include <vector>

namespace store {

std::vector<QString> truckCompanies();
void addTruckCompany(const QString &name);
// Deletes every row of that name.
void deleteTruckCompany(const QString &name);

struct VendorEntry {
  QString name;
  QString number; // may be empty
};
std::vector<VendorEntry> vendors();
void addVendor(const VendorEntry &vendor);
// Deletes every row of that name, whatever its number.
void deleteVendor(const QString &name);

} // namespace store
