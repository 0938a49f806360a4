#include "tickets/door_list_window.h"

#include "app/grid.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/windows.h"
#include "store/database.h"
#include "store/open_doors.h"
#include "store/user_database.h"
#include "tickets/door_lists.h"
#include "tickets/door_numbers.h"
#include "tickets/view_form.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace tickets {

namespace {

const QString kEmptyDoor = QStringLiteral("Please input the door no. !");
const QString kWrongDoor = QStringLiteral("Please input the correct door no. !");
const QString kNotNew = QStringLiteral("This door is not a new door!!");
const QString kClosed = QStringLiteral("This door was closed!!");
const QString kOkFailed = QStringLiteral("btnOK_Click has an error!");
const QString kLoadFailed = QStringLiteral("LoadList has an error!");
const QString kOpenFailed = QStringLiteral("New_ViewForm has an error!");

DoorFormOpener newOpener;
DoorFormOpener unclosedOpener;

QPointer<DoorListWindow> newDoorListWindow;
QPointer<DoorListWindow> unclosedDoorListWindow;

QPointer<DoorListWindow> &windowSlot(DoorListKind kind) {
  return kind == DoorListKind::NewDoors ? newDoorListWindow : unclosedDoorListWindow;
}

void showDoorList(DoorListKind kind) {
  DoorListWindow *window = doorListWindow(kind);
  if (!window) {
    window = new DoorListWindow(kind);
    windowSlot(kind) = window;
  }
  app::showChild(window);
}

// Closes a list for good, so that it is filled afresh the next time it is shown.
void closeDoorList(DoorListKind kind) {
  if (DoorListWindow *window = doorListWindow(kind))
    app::closeChild(window);
}

bool facilityIsOstrine() {
  try {
    return store::Is_Ostrine();
  } catch (const std::exception &) {
    return false;
  }
}

} // namespace

void setDoorFormOpeners(DoorFormOpener openNew, DoorFormOpener openUnclosed) {
  newOpener = std::move(openNew);
  unclosedOpener = std::move(openUnclosed);
}

DoorListWindow *doorListWindow(DoorListKind kind) {
  DoorListWindow *window = windowSlot(kind);
  return window && !window->isClosed() ? window : nullptr;
}

DoorListWindow::DoorListWindow(DoorListKind kind, QWidget *parent)
    : QWidget(parent), kind_(kind), tbDoorNo_(new QLineEdit(this)), btnOK_(new QPushButton(this)),
      btnClose_(new QPushButton(this)), grid_(new app::Grid(this)) {
  const bool isNew = kind == DoorListKind::NewDoors;
  setObjectName(isNew ? QStringLiteral("frmNewDL") : QStringLiteral("frmUnCDL"));
  setWindowTitle(isNew ? QStringLiteral("New Door List") : QStringLiteral("Unclosed door list"));
  setAttribute(Qt::WA_DeleteOnClose);

  QFont labelFont(QStringLiteral("Arial"), 9, QFont::Bold);
  labelFont.setItalic(true);
  QFont buttonFont(QStringLiteral("Arial"), 9, QFont::Bold);

  auto *label =
      new QLabel(isNew ? QStringLiteral("New   Door   #") : QStringLiteral("Unclosed Door #"), this);
  label->setFont(labelFont);
  tbDoorNo_->setObjectName(QStringLiteral("tbDoorNo"));
  tbDoorNo_->installEventFilter(this);
  btnOK_->setObjectName(QStringLiteral("btnOK"));
  btnOK_->setText(QStringLiteral("O.K."));
  btnOK_->setFont(buttonFont);
  btnClose_->setObjectName(QStringLiteral("btnClose"));
  btnClose_->setText(QStringLiteral("Close"));
  btnClose_->setFont(buttonFont);

  grid_->setObjectName(QStringLiteral("Spr1"));
  grid_->setHeadings(QStringList(kDoorListColumns, QString()));
  grid_->horizontalHeader()->hide();
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

  auto *top = new QHBoxLayout;
  top->addWidget(label);
  top->addWidget(tbDoorNo_, 1);
  top->addWidget(btnOK_);
  top->addWidget(btnClose_);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(grid_, 1);

  connect(btnOK_, &QPushButton::clicked, this, &DoorListWindow::btnOK_Click);
  connect(btnClose_, &QPushButton::clicked, this, [this] { app::hideChild(this); });
  connect(grid_, &app::Grid::cellClicked, this, &DoorListWindow::onCellClicked);

  resize(sizeHint());
  LoadList();
}

