#include "login/employee_info_window.h"

#include "app/clock.h"
#include "app/date_text.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/windows.h"
#include "login/facility.h"
#include "store/profile_table.h"
#include "store/user_database.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace login {

namespace {

QPointer<EmployeeInfoWindow> theWindow;
QString printFileForTest;

const char *kStates[] = {"AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "DC", "FL", "GA", "HI", "ID",
                         "IL", "IN", "IA", "KS", "KY", "LA", "ME", "MD", "MA", "MI", "MN", "MS", "MO",
                         "MT", "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR", "PA",
                         "PR", "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY"};

QGroupBox *frame(QWidget *parent, const QString &caption, const QRect &where) {
  auto *box = new QGroupBox(caption, parent);
  QFont font = box->font();
  font.setBold(true);
  font.setItalic(true);
  box->setFont(font);
  box->setGeometry(where);
  return box;
}

// Controls inside a frame take a plain font (the frame's caption is bold italic).
template <typename Control>
Control *place(QWidget *frame, const char *name, const QRect &where, const QFont &font) {
  auto *control = new Control(frame);
  if (name)
    control->setObjectName(QString::fromLatin1(name));
  control->setFont(font);
  control->setGeometry(where);
  return control;
}

QLabel *caption(QWidget *frame, const QString &text, const QRect &where, const QFont &font) {
  auto *label = new QLabel(text, frame);
  label->setFont(font);
  label->setGeometry(where);
  return label;
}

QString facilityCodeRefusal(FacilityCode::Status status) {
  return status == FacilityCode::Status::TooLarge
             ? QStringLiteral("Employee code is too large to make a facility code !")
             : QStringLiteral("Employee code must be a whole number of 1 or more !");
}

} // namespace

void setProfilePrintFileForTest(const QString &pdfPath) { printFileForTest = pdfPath; }

