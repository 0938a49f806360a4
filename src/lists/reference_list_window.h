#pragma once
// What the trucking-company and vendor windows share: a grid of 999 rows whose first
// column ticks entries for deletion, the entry added last in blue, adding at the first
// free row, deleting the ticked entries after a "Reconfirm" box, and the heading
// clicks (tick all / untick all, sort).

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <vector>

class QPushButton;
class QVBoxLayout;

namespace app {
class Grid;
}

namespace lists {

inline constexpr int kListRows = 999;

class ReferenceListWindow : public QWidget {
  Q_OBJECT
public:
  app::Grid *grid() const { return grid_; }
  // Empties the grid: every row removed, then 999 empty rows.
  void InitList();
  // Fills the grid from the table; the last entry blue, the grid scrolled to the end.
  void LoadList();
  // Rows before the first row without a name.
  int rowsInUse() const;
  // 9300 x 4380 twips, as set at load.
  QSize sizeHint() const override { return QSize(9300 / 15, 4380 / 15); }

protected:
  explicit ReferenceListWindow(QWidget *parent = nullptr);
  // Headings of the columns after "Delete", with their widths in characters.
  void setUpGrid(const QStringList &headings, const std::vector<int> &widthChars);
  // Lays the window out, the grid with the entry boxes beside it and under them the
  // button that stores an entry and the one that deletes the ticked entries, and
  // fills the list.
  void finishWindow(QVBoxLayout *entryBoxes, QPushButton *save, QPushButton *deleteTicked);
  // Stores the entry (cells of the columns after "Delete") and shows it at the first
  // free row. False, after its message, when it was not stored.
  bool addEntry(const QStringList &cells);
  void deleteCheckedEntries();

  void showEvent(QShowEvent *event) override;

  virtual std::vector<QStringList> readEntries() = 0;
  virtual void storeEntry(const QStringList &cells) = 0;
  virtual void deleteEntry(const QString &name) = 0;

private:
  void onCellClicked(int col, int row);
  void toggleAllTicks();
  void sortByHeading(int col);
  void scrollToEnd(int rows);

  app::Grid *grid_;
  bool checkAll_ = false;
  bool descending_ = false;
  int pendingTopRow_ = 0;
};

// The blue of the entry added last and the black of the rows above it.
inline const QColor kLastEntryColor = QColor(Qt::blue);
inline const QColor kEntryColor = QColor(Qt::black);

} // namespace lists
