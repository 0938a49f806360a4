#include "store/user_database.h"

#include "app/clock.h"
#include "store/file_ops.h"
#include "store/progress.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>

namespace store {

Session &Session::instance() {
  static Session s;
  return s;
}

void Session::setAppFolder(const QString &folder) {
  closeConnection();
  appFolder_ = folder;
}

QString Session::pathOf(const QString &fileName) const { return QDir(appFolder_).filePath(fileName); }

void Session::setDatabaseFileName(const QString &fileName) {
  closeConnection();
  dbFileName_ = fileName;
  connection_ = fileName.isEmpty() ? QString() : connectionStringFor(appFolder_, fileName);
}

void Session::clearDatabase() {
  closeConnection();
  dbFileName_.clear();
  connection_.clear();
}

Database &Session::db() {
  if (dbFileName_.isEmpty())
    throw DbError(14, "no user database is selected");
  if (!db_ || db_->path() != databasePath())
    db_ = std::make_unique<Database>(databasePath());
  return *db_;
}

void Session::closeConnection() { db_.reset(); }

void Session::reset() {
  closeConnection();
  dbFileName_.clear();
  connection_.clear();
  userId_.clear();
}

QString databaseFileNameFor(const QString &userId) {
  return QStringLiteral("Trade-") + userId + QStringLiteral(".mdb");
}

QString connectionStringFor(const QString &appFolder, const QString &fileName) {
  return QStringLiteral("provider=Microsoft.Jet.OLEDB.4.0; Data Source=") + appFolder + QStringLiteral("\\") +
         fileName + QStringLiteral(";Jet OLEDB:Database Password=quolby;");
}

QString findFileName(const QString &folder, const QString &name) {
  // A name that reaches into another folder names no user database.
  if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
    return QString();
  if (QFileInfo(QDir(folder).filePath(name)).isFile())
    return name;
  // A user ID typed in other letter case reaches the same database, as it did on the
  // file system the data files come from; the name is returned as stored.
  const auto entries = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  for (const QString &entry : entries)
    if (entry.compare(name, Qt::CaseInsensitive) == 0)
      return entry;
  return QString();
}

long backupDateNumber(const QString &dbFileName, const QString &candidate) {
  // The eight characters after the name and its "(", read by their leading digits.
  const QString piece = candidate.mid(dbFileName.size() + 1, 8);
  long number = 0;
  for (QChar c : piece) {
    if (!c.isDigit() || c.unicode() > '9')
      break;
    number = number * 10 + (c.unicode() - '0');
  }
  return number;
}

QStringList backupsToPrune(const QString &dbFileName, const QStringList &found) {
  std::set<long, std::greater<>> numbers;
  for (const QString &name : found.mid(0, 100))
    numbers.insert(backupDateNumber(dbFileName, name));
  QStringList doomed;
  int rank = 0;
  for (long n : numbers) {
    if (++rank <= 3 || n == 0)
      continue;
    doomed << dbFileName + QStringLiteral("(") + QString::number(n) + QStringLiteral(")");
  }
  return doomed;
}

void PruneBackups() {
  Session &s = session();
  const QString name = s.databaseFileName();
  if (name.isEmpty())
    return;
  QStringList found;
  const auto entries = QDir(s.appFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Unsorted);
  for (const QString &entry : entries) {
    if (!entry.startsWith(name))
      continue;
    // A dated copy left half-made by a login that never finished: never a backup.
    if (entry.startsWith(name + QStringLiteral("(")) && entry.endsWith(QStringLiteral(").part"))) {
      fileops::remove(s.pathOf(entry));
      continue;
    }
    found << entry;
  }
  for (const QString &doomed : backupsToPrune(name, found)) {
    const QString path = s.pathOf(doomed);
    if (fileops::exists(path))
      fileops::remove(path); // a backup that cannot go simply stays
  }
}

namespace {

bool compact(const QString &folder, const QString &fullPath) {
  const QString target = QDir(folder).filePath(QString::fromLatin1(kCompactionTarget));
  {
    Database db(fullPath);
    qint64 freePageCount = 0;
    {
      // Finished before ATTACH: an unfinished read holds a transaction ATTACH refuses.
      Statement freePages = db.prepare("PRAGMA freelist_count;");
      if (freePages.step())
        freePageCount = freePages.integer(0);
    }
    // Nothing to reclaim: the compacted file would be this file again.
    if (freePageCount == 0)
      return true;
    // The connection may not create files, so the empty target is made first.
    { Database created(target, Database::Mode::Create); }
    db.prepare("ATTACH DATABASE ? AS compacted KEY 'quolby';").bind(1, target).run();
    applyKey(db.handle(), "compacted");
    // The export is one long statement: let the waiting window repaint meanwhile.
    sqlite3_progress_handler(
        db.handle(), 20000,
        [](void *) {
          reportProgress(-1);
          return 0;
        },
        nullptr);
    db.exec("SELECT sqlcipher_export('compacted');");
    sqlite3_progress_handler(db.handle(), 0, nullptr, nullptr);
    db.exec("DETACH DATABASE compacted;");
  }
  if (!fileops::sync(target))
    return false;
  // The compacted copy replaces the database in one step: either file is whole.
  if (!fileops::rename(target, fullPath))
    return false;
  fileops::sync(folder);
  return true;
}

} // namespace

// Today's backup made under a read lock, on the connection the login opened when it
// is open on this file (opening the file again costs its key derivation). Tells how
// many free pages the file has.
static std::optional<qint64> backUpUnderReadLock(const QString &fullPath, const QString &backup) {
  std::unique_ptr<Database> own;
  Database *db = nullptr;
  if (session().databasePath() == fullPath && !session().databaseFileName().isEmpty()) {
    db = &session().db();
  } else {
    own = std::make_unique<Database>(fullPath);
    db = own.get();
  }
  qint64 freePages = 0;
  {
    Statement count = db->prepare("PRAGMA freelist_count;");
    if (count.step())
      freePages = count.integer(0);
  }
  // Read lock: nobody can commit while the file is copied, so the dated backup is whole.
  db->exec("BEGIN; SELECT count(*) FROM sqlite_master;");
  const bool copied = fileops::copyReplacing(fullPath, backup);
  db->exec(copied ? "COMMIT;" : "ROLLBACK;");
  if (!copied)
    return std::nullopt;
  return freePages;
}

BackupResult BackupAndCompact(const QString &folder, const QString &fileName) {
  const QString fullPath = QDir(folder).filePath(fileName);
  if (!fileops::exists(fullPath))
    return BackupResult::NoDatabase;
  const QString backup = fullPath + QStringLiteral("(") + app::today().toString(QStringLiteral("yyyyMMdd")) +
                         QStringLiteral(")");
  try {
    const std::optional<qint64> freePages = backUpUnderReadLock(fullPath, backup);
    if (!freePages)
      return BackupResult::Failed;
    // Nothing to reclaim: the file stays as it is, and so may the connection to it.
    if (*freePages == 0)
      return BackupResult::Done;
  } catch (const DbError &) {
    session().closeConnection();
    return BackupResult::Failed;
  }
  // The compacted copy will replace the file: no connection may stay on the old one.
  session().closeConnection();
  const QString target = QDir(folder).filePath(QString::fromLatin1(kCompactionTarget));
  try {
    // A connection that holds the file while the compaction works on it. Opening it
    // fails while another program is in the middle of a commit.
    Database guard(fullPath);
    // Write lock until the compacted copy is in place: a program with unsaved changes
    // would later write them into the replaced file and lose them, so it refuses the
    // compaction, and none can start one meanwhile.
    guard.exec("BEGIN IMMEDIATE;");
    if (fileops::exists(target) && !fileops::remove(target))
      return BackupResult::Failed;
    if (!compact(folder, fullPath)) {
      QFile::remove(target);
      return BackupResult::Failed;
    }
  } catch (const DbError &) {
    QFile::remove(target);
    return BackupResult::Failed;
  }
  return BackupResult::Done;
}

bool Is_Ostrine() {
  Statement q = session().db().prepare("SELECT FCode FROM Employee_Info ORDER BY rowid LIMIT 1;");
  if (!q.step())
    return false;
  const QString code = q.text(0);
  return !code.isEmpty() && code.at(0) == QLatin1Char('4');
}

} // namespace store
