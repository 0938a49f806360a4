#include "app/main_window.h"

#include "app/windows.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

namespace app {

namespace {
QPointer<MainWindow> theMainWindow;
const char *kWorkingEntries[] = {"Door", "Unclosed", "Search", "Truck", "Vendor"};
} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), mdi_(new QMdiArea(this)) {
  theMainWindow = this;
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Varnel - Ostrine"));
  mdi_->setObjectName(QStringLiteral("mdiArea"));
  mdi_->setBackground(palette().brush(QPalette::Dark));
  setCentralWidget(mdi_);
  // Wide and tall enough for the ticket form with its frame; on a smaller screen the
  // workspace scrolls, so no part of a child window is ever out of reach.
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  QSize size(1012, 690);
  if (const QScreen *screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size());
  resize(size);
  buildMenu();
}

MainWindow::~MainWindow() = default;

MainWindow *MainWindow::instance() { return theMainWindow; }

void MainWindow::buildMenu() {
  QMenuBar *bar = menuBar();
  viewMenu_ = bar->addMenu(QStringLiteral("&View"));
  viewMenu_->menuAction()->setObjectName(QStringLiteral("View"));
  connect(viewMenu_, &QMenu::aboutToShow, this, &MainWindow::refreshWindowList);

  auto add = [&](const char *name, const QString &caption, auto slot) {
    QAction *a = bar->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  add("Door", QStringLiteral("&New Door"), [] { openNewDoorListFromMenu(); });
  add("Unclosed", QStringLiteral("&Unclosed Door"), [] { openUnclosedDoorListFromMenu(); });
  add("Search", QStringLiteral("&Search by Date"), [] { openSearch(); });
  add("Truck", QStringLiteral("&Truck Company"), [] { openTruckCompanies(); });
  add("Vendor", QStringLiteral("V&endor"), [] { openVendors(); });
  add("About", QStringLiteral("&About"), [] { openAbout(); });
}

void MainWindow::refreshWindowList() {
  viewMenu_->clear();
  const auto windows = mdi_->subWindowList();
  for (QMdiSubWindow *sub : windows) {
    if (!sub->isVisible())
      continue;
    QAction *a = viewMenu_->addAction(sub->windowTitle());
    a->setCheckable(true);
    a->setChecked(sub == mdi_->activeSubWindow());
    connect(a, &QAction::triggered, this, [this, sub = QPointer<QMdiSubWindow>(sub)] {
      if (sub)
        mdi_->setActiveSubWindow(sub);
    });
  }
}

QAction *MainWindow::menuAction(const QString &name) const {
  if (name == QLatin1String("View"))
    return viewMenu_->menuAction();
  return findChild<QAction *>(name);
}

void MainWindow::enableWorkingMenu() {
  for (const char *name : kWorkingEntries)
    menuAction(QString::fromLatin1(name))->setEnabled(true);
}

void MainWindow::start() {
  for (const char *name : kWorkingEntries)
    menuAction(QString::fromLatin1(name))->setEnabled(false);
  openLogin();
}

QMdiSubWindow *childFrame(QWidget *window) {
  return window ? qobject_cast<QMdiSubWindow *>(window->parentWidget()) : nullptr;
}

QMdiSubWindow *showChild(QWidget *window) {
  QMdiSubWindow *frame = childFrame(window);
  MainWindow *main = MainWindow::instance();
  if (!frame && main) {
    Qt::WindowFlags flags = window->windowFlags() & (Qt::FramelessWindowHint | Qt::WindowMinMaxButtonsHint |
                                                     Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    // The frame draws its close box only with a system menu.
    if (flags & Qt::WindowCloseButtonHint)
      flags |= Qt::WindowSystemMenuHint;
    frame = main->mdiArea()->addSubWindow(window, flags ? flags | Qt::SubWindow : Qt::WindowFlags());
    frame->setAttribute(Qt::WA_DeleteOnClose);
    window->setAttribute(Qt::WA_DeleteOnClose);
    frame->move(0, 0);
  }
  if (frame) {
    frame->show();
    window->show();
    frame->raise();
    main->mdiArea()->setActiveSubWindow(frame);
  } else {
    window->show();
  }
  return frame;
}

void closeChild(QWidget *window) {
  if (!window)
    return;
  if (QMdiSubWindow *frame = childFrame(window))
    frame->close();
  else
    window->close();
}

void hideChild(QWidget *window) {
  if (!window)
    return;
  if (QMdiSubWindow *frame = childFrame(window))
    frame->hide();
  else
    window->hide();
}

} // namespace app
