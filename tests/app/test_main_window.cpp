#include "app/about_window.h"
#include "app/main_window.h"
#include "app/splash.h"
#include "app/windows.h"
#include "support/test_support.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace testing_support;

namespace {

const QStringList kWorking = {"Door", "Unclosed", "Search", "Truck", "Vendor"};

QWidget *child(app::MainWindow &main, const char *name) {
  for (QMdiSubWindow *sub : main.mdiArea()->subWindowList())
    if (sub->widget() && sub->widget()->objectName() == QLatin1String(name))
      return sub->widget();
  return nullptr;
}

} // namespace

class TestMainWindow : public QObject {
  Q_OBJECT
private slots:
  void menuCaptionsInOrder() {
    TempAppFolder folder;
    app::MainWindow main;
    QCOMPARE(main.objectName(), QStringLiteral("frmMain"));
    QCOMPARE(main.windowTitle(), QStringLiteral("Varnel - Ostrine"));
    QStringList captions;
    for (QAction *a : main.menuBar()->actions())
      captions << a->objectName() + QLatin1Char('=') + a->text();
    QCOMPARE(captions,
             (QStringList{"View=&View", "Door=&New Door", "Unclosed=&Unclosed Door", "Search=&Search by Date",
                          "Truck=&Truck Company", "Vendor=V&endor", "About=&About"}));
  }

  void beforeLoginOnlyViewAndAboutWork() {
    TempAppFolder folder;
    MessageRecorder messages;
    app::MainWindow main;
    main.show();
    main.start();
    for (const QString &name : kWorking)
      QVERIFY2(!main.menuAction(name)->isEnabled(), qPrintable(name));
    QVERIFY(main.menuAction(QStringLiteral("View"))->isEnabled());
    QVERIFY(main.menuAction(QStringLiteral("About"))->isEnabled());
    QVERIFY(child(main, "frmPassword"));
    QVERIFY(child(main, "frmPassword")->isVisible());

    main.enableWorkingMenu();
    for (const QString &name : kWorking)
      QVERIFY2(main.menuAction(name)->isEnabled(), qPrintable(name));
  }

  void viewListsAndActivatesChildWindows() {
    TempAppFolder folder;
    MessageRecorder messages;
    app::MainWindow main;
    main.show();
    main.start();
    main.menuAction(QStringLiteral("About"))->trigger();
    QMenu *view = main.menuAction(QStringLiteral("View"))->menu();
    emit view->aboutToShow();
    QStringList titles;
    for (QAction *a : view->actions())
      titles << a->text();
    QVERIFY(titles.contains(QStringLiteral("About Varnel")));
    QCOMPARE(titles.size(), 2); // the login window and About

    // Choosing the login window brings it forward.
    for (QAction *a : view->actions())
      if (a->text() != QStringLiteral("About Varnel"))
        a->trigger();
    QCOMPARE(main.mdiArea()->activeSubWindow()->widget()->objectName(), QStringLiteral("frmPassword"));
  }

  void aboutShowsTheVersionAndIsLoadedOnce() {
    TempAppFolder folder;
    MessageRecorder messages;
    app::MainWindow main;
    main.show();
    app::openAbout();
    QWidget *about = child(main, "frmAbout");
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("About Varnel"));
    QStringList texts;
    for (QLabel *l : about->findChildren<QLabel *>())
      texts << l->text();
    QVERIFY(texts.contains(QStringLiteral("Version 1.0.0")));
    app::openAbout();
    QCOMPARE(main.mdiArea()->subWindowList().size(), 1);

    QTest::keyClick(about, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!child(main, "frmAbout"));
  }

  void systemInfoStartsAProgramOrSaysItCannot_data() {
    QTest::addColumn<QStringList>("programs");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("none installed") << QStringList{"no-such-system-info-program"}
                                    << QStringList{"System Information Is Unavailable At This Time"};
    QTest::newRow("one installed") << QStringList{"no-such-system-info-program", "true"} << QStringList{};
  }
  void systemInfoStartsAProgramOrSaysItCannot() {
    QFETCH(QStringList, programs);
    QFETCH(QStringList, expected);
    TempAppFolder folder;
    MessageRecorder messages;
    app::MainWindow main;
    app::setSystemInfoProgramsForTest(programs);
    app::openAbout();
    auto *button = child(main, "frmAbout")->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));
    QCOMPARE(button->text(), QStringLiteral("&System Info..."));
    button->click();
    app::setSystemInfoProgramsForTest({});
    QCOMPARE(messages.texts(), expected);
  }

  void splashShowsTheUserAndClosesItself() {
    app::setSplashDurationForTest(100);
    QString shownUser;
    bool modal = false;
    bool topLevel = false;
    QTimer::singleShot(20, [&] {
      for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmStart") && w->isVisible()) {
          shownUser = w->findChild<QLabel *>(QStringLiteral("lbUserID"))->text();
          modal = w->isModal();
          topLevel = w->isWindow() && !w->parentWidget();
        }
    });
    QElapsedTimer clock;
    clock.start();
    app::showSplash(QStringLiteral("anna"));
    app::setSplashDurationForTest(-1);
    QCOMPARE(shownUser, QStringLiteral("anna"));
    QVERIFY(modal);
    QVERIFY(topLevel);
    QVERIFY(clock.elapsed() >= 90);
  }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
