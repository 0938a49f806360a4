#include "app/logo.h"

#include <QPainter>
#include <QPainterPath>

namespace app {

QPixmap productLogo(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // A loading door with a pallet in it.
  p.setBrush(QColor(0x1f, 0x4e, 0x79));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(0, 0, size, size), size / 8.0, size / 8.0);
  p.setBrush(QColor(0xf2, 0xa9, 0x00));
  const qreal m = size / 5.0;
  p.drawRect(QRectF(m, m, size - 2 * m, size - 2 * m));
  p.setBrush(QColor(0x1f, 0x4e, 0x79));
  for (int i = 1; i < 4; ++i)
    p.drawRect(QRectF(m, m + i * (size - 2 * m) / 4.0 - size / 40.0, size - 2 * m, size / 20.0));
  return pixmap;
}

} // namespace app
