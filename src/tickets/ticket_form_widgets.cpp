#include "tickets/ticket_form_widgets.h"

#include <QFont>
#include <QPainter>

namespace tickets {

void unselect(QRadioButton *option) {
  if (!option->isChecked())
    return;
  // An exclusive option cannot be unselected on its own.
  const bool exclusive = option->autoExclusive();
  option->setAutoExclusive(false);
  option->setChecked(false);
  option->setAutoExclusive(exclusive);
}

QString boxText(const QPlainTextEdit *box) {
  QString text = box->toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text;
}

void setBoxText(QPlainTextEdit *box, const QString &text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  box->setPlainText(shown);
}

QPixmap placeholderSignature() {
  QPixmap picture(370, 80);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  QFont font = painter.font();
  font.setItalic(true);
  font.setPointSize(20);
  painter.setFont(font);
  painter.setPen(QColor(192, 192, 192));
  painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Signature"));
  return picture;
}

} // namespace tickets
