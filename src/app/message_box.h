#pragma once
// The program's one message function. Every box the program shows goes through
// showMessage, so tests can put a recorder in its place.

#include <QString>

#include <functional>

namespace app {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Answer { Ok, Yes, No };

struct Message {
  QString text;
  QString title;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
};

// Shows a modal box and returns the button pressed. An empty title shows "Varnel".
Answer showMessage(const QString &text, Buttons buttons = Buttons::Ok, const QString &title = {},
                   Icon icon = Icon::None);

using MessageHandler = std::function<Answer(const Message &)>;
// Replaces the real box; an empty handler brings it back.
void setMessageHandler(MessageHandler handler);

} // namespace app
