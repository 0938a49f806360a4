// The user database held by another connection, damaged, keyed otherwise; the template
// gone; the application folder read-only: a clear message each time, the program goes
// on, nothing is deleted and nothing typed is lost.
#include "app/clock.h"
#include "app/date_text.h"
#include "store/database.h"
#include "ticket_store.h"
#include "tickets/ticket_form_state.h"

#include "login/shell_fixture.h"
#include "tickets/form_fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

#include <sqlcipher/sqlite3.h>
#include <unistd.h>

namespace {

const QString kBackupFailed = QStringLiteral("Please close MS Access software!");
const QString kUnreadable = QStringLiteral("The user database cannot be opened: the file is damaged or was "
                                           "not made by this program.");

void logIn(Shell &shell, const QString &id, const QString &password) {
  shell.control<QLineEdit>("frmPassword", "tbUserID")->setText(id);
  shell.control<QLineEdit>("frmPassword", "tbPassword")->setText(password);
  shell.control<QPushButton>("frmPassword", "btnOK")->click();
}

// Every file of a folder with its bytes.
QMap<QString, QByteArray> snapshot(const QString &folder) {
  QMap<QString, QByteArray> files;
  for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
    QFile f(QDir(folder).filePath(name));
    f.open(QIODevice::ReadOnly);
    files.insert(name, f.readAll());
  }
  return files;
}

// A database file written with another key: a real encrypted database, not ours.
void writeWithOtherKey(const QString &path) {
  QFile::remove(path);
  sqlite3 *db = nullptr;
  sqlite3_open(path.toUtf8().constData(), &db);
  sqlite3_key(db, "not-our-key", 11);
  sqlite3_exec(db,
               "CREATE TABLE Setting (UserID TEXT, Password TEXT); INSERT INTO Setting VALUES ('anna', 'x');",
               nullptr, nullptr, nullptr);
  sqlite3_close(db);
}

// Another program's connection in the middle of writing: it has changed a row and
// not committed yet.
struct OtherWriter {
  explicit OtherWriter(const QString &path) : db(path) {
    db.exec("BEGIN IMMEDIATE;");
    db.exec("INSERT INTO Trade (Ticket, Notes) VALUES ('other-program', 'typed elsewhere');");
  }
  void commit() { db.exec("COMMIT;"); }
  store::Database db;
};

// Another program holding the file exclusively (a commit in progress, or a lock taken
// on purpose).
struct ExclusiveHolder {
  explicit ExclusiveHolder(const QString &path) : db(path) {
    db.exec("BEGIN EXCLUSIVE;");
    db.exec("UPDATE Setting SET UserID = UserID;");
  }
  store::Database db;
};

qint64 rowsWithTicket(const QString &path, const QString &ticket) {
  store::Database db(path);
  auto q = db.prepare("SELECT COUNT(*) FROM Trade WHERE Ticket = ?;");
  q.bind(1, ticket);
  q.step();
  return q.integer(0);
}

bool unprivilegedChild() { return qEnvironmentVariableIsSet("VARNEL_UNPRIVILEGED_CHILD"); }

} // namespace

class TestHostileEnvironment : public QObject {
  Q_OBJECT
private slots:
  void init() {
    app::setSplashDurationForTest(0);
    tickets::setCurrentTradeDate(QDate());
  }

  // Another program writing to the database while the user logs in: the compaction
  // is refused, the login goes on, and the other program's work is not lost.
  void databaseInUseAtLogin() {
    Shell shell;
    const QString db = shell.folder.makeUser(QStringLiteral("anna"), QStringLiteral("secret"),
                                             QStringLiteral("10500000"), QStringLiteral("Tavrel DC"));
    reliability::fillTickets(db, 300);
    const qint64 rowsBefore = reliability::contentsOf(db).rows;
    {
      OtherWriter other(db);
      logIn(shell, QStringLiteral("anna"), QStringLiteral("secret"));
      QCOMPARE(shell.messages.texts(), QStringList{kBackupFailed});
      QVERIFY(shell.workingMenuEnabled());
      other.commit();
    }
    store::session().closeConnection();
    QCOMPARE(rowsWithTicket(db, QStringLiteral("other-program")), 1);
    QCOMPARE(reliability::integrityOf(db), QStringLiteral("ok"));
    QCOMPARE(reliability::contentsOf(db).rows, rowsBefore + 1);
  }

