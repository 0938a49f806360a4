#include "app/clock.h"
#include "shell_fixture.h"
#include "store/credentials.h"
#include "store/database.h"
#include "store/file_ops.h"
#include "store/user_database.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

enum class Fixture { Normal, EmptyStoredPassword, TwoSettingRows, Damaged };

void prepare(Shell &shell, Fixture fixture) {
  const QString path =
      shell.folder.makeUser(QStringLiteral("anna"), QStringLiteral("secret"), QStringLiteral("40500000"));
  if (fixture == Fixture::EmptyStoredPassword) {
    store::Database db(path);
    db.exec("UPDATE Setting SET Password = '';");
  } else if (fixture == Fixture::TwoSettingRows) {
    store::Database db(path);
    db.prepare("INSERT INTO Setting (UserID, Password) VALUES ('anna', ?);")
        .bind(1, store::hashPassword(QStringLiteral("other")))
        .run();
  } else if (fixture == Fixture::Damaged) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(QByteArray(8192, '\x5a'));
  }
}

const QString kUnreadable =
    QStringLiteral("The user database cannot be opened: the file is damaged or was not made "
                   "by this program.");

} // namespace

class TestLogin : public QObject {
  Q_OBJECT
private slots:
  void refusals_data() {
    QTest::addColumn<int>("fixture");
    QTest::addColumn<QString>("userId");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("boxesEmptied");
    const int normal = int(Fixture::Normal);
    QTest::newRow("empty user ID") << normal << ""
                                   << "secret"
                                   << "Please input the User ID !" << false;
    QTest::newRow("no database") << normal << "zed"
                                 << "secret"
                                 << "Your password is wrong !" << false;
    QTest::newRow("wrong password") << normal << "anna"
                                    << "Secret"
                                    << "Current Password is wrong !" << true;
    QTest::newRow("ID in other letter case") << normal << "ANNA"
                                             << "secret"
                                             << "Current Password is wrong !" << true;
    QTest::newRow("empty stored password") << int(Fixture::EmptyStoredPassword) << "anna"
                                           << ""
                                           << "Current Password is wrong !" << true;
    QTest::newRow("second Setting row") << int(Fixture::TwoSettingRows) << "anna"
                                        << "other"
                                        << "Current Password is wrong !" << true;
    QTest::newRow("damaged database") << int(Fixture::Damaged) << "anna"
                                      << "secret" << kUnreadable << false;
  }
  void refusals() {
    QFETCH(int, fixture);
    QFETCH(QString, userId);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QFETCH(bool, boxesEmptied);
    Shell shell;
    prepare(shell, Fixture(fixture));
    auto *user = shell.control<QLineEdit>("frmPassword", "tbUserID");
    auto *pass = shell.control<QLineEdit>("frmPassword", "tbPassword");
    user->setText(userId);
    pass->setText(password);
    shell.control<QPushButton>("frmPassword", "btnOK")->click();

    QCOMPARE(shell.messages.texts(), QStringList{message});
    QCOMPARE(user->text(), boxesEmptied ? QString() : userId);
    QCOMPARE(pass->text(), boxesEmptied ? QString() : password);
    QVERIFY(shell.child("frmPassword"));
    QVERIFY(!shell.workingMenuEnabled());
    QVERIFY(store::session().userId().isEmpty());
    QVERIFY(!QFileInfo::exists(shell.folder.file(
        QStringLiteral("Trade-anna.mdb(%1)").arg(app::today().toString(QStringLiteral("yyyyMMdd"))))));
  }

  void enterInTheUserBoxMovesOn() {
    Shell shell;
    prepare(shell, Fixture::Normal);
    QVERIFY(QTest::qWaitForWindowActive(&shell.main));
    auto *user = shell.control<QLineEdit>("frmPassword", "tbUserID");
    user->setFocus();
    QTest::keyClicks(user, QStringLiteral("anna"));
    QTest::keyClick(user, Qt::Key_Return);
    QVERIFY(shell.control<QLineEdit>("frmPassword", "tbPassword")->hasFocus());
    QVERIFY(shell.messages.texts().isEmpty());
    QVERIFY(shell.child("frmPassword"));
  }

  void successStartsTheWorkingState_data() {
    QTest::addColumn<QString>("facilityCode");
    QTest::addColumn<int>("key"); // 0: the O.K. button
    QTest::addColumn<bool>("doorListOpens");
    QTest::newRow("Ostrine, Enter") << "40500000" << int(Qt::Key_Return) << true;
    QTest::newRow("Ostrine, keypad Enter") << "40510000" << int(Qt::Key_Enter) << true;
    QTest::newRow("Tavrel DC, Tab") << "10500000" << int(Qt::Key_Tab) << false;
    QTest::newRow("Lirrow, O.K.") << "B0500000" << 0 << false;
  }
  void successStartsTheWorkingState() {
    QFETCH(QString, facilityCode);
    QFETCH(int, key);
    QFETCH(bool, doorListOpens);
    Shell shell;
    shell.folder.makeUser(QStringLiteral("anna"), QStringLiteral("secret"), facilityCode);
    app::setClockForTest(QDateTime(QDate(2010, 1, 29), QTime(7, 30)));
    shell.control<QLineEdit>("frmPassword", "tbUserID")->setText(QStringLiteral("anna"));
    auto *pass = shell.control<QLineEdit>("frmPassword", "tbPassword");
    QTest::keyClicks(pass, QStringLiteral("secret"));
    if (key)
      QTest::keyClick(pass, Qt::Key(key));
    else
      shell.control<QPushButton>("frmPassword", "btnOK")->click();

    QCOMPARE(shell.messages.texts(), QStringList{});
    QVERIFY(!shell.child("frmPassword"));
    QVERIFY(shell.workingMenuEnabled());
    QCOMPARE(store::session().userId(), QStringLiteral("anna"));
    QCOMPARE(store::session().databaseFileName(), QStringLiteral("Trade-anna.mdb"));
    QVERIFY(QFileInfo::exists(shell.folder.file(QStringLiteral("Trade-anna.mdb(20100129)"))));
    QCOMPARE(shell.child("frmNewDL") != nullptr, doorListOpens);
  }

  void failedBackupLetsTheLoginGoOn() {
    Shell shell;
    prepare(shell, Fixture::Normal);
    shell.control<QLineEdit>("frmPassword", "tbUserID")->setText(QStringLiteral("anna"));
    shell.control<QLineEdit>("frmPassword", "tbPassword")->setText(QStringLiteral("secret"));
    store::fileops::failAtCall(1); // the dated copy
    shell.control<QPushButton>("frmPassword", "btnOK")->click();
    store::fileops::failAtCall(0);
    QCOMPARE(shell.messages.texts(), QStringList{QStringLiteral("Please close MS Access software!")});
    QVERIFY(shell.workingMenuEnabled());
    QVERIFY(!shell.child("frmPassword"));
  }
};

QTEST_MAIN(TestLogin)
#include "test_login.moc"
