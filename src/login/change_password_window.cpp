#include "login/change_password_window.h"

#include "app/main_window.h"
#include "app/message_box.h"
#include "app/windows.h"
#include "login/login_window.h"
#include "store/credentials.h"
#include "store/file_ops.h"
#include "store/setting_table.h"
#include "store/user_database.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace login {

namespace {

QPointer<ChangePasswordWindow> theWindow;

const QString kUnreadable =
    QStringLiteral("The user database cannot be opened: the file is damaged or was not "
                   "made by this program.");

QLineEdit *addBox(QWidget *frame, const char *name, const QString &caption, int y, bool password) {
  // The frame's caption is italic; its labels and boxes are not.
  QFont plain = frame->font();
  plain.setItalic(false);
  auto *label = new QLabel(caption, frame);
  QFont bold = plain;
  bold.setBold(true);
  label->setFont(bold);
  label->setForegroundRole(QPalette::Highlight);
  label->setGeometry(10, y + 4, 130, 20);
  auto *box = new QLineEdit(frame);
  box->setObjectName(QString::fromLatin1(name));
  box->setFont(plain);
  if (password) {
    box->setEchoMode(QLineEdit::Password);
    QFont big = plain;
    big.setPointSize(18);
    box->setFont(big);
    box->setGeometry(142, y, 120, 34);
  } else {
    box->setGeometry(142, y + 2, 120, 24);
  }
  return box;
}

QGroupBox *frame(QWidget *parent, const QString &caption, const QRect &where) {
  auto *box = new QGroupBox(caption, parent);
  QFont italic = box->font();
  italic.setItalic(true);
  box->setFont(italic);
  box->setGeometry(where);
  return box;
}

// Characters no file name can hold: an ID with them names no database.
bool fitsFileName(const QString &id) {
  for (QChar c : id)
    if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c))
      return false;
  return true;
}

const QString kBadCharacters =
    QStringLiteral("Your ID may not contain any of these characters:  \\ / : * ? \" < > |");

} // namespace

