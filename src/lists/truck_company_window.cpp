#include "lists/truck_company_window.h"

#include "app/grid.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/windows.h"
#include "store/reference_lists.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace lists {

TruckCompanyWindow::TruckCompanyWindow(QWidget *parent)
    : ReferenceListWindow(parent), tbCompany_(new QLineEdit(this)), btnSave_(new QPushButton(this)),
      btnDelete_(new QPushButton(this)) {
  setObjectName(QStringLiteral("frmTruckCo"));
  setWindowTitle(QStringLiteral("Truck Company Edit"));
  setAttribute(Qt::WA_DeleteOnClose);

  tbCompany_->setObjectName(QStringLiteral("tbCompany"));
  btnSave_->setObjectName(QStringLiteral("btnSave"));
  btnSave_->setText(QStringLiteral("Update"));
  btnDelete_->setObjectName(QStringLiteral("btnDelete"));
  btnDelete_->setText(QStringLiteral("Delete Checked Items"));
  setUpGrid({QStringLiteral("Truck Company")}, {30});

  auto *side = new QVBoxLayout;
  side->addWidget(new QLabel(QStringLiteral("Enter Company Name"), this));
  side->addWidget(tbCompany_);
  connect(btnSave_, &QPushButton::clicked, this, &TruckCompanyWindow::btnSave_Click);
  finishWindow(side, btnSave_, btnDelete_);
}

std::vector<QStringList> TruckCompanyWindow::readEntries() {
  std::vector<QStringList> entries;
  for (const QString &name : store::truckCompanies())
    entries.push_back({name});
  return entries;
}

void TruckCompanyWindow::SaveTruckCo(const QString &name) { store::addTruckCompany(name); }

void TruckCompanyWindow::DeleteTruckCo(const QString &name) { store::deleteTruckCompany(name); }

// The name stays in the box, so that a near name can be typed next.
void TruckCompanyWindow::btnSave_Click() {
  if (tbCompany_->text().isEmpty()) {
    app::showMessage(QStringLiteral("Please enter the Truck Company!"));
    return;
  }
  addEntry({tbCompany_->text()});
}

} // namespace lists

namespace app {

void openTruckCompanies() {
  static QPointer<lists::TruckCompanyWindow> window;
  showOnly(window);
}

} // namespace app
