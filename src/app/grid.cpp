#include "app/grid.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHeaderView>

#include <algorithm>

namespace app {

struct Cell {
  QString text;
  QColor color;
};

// Rows are allocated only when a cell of theirs is written: 9999 empty rows cost
// nothing but their count.
class GridModel : public QAbstractTableModel {
public:
  QStringList headings;
  std::vector<bool> checkColumns;
  std::vector<std::unique_ptr<std::vector<Cell>>> rows;

  int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(rows.size()); }
  int columnCount(const QModelIndex &parent = {}) const override {
    return parent.isValid() ? 0 : int(headings.size());
  }

  const Cell *cell(int r, int c) const {
    if (r < 0 || r >= int(rows.size()) || c < 0 || c >= int(headings.size()) || !rows[r])
      return nullptr;
    return &(*rows[r])[c];
  }
  Cell &cellForWrite(int r, int c) {
    if (!rows[r])
      rows[r] = std::make_unique<std::vector<Cell>>(headings.size());
    return (*rows[r])[c];
  }
  bool isCheck(int c) const { return c >= 0 && c < int(checkColumns.size()) && checkColumns[c]; }

  QVariant data(const QModelIndex &index, int role) const override {
    const Cell *cl = cell(index.row(), index.column());
    if (isCheck(index.column())) {
      if (role == Qt::CheckStateRole)
        return (cl && cl->text == QLatin1String("1")) ? Qt::Checked : Qt::Unchecked;
      return {};
    }
    if (!cl)
      return {};
    if (role == Qt::DisplayRole)
      return cl->text;
    if (role == Qt::ForegroundRole && cl->color.isValid())
      return cl->color;
    return {};
  }
  bool setData(const QModelIndex &index, const QVariant &value, int role) override {
    if (role != Qt::CheckStateRole || !isCheck(index.column()))
      return false;
    cellForWrite(index.row(), index.column()).text =
        value.toInt() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0");
    emit dataChanged(index, index);
    return true;
  }
  Qt::ItemFlags flags(const QModelIndex &index) const override {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isCheck(index.column()))
      f |= Qt::ItemIsUserCheckable;
    return f;
  }
  QVariant headerData(int section, Qt::Orientation o, int role) const override {
    if (role != Qt::DisplayRole)
      return {};
    if (o == Qt::Horizontal)
      return section < headings.size() ? headings[section] : QVariant();
    return section + 1;
  }
  void changed(int r, int c) { emit dataChanged(index(r, c), index(r, c)); }
  void resetWith(auto &&fn) {
    beginResetModel();
    fn();
    endResetModel();
  }
};

Grid::Grid(QWidget *parent) : QTableView(parent), model_(new GridModel) {
  model_->setParent(this);
  setModel(model_);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  connect(this, &QTableView::clicked, this,
          [this](const QModelIndex &index) { emit cellClicked(index.column() + 1, index.row() + 1); });
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this](int section) { emit cellClicked(section + 1, 0); });
}

Grid::~Grid() = default;

void Grid::setHeadings(const QStringList &headings) {
  model_->resetWith([&] {
    model_->headings = headings;
    model_->checkColumns.assign(headings.size(), false);
    for (auto &row : model_->rows)
      if (row)
        row->resize(headings.size());
  });
}

void Grid::setColumnWidthChars(int col, int chars) {
  setColumnWidth(col - 1, fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 8);
}

int Grid::maxCols() const { return int(model_->headings.size()); }

void Grid::setMaxRows(int rows) {
  rows = std::max(rows, 0);
  model_->resetWith([&] { model_->rows.resize(rows); });
}

int Grid::maxRows() const { return int(model_->rows.size()); }

QString Grid::text(int col, int row) const {
  const Cell *c = model_->cell(row - 1, col - 1);
  return c ? c->text : QString();
}

void Grid::setText(int col, int row, const QString &text) {
  if (row < 1 || row > maxRows() || col < 1 || col > maxCols())
    return;
  model_->cellForWrite(row - 1, col - 1).text = text;
  model_->changed(row - 1, col - 1);
}

void Grid::setTextColor(int col, int row, const QColor &color) {
  if (row < 1 || row > maxRows() || col < 1 || col > maxCols())
    return;
  model_->cellForWrite(row - 1, col - 1).color = color;
  model_->changed(row - 1, col - 1);
}

void Grid::setRowTextColor(int row, const QColor &color) {
  for (int c = 1; c <= maxCols(); ++c)
    setTextColor(c, row, color);
}

QColor Grid::textColor(int col, int row) const {
  const Cell *c = model_->cell(row - 1, col - 1);
  return c && c->color.isValid() ? c->color : QColor(Qt::black);
}

void Grid::setCheckBoxColumn(int col) {
  if (col >= 1 && col <= maxCols())
    model_->checkColumns[col - 1] = true;
}

int Grid::checkValue(int col, int row) const { return text(col, row) == QLatin1String("1") ? 1 : 0; }

void Grid::setCheckValue(int col, int row, int value) {
  setText(col, row, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void Grid::setRowTexts(const std::vector<QStringList> &rows) {
  model_->resetWith([&] {
    if (model_->rows.size() < rows.size())
      model_->rows.resize(rows.size());
    const int cols = maxCols();
    for (size_t r = 0; r < rows.size(); ++r) {
      auto cells = std::make_unique<std::vector<Cell>>(cols);
      for (int c = 0; c < cols && c < rows[r].size(); ++c)
        (*cells)[c].text = rows[r][c];
      model_->rows[r] = std::move(cells);
    }
  });
}

void Grid::setTopRow(int row) {
  if (row >= 1 && row <= maxRows())
    scrollTo(model_->index(row - 1, 0), QAbstractItemView::PositionAtTop);
}

int Grid::topRow() const { return rowAt(0) + 1; }

void Grid::sortBlock(int row1, int row2, const std::vector<SortKey> &keys) {
  row1 = std::max(row1, 1);
  row2 = std::min(row2, maxRows());
  if (row1 >= row2)
    return;
  model_->resetWith([&] {
    auto first = model_->rows.begin() + (row1 - 1);
    auto last = model_->rows.begin() + row2;
    auto textOf = [](const std::unique_ptr<std::vector<Cell>> &r, int col) -> QString {
      return r && col - 1 < int(r->size()) ? (*r)[col - 1].text : QString();
    };
    std::stable_sort(first, last, [&](const auto &a, const auto &b) {
      for (const SortKey &k : keys) {
        const int cmp = QString::compare(textOf(a, k.col), textOf(b, k.col));
        if (cmp != 0)
          return k.order == Order::Ascending ? cmp < 0 : cmp > 0;
      }
      return false;
    });
  });
}

} // namespace app
