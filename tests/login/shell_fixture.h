#pragma once
// The program as a user meets it: a temporary application folder, recorded message
// boxes, and the main window with the login window inside it.

#include "app/main_window.h"
#include "app/splash.h"
#include "support/test_support.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

struct Shell {
  testing_support::TempAppFolder folder;
  testing_support::MessageRecorder messages;
  app::MainWindow main;

  Shell() {
    app::setSplashDurationForTest(0);
    main.show();
    main.start();
  }
  ~Shell() { app::setSplashDurationForTest(-1); }

  // A loaded child window by its name (hidden ones too), or nullptr.
  QWidget *child(const char *name) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QMdiSubWindow *sub : main.mdiArea()->subWindowList())
      if (sub->widget() && sub->widget()->objectName() == QLatin1String(name))
        return sub->widget();
    return nullptr;
  }
  template <typename T> T *control(const char *window, const char *name) {
    QWidget *w = child(window);
    return w ? w->findChild<T *>(QLatin1String(name)) : nullptr;
  }
  bool workingMenuEnabled() const {
    for (const char *name : {"Door", "Unclosed", "Search", "Truck", "Vendor"})
      if (!main.menuAction(QLatin1String(name))->isEnabled())
        return false;
    return true;
  }
};
