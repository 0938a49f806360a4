#include "app/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace app {

namespace {
MessageHandler &handler() {
  static MessageHandler h;
  return h;
}

QMessageBox::Icon toQt(Icon icon) {
  switch (icon) {
  case Icon::Information:
    return QMessageBox::Information;
  case Icon::Exclamation:
    return QMessageBox::Warning;
  case Icon::Critical:
    return QMessageBox::Critical;
  case Icon::Question:
    return QMessageBox::Question;
  case Icon::None:
    break;
  }
  return QMessageBox::NoIcon;
}
} // namespace

void setMessageHandler(MessageHandler h) { handler() = std::move(h); }

Answer showMessage(const QString &text, Buttons buttons, const QString &title, Icon icon) {
  Message message{text, title.isEmpty() ? QStringLiteral("Varnel") : title, buttons, icon};
  if (handler())
    return handler()(message);
  QMessageBox box(toQt(icon), message.title, text,
                  buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                  QApplication::activeWindow());
  const int pressed = box.exec();
  if (buttons == Buttons::Ok)
    return Answer::Ok;
  return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace app
