#include "app/text_table.h"

#include <QStringDecoder>

#include <algorithm>

namespace app {

QStringView TextTable::cell(int row, int col) const {
  if (row < 0 || col < 0 || col >= columns_ || row >= rows())
    return {};
  const Span &span = cells_.at(qsizetype(row) * columns_ + col);
  return QStringView(chars_).sliced(span.begin, span.size);
}

void TextTable::newRow() {
  if (columns_ == 0)
    return;
  cells_.resize(cells_.size() + columns_);
  nextCol_ = 0;
}

TextTable::Span *TextTable::nextCell() {
  if (cells_.isEmpty() || nextCol_ >= columns_)
    return nullptr;
  return &cells_[cells_.size() - columns_ + nextCol_++];
}

void TextTable::addCell(QStringView text) {
  if (Span *span = nextCell()) {
    span->begin = chars_.size();
    chars_.append(text);
    span->size = text.size();
  }
}

void TextTable::addCellUtf8(QByteArrayView utf8) {
  if (Span *span = nextCell()) {
    span->begin = chars_.size();
    appendUtf8(utf8, true);
    span->size = chars_.size() - span->begin;
  }
}

void TextTable::addCellUtf8Joined(QByteArrayView utf8, char bar, QStringView separator) {
  Span *span = nextCell();
  if (!span)
    return;
  span->begin = chars_.size();
  // No character of more than one byte contains the bar's byte, so each piece between
  // bars converts as it would within the whole text.
  for (qsizetype from = 0;;) {
    const qsizetype at = utf8.indexOf(bar, from);
    appendUtf8(utf8.sliced(from, (at < 0 ? utf8.size() : at) - from), from == 0);
    if (at < 0)
      break;
    chars_.append(separator);
    from = at + 1;
  }
  span->size = chars_.size() - span->begin;
}

void TextTable::appendUtf8(QByteArrayView utf8, bool textStart) {
  // No UTF-8 text makes more UTF-16 characters than it has bytes.
  const qsizetype start = chars_.size();
  chars_.resize(start + utf8.size());
  QChar *out = chars_.data() + start;
  qsizetype i = 0;
  // Most stored text is plain ASCII, one character a byte.
  for (; i < utf8.size() && uchar(utf8[i]) < 0x80; ++i)
    *out++ = QLatin1Char(utf8[i]);
  if (i < utf8.size()) {
    // The rest as QString::fromUtf8 reads it: a byte order mark is dropped at the
    // start of the text and kept as a character after it, a faulty byte becomes the
    // replacement character.
    const bool keepMark = !textStart || i > 0;
    QStringDecoder decoder(QStringDecoder::Utf8, keepMark ? QStringDecoder::Flag::Stateless |
                                                                QStringDecoder::Flag::ConvertInitialBom
                                                          : QStringDecoder::Flag::Stateless);
    out = decoder.appendToBuffer(out, utf8.sliced(i));
  }
  chars_.truncate(out - chars_.constData());
}

void TextTable::setCell(int row, int col, QStringView text) {
  if (row < 0 || col < 0 || col >= columns_)
    return;
  if (row >= rows())
    resizeRows(row + 1);
  Span &span = cells_[qsizetype(row) * columns_ + col];
  deadChars_ += span.size;
  span.begin = chars_.size();
  chars_.append(text);
  span.size = text.size();
  compactIfWasteful();
}

void TextTable::resizeRows(int rows) {
  rows = std::max(rows, 0);
  if (rows == 0) {
    clear();
    return;
  }
  const qsizetype count = qsizetype(rows) * columns_;
  for (qsizetype i = count; i < cells_.size(); ++i)
    deadChars_ += cells_.at(i).size;
  cells_.resize(count);
  nextCol_ = columns_;
  compactIfWasteful();
}

void TextTable::reorderRows(const std::vector<int> &order) {
  const int count = rows();
  if (int(order.size()) != count)
    return;
  QList<Span> reordered;
  reordered.reserve(cells_.size());
  for (const int from : order) {
    if (from < 0 || from >= count)
      return;
    const auto first = cells_.cbegin() + qsizetype(from) * columns_;
    reordered.append(first, first + columns_);
  }
  cells_ = std::move(reordered);
}

void TextTable::clear() {
  chars_.clear();
  cells_.clear();
  nextCol_ = 0;
  deadChars_ = 0;
}

void TextTable::compactIfWasteful() {
  constexpr qsizetype kTolerated = 4096;
  if (deadChars_ <= kTolerated || deadChars_ <= chars_.size() / 2)
    return;
  QString live;
  live.reserve(chars_.size() - deadChars_);
  for (Span &span : cells_) {
    const qsizetype begin = live.size();
    live.append(QStringView(chars_).sliced(span.begin, span.size));
    span.begin = begin;
  }
  chars_ = std::move(live);
  deadChars_ = 0;
}

} // namespace app
