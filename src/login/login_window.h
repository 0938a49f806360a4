#pragma once
// frmPassword: the first window the user meets. It picks the user database by the
// typed ID, tests the password, and on success starts the working state. Its two
// options lead to registration or to a change of ID or password.

#include <QWidget>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace login {

enum class CredentialMode { None, Change, Register };

class LoginWindow : public QWidget {
  Q_OBJECT
public:
  explicit LoginWindow(QWidget *parent = nullptr);
  // The login window while it exists (also while hidden after a registration).
  static LoginWindow *instance();

  // The mode the selected option asks of the credential window.
  CredentialMode credentialMode() const;
  // Both options unselected.
  void clearOptions();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void btnOK_Click();
  void admit(const QString &storedUserId);
  void optionChosen();

  QLineEdit *tbUserID;
  QLineEdit *tbPassword;
  QPushButton *btnOK;
  QRadioButton *optPassword;
  QRadioButton *optNewReg;
  QButtonGroup *options_;
};

} // namespace login
