#pragma once
// frmVendor, "Vendor Edit": the vendors with their vendor numbers.

#include "lists/reference_list_window.h"

class QLineEdit;
class QPushButton;

namespace lists {

class VendorWindow : public ReferenceListWindow {
  Q_OBJECT
public:
  explicit VendorWindow(QWidget *parent = nullptr);

  void SaveTruckCo(const QString &name, const QString &number);
  void DeleteTruckCo(const QString &name);

protected:
  std::vector<QStringList> readEntries() override;
  void storeEntry(const QStringList &cells) override { SaveTruckCo(cells.value(0), cells.value(1)); }
  void deleteEntry(const QString &name) override { DeleteTruckCo(name); }
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void btnSave1_Click();

  QLineEdit *tbVendor_;
  QLineEdit *tbVendorNo_;
  QPushButton *btnSave1_;
  QPushButton *btnDelete_;
};

} // namespace lists