ChangePasswordWindow::ChangePasswordWindow(QWidget *parent) : QWidget(parent) {
  theWindow = this;
  setObjectName(QStringLiteral("frmChangePSW"));
  setWindowTitle(QStringLiteral("Change Password"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(287, 262);

  QGroupBox *ids = frame(this, QStringLiteral("Change User ID"), QRect(6, 4, 275, 76));
  tbCurrentUserID = addBox(ids, "tbCurrentUserID", QStringLiteral("Current User ID"), 16, false);
  tbNewUserID = addBox(ids, "tbNewUserID", QStringLiteral("New ID"), 44, false);

  QGroupBox *passwords = frame(this, QStringLiteral("Change Password"), QRect(6, 84, 275, 134));
  tbCurrentPSW = addBox(passwords, "tbCurrentPSW", QStringLiteral("Current Password"), 18, true);
  tbNewPSW = addBox(passwords, "tbNewPSW", QStringLiteral("New Password"), 56, true);
  tbConfirmPSW = addBox(passwords, "tbConfirmPSW", QStringLiteral("Confirm Password"), 94, true);

  btnOK = new QPushButton(QStringLiteral("O.K."), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  QFont arial(QStringLiteral("Arial"), 9, QFont::Bold);
  btnOK->setFont(arial);
  btnOK->setGeometry(186, 226, 95, 28);
  connect(btnOK, &QPushButton::clicked, this, &ChangePasswordWindow::btnOK_Click);

  QWidget::setTabOrder(tbCurrentUserID, tbNewUserID);
  QWidget::setTabOrder(tbNewUserID, tbCurrentPSW);
  QWidget::setTabOrder(tbCurrentPSW, tbNewPSW);
  QWidget::setTabOrder(tbNewPSW, tbConfirmPSW);
  QWidget::setTabOrder(tbConfirmPSW, btnOK);
  for (QLineEdit *box : {tbCurrentUserID, tbNewUserID, tbCurrentPSW, tbNewPSW, tbConfirmPSW})
    box->installEventFilter(this);
}

ChangePasswordWindow *ChangePasswordWindow::instance() { return theWindow; }

void ChangePasswordWindow::applyMode(CredentialMode mode) {
  const bool registering = mode == CredentialMode::Register;
  for (QLineEdit *box : {tbCurrentUserID, tbCurrentPSW}) {
    if (registering)
      box->clear();
    box->setEnabled(!registering);
    // Registration paints the unused boxes in the colour of an active window border.
    QPalette palette = box->palette();
    palette.setBrush(QPalette::Disabled, QPalette::Base,
                     registering ? QApplication::palette().brush(QPalette::Active, QPalette::Mid)
                                 : QApplication::palette().brush(QPalette::Disabled, QPalette::Base));
    box->setPalette(palette);
  }
  (registering ? tbNewUserID : tbCurrentUserID)->setFocus();
}

bool ChangePasswordWindow::eventFilter(QObject *watched, QEvent *event) {
  // Enter moves on like Tab; no key presses O.K.
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      focusNextChild();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool ChangePasswordWindow::NewRegister() {
  const QString newId = tbNewUserID->text();
  if (newId.isEmpty()) {
    app::showMessage(QStringLiteral("Pleae input your ID !"));
    return false;
  }
  if (!fitsFileName(newId)) {
    app::showMessage(kBadCharacters);
    return false;
  }
  store::Session &s = store::session();
  const QString newName = store::databaseFileNameFor(newId);
  if (!store::findFileName(s.appFolder(), newName).isEmpty()) {
    app::showMessage(QStringLiteral("Your ID already is in being!"));
    tbNewUserID->clear();
    return false;
  }
  const QString templatePath = s.pathOf(QString::fromLatin1(store::kTemplateFileName));
  if (!store::fileops::exists(templatePath)) {
    app::showMessage(QStringLiteral("The template database \"VarnelBase\" is missing from the program's "
                                    "folder, so no new ID can be registered."));
    return false;
  }
  s.closeConnection();
  if (!store::fileops::copyReplacing(templatePath, s.pathOf(newName))) {
    app::showMessage(QStringLiteral("The database for the new ID could not be made; nothing was changed."));
    return false;
  }
  createdFile_ = s.pathOf(newName);
  s.setDatabaseFileName(newName);
  return true;
}

bool ChangePasswordWindow::ChangePassword() {
  const QString newId = tbNewUserID->text();
  const QString currentId = tbCurrentUserID->text();
  if (newId.isEmpty() || currentId.isEmpty()) {
    app::showMessage(QStringLiteral("Pleae input your ID !"));
    return false;
  }
  store::Session &s = store::session();
  currentFileName_ = store::findFileName(s.appFolder(), store::databaseFileNameFor(currentId));
  if (currentFileName_.isEmpty()) {
    app::showMessage(QStringLiteral("Your ID was not registered!"));
    tbNewUserID->clear();
    return false;
  }
  if (newId == currentId) {
    s.setDatabaseFileName(currentFileName_);
    return true;
  }
  if (!fitsFileName(newId)) {
    app::showMessage(kBadCharacters);
    return false;
  }
  const QString newName = store::databaseFileNameFor(newId);
  const QString existing = store::findFileName(s.appFolder(), newName);
  if (existing == currentFileName_) {
    // Only the letter case differs and the name finds the user's own file: no copy.
    sameFileNewCase_ = true;
    s.setDatabaseFileName(currentFileName_);
    return true;
  }
  if (!existing.isEmpty()) {
    // Another user's database: never overwritten.
    app::showMessage(QStringLiteral("Your ID already is in being!"));
    tbNewUserID->clear();
    return false;
  }
  s.closeConnection();
  if (!store::fileops::copyReplacing(s.pathOf(currentFileName_), s.pathOf(newName))) {
    app::showMessage(QStringLiteral("The database could not be copied to the new ID; nothing was changed."));
    return false;
  }
  createdFile_ = s.pathOf(newName);
  s.setDatabaseFileName(newName);
  return true;
}

bool ChangePasswordWindow::CheckNumber() {
  if (tbNewPSW->text().size() >= 4)
    return true;
  app::showMessage(QStringLiteral("Please enter more than 4 characters !"), app::Buttons::Ok,
                   QStringLiteral("Notice"), app::Icon::Information);
  tbNewPSW->clear();
  tbConfirmPSW->clear();
  ReFreshData();
  return false;
}

bool ChangePasswordWindow::UpdateDB() {
  const QString hash = store::hashPassword(tbNewPSW->text());
  try {
    if (hash.isEmpty())
      throw store::DbError(1, "the password could not be sealed");
    store::writeFirstSetting(store::session().db(), tbNewUserID->text(), hash);
  } catch (const store::DbError &) {
    app::showMessage(QStringLiteral("UpdateDB has an error!"));
    ReFreshData();
    return false;
  }
  return true;
}

void ChangePasswordWindow::ReFreshData() {
  store::Session &s = store::session();
  s.closeConnection();
  // Only a file this attempt made goes; the user's own database never does.
  if (!createdFile_.isEmpty())
    store::fileops::remove(createdFile_);
  createdFile_.clear();
  s.clearDatabase();
}

void ChangePasswordWindow::retireOldDatabase() {
  store::Session &s = store::session();
  s.closeConnection();
  if (sameFileNewCase_) {
    // The file carries the ID's letters as typed: rename it in place.
    const QString newName = store::databaseFileNameFor(tbNewUserID->text());
    if (store::fileops::rename(s.pathOf(currentFileName_), s.pathOf(newName)))
      s.setDatabaseFileName(newName);
    return;
  }
  // The new database is written in full; the old name goes.
  store::fileops::remove(s.pathOf(currentFileName_));
}

void ChangePasswordWindow::btnOK_Click() {
  createdFile_.clear();
  currentFileName_.clear();
  sameFileNewCase_ = false;
  LoginWindow *loginWindow = LoginWindow::instance();
  const CredentialMode mode = loginWindow ? loginWindow->credentialMode() : CredentialMode::None;
  if (mode == CredentialMode::None) {
    app::showMessage(
        QStringLiteral("Please choose \"New Register\" or \"Change ID or Password\" in the login "
                       "window first."));
    return;
  }
  if (!(mode == CredentialMode::Register ? NewRegister() : ChangePassword()))
    return;

  std::optional<store::SettingRow> stored;
  try {
    stored = store::readFirstSetting(store::session().db());
  } catch (const store::DbError &) {
    app::showMessage(kUnreadable);
    ReFreshData();
    return;
  }
  QString storedPassword;
  if (stored) {
    if (!stored->userId.isEmpty() && tbCurrentUserID->text() != stored->userId) {
      app::showMessage(QStringLiteral("Current UserID is wrong !"));
      tbCurrentUserID->clear();
      ReFreshData();
      return;
    }
    storedPassword = stored->password;
  }
  // An empty stored value means no password yet (the template): only an empty box passes.
  const bool currentMatches = storedPassword.isEmpty()
                                  ? tbCurrentPSW->text().isEmpty()
                                  : store::verifyPassword(storedPassword, tbCurrentPSW->text());
  if (!currentMatches) {
    app::showMessage(QStringLiteral("Current Password is wrong !"));
    tbCurrentPSW->clear();
    ReFreshData();
    return;
  }
  if (tbNewPSW->text() != tbConfirmPSW->text()) {
    app::showMessage(QStringLiteral("New Password and Confirm Password is wrong !"));
    tbNewPSW->clear();
    tbConfirmPSW->clear();
    ReFreshData();
    return;
  }
  if (!CheckNumber())
    return;
  if (!UpdateDB())
    return;
  if (!tbCurrentUserID->text().isEmpty() && tbNewUserID->text() != tbCurrentUserID->text())
    retireOldDatabase();
  createdFile_.clear();

  const QString newId = tbNewUserID->text();
  if (mode == CredentialMode::Register) {
    app::hideChild(loginWindow);
    app::openEmployeeInfo(newId);
  } else {
    loginWindow->clearOptions();
    app::showMessage(QStringLiteral("Your registraion is complete successfully!   Please log in again!"));
  }
  app::closeChild(this);
}

} // namespace login

namespace app {

void openChangePassword() {
  if (!login::theWindow)
    new login::ChangePasswordWindow;
  login::LoginWindow *loginWindow = login::LoginWindow::instance();
  login::theWindow->applyMode(loginWindow ? loginWindow->credentialMode() : login::CredentialMode::None);
  showChild(login::theWindow);
}

} // namespace app
