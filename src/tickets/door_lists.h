#pragma once
// Which doors the two door lists show, and where each door goes in the list's grid.
// Both work on the Door texts of the open Trade rows in the order the database gives
// them (door names ascending, a row without a door first); a null or empty text
// stands for a row without a door.

#include <QStringList>

#include <vector>

namespace tickets {

// The number of columns of both door lists.
inline constexpr int kDoorListColumns = 4;

// New Door List: "Door" + number for every candidate door (201-280, 314-399) that has
// no open job, ascending. The profile's seed row has no door and is passed over.
QStringList newDoorList(const QStringList &openRowDoors);

// Unclosed door list: one door text per open job, in the order given, passing over
// rows without a door (the seed row).
QStringList unclosedDoorList(const QStringList &openRowDoors);

// The k-th door written (k from 0) goes to row k div 4 + 1, column k mod 4 + 1.
struct GridCell {
  int row;
  int col;
  bool operator==(const GridCell &) const = default;
};
GridCell doorCell(int k);

// The doors laid out row by row, four to a row, for filling the grid in one go.
std::vector<QStringList> doorRows(const QStringList &doors);

} // namespace tickets
