#include "app/grid.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHeaderView>

#include <algorithm>

namespace app {

// Only rows up to the last one written are stored: 9999 empty rows cost nothing but
// their count. A filled row shares the list of texts it was given, so a long list is
// filled without copying a cell.
struct Row {
  QStringList texts;
  std::vector<QColor> colors; // empty until a cell's colour is set
};

class GridModel : public QAbstractTableModel {
public:
  QStringList headings;
  std::vector<bool> checkColumns;
  std::vector<QColor> columnColors; // a column's colour where a cell has none
  int rowCount_ = 0;
  std::vector<Row> rows; // rows 0 .. size()-1 of rowCount_; the rest are empty

  int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : rowCount_; }
  int columnCount(const QModelIndex &parent = {}) const override {
    return parent.isValid() ? 0 : int(headings.size());
  }

  bool inside(int r, int c) const {
    return r >= 0 && r < int(rows.size()) && c >= 0 && c < int(headings.size());
  }
  QString textAt(int r, int c) const { return inside(r, c) ? rows[r].texts.value(c) : QString(); }
  QColor colorAt(int r, int c) const {
    if (r < 0 || r >= rowCount_ || c < 0 || c >= int(headings.size()))
      return {};
    if (inside(r, c) && c < int(rows[r].colors.size()) && rows[r].colors[c].isValid())
      return rows[r].colors[c];
    return c < int(columnColors.size()) ? columnColors[c] : QColor();
  }
  Row &rowForWrite(int r) {
    if (r >= int(rows.size()))
      rows.resize(r + 1);
    return rows[r];
  }
  void setRowCount(int count) {
    rowCount_ = count;
    if (int(rows.size()) > count)
      rows.resize(count);
  }
  QString &textForWrite(int r, int c) {
    QStringList &texts = rowForWrite(r).texts;
    if (texts.size() < headings.size())
      texts.resize(headings.size());
    return texts[c];
  }
  QColor &colorForWrite(int r, int c) {
    std::vector<QColor> &colors = rowForWrite(r).colors;
    if (colors.size() < headings.size())
      colors.resize(headings.size());
    return colors[c];
  }
  bool isCheck(int c) const { return c >= 0 && c < int(checkColumns.size()) && checkColumns[c]; }

  QVariant data(const QModelIndex &index, int role) const override {
    const int r = index.row();
    const int c = index.column();
    if (isCheck(c)) {
      if (role == Qt::CheckStateRole)
        return textAt(r, c) == QLatin1String("1") ? Qt::Checked : Qt::Unchecked;
      return {};
    }
    if (role == Qt::DisplayRole) {
      if (!inside(r, c) || c >= rows[r].texts.size())
        return {};
      return rows[r].texts[c];
    }
    if (role == Qt::ForegroundRole) {
      const QColor color = colorAt(r, c);
      return color.isValid() ? QVariant(color) : QVariant();
    }
    return {};
  }
  bool setData(const QModelIndex &index, const QVariant &value, int role) override {
    if (role != Qt::CheckStateRole || !isCheck(index.column()))
      return false;
    textForWrite(index.row(), index.column()) =
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
    model_->columnColors.assign(headings.size(), QColor());
    for (Row &row : model_->rows) {
      if (!row.texts.isEmpty())
        row.texts.resize(headings.size());
      if (!row.colors.empty())
        row.colors.resize(headings.size());
    }
  });
}

void Grid::setColumnWidthChars(int col, int chars) {
  setColumnWidth(col - 1, fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 8);
}

int Grid::maxCols() const { return int(model_->headings.size()); }

void Grid::setMaxRows(int rows) {
  rows = std::max(rows, 0);
  model_->resetWith([&] { model_->setRowCount(rows); });
}

int Grid::maxRows() const { return model_->rowCount_; }

void Grid::clearRows(int rows) {
  model_->resetWith([&] {
    model_->setRowCount(0);
    model_->setRowCount(std::max(rows, 0));
  });
}

QString Grid::text(int col, int row) const { return model_->textAt(row - 1, col - 1); }

void Grid::setText(int col, int row, const QString &text) {
  if (row < 1 || row > maxRows() || col < 1 || col > maxCols())
    return;
  model_->textForWrite(row - 1, col - 1) = text;
  model_->changed(row - 1, col - 1);
}

void Grid::setTextColor(int col, int row, const QColor &color) {
  if (row < 1 || row > maxRows() || col < 1 || col > maxCols())
    return;
  model_->colorForWrite(row - 1, col - 1) = color;
  model_->changed(row - 1, col - 1);
}

void Grid::setRowTextColor(int row, const QColor &color) {
  for (int c = 1; c <= maxCols(); ++c)
    setTextColor(c, row, color);
}

void Grid::setColumnTextColor(int col, const QColor &color) {
  if (col < 1 || col > maxCols())
    return;
  model_->columnColors[col - 1] = color;
  if (maxRows() > 0)
    emit model_->dataChanged(model_->index(0, col - 1), model_->index(maxRows() - 1, col - 1));
}

QColor Grid::textColor(int col, int row) const {
  const QColor color = model_->colorAt(row - 1, col - 1);
  return color.isValid() ? color : QColor(Qt::black);
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
    if (model_->rowCount_ < int(rows.size()))
      model_->rowCount_ = int(rows.size());
    if (model_->rows.size() < rows.size())
      model_->rows.resize(rows.size());
    const qsizetype cols = maxCols();
    for (size_t r = 0; r < rows.size(); ++r) {
      Row &row = model_->rows[r];
      row.texts = rows[r];
      if (row.texts.size() != cols)
        row.texts.resize(cols);
      row.colors.clear();
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
    if (int(model_->rows.size()) < row2)
      model_->rows.resize(row2);
    auto first = model_->rows.begin() + (row1 - 1);
    auto last = model_->rows.begin() + row2;
    auto textOf = [](const Row &r, int col) -> QString { return r.texts.value(col - 1); };
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
