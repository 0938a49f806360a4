#include "app/clock.h"
#include "store/database.h"
#include "store/file_ops.h"
#include "store/user_database.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace testing_support;

namespace {

const QString kDb = QStringLiteral("Trade-anna.mdb");

void touch(const QString &path) {
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write("x");
}

QStringList filesIn(const QString &folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

qint64 scalar(const QString &path, const char *sql) {
  store::Database db(path);
  auto q = db.prepare(sql);
  q.step();
  return q.integer(0);
}

// Fills Trade, then deletes most of it so the file has free pages to give back.
void fillAndThin(const QString &path, int rows) {
  store::Database db(path);
  store::Transaction tx(db);
  auto insert = db.prepare("INSERT INTO Trade (Ticket, Notes) VALUES (?, ?);");
  for (int i = 0; i < rows; ++i) {
    insert.reset();
    insert.bind(1, QStringLiteral("T%1").arg(i)).bind(2, QString(400, QLatin1Char('n'))).run();
  }
  db.prepare("DELETE FROM Trade WHERE No % 4 <> 0 OR No > ?;").bind(1, rows - 100).run();
  tx.commit();
}

} // namespace

class TestBackup : public QObject {
  Q_OBJECT
private slots:
  void cleanup() { store::fileops::failAtCall(0); }

  void pruneKeepsTheThreeNewest_data() {
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("gone");
    const auto b = [](const char *date) {
      return kDb + QStringLiteral("(") + QLatin1String(date) + QStringLiteral(")");
    };
    QTest::newRow("three or fewer: nothing goes")
        << QStringList{b("20100101"), b("20100102"), b("20100103")} << QStringList{};
    QTest::newRow("four: the oldest goes")
        << QStringList{b("20100104"), b("20100101"), b("20100103"), b("20100102")}
        << QStringList{b("20100101")};
    QTest::newRow("a future date counts among the newest")
        << QStringList{b("20100101"), b("20100102"), b("20100103"), b("29991231")}
        << QStringList{b("20100101")};
    QTest::newRow("dateless look-alikes never go") << QStringList{kDb + QStringLiteral(".bak"),
                                                                  kDb + QStringLiteral("(old)"),
                                                                  b("20100101"),
                                                                  b("20100102"),
                                                                  b("20100103"),
                                                                  b("20100104"),
                                                                  b("20100105")}
                                                   << QStringList{b("20100101"), b("20100102")};
    QTest::newRow("a copy left half-made goes and does not count")
        << QStringList{b("20100101") + QStringLiteral(".part"), b("20100102"), b("20100103"), b("20100104")}
        << QStringList{b("20100101") + QStringLiteral(".part")};
    QTest::newRow("another user's backups are not counted")
        << QStringList{QStringLiteral("Trade-bob.mdb(20100101)"), b("20100102"), b("20100103"), b("20100104")}
        << QStringList{};
  }
  void pruneKeepsTheThreeNewest() {
    QFETCH(QStringList, present);
    QFETCH(QStringList, gone);
    TempAppFolder folder;
    folder.makeUser(QStringLiteral("anna"), QStringLiteral("pass"));
    for (const QString &name : present)
      touch(folder.file(name));
    store::session().setDatabaseFileName(kDb);
    store::PruneBackups();
    for (const QString &name : present)
      QCOMPARE(QFileInfo::exists(folder.file(name)), !gone.contains(name));
    QVERIFY(QFileInfo::exists(folder.file(kDb)));
  }

