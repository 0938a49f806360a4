#include "lists/vendor_window.h"

#include "app/grid.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/windows.h"
#include "store/reference_lists.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace lists {

VendorWindow::VendorWindow(QWidget *parent)
    : ReferenceListWindow(parent), tbVendor_(new QLineEdit(this)), tbVendorNo_(new QLineEdit(this)),
      btnSave1_(new QPushButton(this)), btnDelete_(new QPushButton(this)) {
  setObjectName(QStringLiteral("frmVendor"));
  setWindowTitle(QStringLiteral("Vendor Edit"));
  setAttribute(Qt::WA_DeleteOnClose);

  tbVendor_->setObjectName(QStringLiteral("tbVendor"));
  tbVendorNo_->setObjectName(QStringLiteral("tbVendorNo"));
  tbVendor_->installEventFilter(this);
  tbVendorNo_->installEventFilter(this);
  btnSave1_->setObjectName(QStringLiteral("btnSave1"));
  btnSave1_->setText(QStringLiteral("Update"));
  btnDelete_->setObjectName(QStringLiteral("btnDelete"));
  btnDelete_->setText(QStringLiteral("Delete Checked Items"));
  setUpGrid({QStringLiteral("Vendor Name"), QStringLiteral("Vendor No.")}, {24, 12});

  auto *side = new QVBoxLayout;
  side->addWidget(new QLabel(QStringLiteral("Enter Vendor Name"), this));
  side->addWidget(tbVendor_);
  side->addWidget(new QLabel(QStringLiteral("Enter Vendor No"), this));
  side->addWidget(tbVendorNo_);
  setTabOrder(tbVendor_, tbVendorNo_);
  setTabOrder(tbVendorNo_, btnSave1_);
  connect(btnSave1_, &QPushButton::clicked, this, &VendorWindow::btnSave1_Click);
  finishWindow(side, btnSave1_, btnDelete_);
}

std::vector<QStringList> VendorWindow::readEntries() {
  std::vector<QStringList> entries;
  for (const store::VendorEntry &v : store::vendors())
    entries.push_back({v.name, v.number});
  return entries;
}

void VendorWindow::SaveTruckCo(const QString &name, const QString &number) {
  store::addVendor({name, number});
}

void VendorWindow::DeleteTruckCo(const QString &name) { store::deleteVendor(name); }

// The boxes are emptied for the next vendor, except when storing failed: then the
// typed entry stays for another try.
void VendorWindow::btnSave1_Click() {
  if (tbVendor_->text().isEmpty()) {
    app::showMessage(QStringLiteral("Please enter the Vendor Name!"));
  } else if (!addEntry({tbVendor_->text(), tbVendorNo_->text()})) {
    return;
  }
  tbVendor_->clear();
  tbVendorNo_->clear();
}

// Enter moves on to the next control as Tab does.
bool VendorWindow::eventFilter(QObject *watched, QEvent *event) {
  if ((watched == tbVendor_ || watched == tbVendorNo_) && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      focusNextChild();
      return true;
    }
  }
  return ReferenceListWindow::eventFilter(watched, event);
}

} // namespace lists

namespace app {

void openVendors() {
  static QPointer<lists::VendorWindow> window;
  showOnly(window);
}

} // namespace app
