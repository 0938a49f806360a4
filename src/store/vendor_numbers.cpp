#include "store/vendor_numbers.h"

namespace store {

QString vendorNumbersOf(Database &db, const QStringList &vendorNames) {
  QString numbers;
  for (const QString &name : vendorNames) {
    Statement query = db.prepare("SELECT VendorNo FROM Vendor WHERE Vendor = ? ORDER BY rowid LIMIT 1;");
    query.bind(1, name);
    if (!query.step())
      continue;
    const QString number = query.text(0);
    numbers = numbers.isEmpty() ? number : numbers + QStringLiteral(", ") + number;
  }
  return numbers;
}

} // namespace store
