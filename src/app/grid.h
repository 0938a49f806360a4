#pragma once
// The spreadsheet-like list "Spr1" of the door lists, search and the reference lists.
// Columns and rows count from 1; row 0 is the heading row. Cells hold text, or 0/1 in
// a check-box column. A click on a cell reports (column, row), row 0 for a heading.

#include "app/text_table.h"

#include <QColor>
#include <QStringList>
#include <QTableView>

#include <memory>
#include <vector>

namespace app {

class GridModel;

class Grid : public QTableView {
  Q_OBJECT
public:
  explicit Grid(QWidget *parent = nullptr);
  ~Grid() override;

  void setHeadings(const QStringList &headings); // sets the number of columns too
  void setColumnWidthChars(int col, int chars);
  int maxCols() const;
  // 0 removes every row.
  void setMaxRows(int rows);
  int maxRows() const;
  // Removes every row and leaves `rows` empty ones, as setMaxRows(0) then
  // setMaxRows(rows) do, with the view laid out once.
  void clearRows(int rows);

  QString text(int col, int row) const;
  void setText(int col, int row, const QString &text);
  void setTextColor(int col, int row, const QColor &color);
  void setRowTextColor(int row, const QColor &color);
  // The colour of every cell of a column, now and after later fills, unless the
  // cell has a colour of its own.
  void setColumnTextColor(int col, const QColor &color);
  QColor textColor(int col, int row) const;

  void setCheckBoxColumn(int col);
  int checkValue(int col, int row) const;
  void setCheckValue(int col, int row, int value);

  // Replaces rows 1..n with the given texts in one go (fast fill of long lists); the
  // rows' own cell colours go, the columns' colours stay. A table of the grid's
  // columns given to a grid with nothing written past it is shared, not copied.
  void setRowTexts(const TextTable &rows);
  void setRowTexts(const std::vector<QStringList> &rows);

  void setTopRow(int row);
  int topRow() const;

  enum class Order { Ascending, Descending };
  struct SortKey {
    int col;
    Order order = Order::Ascending;
  };
  // Sorts rows row1..row2 as whole rows by the keys, comparing cell texts; rows equal
  // in every key keep their order.
  void sortBlock(int row1, int row2, const std::vector<SortKey> &keys);

signals:
  void cellClicked(int col, int row);

private:
  GridModel *model_;
};

} // namespace app
