#include "tickets/ticket_form.h"

#include "app/clock.h"
#include "app/date_text.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "store/trade_table.h"
#include "store/user_database.h"
#include "tickets/fees.h"
#include "tickets/saving_flow.h"
#include "tickets/ticket_form_state.h"
#include "tickets/ticket_form_widgets.h"
#include "ui_ticket_form_damage.h"
#include "ui_ticket_form_head.h"
#include "ui_ticket_form_load.h"
#include "ui_ticket_form_pallets.h"
#include "ui_ticket_form_payment.h"

#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QPointer>
#include <QRegularExpressionValidator>

namespace tickets {

namespace {

QPointer<TicketForm> theNewDoorForm;
QPointer<TicketForm> theOpenDoorForm;

QPointer<TicketForm> &slotOf(FormMode mode) {
  return mode == FormMode::NewDoor ? theNewDoorForm : theOpenDoorForm;
}

constexpr int kFormWidth = 1000;
// The secondary buttons sit this far below the visible area: reachable by Tab only.
constexpr int kHiddenRowGap = 40;

const QString kSelect = QStringLiteral("Select");

} // namespace

TicketForm::TicketForm(FormMode mode)
    : mode_(mode), head_(std::make_unique<Ui::TicketFormHead>()),
      payment_(std::make_unique<Ui::TicketFormPayment>()), load_(std::make_unique<Ui::TicketFormLoad>()),
      pallets_(std::make_unique<Ui::TicketFormPallets>()), damage_(std::make_unique<Ui::TicketFormDamage>()) {
  const bool newDoor = mode == FormMode::NewDoor;
  setObjectName(newDoor ? QStringLiteral("frmDBUpdate201") : QStringLiteral("frmDBClosed201"));
  setWindowTitle(newDoor ? QStringLiteral("New Door201") : QStringLiteral("Unclosed Door201"));
  // Fixed border without a maximise button.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  buildBands();
  placeHiddenButtons();
  connectReactions();
  showPlaceholderSignature();
  load();
}

TicketForm::~TicketForm() = default;

TicketForm *TicketForm::instance(FormMode mode) { return slotOf(mode); }

TicketForm *TicketForm::obtain(FormMode mode) {
  QPointer<TicketForm> &slot = slotOf(mode);
  if (!slot)
    slot = new TicketForm(mode);
  return slot;
}

void TicketForm::showForm() { app::showChild(this); }

void TicketForm::buildBands() {
  int top = 0;
  auto separator = [&] {
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, top, kFormWidth, 2);
    top += 2;
  };
  auto band = [&](auto &ui) {
    auto *widget = new QWidget(this);
    ui->setupUi(widget);
    widget->move(0, top);
    top += widget->height();
    separator();
  };
  separator();
  band(head_);
  band(payment_);
  band(load_);
  band(pallets_);
  band(damage_);
  setFixedSize(kFormWidth, top);

  // The frames' captions are bold italic; their options keep the form's font.
  for (QGroupBox *frame : {head_->fraType, head_->fraPrint})
    for (QWidget *w : frame->findChildren<QWidget *>())
      w->setFont(font());
  for (QDateEdit *picker : {head_->dtpTo, head_->dtpTradeDate})
    picker->setDisplayFormat(app::shortDateFormat());
  auto *amounts = new QRegularExpressionValidator(QRegularExpression(amountPattern()), this);
  for (QLineEdit *box : {payment_->tbBC, payment_->tbHC, payment_->tbCSL})
    box->setValidator(amounts);
  damage_->cbDRC->setEditText(kSelect);
  load_->cbVendor->setEditText(QString());
  damage_->Picture2->setCursor(Qt::PointingHandCursor);
  damage_->Picture2->setFrameShape(QFrame::Box);
  head_->btnClose->setToolTip(QStringLiteral("Job Close"));
}

