// Every file operation of the daily backup and compaction, a registration, a change of
// ID, a signature save and the export of a closed job fails in turn: the user is told,
// the program goes on, no database is lost or half-written, no export line is cut.
#include "app/clock.h"
#include "app/date_text.h"
#include "export/csv_export.h"
#include "signature/signature_pad.h"
#include "store/file_ops.h"
#include "ticket_store.h"
#include "tickets/ticket_form_state.h"

#include "login/shell_fixture.h"
#include "tickets/form_fixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>

#include <csignal>
#include <sys/resource.h>

using reliability::Contents;

namespace {

const QString kBackupFailed = QStringLiteral("Please close MS Access software!");

QStringList filesIn(const QString &folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QStringList partFiles(const QString &folder) {
  QStringList parts;
  QDirIterator it(folder, {QStringLiteral("*.part")}, QDir::Files | QDir::Hidden,
                  QDirIterator::Subdirectories);
  while (it.hasNext())
    parts << it.next();
  return parts;
}

QByteArray bytesOf(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The number of file operations a flow makes when nothing fails.
template <typename Flow> int operationsOf(Flow flow) {
  store::fileops::failAtCall(0);
  flow();
  return store::fileops::callCount();
}

void logIn(Shell &shell, const QString &id, const QString &password) {
  shell.control<QLineEdit>("frmPassword", "tbUserID")->setText(id);
  shell.control<QLineEdit>("frmPassword", "tbPassword")->setText(password);
  shell.control<QPushButton>("frmPassword", "btnOK")->click();
}

struct Credentials {
  QString currentId, newId, currentPassword, newPassword;
};

void submitCredentials(Shell &shell, const char *option, const Credentials &c) {
  shell.control<QRadioButton>("frmPassword", option)->click();
  auto box = [&](const char *name) { return shell.control<QLineEdit>("frmChangePSW", name); };
  if (box("tbCurrentUserID")->isEnabled())
    box("tbCurrentUserID")->setText(c.currentId);
  box("tbNewUserID")->setText(c.newId);
  if (box("tbCurrentPSW")->isEnabled())
    box("tbCurrentPSW")->setText(c.currentPassword);
  box("tbNewPSW")->setText(c.newPassword);
  box("tbConfirmPSW")->setText(c.newPassword);
  shell.control<QPushButton>("frmChangePSW", "btnOK")->click();
}

// Lets one write through up to `bytes` more than the file holds, as a nearly full
// disk does, for as long as it lives.
class FileSizeLimit {
public:
  explicit FileSizeLimit(rlim_t limit) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

} // namespace

class TestFileFaults : public QObject {
  Q_OBJECT
private slots:
  void init() {
    app::setSplashDurationForTest(0);
    tickets::setCurrentTradeDate(QDate());
  }
  void cleanup() {
    store::fileops::failAtCall(0);
    app::setClockForTest({});
  }

  // Login with old backups to prune and a "temp.mdb" left by a crash.
  void loginGoesOnWhateverOperationFails() {
    const auto prepare = [](Shell &shell) {
      const QString db = shell.folder.makeUser(QStringLiteral("anna"), QStringLiteral("secret"),
                                               QStringLiteral("10500000"), QStringLiteral("Tavrel DC"));
      reliability::fillTickets(db, 400);
      for (const char *date : {"20260101", "20260102", "20260103", "20260104", "20260105"})
        QFile::copy(db, db + QStringLiteral("(%1)").arg(QLatin1String(date)));
      QFile f(shell.folder.file(QStringLiteral("temp.mdb")));
      f.open(QIODevice::WriteOnly);
      f.write("left by a crash");
      return db;
    };
    app::setClockForTest(QDateTime(QDate(2026, 3, 9), QTime(7, 0)));
    int operations = 0;
    {
      Shell shell;
      prepare(shell);
      operations = operationsOf([&] { logIn(shell, QStringLiteral("anna"), QStringLiteral("secret")); });
      QVERIFY(shell.messages.texts().isEmpty());
    }
    // Two old backups pruned, today's copied, the crash's temp.mdb removed, the
    // compacted file renamed into place.
    QCOMPARE(operations, 5);
    for (int failing = 1; failing <= operations; ++failing) {
      Shell shell;
      const QString db = prepare(shell);
      const Contents before = reliability::contentsOf(db);
      store::fileops::failAtCall(failing);
      logIn(shell, QStringLiteral("anna"), QStringLiteral("secret"));
      store::fileops::failAtCall(0);
      const bool pruning = failing <= 2; // a backup that cannot go simply stays
      QCOMPARE(shell.messages.texts(), pruning ? QStringList{} : QStringList{kBackupFailed});
      QVERIFY2(shell.workingMenuEnabled(), "the login goes on");
      QVERIFY(!shell.child("frmPassword"));
      store::session().closeConnection();
      QCOMPARE(reliability::integrityOf(db), QStringLiteral("ok"));
      QCOMPARE(reliability::contentsOf(db), before);
      QCOMPARE(partFiles(shell.folder.path()), QStringList());
    }
  }

  void registrationCopyFailsCleanly() {
    Shell shell;
    const Credentials c{QString(), QStringLiteral("newbie"), QString(), QStringLiteral("pass1")};
    const QStringList before = filesIn(shell.folder.path());
    store::fileops::failAtCall(1);
    submitCredentials(shell, "optNewReg", c);
    store::fileops::failAtCall(0);
    QCOMPARE(shell.messages.last(),
             QStringLiteral("The database for the new ID could not be made; nothing was changed."));
    QCOMPARE(filesIn(shell.folder.path()), before);
    QVERIFY(shell.child("frmChangePSW"));
    // Once the disk is back, the same registration goes through.
    submitCredentials(shell, "optNewReg", c);
    QVERIFY(shell.child("frmEmployeeInfo"));
    QVERIFY(QFile::exists(shell.folder.file(QStringLiteral("Trade-newbie.mdb"))));
  }

  void changeOfIdNeverLosesTheTickets() {
    const Credentials c{QStringLiteral("anna"), QStringLiteral("bob"), QStringLiteral("secret"),
                        QStringLiteral("better")};
    const auto prepare = [](Shell &shell) {
      const QString db = shell.folder.makeUser(QStringLiteral("anna"), QStringLiteral("secret"));
      reliability::fillTickets(db, 200);
      return reliability::contentsOf(db).digest;
    };
    int operations = 0;
    {
      Shell shell;
      prepare(shell);
      operations = operationsOf([&] { submitCredentials(shell, "optPassword", c); });
    }
    QCOMPARE(operations, 2); // copy to the new name, removal of the old
    for (int failing = 1; failing <= operations; ++failing) {
      Shell shell;
      prepare(shell);
      const QString oldDb = shell.folder.file(QStringLiteral("Trade-anna.mdb"));
      const qint64 rows = reliability::contentsOf(oldDb).rows;
      store::fileops::failAtCall(failing);
      submitCredentials(shell, "optPassword", c);
      store::fileops::failAtCall(0);
      QCOMPARE(partFiles(shell.folder.path()), QStringList());
      const QString newDb = shell.folder.file(QStringLiteral("Trade-bob.mdb"));
      if (failing == 1) {
        QCOMPARE(shell.messages.last(),
                 QStringLiteral("The database could not be copied to the new ID; nothing was changed."));
        QVERIFY(!QFile::exists(newDb));
        QCOMPARE(reliability::contentsOf(oldDb).rows, rows);
        QVERIFY(shell.child("frmChangePSW"));
      } else {
        // The old file could not go: the tickets are under the new ID all the same.
        QCOMPARE(reliability::contentsOf(newDb).rows, rows);
      }
    }
  }

  void signatureSaveFailsWithoutTouchingThePad() {
    FormFixture f;
    tickets::TicketForm *form = f.openNew();
    choose(form, "optCash");
    QTest::mouseClick(child<QLabel>(form, "Picture2"), Qt::LeftButton);
    signature::SignaturePad *pad = signature::SignaturePad::instance();
    QVERIFY(pad);
    QTest::mousePress(pad, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseMove(pad, QPoint(200, 60));
    QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(200, 60));
    const QString folder = f.folder.file(app::folderDateText(child<QDateEdit>(form, "dtpTradeDate")->date()));
    // Folder, then file; then the file alone once the folder exists.
    for (int failing : {1, 2}) {
      QDir(folder).removeRecursively();
      f.messages.clear();
      store::fileops::failAtCall(failing);
      QVERIFY(!pad->saveSignature());
      store::fileops::failAtCall(0);
      QVERIFY(f.messages.last().contains(QStringLiteral("The signature was not saved.")));
      QCOMPARE(signature::SignaturePad::instance(), pad);
      QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
    }
    QVERIFY(pad->saveSignature());
    const QImage saved(QDir(folder).filePath(QStringLiteral("sign40500001.BMP")));
    QVERIFY(!saved.isNull());
    QCOMPARE(saved.pixelColor(110, 40), QColor(Qt::black)); // the stroke drawn before the failures
  }

  void closedJobIsNeverHalfExported() {
    FormFixture f;
    const QString exportPath =
        f.folder.file(app::folderDateText(app::today()) + QStringLiteral("/u1-myFile.csv"));
    // Jobs closed with the form: the first exports, then the export fails at the
    // append, and at the day's folder.
    enum Fault { None, Append, Folder };
    QByteArray exported;
    for (Fault fault : {None, Append, Folder}) {
      tickets::TicketForm *form = f.openNew();
      choose(form, "optCash");
      type(form, "tbTruck", QStringLiteral("T%1").arg(int(fault)));
      const QString ticket = text(form, "tbTicket");
      f.messages.clear();
      if (fault == Append) {
        store::fileops::failAtCall(1);
        press(form, "btnClose");
      } else if (fault == Folder) {
        QDir(QFileInfo(exportPath).path()).removeRecursively();
        exported.clear();
        store::fileops::failAtCall(1);
        press(form, "btnClose");
      } else {
        press(form, "btnClose");
      }
      store::fileops::failAtCall(0);
      QVERIFY(f.messages.texts().contains(QStringLiteral("Your job is closed!")));
      QCOMPARE(stored(ticket, "JobClose").toInt(), 1);
      if (fault == None) {
        exported = bytesOf(exportPath);
        QVERIFY(exported.endsWith("\r\n"));
        continue;
      }
      QCOMPARE(f.messages.texts().size(), 2);
      QVERIFY2(f.messages.last().startsWith(fault == Folder
                                                ? QStringLiteral("Path doen not exist !")
                                                : QStringLiteral("The ticket could not be added")),
               qPrintable(f.messages.last()));
      QCOMPARE(bytesOf(exportPath), exported);
    }
  }

  // A disk that fills up halfway through the line: the file goes back to its last
  // whole line. (The limit would stop the database too, so the export runs alone.)
  void fullDiskLeavesNoHalfLine() {
    testing_support::TempAppFolder folder;
    testing_support::MessageRecorder messages;
    tickets::TicketRecord job;
    job.UserID = QStringLiteral("u1");
    job.Ticket = QStringLiteral("40500001");
    job.TradeDate = app::today();
    job.Notes = QString(500, QLatin1Char('n'));
    QVERIFY(exporting::SaveTOCSV(job, QString()));
    const QString path = folder.file(app::folderDateText(app::today()) + QStringLiteral("/u1-myFile.csv"));
    const QByteArray whole = bytesOf(path);
    QVERIFY(whole.endsWith("\r\n"));
    job.Ticket = QStringLiteral("40500002");
    {
      FileSizeLimit nearlyFull(rlim_t(whole.size() + 100));
      QVERIFY(!exporting::SaveTOCSV(job, QString()));
    }
    QVERIFY(messages.last().startsWith(QStringLiteral("The ticket could not be added")));
    QCOMPARE(bytesOf(path), whole);
    // With room again the next line follows the last whole one.
    QVERIFY(exporting::SaveTOCSV(job, QString()));
    QCOMPARE(bytesOf(path).count('\n'), 2);
  }
};

QTEST_MAIN(TestFileFaults)
#include "test_file_faults.moc"
