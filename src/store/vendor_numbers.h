#pragma once
// Vendor numbers of the vendors named on a ticket, read from the Vendor table.

#include "store/database.h"

#include <QString>
#include <QStringList>

namespace store {

// The vendor-number text the ticket form shows after loading these vendors: for
// each name with a row in Vendor, the first row's number, joined by ", ". Names
// without a row add nothing. Throws DbError.
QString vendorNumbersOf(Database &db, const QStringList &vendorNames);

} // namespace store
