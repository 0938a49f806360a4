#pragma once
// frmSign: the pad on which the driver signs a ticket. One pad for both ticket forms;
// its caption is the opening form's, and the caption's first letter names the form
// that receives the signature ("N": the new-door form frmDBUpdate201, otherwise the
// open-door form frmDBClosed201).

#include "tickets/ticket_record.h"

#include <QDate>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;

namespace signature {

// What the pad needs from the ticket form that owns it. The ticket form class
// inherits this; the pad finds the form by its object name when saving.
class SignatureOwner {
public:
  virtual ~SignatureOwner() = default;
  // The text of tbTicket as it is now.
  virtual QString signatureTicket() const = 0;
  // Shows the saved file in Picture2.
  virtual void showSignature(const QString &filePath) = 0;
};

// Click of Picture2: validates the ticket (checkEmpty's message is shown and nothing
// opens on refusal), captions the one pad with the form's caption and shows it, not
// modal. Opening it again while open keeps the drawing. Returns false when refused.
bool openSignaturePad(const QString &formCaption, const tickets::TicketRecord &ticket);

// The file goes to the folder of the current trade date (tickets::currentTradeDate)
// at the moment of saving.
// The path the pad writes: <app folder>/<folder date text>/sign<ticket>.BMP
QString signatureFilePath(const QDate &tradeDate, const QString &ticket);

class SignaturePad : public QWidget {
  Q_OBJECT
public:
  explicit SignaturePad(QWidget *parent = nullptr);
  ~SignaturePad() override;
  // The one pad, or nullptr when it is closed.
  static SignaturePad *instance();
  // The area the driver writes on, above the buttons; the saved picture has this size.
  static QSize drawingSize();

  // The drawing as it stands (white where nothing was drawn).
  const QImage &drawing() const { return drawing_; }
  // Save: writes the drawing as BMP into the current trade date's folder, shows it on
  // the owning form and closes the pad. A folder or file that cannot be written, or a
  // form that is gone, is reported and the pad stays open with its drawing.
  bool saveSignature();
  // Erase: a white pad again.
  void erase();

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

private:
  void strokeTo(const QPoint &point);
  SignatureOwner *owner() const;

  QImage drawing_;
  QPoint lastPoint_;
  bool stroking_ = false;
  QLabel *image1_;
};

} // namespace signature
