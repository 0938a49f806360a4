#pragma once
// Fixture databases of real size and a digest of what they hold, so a test can tell
// whether every ticket survived a fault.

#include "store/database.h"

#include <QString>

namespace reliability {

// Fills Trade with `rows` tickets and leaves free pages behind, so the daily compaction
// really rewrites the file. Returns the rows in Trade.
int fillTickets(const QString &databasePath, int rows);

// What a database holds: its ticket rows and a digest over every column that matters.
struct Contents {
  qint64 rows = -1;
  QString digest;
  bool operator==(const Contents &) const = default;
};

// Opens the file with the program's key and reads it; throws store::DbError when it
// cannot be opened or read.
Contents contentsOf(const QString &databasePath);
// "ok" when the engine finds the file consistent, else its complaint.
QString integrityOf(const QString &databasePath);

} // namespace reliability
