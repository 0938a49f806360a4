#pragma once
// The one clock of the program. Tests set it; everything else asks it.

#include <QDate>
#include <QDateTime>

namespace app {

QDate today();
QDateTime now();
// Freezes the clock at the given moment; an invalid QDateTime lets it run again.
void setClockForTest(const QDateTime &moment);

} // namespace app
