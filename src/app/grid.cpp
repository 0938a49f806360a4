#include "app/grid.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHeaderView>

#include <algorithm>
#include <numeric>

namespace app {

// Only rows up to the last one written are stored: 9999 empty rows cost nothing but
// their count. The texts are one table, so a long list is filled by sharing the table
// it was built in.
class GridModel : public QAbstractTableModel {
public:
  QStringList headings;
  std::vector<bool> checkColumns;
  std::vector<QColor> columnColors; // a column's colour where a cell has none
  int rowCount_ = 0;
  TextTable texts;            // rows 0 .. texts.rows()-1 of rowCount_; the rest are empty
  std::vector<QColor> colors; // cells' own colours, row by row; empty until one is set

  int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : rowCount_; }
  int columnCount(const QModelIndex &parent = {}) const override {
    return parent.isValid() ? 0 : int(headings.size());
  }
  int cols() const { return int(headings.size()); }

  QColor colorAt(int r, int c) const {
    if (r < 0 || r >= rowCount_ || c < 0 || c >= cols())
      return {};
    const size_t at = size_t(r) * cols() + c;
    if (at < colors.size() && colors[at].isValid())
      return colors[at];
    return c < int(columnColors.size()) ? columnColors[c] : QColor();
  }
  QColor &colorForWrite(int r, int c) {
    const size_t needed = (size_t(r) + 1) * cols();
    if (colors.size() < needed)
      colors.resize(needed);
    return colors[size_t(r) * cols() + c];
  }
  void setRowCount(int count) {
    rowCount_ = count;
    if (texts.rows() > count)
      texts.resizeRows(count);
    if (colors.size() > size_t(count) * cols())
      colors.resize(size_t(count) * cols());
  }
  // The texts and colours laid out for a new number of columns.
  void setColumnCount(int count) {
    TextTable relaid(count);
    for (int r = 0; r < texts.rows(); ++r) {
      relaid.newRow();
      for (int c = 0; c < count; ++c)
        relaid.addCell(texts.cell(r, c));
    }
    std::vector<QColor> recoloured;
    const int oldCount = texts.columns();
    if (!colors.empty() && oldCount > 0) {
      const size_t rows = colors.size() / oldCount;
      recoloured.resize(rows * count);
      for (size_t r = 0; r < rows; ++r)
        for (int c = 0; c < std::min(count, oldCount); ++c)
          recoloured[r * count + c] = colors[r * oldCount + c];
    }
    texts = std::move(relaid);
    colors = std::move(recoloured);
  }
  bool isCheck(int c) const { return c >= 0 && c < int(checkColumns.size()) && checkColumns[c]; }

  QVariant data(const QModelIndex &index, int role) const override {
    const int r = index.row();
    const int c = index.column();
    if (isCheck(c)) {
      if (role == Qt::CheckStateRole)
        return texts.cell(r, c) == QLatin1String("1") ? Qt::Checked : Qt::Unchecked;
      return {};
    }
    if (role == Qt::DisplayRole) {
      const QStringView text = texts.cell(r, c);
      return text.isEmpty() ? QVariant() : QVariant(text.toString());
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
    texts.setCell(index.row(), index.column(), value.toInt() == Qt::Checked ? u"1" : u"0");
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
    model_->setColumnCount(int(headings.size()));
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

QString Grid::text(int col, int row) const { return model_->texts.text(row - 1, col - 1); }

void Grid::setText(int col, int row, const QString &text) {
  if (row < 1 || row > maxRows() || col < 1 || col > maxCols())
    return;
  model_->texts.setCell(row - 1, col - 1, text);
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

void Grid::setRowTexts(const TextTable &rows) {
  model_->resetWith([&] {
    GridModel &m = *model_;
    m.rowCount_ = std::max(m.rowCount_, rows.rows());
    if (rows.columns() == m.cols() && m.texts.rows() <= rows.rows()) {
      m.texts = rows;
    } else {
      if (m.texts.rows() < rows.rows())
        m.texts.resizeRows(rows.rows());
      for (int r = 0; r < rows.rows(); ++r)
        for (int c = 0; c < m.cols(); ++c)
          m.texts.setCell(r, c, rows.cell(r, c));
    }
    // The filled rows' own colours go.
    const size_t filled = std::min(m.colors.size(), size_t(rows.rows()) * m.cols());
    std::fill(m.colors.begin(), m.colors.begin() + filled, QColor());
  });
}

void Grid::setRowTexts(const std::vector<QStringList> &rows) {
  TextTable table(maxCols());
  for (const QStringList &row : rows) {
    table.newRow();
    for (const QString &text : row)
      table.addCell(text);
  }
  setRowTexts(table);
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
    GridModel &m = *model_;
    const int cols = m.cols();
    // Rows past those written sort as empty rows.
    if (m.texts.rows() < row2)
      m.texts.resizeRows(row2);
    std::vector<int> order(m.texts.rows());
    std::iota(order.begin(), order.end(), 0);
    const auto first = order.begin() + (row1 - 1);
    const auto last = order.begin() + row2;
    std::stable_sort(first, last, [&](int a, int b) {
      for (const SortKey &k : keys) {
        const int cmp = m.texts.cell(a, k.col - 1).compare(m.texts.cell(b, k.col - 1));
        if (cmp != 0)
          return k.order == Order::Ascending ? cmp < 0 : cmp > 0;
      }
      return false;
    });
    m.texts.reorderRows(order);
    if (!m.colors.empty()) {
      std::vector<QColor> recoloured(std::max(m.colors.size(), order.size() * cols));
      for (size_t to = 0; to < order.size(); ++to)
        for (int c = 0; c < cols; ++c) {
          const size_t from = size_t(order[to]) * cols + c;
          if (from < m.colors.size())
            recoloured[to * cols + c] = m.colors[from];
        }
      m.colors = std::move(recoloured);
    }
  });
}

} // namespace app
