#include "printing/printer.h"

#include "app/message_box.h"

#include <QCursor>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <map>

namespace printing {

namespace {

QString testPdfPath;

constexpr double kTwipsPerInch = 1440;
// A picture is painted at its own size: one screen pixel is 15 twips.
constexpr int kTwipsPerPixel = 15;

// The placeholder printed when a ticket has no signature file: the word Signature
// in light grey italics on white, 370 x 80 pixels.
QImage builtInPlaceholder() {
  QImage image(370, 80, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QFont font = painter.font();
  font.setPixelSize(40);
  font.setItalic(true);
  painter.setFont(font);
  painter.setPen(QColor(200, 200, 200));
  painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Signature"));
  return image;
}

// The receipts were laid out for a narrow face of Arial's widths: in a wider face
// the labels run into the values placed beside them. Without such a face the
// condensed cut of the device's own face is used.
QFont printFont(QFont font) {
  for (const char *family : {"Arial", "Liberation Sans", "Arimo"}) {
    if (QFontDatabase::hasFamily(QString::fromLatin1(family))) {
      font.setFamily(QString::fromLatin1(family));
      return font;
    }
  }
  font.setStretch(QFont::Condensed);
  return font;
}

// Every picture the steps name, loaded before the first stroke so that a picture
// that cannot be read fails the job before anything reaches the paper.
bool loadPictures(const PrintSteps &steps, std::map<QString, QImage> &pictures) {
  for (const PrintStep &step : steps) {
    if (step.kind != PrintStep::Kind::Picture || pictures.count(step.text))
      continue;
    QImage image = step.text.isEmpty() ? builtInPlaceholder() : QImage(step.text);
    if (image.isNull())
      return false;
    pictures[step.text] = image;
  }
  return true;
}

// Shows the busy pointer until the job is over.
class BusyPointer {
public:
  BusyPointer() {
    if (qGuiApp)
      QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  }
  ~BusyPointer() { restore(); }
  void restore() {
    if (qGuiApp && !restored_)
      QGuiApplication::restoreOverrideCursor();
    restored_ = true;
  }

private:
  bool restored_ = false;
};

} // namespace

bool paintSteps(QPagedPaintDevice &device, const PrintSteps &steps) {
  std::map<QString, QImage> pictures;
  if (!loadPictures(steps, pictures))
    return false;
  QPainter painter;
  if (!painter.begin(&device))
    return false;
  // Logical units are twips from the printable area's top left corner.
  const double toDeviceX = device.logicalDpiX() / kTwipsPerInch;
  const double toDeviceY = device.logicalDpiY() / kTwipsPerInch;
  painter.setWorldTransform(QTransform::fromScale(toDeviceX, toDeviceY));
  const double printableWidth = device.width() / toDeviceX;
  painter.setPen(Qt::black);

  QFont font = printFont(painter.font());
  for (const PrintStep &step : steps) {
    switch (step.kind) {
    case PrintStep::Kind::NewPage:
      if (!device.newPage()) {
        painter.end();
        return false;
      }
      break;
    case PrintStep::Kind::Picture: {
      const QImage &image = pictures.at(step.text);
      const int width = step.width > 0 ? step.width : image.width() * kTwipsPerPixel;
      const int height = step.height > 0 ? step.height : image.height() * kTwipsPerPixel;
      painter.drawImage(QRectF(step.x, step.y, width, height), image);
      break;
    }
    case PrintStep::Kind::Text: {
      // Only the size changes; a point is 20 twips.
      font.setPixelSize(qMax(1, qRound(step.size * 20)));
      painter.setFont(font);
      const QFontMetricsF metrics(font, &device);
      const double x = step.centred ? (printableWidth - metrics.horizontalAdvance(step.text)) / 2 : step.x;
      // The position names the top of the text; the painter wants its baseline.
      painter.drawText(QPointF(x, step.y + metrics.ascent()), step.text);
      break;
    }
    }
  }
  return painter.end();
}

bool printOnDefaultPrinter(const PrintSteps &steps) {
  bool printed = false;
  BusyPointer busy;
  if (!testPdfPath.isEmpty()) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(testPdfPath);
    printed = paintSteps(printer, steps);
  } else {
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (!target.isNull()) {
      QPrinter printer(target, QPrinter::HighResolution);
      printed = printer.isValid() && paintSteps(printer, steps);
    }
  }
  busy.restore();
  if (!printed)
    app::showMessage(QStringLiteral("Please check your printer setup."), app::Buttons::Ok,
                     QStringLiteral("Printer Error!!"));
  return printed;
}

void printToFileForTest(const QString &pdfPath) { testPdfPath = pdfPath; }

} // namespace printing
