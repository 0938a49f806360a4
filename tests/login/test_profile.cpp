#include "app/clock.h"
#include "app/windows.h"
#include "login/employee_info_window.h"
#include "login/facility.h"
#include "shell_fixture.h"
#include "store/database.h"
#include "store/user_database.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Status = login::FacilityCode::Status;

// A registered user whose profile is not written yet, with the profile window open.
QString openProfile(Shell &shell) {
  const QString path = shell.folder.makeUser("bob", "abcd");
  store::session().setDatabaseFileName("Trade-bob.mdb");
  app::openEmployeeInfo("bob");
  return path;
}

QStringList rows(const QString &path, const char *sql) {
  store::Database db(path);
  auto q = db.prepare(sql);
  QStringList out;
  while (q.step()) {
    QStringList cells;
    for (int c = 0; c < q.columnCount(); ++c)
      cells << (q.isNull(c) ? QStringLiteral("NULL") : q.text(c));
    out << cells.join('|');
  }
  return out;
}

const QString kNotWhole = QStringLiteral("Employee code must be a whole number of 1 or more !");
const QString kTooLarge = QStringLiteral("Employee code is too large to make a facility code !");

} // namespace

class TestProfile : public QObject {
  Q_OBJECT
private slots:
  void facilityCodes_data() {
    QTest::addColumn<QString>("facility");
    QTest::addColumn<QString>("employeeCode");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("code");
    const int ok = int(Status::Ok), notWhole = int(Status::NotWholeNumber), tooLarge = int(Status::TooLarge);
    QTest::newRow("Ostrine 1") << "Ostrine"
                               << "1" << ok << "40500000";
    QTest::newRow("Ostrine 10") << "Ostrine"
                                << "10" << ok << "40590000";
    QTest::newRow("Tavrel DC 3") << "Tavrel DC"
                                 << "3" << ok << "10520000";
    QTest::newRow("Quendal West 10") << "Quendal West"
                                     << "10" << ok << "90590000";
    QTest::newRow("Lirrow 1") << "Lirrow"
                              << "1" << ok << "B0500000";
    QTest::newRow("Lirrow 2") << "Lirrow"
                              << "2" << ok << "B0510000";
    QTest::newRow("Wembric Packaging 10") << "Wembric Packaging"
                                          << "10" << ok << "P0590000";
    QTest::newRow("Sample 1") << "Sample"
                              << "1" << ok << "S0500000";
    QTest::newRow("other text as Tavrel DC") << "Nowhere"
                                             << "2" << ok << "10510000";
    QTest::newRow("list text differs in case") << "ostrine"
                                               << "1" << ok << "10500000";
    QTest::newRow("blanks around the code") << "Ostrine"
                                            << " 2 " << ok << "40510000";
    QTest::newRow("largest that fits") << "Ostrine"
                                       << "210699" << ok << "2147480000";
    QTest::newRow("one more overflows") << "Ostrine"
                                        << "210700" << tooLarge << "";
    QTest::newRow("letter code overflows") << "Lirrow"
                                           << "214750" << tooLarge << "";
    QTest::newRow("beyond any number") << "Ostrine"
                                       << "99999999999999999999" << tooLarge << "";
    QTest::newRow("decimal") << "Ostrine"
                             << "2.5" << notWhole << "";
    QTest::newRow("text") << "Ostrine"
                          << "abc" << notWhole << "";
    QTest::newRow("zero") << "Lirrow"
                          << "0" << notWhole << "";
    QTest::newRow("negative") << "Ostrine"
                              << "-3" << notWhole << "";
  }
  void facilityCodes() {
    QFETCH(QString, facility);
    QFETCH(QString, employeeCode);
    QFETCH(int, status);
    QFETCH(QString, code);
    const login::FacilityCode result = login::facilityCode(facility, employeeCode);
    QCOMPARE(int(result.status), status);
    QCOMPARE(result.code, code);
  }