void TicketForm::placeHiddenButtons() {
  const int top = height() + kHiddenRowGap;
  auto make = [&](const char *name, const QString &caption, int x) {
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setGeometry(x, top, 80, 30);
    return button;
  };
  btnSave2_ = make("btnSave2", QStringLiteral("Save"), 660);
  btnClose2_ = make("btnClose2", QStringLiteral("Job Close"), 744);
  btnPrint2_ = make("btnPrint2", QStringLiteral("Print"), 828);
  btnClear2_ = make("btnClear2", QStringLiteral("Clear"), 912);
}

void TicketForm::connectReactions() {
  auto onChosen = [this](QRadioButton *option, auto reaction) {
    connect(option, &QRadioButton::toggled, this, [reaction](bool on) {
      if (on)
        reaction();
    });
  };
  onChosen(payment_->optCharge, [this] { choosePayment(payment_->optCharge); });
  onChosen(payment_->optCheck, [this] { choosePayment(payment_->optCheck); });
  onChosen(payment_->optCash, [this] { choosePayment(payment_->optCash); });
  onChosen(payment_->optWH, [this] { chooseChargeTo(payment_->optWH); });
  onChosen(payment_->optTC, [this] { chooseChargeTo(payment_->optTC); });
  onChosen(damage_->optDYes, [this] { chooseDamage(true); });
  onChosen(damage_->optDNo, [this] { chooseDamage(false); });
  onChosen(head_->optNew, [this] { chooseNewTicket(); });
  onChosen(head_->optSaved, [this] { chooseSavedTicket(); });

  connect(head_->dtpTradeDate, &QDateEdit::dateChanged, this, [](const QDate &d) { setCurrentTradeDate(d); });
  connect(head_->btnFind, &QPushButton::clicked, this, [this] { findSavedTicket(); });
  connect(payment_->btnUS, &QPushButton::clicked, this, [this] { stampTime(payment_->mbUS); });
  connect(payment_->btnUE, &QPushButton::clicked, this, [this] { stampTime(payment_->mbUE); });

  QComboBox *truckCo = payment_->CbTruckCo;
  connect(truckCo, &QComboBox::editTextChanged, this, [this](const QString &text) {
    if (text != kSelect)
      payment_->tbInvoiceTO->setText(text);
  });
  connect(truckCo, &QComboBox::textActivated, this,
          [this](const QString &text) { payment_->tbInvoiceTO->setText(text); });

  connect(head_->btnSave, &QPushButton::clicked, this, [this] { saveTicket(true); });
  connect(btnSave2_, &QPushButton::clicked, this, [this] { saveTicket(false); });
  connect(head_->btnClear, &QPushButton::clicked, this, [this] { clearKeepingDoor(); });
  connect(btnClear2_, &QPushButton::clicked, this, [this] { clearKeepingDoor(); });
  connect(head_->btnClose, &QPushButton::clicked, this, [this] { finishJob(CloseButton::Close); });
  connect(btnClose2_, &QPushButton::clicked, this, [this] { finishJob(CloseButton::SecondaryClose); });
  connect(head_->btnPrint, &QPushButton::clicked, this, [this] { finishJob(CloseButton::Print); });
  connect(btnPrint2_, &QPushButton::clicked, this, [this] { finishJob(CloseButton::Print); });

  for (QLineEdit *fee : {payment_->tbBC, payment_->tbHC})
    fee->installEventFilter(this);
  damage_->Picture2->installEventFilter(this);
  load_->cbVendor->installEventFilter(this);
  // Enter moves on to the next field in the single-line boxes, as Tab does.
  for (QLineEdit *box : findChildren<QLineEdit *>()) {
    if (box != load_->cbVendor->lineEdit())
      box->installEventFilter(this);
  }
}

void TicketForm::load() {
  if (app::MainWindow *main = app::MainWindow::instance())
    main->enableWorkingMenu();
  head_->tbUserID->setText(store::session().userId());
  head_->dtpTo->setDate(app::today());
  if (currentTradeDate().isValid()) {
    head_->dtpTradeDate->setDate(currentTradeDate());
  } else {
    head_->dtpTradeDate->setDate(app::today());
    setCurrentTradeDate(head_->dtpTradeDate->date());
  }
  head_->tbTicket->setText(nextTicketForForm());
  fillTruckCompanies();
  fillVendors();
  showFacilityControls();
  setTabOrderOfFields();
}

