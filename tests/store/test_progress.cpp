#include "store/database.h"
#include "store/progress.h"
#include "store/user_database.h"
#include "support/test_support.h"

#include <QTest>

using namespace testing_support;

// A login waits for the daily backup: the copy and the compaction must both report
// while they run, or the waiting window freezes unrepainted.
class TestProgress : public QObject {
  Q_OBJECT
private slots:
  void backupAndCompactionReportWhileTheyRun() {
    TempAppFolder folder;
    const QString path = folder.makeUser(QStringLiteral("anna"), QStringLiteral("pass"));
    {
      store::Database db(path);
      store::Transaction tx(db);
      auto insert = db.prepare("INSERT INTO Trade (Ticket, Notes) VALUES (?, ?);");
      for (int i = 0; i < 4000; ++i) {
        insert.reset();
        insert.bind(1, QString::number(40500001 + i)).bind(2, QString(200, QLatin1Char('n'))).run();
      }
      tx.commit();
      db.exec("DELETE FROM Trade WHERE No % 2 = 0;"); // leaves free pages to reclaim
    }
    QList<double> reports;
    {
      store::ProgressScope scope([&](double fraction) { reports.append(fraction); });
      QCOMPARE(store::BackupAndCompact(folder.path(), QStringLiteral("Trade-anna.mdb")),
               store::BackupResult::Done);
    }
    QVERIFY2(reports.contains(1.0), "the backup copy never reported its end");
    QVERIFY2(reports.contains(-1.0), "the compaction never reported");
    for (double f : reports)
      QVERIFY(f == -1.0 || (f >= 0.0 && f <= 1.0));

    // Outside the scope nothing is called any more.
    reports.clear();
    store::reportProgress(0.5);
    QVERIFY(reports.isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestProgress)
#include "test_progress.moc"