  void initialState() {
    Shell shell;
    app::setClockForTest(QDateTime(QDate(2010, 1, 29), QTime(9, 0)));
    openProfile(shell);
    QWidget *window = shell.child("frmEmployeeInfo");
    QCOMPARE(window->windowTitle(), QStringLiteral("Employee Infomation"));
    auto *facility = shell.control<QComboBox>("frmEmployeeInfo", "cbFCode");
    QVERIFY(!facility->isEnabled());
    QCOMPARE(facility->currentText(), QStringLiteral("Ostrine"));
    QCOMPARE(facility->count(), 12);
    auto *employee = shell.control<QComboBox>("frmEmployeeInfo", "cbEmployeeC");
    QCOMPARE(employee->currentText(), QStringLiteral("Select"));
    QCOMPARE(employee->count(), 10);
    QCOMPARE(shell.control<QComboBox>("frmEmployeeInfo", "cbEmpType")->currentText(),
             QStringLiteral("Full Time"));
    QVERIFY(shell.control<QLineEdit>("frmEmployeeInfo", "tbEmpWeekTime")->isEnabled());
    QVERIFY(!shell.control<QLineEdit>("frmEmployeeInfo", "tbEmpPay")->isEnabled());
    auto *state = shell.control<QComboBox>("frmEmployeeInfo", "tbEmpState");
    QCOMPARE(state->currentText(), QStringLiteral("CA"));
    QCOMPARE(state->count(), 52);
    QCOMPARE(state->itemText(51), QStringLiteral("WY"));
    QCOMPARE(shell.control<QDateEdit>("frmEmployeeInfo", "dtpEmpWorkStart")->date(), QDate(2010, 1, 29));
    QVERIFY(!shell.control<QLineEdit>("frmEmployeeInfo", "tbUserID")->isEnabled());
    QCOMPARE(shell.control<QLineEdit>("frmEmployeeInfo", "tbUserID")->text(), QStringLiteral("bob"));
  }

  void employeeTypeSwitchesThePayBoxes() {
    Shell shell;
    openProfile(shell);
    auto *type = shell.control<QComboBox>("frmEmployeeInfo", "cbEmpType");
    auto *week = shell.control<QLineEdit>("frmEmployeeInfo", "tbEmpWeekTime");
    auto *gross = shell.control<QLineEdit>("frmEmployeeInfo", "tbEmpGrossS");
    auto *pay = shell.control<QLineEdit>("frmEmployeeInfo", "tbEmpPay");
    week->setText("40");
    gross->setText("52000");
    type->setCurrentIndex(1);
    emit type->activated(1);
    QVERIFY(pay->isEnabled() && !week->isEnabled() && !gross->isEnabled());
    QVERIFY(week->text().isEmpty() && gross->text().isEmpty());
    pay->setText("18");
    type->setCurrentIndex(0);
    emit type->activated(0);
    QVERIFY(!pay->isEnabled() && week->isEnabled() && gross->isEnabled());
    QVERIFY(pay->text().isEmpty());
  }

