#pragma once
// frmTruckCo, "Truck Company Edit": the trucking companies offered by the ticket form.

#include "lists/reference_list_window.h"

class QLineEdit;
class QPushButton;

namespace lists {

class TruckCompanyWindow : public ReferenceListWindow {
  Q_OBJECT
public:
  explicit TruckCompanyWindow(QWidget *parent = nullptr);

  void SaveTruckCo(const QString &name);
  void DeleteTruckCo(const QString &name);

protected:
  std::vector<QStringList> readEntries() override;
  void storeEntry(const QStringList &cells) override { SaveTruckCo(cells.value(0)); }
  void deleteEntry(const QString &name) override { DeleteTruckCo(name); }

private:
  void btnSave_Click();

  QLineEdit *tbCompany_;
  QPushButton *btnSave_;
  QPushButton *btnDelete_;
};

} // namespace lists
