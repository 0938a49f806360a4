#include "app/grid.h"
#include "app/main_window.h"
#include "app/windows.h"
#include "store/database.h"
#include "store/user_database.h"
#include "support/test_support.h"
#include "tickets/door_list_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace testing_support;
using tickets::DoorListKind;
using tickets::DoorListWindow;

Q_DECLARE_METATYPE(tickets::DoorListKind)

namespace {

void addOpenJob(const QString &ticket, const QString &door, int jobClose = 0) {
  store::session()
      .db()
      .prepare("INSERT INTO Trade (Ticket, Door, JobClose) VALUES (?, ?, ?);")
      .bind(1, ticket)
      .bind(2, door)
      .bind(3, jobClose)
      .run();
}

DoorListWindow *shown(DoorListKind kind) {
  DoorListWindow *w = tickets::doorListWindow(kind);
  return w && w->isVisible() ? w : nullptr;
}

app::Grid *gridOf(QWidget *w) { return w->findChild<app::Grid *>("Spr1"); }

QStringList filledCells(app::Grid *grid) {
  QStringList cells;
  for (int r = 1; r <= grid->maxRows(); ++r)
    for (int c = 1; c <= grid->maxCols(); ++c)
      if (!grid->text(c, r).isEmpty())
        cells << grid->text(c, r);
  return cells;
}

void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// A signed-in Ostrine user with the main window on screen.
struct Fixture {
  TempAppFolder folder;
  MessageRecorder messages;
  app::MainWindow main;
  explicit Fixture(const QString &facilityCode = QStringLiteral("40500000")) {
    if (facilityCode.isEmpty()) {
      folder.makeUser("anna", "pass");
      store::session().setDatabaseFileName(store::databaseFileNameFor("anna"));
    } else {
      folder.signIn("anna", "pass", facilityCode);
    }
    main.resize(1000, 700);
    main.show();
  }
};

} // namespace

class TestDoorListWindows : public QObject {
  Q_OBJECT
  QStringList openedNew_;
  QStringList openedUnclosed_;

private slots:
  void init() {
    openedNew_.clear();
    openedUnclosed_.clear();
    tickets::setDoorFormOpeners([this](const QString &d) { openedNew_ << d; },
                                [this](const QString &d) { openedUnclosed_ << d; });
  }
  void cleanup() {
    tickets::setDoorFormOpeners({}, {});
    settle();
  }

  void windowsAsLoaded() {
    Fixture f;
    addOpenJob("40500001", "Door205");
    addOpenJob("40500002", "Door320");
    addOpenJob("40500003", "Door210", 1);
    app::openNewDoorListFromMenu();
    app::openUnclosedDoorListFromMenu();

    DoorListWindow *newList = shown(DoorListKind::NewDoors);
    QVERIFY(newList);
    QCOMPARE(newList->windowTitle(), QString("New Door List"));
    QCOMPARE(newList->size(), QSize(474, 416));
    app::Grid *grid = gridOf(newList);
    QCOMPARE(grid->maxCols(), 4);
    QCOMPARE(grid->text(1, 1), QString("Door201"));
    QCOMPARE(grid->text(1, 2), QString("Door206")); // 205 has an open job
    QCOMPARE(grid->text(1, 3), QString("Door210")); // its job is closed
    const QStringList cells = filledCells(grid);
    QCOMPARE(cells.size(), 164);
    QVERIFY(!cells.contains("Door320"));

    DoorListWindow *unclosed = shown(DoorListKind::UnclosedDoors);
    QVERIFY(unclosed);
    QCOMPARE(unclosed->windowTitle(), QString("Unclosed door list"));
    QCOMPARE(filledCells(gridOf(unclosed)), (QStringList{"Door205", "Door320"}));
  }

