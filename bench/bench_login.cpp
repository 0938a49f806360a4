// The login's wait: pruning old backups, today's dated backup and the compaction,
// once on a file with nothing to reclaim and once on a file with 5 % free pages.
#include "bench_context.h"
#include "benchmarks.h"
#include "figures_table.h"
#include "raw_engine.h"

#include "store/user_database.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace bench {

namespace {

QString loginDatabase() { return QDir(context().loginFolder).filePath(userDatabaseFileName()); }

// Three older dated backups, as a user who logs in every day has them.
void placeOlderBackups() {
  for (int daysAgo : {1, 2, 3}) {
    const QString name = userDatabaseFileName() + QStringLiteral("(") +
                         context().lastDay.addDays(-daysAgo).toString(QStringLiteral("yyyyMMdd")) +
                         QStringLiteral(")");
    QFile backup(QDir(context().loginFolder).filePath(name));
    backup.open(QIODevice::WriteOnly);
  }
}

// The state the credential check leaves: the session on the user's database, its
// connection open.
void afterCredentialCheck() {
  // Every timing starts with nothing left to write out from the one before.
  ::sync();
  store::Session &s = store::session();
  s.setAppFolder(context().loginFolder);
  s.setDatabaseFileName(userDatabaseFileName());
  s.db();
}

void login() {
  store::PruneBackups();
  const store::BackupResult result = store::BackupAndCompact(context().loginFolder, userDatabaseFileName());
  require(result == store::BackupResult::Done, "the login's backup and compaction");
}

void afterLogin() {
  require(freePageCount(loginDatabase()) == 0, "a compacted database after the login");
  signInToWorkFolder();
}

QString floorBackup() { return loginDatabase() + QStringLiteral("(floor)"); }

} // namespace

void registerLoginBenchmarks() {
  add(
      "op/login, nothing to compact",
      [](benchmark::State &state) {
        raw::copyFile(context().files.compact, loginDatabase(), true);
        placeOlderBackups();
        timeEach(state, afterCredentialCheck, login);
        afterLogin();
      },
      7, 1);
  add(
      "floor/login, nothing to compact",
      [](benchmark::State &state) {
        timeEach(state, ::sync, [] { raw::copyFile(context().files.compact, floorBackup(), true); });
        QFile::remove(floorBackup());
      },
      7, 1);
  add(
      "info/plain copy, not flushed",
      [](benchmark::State &state) {
        timeEach(state, ::sync, [] { raw::copyFile(context().files.compact, floorBackup(), false); });
        QFile::remove(floorBackup());
        ::sync();
      },
      7, 1);

  add(
      "op/login, 5 % free pages",
      [](benchmark::State &state) {
        placeOlderBackups();
        timeEach(
            state,
            [] {
              store::session().closeConnection();
              raw::copyFile(context().files.withFreePages, loginDatabase(), true);
              afterCredentialCheck();
            },
            login);
        afterLogin();
      },
      3, 1);
  add(
      "floor/login, 5 % free pages",
      [](benchmark::State &state) {
        const QString target = QDir(context().loginFolder).filePath(QStringLiteral("floor-export.mdb"));
        timeEach(
            state,
            [] {
              raw::copyFile(context().files.withFreePages, loginDatabase(), true);
              ::sync();
            },
            [&] {
              raw::copyFile(loginDatabase(), floorBackup(), true);
              raw::exportTo(loginDatabase(), target);
            });
        QFile::remove(floorBackup());
        QFile::remove(target);
      },
      3, 1);

  addFigure({"login, nothing to compact (vs. flushed file copy)", "op/login, nothing to compact",
             "floor/login, nothing to compact", Goal::RatioAtMost, 1.2});
  addFigure({"login, 5 % free pages (vs. copy + raw export)", "op/login, 5 % free pages",
             "floor/login, 5 % free pages", Goal::RatioAtMost, 1.2});
  addFigure(
      {"plain file copy, not flushed (for reference)", "info/plain copy, not flushed", "", Goal::None, 0});
}

} // namespace bench
