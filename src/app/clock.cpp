#include "app/clock.h"

namespace app {

namespace {
QDateTime frozen;
}

QDateTime now() { return frozen.isValid() ? frozen : QDateTime::currentDateTime(); }
QDate today() { return now().date(); }
void setClockForTest(const QDateTime &moment) { frozen = moment; }

} // namespace app
