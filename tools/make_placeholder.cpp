// Draws the placeholder signature picture printed for a ticket without signature:
//   make_placeholder <output.jpg>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char *argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_placeholder <output.jpg>\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QImage image(370, 80, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPixelSize(40);
  font.setItalic(true);
  painter.setFont(font);
  painter.setPen(QColor(200, 200, 200));
  painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Signature"));
  painter.end();
  return image.save(QString::fromLocal8Bit(argv[1]), "JPG", 90) ? 0 : 1;
}
