#include "shell_fixture.h"
#include "store/credentials.h"
#include "store/database.h"
#include "store/setting_table.h"
#include "store/user_database.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

struct Typed {
  QString currentId, newId, currentPassword, newPassword, confirm;
};

void openCredentials(Shell &shell, const char *option) {
  shell.control<QRadioButton>("frmPassword", option)->click();
}

void pressOk(Shell &shell, const Typed &t) {
  auto box = [&](const char *name) { return shell.control<QLineEdit>("frmChangePSW", name); };
  if (box("tbCurrentUserID")->isEnabled())
    box("tbCurrentUserID")->setText(t.currentId);
  box("tbNewUserID")->setText(t.newId);
  if (box("tbCurrentPSW")->isEnabled())
    box("tbCurrentPSW")->setText(t.currentPassword);
  box("tbNewPSW")->setText(t.newPassword);
  box("tbConfirmPSW")->setText(t.confirm);
  shell.control<QPushButton>("frmChangePSW", "btnOK")->click();
}

QStringList databases(const Shell &shell) {
  return QDir(shell.folder.path()).entryList({QStringLiteral("Trade-*")}, QDir::Files, QDir::Name);
}

QByteArray bytes(const QString &path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

store::SettingRow setting(const QString &path) {
  store::Database db(path);
  return store::readFirstSetting(db).value_or(store::SettingRow{});
}

qint64 tradeRows(const QString &path) {
  store::Database db(path);
  auto q = db.prepare("SELECT COUNT(*) FROM Trade;");
  q.step();
  return q.integer(0);
}

const QString kShort = QStringLiteral("Please enter more than 4 characters !");

} // namespace

class TestCredentials : public QObject {
  Q_OBJECT
private slots:
  void registrationOpensTheProfile() {
    Shell shell;
    openCredentials(shell, "optNewReg");
    QVERIFY(!shell.control<QLineEdit>("frmChangePSW", "tbCurrentUserID")->isEnabled());
    QVERIFY(!shell.control<QLineEdit>("frmChangePSW", "tbCurrentPSW")->isEnabled());
    pressOk(shell, {{}, "bob", {}, "abcd", "abcd"});

    QCOMPARE(shell.messages.texts(), QStringList{});
    QCOMPARE(databases(shell), QStringList{"Trade-bob.mdb"});
    const store::SettingRow row = setting(shell.folder.file("Trade-bob.mdb"));
    QCOMPARE(row.userId, QStringLiteral("bob"));
    QVERIFY(store::verifyPassword(row.password, QStringLiteral("abcd")));
    QVERIFY(!shell.child("frmChangePSW"));
    QVERIFY(!shell.child("frmPassword")->isVisibleTo(&shell.main));
    QCOMPARE(shell.control<QLineEdit>("frmEmployeeInfo", "tbUserID")->text(), QStringLiteral("bob"));
    QVERIFY(!shell.workingMenuEnabled());
  }

  void registrationRefusals_data() {
    QTest::addColumn<QString>("newId");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("message");
    QTest::newRow("no ID") << ""
                           << "abcd"
                           << "abcd"
                           << "Pleae input your ID !";
    QTest::newRow("3 characters") << "bob"
                                  << "abc"
                                  << "abc" << kShort;
    QTest::newRow("confirmation differs") << "bob"
                                          << "abcd"
                                          << "abce"
                                          << "New Password and Confirm Password is wrong !";
    QTest::newRow("ID taken") << "anna"
                              << "abcd"
                              << "abcd"
                              << "Your ID already is in being!";
    QTest::newRow("ID taken in other case") << "ANNA"
                                            << "abcd"
                                            << "abcd"
                                            << "Your ID already is in being!";
    QTest::newRow("ID no file can carry")
        << "a/b"
        << "abcd"
        << "abcd"
        << "Your ID may not contain any of these characters:  \\ / : * ? \" < > |";
  }
  void registrationRefusals() {
    QFETCH(QString, newId);
    QFETCH(QString, password);
    QFETCH(QString, confirm);
    QFETCH(QString, message);
    Shell shell;
    const QString anna = shell.folder.makeUser("anna", "secret", "40500000");
    const QByteArray before = bytes(anna);
    openCredentials(shell, "optNewReg");
    pressOk(shell, {{}, newId, {}, password, confirm});

    QCOMPARE(shell.messages.texts(), QStringList{message});
    if (message == kShort) {
      QCOMPARE(shell.messages.messages().first().title, QStringLiteral("Notice"));
      QCOMPARE(shell.messages.messages().first().icon, app::Icon::Information);
    }
    QCOMPARE(databases(shell), QStringList{"Trade-anna.mdb"});
    QCOMPARE(bytes(anna), before);
    QVERIFY(store::session().databaseFileName().isEmpty());
    QVERIFY(shell.child("frmChangePSW"));
  }

