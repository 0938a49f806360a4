#include "app/startup.h"

#include "app/main_window.h"
#include "app/version.h"
#include "store/user_database.h"

#include <QApplication>

#include <malloc.h>

namespace app {

void tuneMemory() {
  // Freed small blocks go back at once instead of piling up in the fast bins: a search
  // that drops a year's list of tickets otherwise pays for merging them all later.
  mallopt(M_MXFAST, 0);
}

int run(QApplication &application) {
  tuneMemory();
  QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
  QApplication::setApplicationVersion(
      QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
  store::session().setAppFolder(QCoreApplication::applicationDirPath());
  MainWindow window;
  window.show();
  window.start();
  return application.exec();
}

} // namespace app
