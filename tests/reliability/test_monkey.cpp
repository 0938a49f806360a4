// A seeded monkey: thousands of random clicks, keys and menu choices across every
// window, message boxes answered at random. Nothing may crash (the sanitizer build
// runs it too), and the user database must come out whole.
#include "app/about_window.h"
#include "app/main_window.h"
#include "app/splash.h"
#include "app/windows.h"
#include "login/employee_info_window.h"
#include "printing/printer.h"
#include "store/database.h"
#include "store/user_database.h"
#include "support/test_support.h"
#include "ticket_store.h"
#include "tickets/view_form.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kEvents = 5000;
constexpr qint64 kTimeLimitMs = 240000;

const QStringList kWords{QStringLiteral("O'Neil"), QStringLiteral("100%"), QStringLiteral("_x_"),
                         QStringLiteral("a|b"),    QStringLiteral("1,2"),  QStringLiteral("250"),
                         QStringLiteral("12.5"),   QStringLiteral("0930"), QStringLiteral("Ωμέγα"),
                         QStringLiteral("日本"),   QStringLiteral("-1"),   QStringLiteral("99999999"),
                         QStringLiteral("Door"),   QStringLiteral("anna"), QStringLiteral("pass")};
const QList<Qt::Key> kKeys{Qt::Key_Return,    Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Delete,
                           Qt::Key_Backspace, Qt::Key_Up,  Qt::Key_Down,    Qt::Key_Space,  Qt::Key_F4};

// Types text as a keyboard would; letters beyond Latin-1 come as key events that
// carry only their text, as from an input method.
void typeText(QWidget *box, const QString &text) {
  for (QChar c : text) {
    if (c.unicode() < 0x100) {
      QTest::keyClick(box, c.toLatin1());
      continue;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
  }
}

struct Monkey {
  QRandomGenerator rng;
  app::MainWindow &main;
  int clicks = 0, typings = 0, keys = 0, menus = 0, openers = 0, boxes = 0;
  QSet<QString> windowsSeen;
  QString lastAction; // for the report of a step that never returns

  template <typename T> T *pick(const QList<T *> &list) {
    return list.isEmpty() ? nullptr : list.at(int(rng.bounded(qsizetype(list.size()))));
  }

  // Widgets a user can reach now: visible, enabled, inside a shown window.
  template <typename T> QList<T *> reachable() {
    QList<T *> found;
    for (QWidget *w : QApplication::allWidgets()) {
      auto *t = qobject_cast<T *>(w);
      if (t && w->isVisible() && w->isEnabled() && w->window()->isVisible() && w->width() > 0)
        found << t;
    }
    return found;
  }

  QString randomText() {
    QString text;
    const int parts = int(rng.bounded(1, 4));
    for (int i = 0; i < parts; ++i)
      text += kWords.at(int(rng.bounded(qsizetype(kWords.size()))));
    return text;
  }

  void step() {
    // Keys never reach a popped-up calendar: its own typed-date navigation (inside the
    // toolkit, not this program) keeps a few hundred bytes to the end of the run, which
    // the leak check would report.
    if (QWidget *popup = QApplication::activePopupWidget())
      popup->close();
    const int kind = int(rng.bounded(100));
    if (kind < 8) {
      QList<QAction *> actions;
      for (QAction *a : main.menuBar()->actions())
        if (a->isEnabled() && !a->menu())
          actions << a;
      if (QAction *a = pick(actions)) {
        lastAction = QStringLiteral("menu ") + a->objectName();
        a->trigger();
        ++menus;
      }
    } else if (kind < 10) {
      // Windows the menu does not reach once signed in, and the door lists' choices
      // that random clicks seldom hit.
      lastAction = QStringLiteral("opener");
      switch (rng.bounded(5)) {
      case 0:
        app::openLogin();
        break;
      case 1:
        app::openChangePassword();
        break;
      case 2:
        app::openEmployeeInfo(QStringLiteral("u1"));
        break;
      case 3:
        tickets::New_ViewForm(QStringLiteral("Door%1").arg(rng.bounded(200, 400)));
        break;
      default:
        tickets::Unclosed_ViewForm(rng.bounded(2) ? QStringLiteral("Door201") : QStringLiteral("Door305"));
      }
      ++openers;
    } else if (kind < 55) {
      QWidget *target = pick(reachable<QWidget>());
      if (target && target != &main && !qobject_cast<QMenuBar *>(target)) {
        const QPoint at(int(rng.bounded(target->width())), int(rng.bounded(target->height())));
        const bool twice = rng.bounded(5) == 0;
        lastAction = QStringLiteral("click on %1 (%2) in %3")
                         .arg(target->objectName(), QString::fromLatin1(target->metaObject()->className()),
                              target->window()->objectName());
        if (twice)
          QTest::mouseDClick(target, Qt::LeftButton, {}, at);
        else
          QTest::mouseClick(target, Qt::LeftButton, {}, at);
        ++clicks;
      }
    } else if (kind < 85) {
      QList<QWidget *> boxes;
      for (QLineEdit *w : reachable<QLineEdit>())
        boxes << w;
      for (QPlainTextEdit *w : reachable<QPlainTextEdit>())
        boxes << w->viewport();
      if (QWidget *box = pick(boxes)) {
        lastAction = QStringLiteral("typing into ") + box->objectName();
        typeText(box, randomText());
        ++typings;
      }
    } else {
      // Focus can stay on a hidden widget (a closed popup's calendar); keys go to
      // something the user can see.
      QWidget *target = QApplication::focusWidget();
      if (!target || !target->isVisible() || !target->window()->isVisible())
        target = pick(reachable<QWidget>());
      if (target) {
        lastAction = QStringLiteral("key on ") + target->objectName();
        QTest::keyClick(target, kKeys.at(int(rng.bounded(qsizetype(kKeys.size())))));
        ++keys;
      }
    }
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QMdiSubWindow *sub : main.mdiArea()->subWindowList())
      if (sub->widget())
        windowsSeen.insert(sub->widget()->objectName());
  }
};

} // namespace

