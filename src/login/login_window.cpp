#include "login/login_window.h"

#include "app/main_window.h"
#include "app/message_box.h"
#include "app/splash.h"
#include "app/windows.h"
#include "login/login_check.h"
#include "store/progress.h"
#include "store/user_database.h"

#include <QApplication>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>

namespace login {

namespace {

QPointer<LoginWindow> theLoginWindow;

QFont arial(qreal points, bool bold, bool italic = false) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

// While the daily backup runs: the busy pointer at once, a progress bar once the work
// has taken a second, and the windows repainted all along (user input waits).
class BackupProgress {
public:
  BackupProgress() : scope_([this](double fraction) { tick(fraction); }) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~BackupProgress() {
    delete dialog_;
    QApplication::restoreOverrideCursor();
  }
  BackupProgress(const BackupProgress &) = delete;
  BackupProgress &operator=(const BackupProgress &) = delete;

private:
  void tick(double fraction) {
    if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < 50)
      return;
    sinceRepaint_.start();
    if (!dialog_ && running_.elapsed() >= 1000) {
      dialog_ = new QProgressDialog(QStringLiteral("Making today's backup of the database..."), QString(), 0, 100,
                                    app::MainWindow::instance());
      dialog_->setObjectName(QStringLiteral("frmBackupProgress"));
      dialog_->setWindowModality(Qt::ApplicationModal);
      dialog_->setMinimumDuration(0);
      dialog_->setAutoClose(false);
      dialog_->setAutoReset(false);
      dialog_->show();
    }
    if (dialog_) {
      if (fraction < 0) {
        dialog_->setRange(0, 0); // compaction cannot tell how far it is
      } else {
        dialog_->setRange(0, 100);
        dialog_->setValue(int(fraction * 100));
      }
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }

  QElapsedTimer running_ = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  QElapsedTimer sinceRepaint_;
  QProgressDialog *dialog_ = nullptr;
  store::ProgressScope scope_;
};

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

} // namespace

LoginWindow::LoginWindow(QWidget *parent) : QWidget(parent) {
  theLoginWindow = this;
  setObjectName(QStringLiteral("frmPassword"));
  setWindowFlags(Qt::FramelessWindowHint);
  setFixedSize(238, 178);

  auto *userLabel = new QLabel(QStringLiteral("User ID"), this);
  userLabel->setFont(arial(9, true, true));
  userLabel->setGeometry(10, 14, 72, 20);
  tbUserID = new QLineEdit(this);
  tbUserID->setObjectName(QStringLiteral("tbUserID"));
  tbUserID->setGeometry(86, 12, 142, 24);

  auto *passwordLabel = new QLabel(QStringLiteral("Password"), this);
  passwordLabel->setFont(arial(9, true, true));
  passwordLabel->setGeometry(10, 52, 72, 20);
  tbPassword = new QLineEdit(this);
  tbPassword->setObjectName(QStringLiteral("tbPassword"));
  tbPassword->setEchoMode(QLineEdit::Password);
  tbPassword->setFont(arial(20.25, true));
  tbPassword->setGeometry(86, 42, 142, 40);

  btnOK = new QPushButton(QStringLiteral("O.K."), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setFont(arial(9, true));
  btnOK->setGeometry(148, 92, 80, 28);
  connect(btnOK, &QPushButton::clicked, this, &LoginWindow::btnOK_Click);

  optPassword = new QRadioButton(QStringLiteral("Change ID or Password"), this);
  optPassword->setObjectName(QStringLiteral("optPassword"));
  optPassword->setGeometry(10, 126, 220, 22);
  optNewReg = new QRadioButton(QStringLiteral("New Register"), this);
  optNewReg->setObjectName(QStringLiteral("optNewReg"));
  optNewReg->setGeometry(10, 150, 220, 22);
  options_ = new QButtonGroup(this);
  options_->addButton(optPassword);
  options_->addButton(optNewReg);
  // A click opens the credential window again even when the option is already chosen.
  connect(optPassword, &QRadioButton::clicked, this, &LoginWindow::optionChosen);
  connect(optNewReg, &QRadioButton::clicked, this, &LoginWindow::optionChosen);

  setTabOrder(tbUserID, tbPassword);
  setTabOrder(tbPassword, btnOK);
  setTabOrder(btnOK, optPassword);
  tbUserID->installEventFilter(this);
  tbPassword->installEventFilter(this);
  clearOptions();
}

LoginWindow *LoginWindow::instance() { return theLoginWindow; }

CredentialMode LoginWindow::credentialMode() const {
  if (optNewReg->isChecked())
    return CredentialMode::Register;
  if (optPassword->isChecked())
    return CredentialMode::Change;
  return CredentialMode::None;
}

void LoginWindow::clearOptions() {
  options_->setExclusive(false);
  optPassword->setChecked(false);
  optNewReg->setChecked(false);
  options_->setExclusive(true);
}

bool LoginWindow::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() != QEvent::KeyPress)
    return QWidget::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent *>(event)->key();
  if (watched == tbUserID && isEnter(key)) {
    focusNextChild();
    return true;
  }
  if (watched == tbPassword && (isEnter(key) || key == Qt::Key_Tab)) {
    focusNextChild();
    btnOK_Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void LoginWindow::optionChosen() {
  tbUserID->clear();
  tbPassword->clear();
  app::openChangePassword();
}

void LoginWindow::btnOK_Click() {
  using Outcome = LoginCheck::Outcome;
  const LoginCheck check = checkLogin(tbUserID->text(), tbPassword->text());
  switch (check.outcome) {
  case Outcome::EmptyUserId:
    app::showMessage(QStringLiteral("Please input the User ID !"));
    return;
  case Outcome::NoDatabase:
    app::showMessage(QStringLiteral("Your password is wrong !"));
    return;
  case Outcome::Unreadable:
    app::showMessage(QStringLiteral("The user database cannot be opened: the file is damaged or was not "
                                    "made by this program."));
    return;
  case Outcome::InUse:
    app::showMessage(QStringLiteral("The user database is in use by another program. Please close it and "
                                    "log in again."));
    return;
  case Outcome::WrongCredentials:
    app::showMessage(QStringLiteral("Current Password is wrong !"));
    tbUserID->clear();
    tbPassword->clear();
    return;
  case Outcome::Admitted:
    admit(check.storedUserId);
    return;
  }
}

void LoginWindow::admit(const QString &storedUserId) {
  store::Session &s = store::session();
  store::BackupResult backup;
  {
    BackupProgress progress;
    store::PruneBackups();
    backup = store::BackupAndCompact(s.appFolder(), s.databaseFileName());
  }
  if (backup == store::BackupResult::Failed)
    app::showMessage(QStringLiteral("Please close MS Access software!"));

  s.setUserId(storedUserId);
  app::showSplash(storedUserId);

  bool ostrine = false;
  try {
    ostrine = store::Is_Ostrine();
  } catch (const store::DbError &) {
    ostrine = false; // an unreadable profile opens no door list
  }
  if (ostrine)
    app::openNewDoorList();
  if (app::MainWindow *main = app::MainWindow::instance())
    main->enableWorkingMenu();
  app::closeChild(this);
}

} // namespace login

namespace app {

void openLogin() {
  if (!login::theLoginWindow)
    new login::LoginWindow;
  QMdiSubWindow *frame = showChild(login::theLoginWindow);
  if (frame)
    frame->move(1, 1); // 15 twips in from each edge
  login::theLoginWindow->findChild<QLineEdit *>(QStringLiteral("tbUserID"))->setFocus();
}

} // namespace app