EmployeeInfoWindow::EmployeeInfoWindow(QWidget *parent) : QWidget(parent) {
  theWindow = this;
  setObjectName(QStringLiteral("frmEmployeeInfo"));
  setWindowTitle(QStringLiteral("Employee Infomation"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(780, 236);

  // Set in full, so nothing of the frames' bold italic caption font is inherited.
  QFont plain(QStringLiteral("Arial"), 9);
  plain.setBold(false);
  plain.setItalic(false);
  QFont userFont = plain;
  userFont.setPointSizeF(9.75);

  // Business info.
  QGroupBox *business = frame(this, QStringLiteral("Business info."), QRect(6, 4, 306, 226));
  auto row = [](int i) { return 20 + i * 25; };
  const int lx = 8, lw = 138, cx = 148, cw = 150, h = 22;
  caption(business, QStringLiteral("User ID"), QRect(lx, row(0), lw, h), plain);
  tbUserID = place<QLineEdit>(business, "tbUserID", QRect(cx, row(0), cw, h), userFont);
  tbUserID->setAlignment(Qt::AlignRight);
  tbUserID->setEnabled(false);

  caption(business, QStringLiteral("Facility Code"), QRect(lx, row(1), lw, h), plain);
  cbFCode = place<QComboBox>(business, "cbFCode", QRect(cx, row(1), cw, h), plain);
  cbFCode->addItems(facilityNames());
  // Every profile saved here belongs to the Ostrine facility.
  cbFCode->setCurrentText(QStringLiteral("Ostrine"));
  cbFCode->setEnabled(false);

  caption(business, QStringLiteral("Employee Code"), QRect(lx, row(2), lw, h), plain);
  cbEmployeeC = place<QComboBox>(business, "cbEmployeeC", QRect(cx, row(2), cw, h), plain);
  cbEmployeeC->setEditable(true);
  for (int n = 1; n <= 10; ++n)
    cbEmployeeC->addItem(QString::number(n));
  cbEmployeeC->setCurrentIndex(-1);
  cbEmployeeC->setEditText(QStringLiteral("Select"));

  caption(business, QStringLiteral("Employee Type"), QRect(lx, row(3), lw, h), plain);
  cbEmpType = place<QComboBox>(business, "cbEmpType", QRect(cx, row(3), cw, h), plain);
  cbEmpType->addItems({QStringLiteral("Full Time"), QStringLiteral("Part Time")});
  connect(cbEmpType, &QComboBox::activated, this, &EmployeeInfoWindow::cbEmpType_Click);

  lbEmpWeekTime = caption(business, QStringLiteral("Working Hour(week)"), QRect(lx, row(4), lw, h), plain);
  tbEmpWeekTime = place<QLineEdit>(business, "tbEmpWeekTime", QRect(cx, row(4), cw, h), plain);
  lbEmpGrossS = caption(business, QStringLiteral("Gross Salary(Year, $)"), QRect(lx, row(5), lw, h), plain);
  tbEmpGrossS = place<QLineEdit>(business, "tbEmpGrossS", QRect(cx, row(5), cw, h), plain);
  lbEmpPay = caption(business, QStringLiteral("Pay(Hour, $)"), QRect(lx, row(6), lw, h), plain);
  tbEmpPay = place<QLineEdit>(business, "tbEmpPay", QRect(cx, row(6), cw, h), plain);
  lbEmpPay->setEnabled(false);
  tbEmpPay->setEnabled(false);

  caption(business, QStringLiteral("Work Start Date"), QRect(lx, row(7), lw, h), plain);
  dtpEmpWorkStart = place<QDateEdit>(business, "dtpEmpWorkStart", QRect(cx, row(7), cw, h), plain);
  dtpEmpWorkStart->setCalendarPopup(true);
  dtpEmpWorkStart->setDisplayFormat(app::shortDateFormat());
  dtpEmpWorkStart->setDate(app::today());

  // Personal info.
  QGroupBox *personal = frame(this, QStringLiteral("Personal info."), QRect(318, 4, 372, 226));
  const int px = 8, pw = 84, bx = 94, bw = 150;
  caption(personal, QStringLiteral("First Name"), QRect(px, row(0), pw, h), plain);
  tbEmpFirstN = place<QLineEdit>(personal, "tbEmpFirstN", QRect(bx, row(0), bw, h), plain);
  caption(personal, QStringLiteral("Middle Initial"), QRect(px, row(1), pw, h), plain);
  tbEmpMI = place<QLineEdit>(personal, "tbEmpMI", QRect(bx, row(1), bw, h), plain);
  caption(personal, QStringLiteral("Last Name"), QRect(px, row(2), pw, h), plain);
  tbEmpLastN = place<QLineEdit>(personal, "tbEmpLastN", QRect(bx, row(2), bw, h), plain);
  caption(personal, QStringLiteral("Phone No"), QRect(px, row(3), pw, h), plain);
  tbPhoneNo = place<QLineEdit>(personal, "tbPhoneNo", QRect(bx, row(3), bw, h), plain);
  tbPhoneNo->setInputMask(QStringLiteral("999-999-9999;_"));
  caption(personal, QStringLiteral("Address"), QRect(px, row(4), pw, h), plain);
  tbEmpAdd = place<QLineEdit>(personal, "tbEmpAdd", QRect(bx, row(4), bw, h), plain);
  caption(personal, QStringLiteral("City"), QRect(px, row(5), pw, h), plain);
  tbEmpCity = place<QLineEdit>(personal, "tbEmpCity", QRect(bx, row(5), bw, h), plain);
  caption(personal, QStringLiteral("State"), QRect(px, row(6), pw, h), plain);
  tbEmpState = place<QComboBox>(personal, "tbEmpState", QRect(bx, row(6), bw, h), plain);
  tbEmpState->setEditable(true);
  for (const char *state : kStates)
    tbEmpState->addItem(QString::fromLatin1(state));
  tbEmpState->setCurrentText(QStringLiteral("CA"));
  caption(personal, QStringLiteral("Zip Code"), QRect(px, row(7), pw, h), plain);
  tbEmpZip = place<QLineEdit>(personal, "tbEmpZip", QRect(bx, row(7), 70, h), plain);
  tbEmpZip->setInputMask(QStringLiteral("99999;_"));
  tbEmpInfoC = place<QPlainTextEdit>(personal, "tbEmpInfoC", QRect(252, row(0), 112, 197), plain);
  tbEmpInfoC->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  btnSave = new QPushButton(QStringLiteral("Save"), this);
  btnSave->setObjectName(QStringLiteral("btnSave"));
  btnSave->setGeometry(698, 24, 76, 30);
  connect(btnSave, &QPushButton::clicked, this, &EmployeeInfoWindow::btnSave_Click);
  btnPrint = new QPushButton(QStringLiteral("Print"), this);
  btnPrint->setObjectName(QStringLiteral("btnPrint"));
  btnPrint->setGeometry(698, 64, 76, 30);
  connect(btnPrint, &QPushButton::clicked, this, &EmployeeInfoWindow::btnPrint_Click);
}

void EmployeeInfoWindow::setUserId(const QString &userId) { tbUserID->setText(userId); }

void EmployeeInfoWindow::cbEmpType_Click() {
  // Full time is paid by the year and counted in hours a week; part time by the hour.
  const bool fullTime = cbEmpType->currentText() == QLatin1String("Full Time");
  for (QWidget *w : std::initializer_list<QWidget *>{lbEmpWeekTime, tbEmpWeekTime, lbEmpGrossS, tbEmpGrossS})
    w->setEnabled(fullTime);
  lbEmpPay->setEnabled(!fullTime);
  tbEmpPay->setEnabled(!fullTime);
  tbEmpWeekTime->clear();
  tbEmpGrossS->clear();
  tbEmpPay->clear();
}

void EmployeeInfoWindow::btnSave_Click() {
  const QString select = QStringLiteral("Select");
  if (cbFCode->currentText() == select) {
    app::showMessage(QStringLiteral("Select Facility Code Type !"));
    return;
  }
  if (cbEmployeeC->currentText().isEmpty()) {
    app::showMessage(QStringLiteral("Select Employee code !"));
    return;
  }
  if (cbEmployeeC->currentText() == select || cbFCode->currentText() == select) {
    app::showMessage(QStringLiteral("Please select Facility or Employee code"));
    return;
  }
  if (!SaveEmpInfo())
    return;
  const QString userId = tbUserID->text();
  store::session().setUserId(userId);
  app::openTicketFormAfterProfile(userId);
  app::closeChild(this);
}

bool EmployeeInfoWindow::SaveEmpInfo() {
  const FacilityCode code = facilityCode(cbFCode->currentText(), cbEmployeeC->currentText());
  if (code.status != FacilityCode::Status::Ok) {
    app::showMessage(facilityCodeRefusal(code.status));
    return false;
  }
  store::EmployeeProfile profile;
  profile.fCode = code.code;
  profile.empType = cbEmpType->currentText();
  profile.empWeekTime = tbEmpWeekTime->text();
  profile.empGrossS = tbEmpGrossS->text();
  profile.empPay = tbEmpPay->text();
  profile.empWorkStart = dtpEmpWorkStart->date();
  profile.empFirstN = tbEmpFirstN->text();
  profile.empMI = tbEmpMI->text();
  profile.empLastN = tbEmpLastN->text();
  profile.phoneNo = tbPhoneNo->displayText();
  profile.empAdd = tbEmpAdd->text();
  profile.empCity = tbEmpCity->text();
  profile.empState = tbEmpState->currentText();
  profile.empZip = tbEmpZip->displayText();
  profile.empInfoC = tbEmpInfoC->toPlainText();
  try {
    store::saveProfile(store::session().db(), profile, cbFCode->currentText());
  } catch (const store::DbError &) {
    app::showMessage(QStringLiteral("SaveEmpInfo has an error!"));
    return false;
  }
  app::showMessage(QStringLiteral("Employee Infomation is saved !"));
  return true;
}

void EmployeeInfoWindow::btnPrint_Click() {
  const QPixmap image = grab();
  const bool toFile = !printFileForTest.isEmpty();
  if (!toFile && QPrinterInfo::defaultPrinter().isNull()) {
    app::showMessage(QStringLiteral("Please check your printer setup."), app::Buttons::Ok,
                     QStringLiteral("Printer Error!!"));
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  if (toFile) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printFileForTest);
  }
  QPainter painter;
  if (!painter.begin(&printer)) {
    app::showMessage(QStringLiteral("Please check your printer setup."), app::Buttons::Ok,
                     QStringLiteral("Printer Error!!"));
    return;
  }
  // The window's picture across the page width, keeping its proportions.
  const QRect page = painter.viewport();
  const QSize size = image.size().scaled(page.width(), page.height(), Qt::KeepAspectRatio);
  painter.drawPixmap(QRect(QPoint(0, 0), size), image);
  painter.end();
}

} // namespace login

namespace app {

void openEmployeeInfo(const QString &userId) {
  if (!login::theWindow)
    new login::EmployeeInfoWindow;
  login::theWindow->setUserId(userId);
  showChild(login::theWindow);
}

} // namespace app
