#include "app/startup.h"

#include "app/main_window.h"
#include "app/version.h"
#include "store/user_database.h"

#include <QApplication>

namespace app {

int run(QApplication &application) {
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
