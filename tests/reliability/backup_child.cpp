// Runs what a login runs on the user database, nothing else, so a test can kill it
// at any moment:  backup_child <application folder> <database file name>
// Prints "working" when it starts on the files and "done <result>" at the end.
#include "store/user_database.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[]) {
  QCoreApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: backup_child <folder> <database file name>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString fileName = QString::fromLocal8Bit(argv[2]);
  store::session().setAppFolder(folder);
  store::session().setDatabaseFileName(fileName);
  std::printf("working\n");
  std::fflush(stdout);
  store::PruneBackups();
  const store::BackupResult result = store::BackupAndCompact(folder, fileName);
  std::printf("done %d\n", int(result));
  std::fflush(stdout);
  return result == store::BackupResult::Failed ? 1 : 0;
}