  void loginDayKeepsFourWithTodays() {
    TempAppFolder folder;
    folder.makeUser(QStringLiteral("anna"), QStringLiteral("pass"));
    for (const char *date : {"20100125", "20100126", "20100127", "20100128"})
      touch(folder.file(kDb + QStringLiteral("(%1)").arg(QLatin1String(date))));
    app::setClockForTest(QDateTime(QDate(2010, 1, 29), QTime(8, 0)));
    store::session().setDatabaseFileName(kDb);
    store::PruneBackups();
    QCOMPARE(store::BackupAndCompact(folder.path(), kDb), store::BackupResult::Done);
    QCOMPARE(filesIn(folder.path()).filter(QStringLiteral("Trade-anna.mdb(")),
             (QStringList{kDb + "(20100126)", kDb + "(20100127)", kDb + "(20100128)", kDb + "(20100129)"}));
    QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("temp.mdb"))));
  }

  void sameDayBackupIsReplaced() {
    TempAppFolder folder;
    const QString path = folder.makeUser(QStringLiteral("anna"), QStringLiteral("pass"));
    app::setClockForTest(QDateTime(QDate(2010, 1, 29), QTime(8, 0)));
    const QString backup = path + QStringLiteral("(20100129)");
    QCOMPARE(store::BackupAndCompact(folder.path(), kDb), store::BackupResult::Done);
    QCOMPARE(scalar(backup, "SELECT COUNT(*) FROM Trade;"), 0);
    {
      store::Database db(path);
      db.exec("INSERT INTO Trade (Ticket) VALUES ('40500001');");
    }
    QCOMPARE(store::BackupAndCompact(folder.path(), kDb), store::BackupResult::Done);
    QCOMPARE(scalar(backup, "SELECT COUNT(*) FROM Trade;"), 1);
  }

  void missingDatabaseDoesNothing() {
    TempAppFolder folder;
    const QStringList before = filesIn(folder.path());
    QCOMPARE(store::BackupAndCompact(folder.path(), kDb), store::BackupResult::NoDatabase);
    QCOMPARE(filesIn(folder.path()), before);
  }

  void freePagesAreGivenBack() {
    TempAppFolder folder;
    const QString path = folder.makeUser(QStringLiteral("anna"), QStringLiteral("pass"));
    fillAndThin(path, 2000);
    QVERIFY(scalar(path, "PRAGMA freelist_count;") > 0);
    const qint64 sizeBefore = QFileInfo(path).size();

    QCOMPARE(store::BackupAndCompact(folder.path(), kDb), store::BackupResult::Done);
    QVERIFY(QFileInfo(path).size() < sizeBefore);
    QCOMPARE(scalar(path, "PRAGMA freelist_count;"), 0);
    QCOMPARE(scalar(path, "SELECT COUNT(*) FROM Trade;"), 475);
    QCOMPARE(scalar(path, "SELECT COUNT(*) FROM Setting WHERE UserID = 'anna';"), 1);
    // Rows keep counting on from the highest number ever given, not the highest left.
    {
      store::Database db(path);
      db.exec("INSERT INTO Trade (Ticket) VALUES ('next');");
    }
    QCOMPARE(scalar(path, "SELECT MAX(No) FROM Trade;"), 2001);
  }

  // The login's connection is used for the backup; whatever follows the backup is
  // written into the file that stays, compacted or not.
  void writesAfterTheBackupLandInTheDatabase_data() {
    QTest::addColumn<bool>("freePages");
    QTest::newRow("nothing to compact") << false;
    QTest::newRow("compacted") << true;
  }
  void writesAfterTheBackupLandInTheDatabase() {
    QFETCH(bool, freePages);
    TempAppFolder folder;
    const QString path = folder.signIn(QStringLiteral("anna"));
    if (freePages)
      fillAndThin(path, 800);
    const qint64 rows = scalar(path, "SELECT COUNT(*) FROM Trade;");
    store::session().db(); // opened by the credential check

    QCOMPARE(store::BackupAndCompact(folder.path(), kDb), store::BackupResult::Done);
    store::session().db().exec("INSERT INTO Trade (Ticket) VALUES ('after');");
    store::session().closeConnection();
    QCOMPARE(scalar(path, "SELECT COUNT(*) FROM Trade;"), rows + 1);
    QCOMPARE(scalar(path, "PRAGMA freelist_count;"), 0);
  }

  // Every file operation of a backup in turn fails: the database always opens with
  // its key and holds every row.
  void failureAtAnyStepLeavesTheDatabaseWhole_data() {
    QTest::addColumn<int>("failingCall");
    for (int n = 1; n <= 4; ++n)
      QTest::newRow(qPrintable(QStringLiteral("operation %1").arg(n))) << n;
  }
  void failureAtAnyStepLeavesTheDatabaseWhole() {
    QFETCH(int, failingCall);
    TempAppFolder folder;
    const QString path = folder.makeUser(QStringLiteral("anna"), QStringLiteral("pass"));
    fillAndThin(path, 800);
    touch(folder.file(QStringLiteral("temp.mdb"))); // left by an earlier run
    const qint64 rows = scalar(path, "SELECT COUNT(*) FROM Trade;");

    store::fileops::failAtCall(failingCall);
    const store::BackupResult result = store::BackupAndCompact(folder.path(), kDb);
    const int operations = store::fileops::callCount();
    store::fileops::failAtCall(0);

    if (failingCall <= operations)
      QCOMPARE(result, store::BackupResult::Failed);
    QCOMPARE(scalar(path, "SELECT COUNT(*) FROM Trade;"), rows);
    QCOMPARE(scalar(path, "SELECT COUNT(*) FROM Setting WHERE UserID = 'anna';"), 1);
    QVERIFY(!QFileInfo::exists(path + QStringLiteral(".part")));
  }

  void isOstrineReadsTheFacilityCode_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("ostrine");
    QTest::newRow("Ostrine") << "40500000" << true;
    QTest::newRow("Tavrel DC") << "10500000" << false;
    QTest::newRow("letter code") << "B0500000" << false;
    QTest::newRow("no profile") << "" << false;
  }
  void isOstrineReadsTheFacilityCode() {
    QFETCH(QString, code);
    QFETCH(bool, ostrine);
    TempAppFolder folder;
    folder.signIn(QStringLiteral("anna"), QStringLiteral("pass"), code);
    QCOMPARE(store::Is_Ostrine(), ostrine);
  }

  void otherLetterCaseFindsTheStoredName() {
    TempAppFolder folder;
    folder.makeUser(QStringLiteral("anna"), QStringLiteral("pass"));
    QCOMPARE(store::findFileName(folder.path(), QStringLiteral("Trade-ANNA.mdb")), kDb);
    QCOMPARE(store::findFileName(folder.path(), QStringLiteral("Trade-bob.mdb")), QString());
    QCOMPARE(store::findFileName(folder.path(), QStringLiteral("../Trade-anna.mdb")), QString());
  }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "test_backup.moc"
