#include "app/startup.h"

#include "app/main_window.h"
#include "store/user_database.h"

#include <QApplication>

namespace app {

int run(QApplication &application) {
  QApplication::setApplicationName(QStringLiteral("Varnel"));
  QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
  store::session().setAppFolder(QCoreApplication::applicationDirPath());
  MainWindow window;
  window.show();
  window.start();
  return application.exec();
}

} // namespace app