  void menuOpensListsOnlyForOstrine_data() {
    QTest::addColumn<QString>("facilityCode");
    QTest::addColumn<bool>("opens");
    QTest::newRow("Ostrine") << "40500000" << true;
    QTest::newRow("Tavrel DC") << "10500000" << false;
    QTest::newRow("letter code") << "B0500000" << false;
    QTest::newRow("no profile yet") << "" << false;
  }
  void menuOpensListsOnlyForOstrine() {
    QFETCH(QString, facilityCode);
    QFETCH(bool, opens);
    Fixture f(facilityCode);
    app::openNewDoorListFromMenu();
    app::openUnclosedDoorListFromMenu();
    QCOMPARE(shown(DoorListKind::NewDoors) != nullptr, opens);
    QCOMPARE(shown(DoorListKind::UnclosedDoors) != nullptr, opens);
    QVERIFY(f.messages.messages().isEmpty());
  }

  void okAnswers_data() {
    QTest::addColumn<DoorListKind>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("key"); // how O.K. is given: click, enter or tab
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("opened");
    const auto fresh = DoorListKind::NewDoors;
    const auto open = DoorListKind::UnclosedDoors;
    // Door205 has an open job.
    QTest::newRow("new: empty") << fresh << ""
                                << "click"
                                << "Please input the door no. !"
                                << "";
    QTest::newRow("new: out of range") << fresh << "282"
                                       << "enter"
                                       << "Please input the correct door no. !"
                                       << "";
    QTest::newRow("new: not a number") << fresh << "abc"
                                       << "click"
                                       << "btnOK_Click has an error!"
                                       << "";
    QTest::newRow("new: open job") << fresh << "205"
                                   << "tab"
                                   << "This door is not a new door!!"
                                   << "";
    QTest::newRow("new: open job typed oddly") << fresh << " 205.4"
                                               << "click"
                                               << "This door is not a new door!!"
                                               << "";
    QTest::newRow("new: free door") << fresh << " 0250"
                                    << "enter"
                                    << ""
                                    << "Door250";
    QTest::newRow("new: 281 typed") << fresh << "281"
                                    << "tab"
                                    << ""
                                    << "Door281";
    QTest::newRow("unclosed: empty") << open << ""
                                     << "enter"
                                     << "Please input the door no. !"
                                     << "";
    QTest::newRow("unclosed: out of range") << open << "400"
                                            << "click"
                                            << "Please input the correct door no. !"
                                            << "";
    QTest::newRow("unclosed: not a number") << open << "abc"
                                            << "tab"
                                            << "Please input the correct door no. !"
                                            << "";
    QTest::newRow("unclosed: no open job") << open << "250"
                                           << "click"
                                           << "This door was closed!!"
                                           << "";
    QTest::newRow("unclosed: open job") << open << "205.0 "
                                        << "enter"
                                        << ""
                                        << "Door205";
  }
  void okAnswers() {
    QFETCH(DoorListKind, kind);
    QFETCH(QString, typed);
    QFETCH(QString, key);
    QFETCH(QString, message);
    QFETCH(QString, opened);
    Fixture f;
    addOpenJob("40500001", "Door205");
    kind == DoorListKind::NewDoors ? app::openNewDoorListFromMenu() : app::openUnclosedDoorListFromMenu();
    DoorListWindow *list = shown(kind);
    QVERIFY(list);

    auto *box = list->findChild<QLineEdit *>("tbDoorNo");
    box->setFocus();
    QTest::keyClicks(box, typed);
    if (key == "click")
      QTest::mouseClick(list->findChild<QPushButton *>("btnOK"), Qt::LeftButton);
    else
      QTest::keyClick(box, key == "tab" ? Qt::Key_Tab : Qt::Key_Return);

    QCOMPARE(f.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    const QStringList &opens = kind == DoorListKind::NewDoors ? openedNew_ : openedUnclosed_;
    QCOMPARE(opens, opened.isEmpty() ? QStringList() : QStringList{opened});
    // A door handed to the ticket form closes the list for good; a refusal keeps it.
    QCOMPARE(tickets::doorListWindow(kind) != nullptr, opened.isEmpty());
  }

  void closeHidesAndKeepsContentUntilClosedForGood() {
    Fixture f;
    app::openUnclosedDoorListFromMenu();
    DoorListWindow *list = shown(DoorListKind::UnclosedDoors);
    QVERIFY(list);
    QVERIFY(filledCells(gridOf(list)).isEmpty());

    addOpenJob("40500001", "Door230");
    QTest::mouseClick(list->findChild<QPushButton *>("btnClose"), Qt::LeftButton);
    QVERIFY(!list->isVisible());
    app::openUnclosedDoorListFromMenu();
    QCOMPARE(shown(DoorListKind::UnclosedDoors), list);
    QVERIFY(filledCells(gridOf(list)).isEmpty());

    // After a save the ticket form closes both lists; shown again they are filled afresh,
    // even before the closed window is gone.
    app::closeDoorLists();
    app::openUnclosedDoorListFromMenu();
    DoorListWindow *again = shown(DoorListKind::UnclosedDoors);
    QVERIFY(again && again != list);
    QCOMPARE(filledCells(gridOf(again)), QStringList{"Door230"});
    settle();
    QCOMPARE(shown(DoorListKind::UnclosedDoors), again);
  }

  // The chosen door reaches the real ticket form in the right mode.
  void okOpensTheTicketForm_data() {
    QTest::addColumn<DoorListKind>("kind");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::newRow("new") << DoorListKind::NewDoors << "frmDBUpdate201"
                         << "New Door250";
    QTest::newRow("unclosed") << DoorListKind::UnclosedDoors << "frmDBClosed201"
                              << "Unclosed Door205";
  }
  void okOpensTheTicketForm() {
    QFETCH(DoorListKind, kind);
    QFETCH(QString, form);
    QFETCH(QString, caption);
    tickets::setDoorFormOpeners({}, {});
    Fixture f;
    addOpenJob("40500001", "Door205");
    kind == DoorListKind::NewDoors ? app::openNewDoorList() : app::openUnclosedDoorListFromMenu();
    DoorListWindow *list = shown(kind);
    QVERIFY(list);
    QTest::keyClicks(list->findChild<QLineEdit *>("tbDoorNo"),
                     kind == DoorListKind::NewDoors ? "250" : "205");
    QTest::mouseClick(list->findChild<QPushButton *>("btnOK"), Qt::LeftButton);
    QWidget *opened = f.main.findChild<QWidget *>(form);
    QVERIFY(opened);
    QCOMPARE(opened->windowTitle(), caption);
    QVERIFY(!tickets::doorListWindow(kind));
  }

  void cellClickOpensTheDoorAsListed_data() {
    QTest::addColumn<DoorListKind>("kind");
    QTest::newRow("new") << DoorListKind::NewDoors;
    QTest::newRow("unclosed") << DoorListKind::UnclosedDoors;
  }
  void cellClickOpensTheDoorAsListed() {
    QFETCH(DoorListKind, kind);
    Fixture f;
    addOpenJob("40500001", "Door201");
    addOpenJob("40500002", "Door260");
    kind == DoorListKind::NewDoors ? app::openNewDoorList() : app::openUnclosedDoorListFromMenu();
    DoorListWindow *list = shown(kind);
    QVERIFY(list);
    app::Grid *grid = gridOf(list);
    // The list is not asked again: a door that changed meanwhile is opened as shown.
    addOpenJob("40500003", grid->text(2, 1));
    auto clickCell = [grid](int col, int row) {
      const QRect cell = grid->visualRect(grid->model()->index(row - 1, col - 1));
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    };
    clickCell(2, 1);
    clickCell(4, 1); // empty in the unclosed list: nothing opens
    const QStringList expected =
        kind == DoorListKind::NewDoors ? QStringList{"Door203", "Door205"} : QStringList{"Door260"};
    QCOMPARE(kind == DoorListKind::NewDoors ? openedNew_ : openedUnclosed_, expected);
    QVERIFY(shown(kind));
    QVERIFY(f.messages.messages().isEmpty());
  }
};

QTEST_MAIN(TestDoorListWindows)
#include "test_door_list_windows.moc"
