#include "store/open_doors.h"

#include "store/user_database.h"

namespace store {

QStringList openRowDoors() {
  Statement q = session().db().prepare("SELECT Door FROM Trade WHERE JobClose = 0 ORDER BY Door, No;");
  QStringList doors;
  while (q.step())
    doors << (q.isNull(0) ? QString() : q.text(0));
  return doors;
}

bool hasOpenJob(const QString &doorName) {
  Statement q = session().db().prepare("SELECT 1 FROM Trade WHERE JobClose = 0 AND Door = ? LIMIT 1;");
  q.bind(1, doorName);
  return q.step();
}

} // namespace store
