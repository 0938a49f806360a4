#pragma once
// frmEmployeeInfo: the profile a new user fills in right after registering. Saving
// writes the profile and the seed row numbering starts from, then opens the ticket
// form.

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace login {

class EmployeeInfoWindow : public QWidget {
  Q_OBJECT
public:
  explicit EmployeeInfoWindow(QWidget *parent = nullptr);
  void setUserId(const QString &userId);

private:
  void cbEmpType_Click();
  void btnSave_Click();
  void btnPrint_Click();
  bool SaveEmpInfo();

  QLineEdit *tbUserID;
  QComboBox *cbFCode;
  QComboBox *cbEmployeeC;
  QComboBox *cbEmpType;
  QLineEdit *tbEmpWeekTime;
  QLineEdit *tbEmpGrossS;
  QLineEdit *tbEmpPay;
  QLabel *lbEmpWeekTime;
  QLabel *lbEmpGrossS;
  QLabel *lbEmpPay;
  QDateEdit *dtpEmpWorkStart;
  QLineEdit *tbEmpFirstN;
  QLineEdit *tbEmpMI;
  QLineEdit *tbEmpLastN;
  QLineEdit *tbPhoneNo;
  QLineEdit *tbEmpAdd;
  QLineEdit *tbEmpCity;
  QComboBox *tbEmpState;
  QLineEdit *tbEmpZip;
  QPlainTextEdit *tbEmpInfoC;
  QPushButton *btnSave;
  QPushButton *btnPrint;
};

// Tests print the profile into a PDF file instead of the default printer; an empty
// path brings back the printer.
void setProfilePrintFileForTest(const QString &pdfPath);

} // namespace login
