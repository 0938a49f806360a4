#include "lists/heading_sort.h"

#include <algorithm>
#include <numeric>

namespace lists {

std::vector<SortKey> headingSortKeys(int clicked, int columns, bool &descendingFlag) {
  std::vector<SortKey> keys;
  for (int j = 0; j < columns - 1; ++j) {
    keys.push_back({(clicked - 1 + j) % columns + 1, descendingFlag});
    descendingFlag = !descendingFlag;
  }
  return keys;
}

namespace {

int compareCells(const QString &a, const QString &b) {
  const int folded = QString::compare(a, b, Qt::CaseInsensitive);
  return folded != 0 ? folded : QString::compare(a, b, Qt::CaseSensitive);
}

QString cellOf(const QStringList &row, int col) { return col - 1 < row.size() ? row[col - 1] : QString(); }

} // namespace

std::vector<int> sortedRowOrder(const std::vector<QStringList> &rows, int firstCol, int lastCol,
                                const std::vector<SortKey> &keys) {
  std::vector<SortKey> used;
  std::copy_if(keys.begin(), keys.end(), std::back_inserter(used),
               [&](const SortKey &k) { return k.col >= firstCol && k.col <= lastCol; });
  std::vector<int> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    for (const SortKey &k : used) {
      const int cmp = compareCells(cellOf(rows[a], k.col), cellOf(rows[b], k.col));
      if (cmp != 0)
        return k.descending ? cmp > 0 : cmp < 0;
    }
    return false;
  });
  return order;
}

} // namespace lists
