// The login's backup and compaction killed outright (as by a power cut or the task
// manager) at many moments: the database must still open with its key and hold every
// ticket, and the next login must clean up what the killed one left behind.
#include "app/clock.h"
#include "store/user_database.h"
#include "support/test_support.h"
#include "ticket_store.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <limits>

using reliability::Contents;

namespace {

const QString kDb = QStringLiteral("Trade-anna.mdb");
constexpr int kKillPoints = 50;

// Starts the child on the folder and waits until it is at work; the timer starts then.
bool startChild(QProcess &child, const QString &folder, QElapsedTimer &timer) {
  child.setProgram(QStringLiteral(BACKUP_CHILD));
  child.setArguments({folder, kDb});
  child.start();
  if (!child.waitForStarted(10000))
    return false;
  while (!child.canReadLine())
    if (!child.waitForReadyRead(20000))
      return false;
  timer.start();
  return child.readLine().trimmed() == "working";
}

// Names of leftovers a killed compaction or copy can leave.
QStringList leftovers(const QString &folder) {
  QStringList found;
  for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
    if (name.startsWith(QLatin1String("temp.mdb")) || name.endsWith(QLatin1String(".part")))
      found << name;
  return found;
}

} // namespace

class TestCrashDuringLogin : public QObject {
  Q_OBJECT

  QTemporaryDir master_;
  QString masterDb_;
  Contents original_;

private slots:
  void initTestCase() {
    testing_support::TempAppFolder folder;
    const QString made = folder.makeUser(QStringLiteral("anna"), QStringLiteral("pass"));
    QCOMPARE(reliability::fillTickets(made, 3000), 3000);
    masterDb_ = master_.filePath(kDb);
    QVERIFY(QFile::copy(made, masterDb_));
    original_ = reliability::contentsOf(masterDb_);
    QCOMPARE(original_.rows, 3000);
  }

  void killedAtAnyMomentLosesNothing() {
    // Undisturbed runs tell how long the work takes on this machine; the fastest one
    // sets the span, so the kill moments fall inside the work even on a busy machine.
    qint64 workMs = std::numeric_limits<qint64>::max();
    for (int run = 0; run < 3; ++run) {
      QTemporaryDir dir;
      QVERIFY(QFile::copy(masterDb_, dir.filePath(kDb)));
      QProcess child;
      QElapsedTimer timer;
      QVERIFY(startChild(child, dir.path(), timer));
      QVERIFY(child.waitForFinished(60000));
      workMs = std::min(workMs, timer.elapsed());
      QCOMPARE(child.exitCode(), 0);
      QCOMPARE(reliability::contentsOf(dir.filePath(kDb)), original_);
    }
    QVERIFY(workMs > 0);

    int killedAtWork = 0;
    QStringList leftoversSeen;
    for (int point = 0; point < kKillPoints; ++point) {
      QTemporaryDir dir;
      QVERIFY(QFile::copy(masterDb_, dir.filePath(kDb)));
      // Older dated backups, so the pruning is part of what gets interrupted.
      for (const char *date : {"20200101", "20200102", "20200103", "20200104", "20200105"})
        QVERIFY(QFile::copy(masterDb_, dir.filePath(kDb + QStringLiteral("(%1)").arg(QLatin1String(date)))));

      QProcess child;
      QElapsedTimer timer;
      QVERIFY(startChild(child, dir.path(), timer));
      // Kill moments spread evenly over the work, from its first instant to its end.
      const qint64 killAtUs = workMs * 1000 * point / kKillPoints;
      while (timer.nsecsElapsed() / 1000 < killAtUs && child.state() == QProcess::Running)
        QThread::usleep(200);
      if (child.state() == QProcess::Running) {
        child.kill(); // SIGKILL: no clean-up of any kind runs
        ++killedAtWork;
      }
      QVERIFY(child.waitForFinished(20000));

      const QString db = dir.filePath(kDb);
      QCOMPARE(reliability::integrityOf(db), QStringLiteral("ok"));
      QCOMPARE(reliability::contentsOf(db), original_);
      // A dated backup, once it carries its name, is a whole copy.
      const QString todays =
          db + QStringLiteral("(") + app::today().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(")");
      if (QFile::exists(todays))
        QCOMPARE(reliability::contentsOf(todays), original_);
      leftoversSeen << leftovers(dir.path());

      // The next login, in this process.
      store::session().reset();
      store::session().setAppFolder(dir.path());
      store::session().setDatabaseFileName(kDb);
      store::PruneBackups();
      QCOMPARE(store::BackupAndCompact(dir.path(), kDb), store::BackupResult::Done);
      store::session().reset();
      QCOMPARE(leftovers(dir.path()), QStringList());
      QCOMPARE(reliability::integrityOf(db), QStringLiteral("ok"));
      QCOMPARE(reliability::contentsOf(db), original_);
    }
    leftoversSeen.removeDuplicates();
    qInfo("work took %lld ms; %d of %d kills hit the running backup; leftovers seen: %s", workMs,
          killedAtWork, kKillPoints, qPrintable(leftoversSeen.join(QStringLiteral(", "))));
    // Most moments must really interrupt the work, or the test proves little.
    QVERIFY2(killedAtWork >= kKillPoints * 3 / 4, qPrintable(QString::number(killedAtWork)));
  }
};

QTEST_GUILESS_MAIN(TestCrashDuringLogin)
#include "test_crash_during_login.moc"
