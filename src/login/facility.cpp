#include "login/facility.h"

#include <QRegularExpression>

#include <limits>

namespace login {

namespace {

struct Facility {
  const char *name;
  qint64 base;        // digit facilities
  const char *prefix; // letter facilities, nullptr for digit ones
};

constexpr Facility kFacilities[] = {
    {"Tavrel DC", 10500000, nullptr},    {"Quendal East", 20500000, nullptr},
    {"Pelmar", 30500000, nullptr},       {"Ostrine", 40500000, nullptr},
    {"Vexil", 50500000, nullptr},        {"Harrowin", 60500000, nullptr},
    {"Juvell", 70500000, nullptr},       {"Ombrey", 80500000, nullptr},
    {"Quendal West", 90500000, nullptr}, {"Lirrow", 0, "B05"},
    {"Wembric Packaging", 0, "P05"},     {"Sample", 0, "S05"},
};

constexpr qint64 kInt32Max = std::numeric_limits<qint32>::max();

} // namespace

const QStringList &facilityNames() {
  static const QStringList names = [] {
    QStringList out;
    for (const Facility &f : kFacilities)
      out << QString::fromLatin1(f.name);
    return out;
  }();
  return names;
}

FacilityCode facilityCode(const QString &facility, const QString &employeeCode) {
  const QString typed = employeeCode.trimmed();
  bool ok = false;
  const qint64 n = typed.toLongLong(&ok);
  if (!ok) {
    static const QRegularExpression digits(QStringLiteral("^\\+?[0-9]+$"));
    return {digits.match(typed).hasMatch() ? FacilityCode::Status::TooLarge
                                           : FacilityCode::Status::NotWholeNumber,
            {}};
  }
  // Zero and negative codes would give codes such as "B05-10000" that number nothing.
  if (n < 1)
    return {FacilityCode::Status::NotWholeNumber, {}};
  if (n - 1 > kInt32Max / 10000)
    return {FacilityCode::Status::TooLarge, {}};
  const qint64 step = (n - 1) * 10000;

  const Facility *found = &kFacilities[0]; // any other text counts as Tavrel DC
  for (const Facility &f : kFacilities)
    if (facility == QLatin1String(f.name))
      found = &f;

  if (found->prefix)
    return {FacilityCode::Status::Ok, n == 1 ? QString::fromLatin1(found->prefix) + QStringLiteral("00000")
                                             : QString::fromLatin1(found->prefix) + QString::number(step)};
  if (found->base + step > kInt32Max)
    return {FacilityCode::Status::TooLarge, {}};
  return {FacilityCode::Status::Ok, QString::number(found->base + step)};
}

} // namespace login
