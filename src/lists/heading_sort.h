#pragma once
// What a click on a heading of a reference list sorts by, and the sort itself.

#include <QStringList>

#include <vector>

namespace lists {

struct SortKey {
  int col; // grid column, from 1
  bool descending = false;
  bool operator==(const SortKey &) const = default;
};

// The keys of a click on heading column `clicked` of a grid of `columns` columns:
// that column and the ones after it, wrapping to column 1, one key fewer than there
// are columns. Each key takes its order from the sort-order flag (set: descending),
// and the flag flips after each key.
std::vector<SortKey> headingSortKeys(int clicked, int columns, bool &descendingFlag);

// The order of rows (cells by grid column, column 1 first) after a stable sort by the
// keys. Keys naming a column outside firstCol..lastCol take no part: those cells do
// not move with the rows. Texts compare ignoring letter case first.
std::vector<int> sortedRowOrder(const std::vector<QStringList> &rows, int firstCol, int lastCol,
                                const std::vector<SortKey> &keys);

} // namespace lists