  void databaseHeldExclusivelyAtLogin() {
    Shell shell;
    const QString db = shell.folder.makeUser(QStringLiteral("anna"), QStringLiteral("secret"));
    const auto before = snapshot(shell.folder.path());
    {
      ExclusiveHolder holder(db);
      logIn(shell, QStringLiteral("anna"), QStringLiteral("secret"));
    }
    QCOMPARE(shell.messages.texts().size(), 1);
    QVERIFY2(shell.messages.last().contains(QStringLiteral("in use")), qPrintable(shell.messages.last()));
    QVERIFY(shell.child("frmPassword"));
    QCOMPARE(snapshot(shell.folder.path()), before);
    // Once the other program lets go, the same login goes through.
    shell.messages.clear();
    logIn(shell, QStringLiteral("anna"), QStringLiteral("secret"));
    QCOMPARE(shell.messages.texts(), QStringList{});
    QVERIFY(shell.workingMenuEnabled());
  }

  void databaseInUseWhileSavingOrClosing_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("Save of a new ticket") << "btnSave2"
                                          << "Insert error!";
    QTest::newRow("Close of a saved ticket") << "btnClose"
                                             << "Update error!";
  }
  void databaseInUseWhileSavingOrClosing() {
    QFETCH(QString, button);
    QFETCH(QString, message);
    FormFixture f;
    tickets::TicketForm *form = f.openNew();
    choose(form, "optCheck");
    type(form, "tbTruck", QStringLiteral("T-1"));
    child<QPlainTextEdit>(form, "tbNotes")->setPlainText(QStringLiteral("left door\nwet"));
    const QString ticket = text(form, "tbTicket");
    if (button == QLatin1String("btnClose")) {
      press(form, "btnSave2");
      QCOMPARE(f.messages.last(), QStringLiteral("Your job is updated!"));
    }
    type(form, "tbTrailer", QStringLiteral("TR-9"));
    QMap<QString, QString> typed;
    for (const char *name : {"tbTruck", "tbTrailer", "tbNotes", "tbTicket", "tbDoor"})
      typed.insert(QLatin1String(name), text(form, name));
    const QString path = store::session().databasePath();
    const QString exportFile =
        f.folder.file(app::folderDateText(app::today()) + QStringLiteral("/u1-myFile.csv"));
    {
      ExclusiveHolder holder(path);
      f.messages.clear();
      press(form, button.toLatin1().constData());
      QCOMPARE(f.messages.texts(), QStringList{message});
    }
    QCOMPARE(tickets::TicketForm::instance(tickets::FormMode::NewDoor), form);
    for (auto it = typed.cbegin(); it != typed.cend(); ++it)
      QCOMPARE(text(form, it.key().toLatin1().constData()), it.value());
    QVERIFY(!QFile::exists(exportFile));
    // Free again: the same button does the work with what was kept.
    f.messages.clear();
    press(form, button.toLatin1().constData());
    QVERIFY(f.messages.texts().contains(message == QLatin1String("Insert error!")
                                            ? QStringLiteral("Your job is updated!")
                                            : QStringLiteral("Your job is closed!")));
    QCOMPARE(stored(ticket, "Trailer").toString(), QStringLiteral("TR-9"));
  }

  void unreadableDatabase_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("random bytes") << "random";
    QTest::newRow("another key") << "key";
    QTest::newRow("empty file") << "empty";
    QTest::newRow("cut short") << "truncated";
  }
  void unreadableDatabase() {
    QFETCH(QString, kind);
    Shell shell;
    const QString db = shell.folder.makeUser(QStringLiteral("anna"), QStringLiteral("secret"));
    QFile f(db);
    if (kind == QLatin1String("key")) {
      writeWithOtherKey(db);
    } else if (kind == QLatin1String("truncated")) {
      f.resize(f.size() / 3);
    } else {
      QByteArray noise(kind == QLatin1String("empty") ? 0 : 64 * 1024, '\0');
      QRandomGenerator rng(7);
      for (char &c : noise)
        c = char(rng.bounded(256));
      f.open(QIODevice::WriteOnly | QIODevice::Truncate);
      f.write(noise);
      f.close();
    }
    const auto before = snapshot(shell.folder.path());
    logIn(shell, QStringLiteral("anna"), QStringLiteral("secret"));
    QCOMPARE(shell.messages.texts(), QStringList{kUnreadable});
    QVERIFY(shell.child("frmPassword"));
    QVERIFY(!shell.workingMenuEnabled());
    // A change of ID from the unreadable file: refused, nothing made, nothing deleted.
    shell.control<QRadioButton>("frmPassword", "optPassword")->click();
    shell.control<QLineEdit>("frmChangePSW", "tbCurrentUserID")->setText(QStringLiteral("anna"));
    shell.control<QLineEdit>("frmChangePSW", "tbNewUserID")->setText(QStringLiteral("bob"));
    shell.control<QLineEdit>("frmChangePSW", "tbCurrentPSW")->setText(QStringLiteral("secret"));
    shell.control<QLineEdit>("frmChangePSW", "tbNewPSW")->setText(QStringLiteral("better"));
    shell.control<QLineEdit>("frmChangePSW", "tbConfirmPSW")->setText(QStringLiteral("better"));
    shell.control<QPushButton>("frmChangePSW", "btnOK")->click();
    QCOMPARE(shell.messages.last(), kUnreadable);
    QCOMPARE(snapshot(shell.folder.path()), before);
  }

  void missingTemplate() {
    Shell shell;
    QVERIFY(QFile::remove(shell.folder.file(QStringLiteral("VarnelBase"))));
    const auto before = snapshot(shell.folder.path());
    shell.control<QRadioButton>("frmPassword", "optNewReg")->click();
    shell.control<QLineEdit>("frmChangePSW", "tbNewUserID")->setText(QStringLiteral("newbie"));
    shell.control<QLineEdit>("frmChangePSW", "tbNewPSW")->setText(QStringLiteral("pass1"));
    shell.control<QLineEdit>("frmChangePSW", "tbConfirmPSW")->setText(QStringLiteral("pass1"));
    shell.control<QPushButton>("frmChangePSW", "btnOK")->click();
    QVERIFY2(shell.messages.last().contains(QStringLiteral("VarnelBase")), qPrintable(shell.messages.last()));
    QVERIFY(shell.child("frmChangePSW"));
    QCOMPARE(snapshot(shell.folder.path()), before);
  }

  // The folder's permissions do not bind the superuser: as root each check runs again
  // in a child process that has given up its privileges.
  void readOnlyFolderAtLogin() {
    bool skipped = false;
    if (rerunUnprivileged("readOnlyFolderAtLogin", skipped)) {
      if (skipped)
        QSKIP("no unprivileged user to run the check as");
      return;
    }
    Shell shell;
    const QString db = shell.folder.makeUser(QStringLiteral("anna"), QStringLiteral("secret"),
                                             QStringLiteral("10500000"), QStringLiteral("Tavrel DC"));
    reliability::fillTickets(db, 200);
    const auto before = snapshot(shell.folder.path());
    QVERIFY(QFile::setPermissions(shell.folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    logIn(shell, QStringLiteral("anna"), QStringLiteral("secret"));
    QFile::setPermissions(shell.folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(shell.messages.texts(), QStringList{kBackupFailed});
    QVERIFY(shell.workingMenuEnabled());
    store::session().closeConnection();
    QCOMPARE(snapshot(shell.folder.path()), before);
  }

  void readOnlyFolderAtRegistration() {
    bool skipped = false;
    if (rerunUnprivileged("readOnlyFolderAtRegistration", skipped)) {
      if (skipped)
        QSKIP("no unprivileged user to run the check as");
      return;
    }
    Shell shell;
    const auto before = snapshot(shell.folder.path());
    QVERIFY(QFile::setPermissions(shell.folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    shell.control<QRadioButton>("frmPassword", "optNewReg")->click();
    shell.control<QLineEdit>("frmChangePSW", "tbNewUserID")->setText(QStringLiteral("newbie"));
    shell.control<QLineEdit>("frmChangePSW", "tbNewPSW")->setText(QStringLiteral("pass1"));
    shell.control<QLineEdit>("frmChangePSW", "tbConfirmPSW")->setText(QStringLiteral("pass1"));
    shell.control<QPushButton>("frmChangePSW", "btnOK")->click();
    QFile::setPermissions(shell.folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(shell.messages.last(),
             QStringLiteral("The database for the new ID could not be made; nothing was changed."));
    QVERIFY(shell.child("frmChangePSW"));
    QCOMPARE(snapshot(shell.folder.path()), before);
  }

private:
  // As root: runs the named test in a child process as the unprivileged user and
  // reports its result; true when the caller has nothing more to do.
  bool rerunUnprivileged(const char *testName, bool &skipped) {
    if (geteuid() != 0 || unprivilegedChild())
      return false;
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QLatin1String(testName)});
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VARNEL_UNPRIVILEGED_CHILD"), QStringLiteral("1"));
    env.insert(QStringLiteral("TMPDIR"), QStringLiteral("/tmp"));
    env.insert(QStringLiteral("HOME"), QStringLiteral("/tmp"));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    child.setProcessEnvironment(env);
    child.setChildProcessModifier([] {
      if (setgid(65534) != 0 || setuid(65534) != 0)
        _exit(77);
    });
    child.start();
    [&] { QVERIFY(child.waitForFinished(120000)); }();
    const QByteArray output = child.readAllStandardOutput() + child.readAllStandardError();
    skipped = child.exitCode() == 77;
    if (skipped)
      return true;
    [&] {
      QVERIFY2(child.exitCode() == 0, output.constData());
      QVERIFY2(output.contains(QByteArray("PASS   : TestHostileEnvironment::") + testName),
               output.constData());
    }();
    return true;
  }
};

QTEST_MAIN(TestHostileEnvironment)
#include "test_hostile_environment.moc"