// Window sizes are given in twips: 15 to a pixel.
QSize DoorListWindow::sizeHint() const {
  return kind_ == DoorListKind::NewDoors ? QSize(7110 / 15, 6240 / 15) : QSize(7245 / 15, 6165 / 15);
}

void DoorListWindow::LoadList() {
  QStringList doors;
  try {
    const QStringList open = store::openRowDoors();
    doors = kind_ == DoorListKind::NewDoors ? newDoorList(open) : unclosedDoorList(open);
  } catch (const std::exception &) {
    app::showMessage(kLoadFailed);
  }
  grid_->setMaxRows(0);
  grid_->setMaxRows(int(doorRows(doors).size()));
  grid_->setRowTexts(doorRows(doors));
}

bool DoorListWindow::acceptTypedDoor(QString &doorName) {
  const DoorReading reading = readDoorEntry(tbDoorNo_->text());
  switch (reading.status) {
  case DoorEntry::Empty:
    app::showMessage(kEmptyDoor);
    return false;
  case DoorEntry::NotANumber:
    app::showMessage(kind_ == DoorListKind::NewDoors ? kOkFailed : kWrongDoor);
    return false;
  case DoorEntry::OutOfRange:
    app::showMessage(kWrongDoor);
    return false;
  case DoorEntry::Accepted:
    break;
  }
  doorName = reading.name;
  return true;
}

void DoorListWindow::btnOK_Click() {
  QString doorName;
  if (!acceptTypedDoor(doorName))
    return;
  bool open = false;
  try {
    open = store::hasOpenJob(doorName);
  } catch (const std::exception &) {
    app::showMessage(kOkFailed);
    return;
  }
  const bool isNew = kind_ == DoorListKind::NewDoors;
  if (isNew && open) {
    app::showMessage(kNotNew);
    return;
  }
  if (!isNew && !open) {
    app::showMessage(kClosed);
    return;
  }
  openDoor(doorName);
  app::closeChild(this);
}

void DoorListWindow::openDoor(const QString &doorName) {
  try {
    if (kind_ == DoorListKind::NewDoors)
      newOpener ? newOpener(doorName) : New_ViewForm(doorName);
    else
      unclosedOpener ? unclosedOpener(doorName) : Unclosed_ViewForm(doorName);
  } catch (const std::exception &) {
    app::showMessage(kOpenFailed);
  }
}

// The door is taken as the list showed it: no query is made.
void DoorListWindow::onCellClicked(int col, int row) {
  if (row < 1)
    return;
  const QString door = grid_->text(col, row);
  if (!door.isEmpty())
    openDoor(door);
}

bool DoorListWindow::eventFilter(QObject *watched, QEvent *event) {
  if (watched == tbDoorNo_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab) {
      btnOK_Click();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void DoorListWindow::closeEvent(QCloseEvent *event) {
  closed_ = true;
  QWidget::closeEvent(event);
}

} // namespace tickets

namespace app {

void openNewDoorListFromMenu() {
  if (tickets::facilityIsOstrine())
    openNewDoorList();
}

void openUnclosedDoorListFromMenu() {
  if (tickets::facilityIsOstrine())
    tickets::showDoorList(tickets::DoorListKind::UnclosedDoors);
}

void openNewDoorList() { tickets::showDoorList(tickets::DoorListKind::NewDoors); }

void closeDoorLists() {
  tickets::closeDoorList(tickets::DoorListKind::NewDoors);
  tickets::closeDoorList(tickets::DoorListKind::UnclosedDoors);
}

} // namespace app
