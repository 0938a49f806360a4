#include "app/about_window.h"

#include "app/logo.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/version.h"
#include "app/windows.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace app {

namespace {

QStringList systemInfoPrograms;

QStringList platformSystemInfoPrograms() {
  return {QStringLiteral("hardinfo2"),           QStringLiteral("hardinfo"),
          QStringLiteral("kinfocenter"),         QStringLiteral("gnome-system-monitor"),
          QStringLiteral("mate-system-monitor"), QStringLiteral("xfce4-taskmanager")};
}

} // namespace

void setSystemInfoProgramsForTest(const QStringList &programs) { systemInfoPrograms = programs; }

AboutWindow::AboutWindow(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About ") + QString::fromLatin1(kApplicationTitle));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(382, 222);

  auto *logo = new QLabel(this);
  logo->setPixmap(productLogo(64));
  logo->setGeometry(16, 16, 64, 64);

  auto *title = new QLabel(QString::fromLatin1(kApplicationTitle), this);
  title->setObjectName(QStringLiteral("lblTitle"));
  QFont titleFont(QStringLiteral("Book Antiqua"));
  titleFont.setPointSizeF(15.75);
  titleFont.setBold(true);
  titleFont.setItalic(true);
  title->setFont(titleFont);
  title->setGeometry(100, 16, 260, 32);

  auto *versionLine = new QLabel(
      QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision), this);
  versionLine->setObjectName(QStringLiteral("lblVersion"));
  versionLine->setGeometry(100, 56, 260, 20);

  auto *line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(16, 128, 350, 4);

  auto *ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setGeometry(262, 146, 104, 28);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { closeChild(this); });

  auto *info = new QPushButton(QStringLiteral("&System Info..."), this);
  info->setObjectName(QStringLiteral("cmdSysInfo"));
  info->setGeometry(262, 182, 104, 28);
  connect(info, &QPushButton::clicked, this, &AboutWindow::startSystemInfo);
}

void AboutWindow::keyPressEvent(QKeyEvent *event) {
  // OK is both the default and the cancel button.
  switch (event->key()) {
  case Qt::Key_Return:
  case Qt::Key_Enter:
  case Qt::Key_Escape:
    closeChild(this);
    return;
  default:
    QWidget::keyPressEvent(event);
  }
}

void AboutWindow::startSystemInfo() {
  const QStringList candidates =
      systemInfoPrograms.isEmpty() ? platformSystemInfoPrograms() : systemInfoPrograms;
  for (const QString &name : candidates) {
    const QString program = QStandardPaths::findExecutable(name);
    if (!program.isEmpty() && QProcess::startDetached(program, {}))
      return;
  }
  showMessage(QStringLiteral("System Information Is Unavailable At This Time"));
}

void openAbout() {
  static QPointer<AboutWindow> window;
  showOnly(window);
}

} // namespace app
