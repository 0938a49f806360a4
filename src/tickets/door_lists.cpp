#include "tickets/door_lists.h"

#include "tickets/door_numbers.h"

#include <set>

namespace tickets {

namespace {

bool hasDoor(const QString &door) { return !door.isEmpty(); }

} // namespace

QStringList newDoorList(const QStringList &openRowDoors) {
  std::set<int> taken;
  for (const QString &door : openRowDoors) {
    if (!hasDoor(door))
      continue;
    QString digits = door;
    digits.remove(QStringLiteral("Door"));
    if (const std::optional<int> number = readWholeNumber(digits))
      taken.insert(*number);
  }
  QStringList doors;
  for (int number = 201; number <= 399; ++number)
    if (isCandidateDoorNumber(number) && !taken.count(number))
      doors << doorName(number);
  return doors;
}

QStringList unclosedDoorList(const QStringList &openRowDoors) {
  QStringList doors;
  for (const QString &door : openRowDoors)
    if (hasDoor(door))
      doors << door;
  return doors;
}

GridCell doorCell(int k) { return {k / kDoorListColumns + 1, k % kDoorListColumns + 1}; }

std::vector<QStringList> doorRows(const QStringList &doors) {
  std::vector<QStringList> rows((doors.size() + kDoorListColumns - 1) / kDoorListColumns);
  for (int k = 0; k < doors.size(); ++k)
    rows[doorCell(k).row - 1] << doors[k];
  return rows;
}

} // namespace tickets
