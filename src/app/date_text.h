#pragma once
// Dates written as text: the system's short date with a four-digit year. Every
// printed, exported or folder-naming date uses these two functions.

#include <QDate>
#include <QString>

namespace app {

// The system's short date form, year always with four digits (12/11/2026).
QString dateText(const QDate &date);
// The same text made fit for a folder name: characters a file name cannot hold
// ("/", "\", ":" ...) become "-" (12-11-2026).
QString folderDateText(const QDate &date);
// The short date format in use, for date pickers.
QString shortDateFormat();

} // namespace app
