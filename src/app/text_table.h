#pragma once
// The texts of a list in rows and columns, all held in one block of characters: a
// long list is built and freed without a string of its own per cell, and a copy of a
// table shares the block until one of them is changed. Rows and columns count from 0.

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <vector>

namespace app {

class TextTable {
public:
  explicit TextTable(int columns = 0) : columns_(columns > 0 ? columns : 0) {}

  int columns() const { return columns_; }
  int rows() const { return columns_ == 0 ? 0 : int(cells_.size() / columns_); }
  bool isEmpty() const { return cells_.isEmpty(); }

  // Empty text outside the table.
  QStringView cell(int row, int col) const;
  QString text(int row, int col) const { return cell(row, col).toString(); }

  // Building row by row: newRow adds a row of empty cells, and the cells added after
  // it fill that row in column order; cells past the last column are left out.
  void newRow();
  void addCell(QStringView text);
  // Text as the database holds it (UTF-8), converted straight into the table.
  void addCellUtf8(QByteArrayView utf8);
  // The same, with `separator` written wherever `bar` stands.
  void addCellUtf8Joined(QByteArrayView utf8, char bar, QStringView separator);

  // A single cell rewritten; the table grows to hold the row.
  void setCell(int row, int col, QStringView text);
  // Keeps the first `rows` rows, or adds empty rows up to that count.
  void resizeRows(int rows);
  // Rows put in a new order: row i becomes the row that was `order[i]`.
  void reorderRows(const std::vector<int> &order);
  void clear();

private:
  struct Span {
    qsizetype begin = 0;
    qsizetype size = 0;
  };
  // The cell the next added text goes to, or nullptr when the row is full.
  Span *nextCell();
  // Writes UTF-8 text at the end of the block; `textStart` when it begins a cell's text.
  void appendUtf8(QByteArrayView utf8, bool textStart);
  // Copies the live texts into a fresh block once rewritten cells have left more
  // dead characters behind than live ones.
  void compactIfWasteful();

  int columns_ = 0;
  QString chars_;
  QList<Span> cells_; // row by row
  int nextCol_ = 0;   // in the last row, while building
  qsizetype deadChars_ = 0;
};

} // namespace app