void TicketForm::showFacilityControls() {
  const bool ostrine = Ostrine_Facility();
  for (QWidget *w : std::initializer_list<QWidget *>{payment_->fraStream, payment_->optStream,
                                                     payment_->optTraffic, payment_->tbCSL, payment_->lbCSL})
    w->setVisible(ostrine);
  if (ostrine) {
    payment_->optStream->setEnabled(true);
    payment_->optTraffic->setEnabled(true);
  }
}

void TicketForm::setTabOrderOfFields() {
  const std::initializer_list<QWidget *> order = {
      head_->tbTicket, payment_->optCharge, payment_->optCheck, payment_->optCash, payment_->optWH,
      payment_->optTC, payment_->tbInvoiceTO, payment_->CbTruckCo, payment_->tbCheckNum, payment_->mbApptmt,
      payment_->mbAT, payment_->mbUS, payment_->mbUE, payment_->tbBC, payment_->tbHC, payment_->tbTC,
      load_->tbTruck, load_->tbTrailer, load_->tbPO, load_->cbVendor, load_->tbVendor, load_->tbCases,
      pallets_->tbPFrom, pallets_->tbPTo, pallets_->tbCHEP, pallets_->tbEIn, pallets_->tbEOut,
      pallets_->tbCEID, pallets_->tbRN, pallets_->tbNotes, damage_->tbProduct, damage_->tbWeight,
      damage_->tbVolume, damage_->optDNo, damage_->optDYes, damage_->tbDCases, damage_->cbDRC,
      damage_->optPYes, damage_->optPNo, damage_->optPWH, damage_->tbDExplain, damage_->tbDName,
      payment_->mbDT, load_->tbLoad, load_->tbTrip, load_->tbPro, load_->optFull, load_->optPartial,
      load_->optFloor, load_->optPalletized, load_->chROO, load_->chPW, load_->chROB, load_->chBO,
      load_->tbLayers, load_->tbRestacks, load_->tbItems,
      // the other focusable controls in their design order
      head_->dtpTo, head_->dtpTradeDate, head_->optNew, head_->optSaved, head_->btnFind, head_->optPrint2,
      head_->optPrint, head_->btnSave, head_->btnClear, head_->btnPrint, head_->btnClose, payment_->optStream,
      payment_->optTraffic, payment_->tbCSL, payment_->btnUS, payment_->btnUE, btnSave2_, btnClose2_,
      btnPrint2_, btnClear2_};
  QWidget *previous = nullptr;
  for (QWidget *w : order) {
    if (previous)
      QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

void TicketForm::setDoor(const QString &doorName) {
  head_->tbDoor->setText(doorName);
  setWindowTitle((mode_ == FormMode::NewDoor ? QStringLiteral("New ") : QStringLiteral("Unclosed ")) +
                 doorName);
}

QString TicketForm::CheckDoor() const {
  const QString caption = windowTitle();
  const int blank = caption.indexOf(QLatin1Char(' '));
  return blank < 0 ? caption : caption.mid(blank + 1);
}

bool TicketForm::Tavrel_Facility() const { return head_->tbTicket->text().startsWith(QLatin1Char('1')); }
bool TicketForm::Ostrine_Facility() const { return head_->tbTicket->text().startsWith(QLatin1Char('4')); }

QLineEdit *TicketForm::ticketBox() const { return head_->tbTicket; }
QRadioButton *TicketForm::savedOption() const { return head_->optSaved; }

void TicketForm::fillTruckCompanies() {
  QComboBox *box = payment_->CbTruckCo;
  {
    // Filling the list must not copy a company into Invoice TO.
    const QSignalBlocker quiet(box);
    box->clear();
  }
  box->setEditText(kSelect);
  try {
    const QStringList names = store::truckCompanyNames();
    const QSignalBlocker quiet(box);
    box->addItems(names);
    box->setEditText(kSelect);
  } catch (const std::exception &) {
    app::showMessage(QStringLiteral("TrcukCo_Load has an error!"));
  }
}

void TicketForm::fillVendors() {
  QComboBox *box = load_->cbVendor;
  const bool numbers = Tavrel_Facility();
  const QString shown = box->currentText();
  const QSignalBlocker quiet(box);
  box->clear();
  try {
    box->addItems(numbers ? store::vendorNumbers() : store::vendorNames());
  } catch (const std::exception &) {
    app::showMessage(numbers ? QStringLiteral("VendorNo_Load has an error!")
                             : QStringLiteral("Vendor_Load has an error!"));
  }
  box->setEditText(numbers ? kSelect : shown);
}

void TicketForm::lookUpVendorNumber() {
  const QString number = load_->cbVendor->currentText();
  std::optional<QString> name;
  try {
    name = store::vendorNameOf(number);
  } catch (const std::exception &) {
    app::showMessage(QStringLiteral("VendorNo_Find has an error!"));
    return;
  }
  if (!name) {
    app::showMessage(QStringLiteral("No data"));
    return;
  }
  QPlainTextEdit *vendors = load_->tbVendor;
  if (vendors->toPlainText().isEmpty())
    vendors->setPlainText(*name);
  else
    vendors->setPlainText(vendors->toPlainText() + QLatin1Char('\n') + *name);
}

void TicketForm::recomputeTotal() {
  if (const auto total = feeTotal(payment_->tbBC->text(), payment_->tbHC->text()))
    payment_->tbTC->setText(*total);
}

void TicketForm::leaveHandlingCharge() {
  if (payment_->tbHC->text().isEmpty())
    payment_->tbHC->setText(QStringLiteral("0"));
  if (payment_->tbBC->text().isEmpty())
    payment_->tbBC->setText(QStringLiteral("0"));
  recomputeTotal();
}

void TicketForm::stampTime(QLineEdit *box) {
  box->setText(app::now().time().toString(QStringLiteral("HH:mm")));
}

bool TicketForm::eventFilter(QObject *watched, QEvent *event) {
  const bool feeBox = watched == payment_->tbBC || watched == payment_->tbHC;
  if (feeBox && event->type() == QEvent::KeyRelease) {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
      recomputeTotal();
  }
  if (watched == payment_->tbHC && event->type() == QEvent::FocusOut)
    leaveHandlingCharge();
  if (watched == load_->cbVendor && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      lookUpVendorNumber();
      return true;
    }
  }
  if (watched == damage_->Picture2 && event->type() == QEvent::MouseButtonPress) {
    signature::openSignaturePad(windowTitle(), toRecord());
    return true;
  }
  if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit *>(watched)) {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      focusNextChild();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// Option reactions: they run whenever an option becomes selected, by the user or by
// a load; making an option unselected runs nothing.

void TicketForm::choosePayment(QRadioButton *option) {
  if (option == payment_->optCharge) {
    payment_->tbInvoiceTO->setEnabled(true);
    return;
  }
  unselect(payment_->optWH);
  unselect(payment_->optTC);
  payment_->tbInvoiceTO->setEnabled(false);
}

void TicketForm::chooseChargeTo(QRadioButton *option) {
  payment_->optCharge->setChecked(true);
  const bool warehouse = option == payment_->optWH;
  if (!warehouse) {
    unselect(payment_->optStream);
    unselect(payment_->optTraffic);
  }
  payment_->optStream->setEnabled(warehouse);
  payment_->optTraffic->setEnabled(warehouse);
  if (warehouse)
    payment_->tbInvoiceTO->setText(QStringLiteral("Ostrine"));
}

void TicketForm::chooseDamage(bool damaged) {
  if (!damaged) {
    damage_->tbDCases->clear();
    damage_->cbDRC->setEditText(QString());
    unselect(damage_->optPYes);
    unselect(damage_->optPNo);
    unselect(damage_->optPWH);
    damage_->tbDExplain->clear();
  }
  for (QWidget *w : std::initializer_list<QWidget *>{damage_->tbDCases, damage_->cbDRC, damage_->optPYes,
                                                     damage_->optPNo, damage_->optPWH, damage_->tbDExplain})
    w->setEnabled(damaged);
}

void TicketForm::chooseNewTicket() {
  frmClear();
  head_->tbTicket->setEnabled(false);
  for (QPushButton *b : {head_->btnClose, head_->btnSave, btnClose2_, btnSave2_})
    b->setEnabled(true);
  head_->btnFind->setEnabled(false);
  head_->tbTicket->setText(nextTicketForForm());
}

void TicketForm::chooseSavedTicket() {
  head_->tbTicket->setEnabled(true);
  head_->btnFind->setEnabled(true);
}

void TicketForm::clearKeepingDoor() {
  frmClear();
  head_->tbDoor->setText(CheckDoor());
}

void TicketForm::frmClear() {
  head_->dtpTo->setDate(app::today());
  head_->dtpTradeDate->setDate(app::today());
  head_->tbTicket->clear();
  payment_->tbInvoiceTO->clear();
  payment_->CbTruckCo->setEditText(QString());
  payment_->tbCheckNum->clear();
  for (QLineEdit *time : {payment_->mbApptmt, payment_->mbAT, payment_->mbUS, payment_->mbUE, payment_->mbDT})
    time->setText(kEmptyTime);
  for (QLineEdit *box : {load_->tbTruck, load_->tbTrailer, load_->tbLoad, load_->tbTrip, load_->tbPro})
    box->clear();
  load_->tbPO->clear();
  load_->cbVendor->setEditText(QString());
  load_->tbVendor->clear();
  load_->tbCases->clear();
  load_->tbItems->clear();
  for (QLineEdit *fee : {payment_->tbBC, payment_->tbHC, payment_->tbTC})
    fee->setText(QStringLiteral("0"));
  for (QLineEdit *box : {load_->tbLayers, load_->tbRestacks, pallets_->tbPFrom, pallets_->tbPTo,
                         pallets_->tbCHEP, pallets_->tbEIn, pallets_->tbEOut})
    box->clear();
  pallets_->tbCEID->clear();
  for (QLineEdit *box :
       {pallets_->tbRN, damage_->tbProduct, damage_->tbWeight, damage_->tbVolume, damage_->tbDCases})
    box->clear();
  damage_->cbDRC->setEditText(QStringLiteral("select"));
  damage_->tbDExplain->clear();
  pallets_->tbNotes->clear();
  damage_->tbDName->clear();
  for (QRadioButton *option :
       {payment_->optCharge, payment_->optCheck, payment_->optCash, payment_->optWH, payment_->optTC,
        load_->optFull, load_->optPartial, load_->optFloor, load_->optPalletized, damage_->optDNo,
        damage_->optDYes, damage_->optPNo, damage_->optPYes, damage_->optPWH})
    unselect(option);
  for (QCheckBox *box : {load_->chROO, load_->chPW, load_->chROB, load_->chBO})
    box->setChecked(false);
  fillTruckCompanies();
  const QString placeholder = store::session().pathOf(QStringLiteral("signature.jpg"));
  QPixmap picture;
  if (QFileInfo::exists(placeholder) && picture.load(placeholder))
    damage_->Picture2->setPixmap(picture.scaled(damage_->Picture2->size(), Qt::KeepAspectRatio));
}

void TicketForm::showPlaceholderSignature() { damage_->Picture2->setPixmap(placeholderSignature()); }

QString TicketForm::signatureTicket() const { return head_->tbTicket->text(); }

void TicketForm::showSignature(const QString &filePath) {
  QPixmap picture;
  if (picture.load(filePath))
    damage_->Picture2->setPixmap(
        picture.scaled(damage_->Picture2->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TicketForm::discard() {
  slotOf(mode_) = nullptr;
  if (app::childFrame(this))
    app::closeChild(this);
  else
    deleteLater();
}

} // namespace tickets
