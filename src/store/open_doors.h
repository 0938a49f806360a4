#pragma once
// The open jobs of the signed-in user's Trade table, as the door lists read them.
// Throws store::DbError.

#include <QString>
#include <QStringList>

namespace store {

// The Door text of every open row (JobClose = 0), door names ascending with rows
// without a door first; such rows give a null QString.
QStringList openRowDoors();

// True when a row with this exact door name has an open job.
bool hasOpenJob(const QString &doorName);

} // namespace store
