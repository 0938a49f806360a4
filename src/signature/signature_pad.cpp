#include "signature/signature_pad.h"

#include "app/date_text.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "store/file_ops.h"
#include "store/user_database.h"
#include "tickets/saving_flow.h"
#include "tickets/ticket_form_state.h"

#include <QApplication>
#include <QBuffer>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

namespace signature {

namespace {

// Inside of the pad: 4800 x 1875 twips.
constexpr QSize kPadSize(320, 125);
// The drawing area above the buttons; what Save stores.
constexpr QSize kDrawingSize(320, 88);
constexpr int kPenWidth = 5;

QPointer<SignaturePad> thePad;

// The new-door form when the caption starts with "N", otherwise the open-door form.
QString ownerName(const QString &caption) {
  return caption.startsWith(QLatin1Char('N')) ? QStringLiteral("frmDBUpdate201")
                                              : QStringLiteral("frmDBClosed201");
}

// Activate puts the pad at half its own width and height inside the main window.
void placeFrame(QMdiSubWindow *frame) {
  if (frame)
    frame->move(frame->width() / 2, frame->height() / 2);
}

} // namespace

QString signatureFilePath(const QDate &tradeDate, const QString &ticket) {
  return store::session().appFolder() + QLatin1Char('/') + app::folderDateText(tradeDate) + QLatin1Char('/') +
         tickets::signatureFileName(ticket);
}

bool openSignaturePad(const QString &formCaption, const tickets::TicketRecord &ticket) {
  if (!tickets::confirmComplete(ticket))
    return false;
  const bool fresh = !thePad;
  if (fresh)
    thePad = new SignaturePad;
  thePad->setWindowTitle(formCaption);
  QMdiSubWindow *frame = app::showChild(thePad);
  placeFrame(frame);
  // The frame lives as long as the pad, so one connection per pad.
  if (fresh && frame && app::MainWindow::instance()) {
    QObject::connect(app::MainWindow::instance()->mdiArea(), &QMdiArea::subWindowActivated, frame,
                     [frame](QMdiSubWindow *active) {
                       if (active == frame)
                         placeFrame(frame);
                     });
  }
  return true;
}

SignaturePad::SignaturePad(QWidget *parent)
    : QWidget(parent), drawing_(kDrawingSize, QImage::Format_RGB32), image1_(new QLabel(this)) {
  setObjectName(QStringLiteral("frmSign"));
  setWindowTitle(QStringLiteral("Signature Pad"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(kPadSize);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  drawing_.fill(Qt::white);

  auto *save = new QPushButton(QStringLiteral("Save"), this);
  save->setObjectName(QStringLiteral("btnSave"));
  save->setGeometry(75, 93, 80, 27);
  auto *eraseButton = new QPushButton(QStringLiteral("Erase"), this);
  eraseButton->setObjectName(QStringLiteral("Command11"));
  eraseButton->setGeometry(165, 93, 80, 27);
  connect(save, &QPushButton::clicked, this, [this] { saveSignature(); });
  connect(eraseButton, &QPushButton::clicked, this, &SignaturePad::erase);

  // Keeps the picture last saved; never shown.
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->setGeometry(0, 0, 305, 87);
  image1_->setVisible(false);
  image1_->setEnabled(false);
}

SignaturePad::~SignaturePad() = default;

SignaturePad *SignaturePad::instance() { return thePad; }

QSize SignaturePad::drawingSize() { return kDrawingSize; }

SignatureOwner *SignaturePad::owner() const {
  const QString name = ownerName(windowTitle());
  for (QWidget *w : QApplication::allWidgets()) {
    if (w->objectName() == name)
      if (auto *form = dynamic_cast<SignatureOwner *>(w))
        return form;
  }
  return nullptr;
}

bool SignaturePad::saveSignature() {
  SignatureOwner *form = owner();
  if (!form) {
    app::showMessage(QStringLiteral("The ticket form of this signature is no longer open. "
                                    "Please, open the ticket and sign again."));
    return false;
  }
  const QDate tradeDate = tickets::currentTradeDate();
  if (!tradeDate.isValid()) {
    app::showMessage(QStringLiteral("Please enter Trade Date"));
    return false;
  }
  const QString folder = store::session().appFolder() + QLatin1Char('/') + app::folderDateText(tradeDate);
  if (!store::fileops::exists(folder) && !store::fileops::makeFolder(folder)) {
    app::showMessage(QStringLiteral("The signature folder %1 cannot be created. The signature was not saved.")
                         .arg(folder));
    return false;
  }
  QByteArray bmp;
  QBuffer buffer(&bmp);
  buffer.open(QIODevice::WriteOnly);
  const QString path = signatureFilePath(tradeDate, form->signatureTicket());
  if (!drawing_.save(&buffer, "BMP") || !store::fileops::writeFile(path, bmp)) {
    app::showMessage(
        QStringLiteral("The signature file %1 cannot be written. The signature was not saved.").arg(path));
    return false;
  }
  image1_->setPixmap(QPixmap::fromImage(drawing_));
  form->showSignature(path);
  app::closeChild(this);
  return true;
}

void SignaturePad::erase() {
  image1_->clear();
  drawing_.fill(Qt::white);
  stroking_ = false;
  update();
}

void SignaturePad::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.drawImage(0, 0, drawing_);
}

void SignaturePad::mousePressEvent(QMouseEvent *event) {
  stroking_ = false;
  if (event->buttons() != Qt::LeftButton)
    return;
  lastPoint_ = event->position().toPoint();
  stroking_ = true;
  strokeTo(lastPoint_);
}

void SignaturePad::mouseMoveEvent(QMouseEvent *event) {
  // Only the left button alone writes; any other button state ends the stroke.
  if (event->buttons() != Qt::LeftButton) {
    stroking_ = false;
    return;
  }
  const QPoint point = event->position().toPoint();
  if (!stroking_)
    lastPoint_ = point;
  stroking_ = true;
  strokeTo(point);
}

void SignaturePad::mouseReleaseEvent(QMouseEvent *) { stroking_ = false; }

// Joins the point to the previous one of the stroke, so a fast stroke has no gaps.
void SignaturePad::strokeTo(const QPoint &point) {
  QPainter painter(&drawing_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Qt::black, kPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  if (point == lastPoint_)
    painter.drawPoint(point);
  else
    painter.drawLine(lastPoint_, point);
  lastPoint_ = point;
  update();
}

} // namespace signature
