#include "app/splash.h"

#include "app/logo.h"

#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace app {

namespace {

int splashDuration = 2000;

QFont bookAntiqua(qreal points, bool italic) {
  QFont font(QStringLiteral("Book Antiqua"));
  font.setPointSizeF(points);
  font.setBold(true);
  font.setItalic(italic);
  return font;
}

QLabel *label(QWidget *parent, const QString &text, const QFont &font, const QRect &where) {
  auto *l = new QLabel(text, parent);
  l->setFont(font);
  l->setGeometry(where);
  return l;
}

} // namespace

void setSplashDurationForTest(int ms) { splashDuration = ms < 0 ? 2000 : ms; }

void showSplash(const QString &userId) {
  // Not a child of the main window: a frameless dialog centred on the screen.
  QDialog splash(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
  splash.setObjectName(QStringLiteral("frmStart"));
  splash.setFixedSize(493, 287);
  splash.setModal(true);

  auto *frame = new QFrame(&splash);
  frame->setFrameShape(QFrame::Box);
  frame->setGeometry(8, 8, 477, 271);

  auto *logo = new QLabel(frame);
  logo->setPixmap(productLogo(120));
  logo->setGeometry(24, 40, 120, 120);
  label(frame, QStringLiteral("Varnel 1.0"), bookAntiqua(21.75, true), QRect(170, 40, 290, 50));
  label(frame, QStringLiteral("Used by :"), bookAntiqua(11.25, false), QRect(170, 120, 90, 24));
  QLabel *user = label(frame, userId, bookAntiqua(11.25, false), QRect(262, 120, 200, 24));
  user->setObjectName(QStringLiteral("lbUserID"));
  label(frame, QStringLiteral("Windows 2000/XP/NT/Vista"), bookAntiqua(9.75, false),
        QRect(170, 200, 290, 22));

  if (QScreen *screen = QGuiApplication::primaryScreen())
    splash.move(screen->geometry().center() - splash.rect().center());

  // The timer runs from the moment the window is made; its first tick closes it.
  QTimer::singleShot(splashDuration, &splash, &QDialog::accept);
  splash.exec();
}

} // namespace app