  void saveRefusals_data() {
    QTest::addColumn<QString>("employeeCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("still Select") << "Select"
                                  << "Please select Facility or Employee code";
    QTest::newRow("empty") << ""
                           << "Select Employee code !";
    QTest::newRow("not a whole number") << "2.5" << kNotWhole;
    QTest::newRow("overflowing") << "999999" << kTooLarge;
  }
  void saveRefusals() {
    QFETCH(QString, employeeCode);
    QFETCH(QString, message);
    Shell shell;
    const QString path = openProfile(shell);
    shell.control<QComboBox>("frmEmployeeInfo", "cbEmployeeC")->setEditText(employeeCode);
    shell.control<QPushButton>("frmEmployeeInfo", "btnSave")->click();
    QCOMPARE(shell.messages.texts(), QStringList{message});
    QCOMPARE(rows(path, "SELECT COUNT(*) FROM Employee_Info;"), QStringList{"0"});
    QCOMPARE(rows(path, "SELECT COUNT(*) FROM Trade;"), QStringList{"0"});
    QVERIFY(shell.child("frmEmployeeInfo"));
    QVERIFY(store::session().userId().isEmpty());
  }

  void saveOverwritesTheFirstRows() {
    Shell shell;
    const QString path = openProfile(shell);
    {
      store::Database db(path);
      db.exec("INSERT INTO Employee_Info (FCode, EmpFirstN) VALUES ('10500000', 'Old');"
              "INSERT INTO Trade (Ticket, Door, Facility) VALUES ('X1', 'Door999', 'Tavrel DC');"
              "INSERT INTO Trade (Ticket, Door) VALUES ('40590007', 'Door250');");
    }
    shell.control<QComboBox>("frmEmployeeInfo", "cbEmployeeC")->setEditText("10");
    shell.control<QLineEdit>("frmEmployeeInfo", "tbEmpFirstN")->setText("Bob");
    QTest::keyClicks(shell.control<QLineEdit>("frmEmployeeInfo", "tbPhoneNo"), "555123");
    shell.control<QPushButton>("frmEmployeeInfo", "btnSave")->click();

    QCOMPARE(shell.messages.texts(), QStringList{"Employee Infomation is saved !"});
    QCOMPARE(rows(path, "SELECT FCode, EmpType, EmpFirstN, PhoneNo, EmpState, EmpZip FROM Employee_Info;"),
             QStringList{"40590000|Full Time|Bob|555-123-____|CA|_____"});
    QCOMPARE(rows(path, "SELECT Ticket, Facility, Door, JobClose FROM Trade ORDER BY No;"),
             (QStringList{"40590000|Ostrine|Door999|0", "40590007|NULL|Door250|0"}));
    QCOMPARE(store::session().userId(), QStringLiteral("bob"));
    QVERIFY(!shell.child("frmEmployeeInfo"));
  }

  // A failure half-way writes neither table.
  void failedSaveWritesNothing() {
    Shell shell;
    const QString path = openProfile(shell);
    {
      store::Database db(path);
      db.exec("INSERT INTO Trade (Ticket) VALUES ('X1'); INSERT INTO Trade (Ticket) VALUES ('40500000');");
    }
    shell.control<QComboBox>("frmEmployeeInfo", "cbEmployeeC")->setEditText("1");
    shell.control<QPushButton>("frmEmployeeInfo", "btnSave")->click(); // the seed's Ticket is taken
    QCOMPARE(shell.messages.texts(), QStringList{"SaveEmpInfo has an error!"});
    QCOMPARE(rows(path, "SELECT COUNT(*) FROM Employee_Info;"), QStringList{"0"});
    QCOMPARE(rows(path, "SELECT Ticket FROM Trade ORDER BY No;"), (QStringList{"X1", "40500000"}));
    QVERIFY(shell.child("frmEmployeeInfo"));
  }

  void printSendsThePictureOfTheWindow() {
    Shell shell;
    openProfile(shell);
    QTemporaryDir out;
    const QString pdf = out.filePath("profile.pdf");
    login::setProfilePrintFileForTest(pdf);
    shell.control<QPushButton>("frmEmployeeInfo", "btnPrint")->click();
    login::setProfilePrintFileForTest({});
    QCOMPARE(shell.messages.texts(), QStringList{});
    QVERIFY(QFileInfo(pdf).size() > 1000);
  }

  void printWithoutPrinterSaysSo() {
    if (!QPrinterInfo::defaultPrinter().isNull())
      QSKIP("this machine has a default printer");
    Shell shell;
    openProfile(shell);
    shell.control<QPushButton>("frmEmployeeInfo", "btnPrint")->click();
    QCOMPARE(shell.messages.texts(), QStringList{"Please check your printer setup."});
    QVERIFY(shell.child("frmEmployeeInfo"));
  }

  // From an application folder with only the program's files to the ticket form.
  void registrationRoadEndsInTheTicketForm() {
    Shell shell;
    shell.control<QRadioButton>("frmPassword", "optNewReg")->click();
    shell.control<QLineEdit>("frmChangePSW", "tbNewUserID")->setText("bob");
    shell.control<QLineEdit>("frmChangePSW", "tbNewPSW")->setText("abcd");
    shell.control<QLineEdit>("frmChangePSW", "tbConfirmPSW")->setText("abcd");
    shell.control<QPushButton>("frmChangePSW", "btnOK")->click();
    shell.control<QComboBox>("frmEmployeeInfo", "cbEmployeeC")->setEditText("2");
    shell.control<QPushButton>("frmEmployeeInfo", "btnSave")->click();

    QCOMPARE(shell.messages.texts(), QStringList{"Employee Infomation is saved !"});
    const QString path = shell.folder.file("Trade-bob.mdb");
    QCOMPARE(rows(path, "SELECT FCode FROM Employee_Info;"), QStringList{"40510000"});
    QCOMPARE(rows(path, "SELECT Ticket, Facility FROM Trade;"), QStringList{"40510000|Ostrine"});
    QVERIFY(shell.child("frmDBUpdate201"));
    QCOMPARE(shell.control<QLineEdit>("frmDBUpdate201", "tbUserID")->text(), QStringLiteral("bob"));
    QCOMPARE(shell.control<QLineEdit>("frmDBUpdate201", "tbDoor")->text(), QStringLiteral("Door201"));
    QVERIFY(shell.workingMenuEnabled());
  }
};

QTEST_MAIN(TestProfile)
#include "test_profile.moc"
