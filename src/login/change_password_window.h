#pragma once
// frmChangePSW: registration of a new user ID (a copy of the template database) and
// change of a user's ID or password. The login window's options decide the mode.

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace login {

enum class CredentialMode;

class ChangePasswordWindow : public QWidget {
  Q_OBJECT
public:
  explicit ChangePasswordWindow(QWidget *parent = nullptr);
  static ChangePasswordWindow *instance();

  // Registration disables the two current boxes (and empties them, so nothing typed
  // earlier can name a database to delete); a change enables them.
  void applyMode(CredentialMode mode);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void btnOK_Click();
  bool NewRegister();
  bool ChangePassword();
  bool CheckNumber();
  bool UpdateDB();
  void ReFreshData();
  // Moves the user's database to the new ID's name once the change is written.
  void retireOldDatabase();

  QLineEdit *tbCurrentUserID;
  QLineEdit *tbNewUserID;
  QLineEdit *tbCurrentPSW;
  QLineEdit *tbNewPSW;
  QLineEdit *tbConfirmPSW;
  QPushButton *btnOK;

  // What this attempt did, so a failed attempt can undo exactly that.
  QString createdFile_;          // full path of the database this attempt made
  QString currentFileName_;      // the user's own database (change mode)
  bool sameFileNewCase_ = false; // the new ID names the user's own file in other case
};

} // namespace login
