// Nothing readable at rest: every user database, dated backup and compacted copy is
// encrypted, passwords are kept only as argon2id strings, and no SQL text in the
// sources is built from values.
#include "store/database.h"
#include "store/setting_table.h"
#include "store/user_database.h"

#include "login/shell_fixture.h"

#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <sqlcipher/sqlite3.h>

namespace {

QByteArray bytesOf(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// True when the file reads as a database without the key.
bool readableWithoutKey(const QString &path) {
  sqlite3 *db = nullptr;
  bool readable = false;
  if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
    readable =
        sqlite3_exec(db, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_close(db);
  return readable;
}

QString cipherVersion(const QString &path) {
  store::Database db(path);
  auto q = db.prepare("PRAGMA cipher_version;");
  return q.step() ? q.text(0) : QString();
}

// A string literal holding SQL next to a "+" or followed by ".arg(": SQL text made from
// values. Adjacent literals ("SELECT ..." "WHERE ...") are one literal and pass.
const QRegularExpression &builtSql() {
  static const QRegularExpression re(
      QStringLiteral(
          R"re("[^"\n]*\b(SELECT|INSERT|UPDATE|DELETE|WHERE|LIKE)\b[^"\n]*"\s*\)?\s*(\+|\.arg\s*\(|%))re"
          R"re(|\+\s*(QStringLiteral\s*\(|QLatin1String\s*\(|QString\s*\()?\s*"[^"\n]*\b(SELECT|INSERT|UPDATE|DELETE|WHERE|LIKE)\b)re"),
      QRegularExpression::MultilineOption);
  return re;
}

} // namespace

class TestStoredSecrets : public QObject {
  Q_OBJECT
private slots:
  void init() { app::setSplashDurationForTest(0); }

  // A registration through the windows, then a login with its backup and compaction:
  // every file on disk is encrypted and holds neither the password nor the ID in clear.
  void databasesAndBackupsAreEncrypted() {
    Shell shell;
    shell.control<QRadioButton>("frmPassword", "optNewReg")->click();
    shell.control<QLineEdit>("frmChangePSW", "tbNewUserID")->setText(QStringLiteral("zelda"));
    shell.control<QLineEdit>("frmChangePSW", "tbNewPSW")->setText(QStringLiteral("Sw0rdfish!"));
    shell.control<QLineEdit>("frmChangePSW", "tbConfirmPSW")->setText(QStringLiteral("Sw0rdfish!"));
    shell.control<QPushButton>("frmChangePSW", "btnOK")->click();
    QVERIFY(shell.child("frmEmployeeInfo"));
    const QString db = shell.folder.file(QStringLiteral("Trade-zelda.mdb"));

    // The password is kept as an argon2id string only.
    store::session().closeConnection();
    {
      store::Database open(db);
      const auto row = store::readFirstSetting(open);
      QVERIFY(row);
      QVERIFY2(row->password.startsWith(QLatin1String("$argon2id$")), qPrintable(row->password));
      QVERIFY(!row->password.contains(QLatin1String("Sw0rdfish")));
      // Free pages, so the login's compaction writes a new file.
      open.exec("INSERT INTO Trade (Ticket, Notes) VALUES ('scratch', zeroblob(90000));"
                "DELETE FROM Trade WHERE Ticket = 'scratch';");
    }
    store::session().reset();
    store::session().setAppFolder(shell.folder.path());
    store::session().setDatabaseFileName(QStringLiteral("Trade-zelda.mdb"));
    QCOMPARE(store::BackupAndCompact(shell.folder.path(), QStringLiteral("Trade-zelda.mdb")),
             store::BackupResult::Done);

    QStringList files{shell.folder.file(QStringLiteral("VarnelBase"))};
    for (const QString &name : QDir(shell.folder.path()).entryList({QStringLiteral("Trade-*")}, QDir::Files))
      files << shell.folder.file(name);
    QCOMPARE(files.size(), 3); // template, database, today's backup
    for (const QString &path : files) {
      const QByteArray bytes = bytesOf(path);
      QVERIFY2(!bytes.startsWith("SQLite format 3"), qPrintable(path));
      QVERIFY2(!bytes.contains("zelda") && !bytes.contains("argon2id") && !bytes.contains("CREATE TABLE"),
               qPrintable(path));
      QVERIFY2(!readableWithoutKey(path), qPrintable(path));
      QVERIFY2(!cipherVersion(path).isEmpty(), qPrintable(path));
    }
  }

  void sqlBuiltFromValuesIsFound_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("built");
    QTest::newRow("bound") << R"(db.prepare("SELECT * FROM Trade WHERE Ticket = ?;").bind(1, t);)" << false;
    QTest::newRow("adjacent literals") << "\"SELECT No FROM Trade\"\n    \" WHERE Door = ?\"" << false;
    QTest::newRow("message") << R"(showMessage(QStringLiteral("Update error!") + name);)" << false;
    QTest::newRow("value appended")
        << R"(db.exec(("SELECT * FROM Trade WHERE Ticket='" + t + "'").toUtf8());)" << true;
    QTest::newRow("value in front") << R"(q = name + QStringLiteral(" LIKE '%");)" << true;
    QTest::newRow("on the next line")
        << "QString sql = \"DELETE FROM Vendor WHERE Vendor = '\"\n    + v;" << true;
    QTest::newRow("arg") << R"(QStringLiteral("UPDATE Setting SET UserID = '%1'").arg(id))" << true;
  }
  void sqlBuiltFromValuesIsFound() {
    QFETCH(QString, code);
    QFETCH(bool, built);
    QCOMPARE(builtSql().match(code).hasMatch(), built);
  }

  void noSqlInTheSourcesIsBuiltFromValues() {
    QStringList offenders;
    int files = 0;
    QDirIterator it(QStringLiteral(VARNEL_SOURCE_DIR "/src"),
                    {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString path = it.next();
      ++files;
      const QString source = QString::fromUtf8(bytesOf(path));
      auto matches = builtSql().globalMatch(source);
      while (matches.hasNext()) {
        const auto m = matches.next();
        const int line = int(source.left(m.capturedStart()).count(QLatin1Char('\n'))) + 1;
        offenders << QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(m.captured().simplified());
      }
    }
    QVERIFY(files > 0);
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
  }
};

QTEST_MAIN(TestStoredSecrets)
#include "test_stored_secrets.moc"