class TestMonkey : public QObject {
  Q_OBJECT
private slots:
  void randomUseOfEveryWindowBreaksNothing() {
    const quint32 seed = qEnvironmentVariableIsSet("VARNEL_MONKEY_SEED")
                             ? quint32(qEnvironmentVariableIntValue("VARNEL_MONKEY_SEED"))
                             : 20260309u;
    testing_support::TempAppFolder folder;
    const QString db =
        folder.signIn(QStringLiteral("u1"), QStringLiteral("pass"), QStringLiteral("40500000"));
    reliability::fillTickets(db, 60);
    {
      store::Database open(db);
      open.exec("INSERT INTO TruckCo (TruckCo) VALUES ('Acme'), ('O''Hare');"
                "INSERT INTO Vendor (Vendor, VendorNo) VALUES ('Mc''Cain', '77'), ('Beta', '12');"
                "INSERT INTO Trade (UserID, TradeDate, Ticket, Door, PaymentType, JobClose) VALUES"
                " ('u1', date('now'), '40599001', 'Door201', 3, 0), ('u1', date('now'), '40599002', "
                "'Door305', 1, 0),"
                " ('u1', date('now'), '40599003', 'Door250', 2, 1);");
    }
    QTemporaryDir out;
    printing::printToFileForTest(out.filePath(QStringLiteral("print.pdf")));
    login::setProfilePrintFileForTest(out.filePath(QStringLiteral("profile.pdf")));
    app::setSystemInfoProgramsForTest({QStringLiteral("varnel-no-such-program")});
    app::setSplashDurationForTest(0);

    app::MainWindow main;
    main.resize(1100, 800);
    main.show();
    main.enableWorkingMenu();
    Monkey monkey{QRandomGenerator(seed), main};
    app::setMessageHandler([&monkey](const app::Message &m) {
      ++monkey.boxes;
      if (m.buttons == app::Buttons::Ok)
        return app::Answer::Ok;
      return monkey.rng.bounded(2) ? app::Answer::Yes : app::Answer::No;
    });

    // A menu popped up by a tool button runs its own event loop until the user picks
    // or clicks away; the monkey clicks away.
    QTimer popupCloser;
    QObject::connect(&popupCloser, &QTimer::timeout, [] {
      if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    });
    popupCloser.start(20);

    QElapsedTimer timer;
    timer.start();
    int events = 0;
    // A step that never comes back (a window waiting on something nobody can do) is
    // reported with what the monkey did last.
    QTimer stuck;
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout,
                     [&monkey] { qFatal("stuck after: %s", qPrintable(monkey.lastAction)); });
    while (events < kEvents && timer.elapsed() < kTimeLimitMs) {
      stuck.start(60000);
      monkey.step();
      ++events;
    }
    app::setMessageHandler({});
    printing::printToFileForTest(QString());
    login::setProfilePrintFileForTest(QString());
    app::setSystemInfoProgramsForTest({});
    app::setSplashDurationForTest(-1);

    QStringList seen = monkey.windowsSeen.values();
    seen.sort();
    qInfo("seed %u: %d events in %lld ms (%d clicks, %d typings, %d keys, %d menu choices, %d openers), "
          "%d boxes answered; windows: %s",
          seed, events, timer.elapsed(), monkey.clicks, monkey.typings, monkey.keys, monkey.menus,
          monkey.openers, monkey.boxes, qPrintable(seen.join(QStringLiteral(", "))));
    QVERIFY2(events == kEvents, "the time limit ran out first");
    store::session().closeConnection();
    QCOMPARE(reliability::integrityOf(db), QStringLiteral("ok"));
  }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
