#include "tickets/ticket_record.h"

#include <QStringList>

namespace tickets {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

int CountLines(const QString &text) {
  if (text.isEmpty())
    return 0;
  return int(text.count(kCrLf)) + 1;
}

QString GetLine(const QString &text, int n) {
  const QStringList lines = text.split(kCrLf);
  if (n < 1 || n > lines.size())
    return QString();
  return lines.at(n - 1);
}

QString joinLines(const QString &text) {
  QString joined = text;
  joined.replace(kCrLf, QStringLiteral("|"));
  return joined;
}

QString splitLines(const QString &stored) {
  QString text = stored;
  text.replace(QLatin1Char('|'), kCrLf);
  return text;
}

QString signatureFileName(const QString &ticket) {
  return QStringLiteral("sign") + ticket + QStringLiteral(".BMP");
}

} // namespace tickets