  void registrationWithoutTemplateChangesNothing() {
    Shell shell;
    QFile::remove(shell.folder.file("VarnelBase"));
    openCredentials(shell, "optNewReg");
    pressOk(shell, {{}, "bob", {}, "abcd", "abcd"});
    QCOMPARE(shell.messages.texts().size(), 1);
    QVERIFY(shell.messages.last().contains("VarnelBase"));
    QCOMPARE(databases(shell), QStringList{});
    QVERIFY(shell.child("frmPassword")->isVisibleTo(&shell.main));
  }

  void passwordChangeKeepsTheFile() {
    Shell shell;
    const QString anna = shell.folder.makeUser("anna", "secret", "40500000");
    openCredentials(shell, "optPassword");
    pressOk(shell, {"anna", "anna", "secret", "fresh", "fresh"});

    QCOMPARE(shell.messages.texts(),
             QStringList{"Your registraion is complete successfully!   Please log in again!"});
    QCOMPARE(databases(shell), QStringList{"Trade-anna.mdb"});
    QVERIFY(store::verifyPassword(setting(anna).password, "fresh"));
    QVERIFY(!shell.control<QRadioButton>("frmPassword", "optPassword")->isChecked());
    QVERIFY(!shell.control<QRadioButton>("frmPassword", "optNewReg")->isChecked());
    QVERIFY(!shell.child("frmChangePSW"));
  }

  void newIdMovesEveryTicket() {
    Shell shell;
    const QString anna = shell.folder.makeUser("anna", "secret", "40500000");
    {
      store::Database db(anna);
      for (const char *ticket : {"40500001", "40500002", "40500003"})
        db.prepare("INSERT INTO Trade (Ticket, Door) VALUES (?, 'Door201');").bind(1, ticket).run();
    }
    QFile::copy(anna, anna + "(20100101)");
    openCredentials(shell, "optPassword");
    pressOk(shell, {"anna", "carol", "secret", "fresh", "fresh"});

    QCOMPARE(shell.messages.texts(),
             QStringList{"Your registraion is complete successfully!   Please log in again!"});
    QCOMPARE(databases(shell), (QStringList{"Trade-anna.mdb(20100101)", "Trade-carol.mdb"}));
    const QString carol = shell.folder.file("Trade-carol.mdb");
    QCOMPARE(tradeRows(carol), 4);
    QCOMPARE(setting(carol).userId, QStringLiteral("carol"));

    // The new credentials open the moved database.
    shell.control<QLineEdit>("frmPassword", "tbUserID")->setText("carol");
    shell.control<QLineEdit>("frmPassword", "tbPassword")->setText("fresh");
    shell.control<QPushButton>("frmPassword", "btnOK")->click();
    QVERIFY(shell.workingMenuEnabled());
  }

  void letterCaseOnlyChangeKeepsOneDatabase() {
    Shell shell;
    shell.folder.makeUser("anna", "secret", "40500000");
    openCredentials(shell, "optPassword");
    pressOk(shell, {"anna", "Anna", "secret", "fresh", "fresh"});
    QCOMPARE(databases(shell), QStringList{"Trade-Anna.mdb"});
    QCOMPARE(setting(shell.folder.file("Trade-Anna.mdb")).userId, QStringLiteral("Anna"));
  }

