#pragma once
// The signed-in user's database: file naming, the run-time values every window
// reaches it through, the daily dated backup with compaction, and the facility test.

#include "store/database.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace store {

// Run-time values, one set per running program.
class Session {
public:
  static Session &instance();

  // The folder that holds the program, its template and every user database.
  QString appFolder() const { return appFolder_; }
  void setAppFolder(const QString &folder);

  QString databaseFileName() const { return dbFileName_; }
  QString connectionString() const { return connection_; }
  QString userId() const { return userId_; }
  void setUserId(const QString &id) { userId_ = id; }

  // Sets the database file name and, right after it, the connection string.
  void setDatabaseFileName(const QString &fileName);
  // Empties the database file name and the connection string.
  void clearDatabase();

  QString databasePath() const { return pathOf(dbFileName_); }
  QString pathOf(const QString &fileName) const;

  // The open connection to the user database, opened on first use and reused.
  // Throws DbError when there is no database or it cannot be opened.
  Database &db();
  // Closes the kept connection; done before any file operation on the database.
  void closeConnection();

  // Back to the state before login (tests).
  void reset();

private:
  QString appFolder_;
  QString dbFileName_;
  QString connection_;
  QString userId_;
  std::unique_ptr<Database> db_;
};

inline Session &session() { return Session::instance(); }

// "Trade-" + user ID + ".mdb"
QString databaseFileNameFor(const QString &userId);
inline constexpr const char *kTemplateFileName = "VarnelBase";
inline constexpr const char *kCompactionTarget = "temp.mdb";

// The text that names and opens a user database.
QString connectionStringFor(const QString &appFolder, const QString &fileName);

// Looks for a file in the folder by name, ignoring letter case as the user's
// file system of record did; returns the name as stored, or empty.
QString findFileName(const QString &folder, const QString &name);

// Deletes dated backups of the current database beyond the three newest.
void PruneBackups();

enum class BackupResult { Done, NoDatabase, Failed };
// Today's dated backup, then compaction through "temp.mdb" and an atomic rename.
// The database stays whole whatever fails. The caller shows the failure message.
BackupResult BackupAndCompact(const QString &folder, const QString &fileName);

// The date number of a file name that starts with the database file name
// (leading digits after the "("), 0 when there are none.
long backupDateNumber(const QString &dbFileName, const QString &candidate);
// The file names PruneBackups removes out of the names found, in order.
QStringList backupsToPrune(const QString &dbFileName, const QStringList &found);

// True when the profile's facility code begins with the digit 4. False when there is
// no profile or the code does not begin with a digit. Throws DbError.
bool Is_Ostrine();

} // namespace store
