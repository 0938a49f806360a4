#include "lists/reference_list_window.h"

#include "app/grid.h"
#include "app/message_box.h"
#include "lists/heading_sort.h"
#include "store/database.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>

namespace lists {

namespace {
const QString kLoadFailed = QStringLiteral("LoadList has an error!");
const QString kStoreFailed = QStringLiteral("InTimeDB has an error!");
const QString kDeleteFailed = QStringLiteral("Delete Error!!");
const QString kListFull = QStringLiteral("The list is full: no more than 999 entries can be shown!");
const QString kReconfirm = QStringLiteral("Are you sure to delete these company?");
constexpr int kDeleteColumn = 1;
constexpr int kNameColumn = 2;
} // namespace

ReferenceListWindow::ReferenceListWindow(QWidget *parent) : QWidget(parent), grid_(new app::Grid(this)) {
  grid_->setObjectName(QStringLiteral("Spr1"));
  connect(grid_, &app::Grid::cellClicked, this, &ReferenceListWindow::onCellClicked);
}

void ReferenceListWindow::setUpGrid(const QStringList &headings, const std::vector<int> &widthChars) {
  grid_->setHeadings(QStringList{QStringLiteral("Delete")} + headings);
  grid_->setCheckBoxColumn(kDeleteColumn);
  grid_->setColumnWidthChars(kDeleteColumn, 6);
  for (size_t i = 0; i < widthChars.size(); ++i)
    grid_->setColumnWidthChars(int(i) + 2, widthChars[i]);
  grid_->horizontalHeader()->setStretchLastSection(true);
}

void ReferenceListWindow::finishWindow(QVBoxLayout *entryBoxes, QPushButton *save,
                                       QPushButton *deleteTicked) {
  entryBoxes->addWidget(save);
  entryBoxes->addSpacing(12);
  entryBoxes->addWidget(deleteTicked);
  entryBoxes->addStretch(1);
  auto *layout = new QHBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addLayout(entryBoxes);
  connect(deleteTicked, &QPushButton::clicked, this, &ReferenceListWindow::deleteCheckedEntries);
  resize(sizeHint());
  InitList();
  LoadList();
}

void ReferenceListWindow::InitList() {
  grid_->setMaxRows(0);
  grid_->setMaxRows(kListRows);
}

void ReferenceListWindow::LoadList() {
  std::vector<QStringList> entries;
  try {
    entries = readEntries();
  } catch (const std::exception &) {
    app::showMessage(kLoadFailed);
    return;
  }
  if (int(entries.size()) > kListRows)
    entries.resize(kListRows);
  std::vector<QStringList> rows;
  rows.reserve(entries.size());
  for (const QStringList &cells : entries)
    rows.push_back(QStringList{QString()} + cells);
  grid_->setRowTexts(rows);
  const int n = int(rows.size());
  if (n > 0)
    grid_->setRowTextColor(n, kLastEntryColor);
  scrollToEnd(n);
}

// With eleven entries or more the grid shows the last rows, the last entry eight
// rows below the top.
void ReferenceListWindow::scrollToEnd(int rows) {
  pendingTopRow_ = rows >= 11 ? rows - 8 : 1;
  grid_->setTopRow(pendingTopRow_);
}

void ReferenceListWindow::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  // Scrolling before the grid had its size has no effect.
  if (pendingTopRow_ > 0) {
    grid_->setTopRow(pendingTopRow_);
    pendingTopRow_ = 0;
  }
}

int ReferenceListWindow::rowsInUse() const {
  int row = 1;
  while (row <= grid_->maxRows() && !grid_->text(kNameColumn, row).isEmpty())
    ++row;
  return row - 1;
}

bool ReferenceListWindow::addEntry(const QStringList &cells) {
  const int row = rowsInUse() + 1;
  if (row > grid_->maxRows()) {
    app::showMessage(kListFull);
    return false;
  }
  try {
    storeEntry(cells);
  } catch (const std::exception &) {
    app::showMessage(kStoreFailed);
    return false;
  }
  for (int above = 1; above < row; ++above)
    grid_->setRowTextColor(above, kEntryColor);
  for (int i = 0; i < cells.size(); ++i)
    grid_->setText(kNameColumn + i, row, cells[i]);
  grid_->setRowTextColor(row, kLastEntryColor);
  return true;
}

void ReferenceListWindow::deleteCheckedEntries() {
  const app::Answer answer =
      app::showMessage(kReconfirm, app::Buttons::YesNo, QStringLiteral("Reconfirm"), app::Icon::Question);
  if (answer == app::Answer::Yes) {
    for (int row = 1; row <= grid_->maxRows(); ++row) {
      if (grid_->checkValue(kDeleteColumn, row) != 1)
        continue;
      try {
        deleteEntry(grid_->text(kNameColumn, row));
      } catch (const std::exception &) {
        app::showMessage(kDeleteFailed);
        return;
      }
    }
  }
  InitList();
  LoadList();
}

void ReferenceListWindow::onCellClicked(int col, int row) {
  if (row != 0)
    return;
  if (col == kDeleteColumn)
    toggleAllTicks();
  else
    sortByHeading(col);
}

void ReferenceListWindow::toggleAllTicks() {
  checkAll_ = !checkAll_;
  const int last = checkAll_ ? rowsInUse() : grid_->maxRows();
  for (int row = 1; row <= last; ++row)
    grid_->setCheckValue(kDeleteColumn, row, checkAll_ ? 1 : 0);
}

// The ticks stay where they are while the entries move: the block starts at column 2.
void ReferenceListWindow::sortByHeading(int col) {
  const int cols = grid_->maxCols();
  const std::vector<SortKey> keys = headingSortKeys(col, cols, descending_);
  const int n = rowsInUse();
  std::vector<QStringList> rows(n);
  std::vector<std::vector<QColor>> colors(n);
  for (int r = 0; r < n; ++r)
    for (int c = 1; c <= cols; ++c) {
      rows[r] << grid_->text(c, r + 1);
      colors[r].push_back(grid_->textColor(c, r + 1));
    }
  const std::vector<int> order = sortedRowOrder(rows, kNameColumn, cols, keys);
  for (int r = 0; r < n; ++r)
    for (int c = kNameColumn; c <= cols; ++c) {
      grid_->setText(c, r + 1, rows[order[r]][c - 1]);
      grid_->setTextColor(c, r + 1, colors[order[r]][c - 1]);
    }
}

} // namespace lists