  // A failed change leaves both users' databases as they were and no other file.
  void changeRefusals_data() {
    QTest::addColumn<QString>("currentId");
    QTest::addColumn<QString>("newId");
    QTest::addColumn<QString>("currentPassword");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("message");
    QTest::newRow("wrong password, new ID") << "anna"
                                            << "carol"
                                            << "wrong"
                                            << "fresh"
                                            << "fresh"
                                            << "Current Password is wrong !";
    QTest::newRow("wrong password, same ID") << "anna"
                                             << "anna"
                                             << "wrong"
                                             << "fresh"
                                             << "fresh"
                                             << "Current Password is wrong !";
    QTest::newRow("current ID unknown") << "zed"
                                        << "carol"
                                        << "secret"
                                        << "fresh"
                                        << "fresh"
                                        << "Your ID was not registered!";
    QTest::newRow("no new ID") << "anna"
                               << ""
                               << "secret"
                               << "fresh"
                               << "fresh"
                               << "Pleae input your ID !";
    QTest::newRow("new ID is another user's") << "anna"
                                              << "bob"
                                              << "secret"
                                              << "fresh"
                                              << "fresh"
                                              << "Your ID already is in being!";
    QTest::newRow("current ID in other case") << "ANNA"
                                              << "carol"
                                              << "secret"
                                              << "fresh"
                                              << "fresh"
                                              << "Current UserID is wrong !";
    QTest::newRow("short password, new ID") << "anna"
                                            << "carol"
                                            << "secret"
                                            << "abc"
                                            << "abc" << kShort;
    QTest::newRow("short password, same ID") << "anna"
                                             << "anna"
                                             << "secret"
                                             << "abc"
                                             << "abc" << kShort;
    QTest::newRow("confirmation differs") << "anna"
                                          << "carol"
                                          << "secret"
                                          << "fresh"
                                          << "Fresh"
                                          << "New Password and Confirm Password is wrong !";
  }
  void changeRefusals() {
    QFETCH(QString, currentId);
    QFETCH(QString, newId);
    QFETCH(QString, currentPassword);
    QFETCH(QString, newPassword);
    QFETCH(QString, confirm);
    QFETCH(QString, message);
    Shell shell;
    const QString anna = shell.folder.makeUser("anna", "secret", "40500000");
    const QString bob = shell.folder.makeUser("bob", "bobpass", "10500000");
    const QByteArray annaBefore = bytes(anna), bobBefore = bytes(bob);
    openCredentials(shell, "optPassword");
    pressOk(shell, {currentId, newId, currentPassword, newPassword, confirm});

    QCOMPARE(shell.messages.texts(), QStringList{message});
    QCOMPARE(databases(shell), (QStringList{"Trade-anna.mdb", "Trade-bob.mdb"}));
    QCOMPARE(bytes(anna), annaBefore);
    QCOMPARE(bytes(bob), bobBefore);
    QVERIFY(shell.child("frmChangePSW"));
  }

  void enterMovesOnWithoutPressingOk() {
    Shell shell;
    openCredentials(shell, "optPassword");
    QVERIFY(QTest::qWaitForWindowActive(&shell.main));
    const char *order[] = {"tbCurrentUserID", "tbNewUserID", "tbCurrentPSW", "tbNewPSW", "tbConfirmPSW"};
    shell.control<QLineEdit>("frmChangePSW", order[0])->setFocus();
    for (int i = 0; i < 5; ++i) {
      auto *box = shell.control<QLineEdit>("frmChangePSW", order[i]);
      QVERIFY2(box->hasFocus(), order[i]);
      QTest::keyClick(box, Qt::Key_Return);
    }
    QVERIFY(shell.control<QPushButton>("frmChangePSW", "btnOK")->hasFocus());
    QCOMPARE(shell.messages.texts(), QStringList{});
  }
};

QTEST_MAIN(TestCredentials)
#include "test_credentials.moc"
