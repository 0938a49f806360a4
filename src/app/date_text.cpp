#include "app/date_text.h"

#include <QLocale>
#include <QRegularExpression>

namespace app {

namespace {
// A machine with no locale set (the "C" locale) writes dates as in the United States.
QLocale dateLocale() {
  const QLocale system = QLocale::system();
  return system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : system;
}
} // namespace

QString shortDateFormat() {
  QString format = dateLocale().dateFormat(QLocale::ShortFormat);
  // Widen any two-digit year to four digits; leave a four-digit year alone.
  static const QRegularExpression year(QStringLiteral("y+"));
  format.replace(year, QStringLiteral("yyyy"));
  return format;
}

QString dateText(const QDate &date) { return dateLocale().toString(date, shortDateFormat()); }

QString folderDateText(const QDate &date) {
  QString text = dateText(date);
  for (QChar &c : text)
    if (QStringLiteral("/\\:*?\"<>|").contains(c))
      c = QLatin1Char('-');
  return text;
}

} // namespace app
