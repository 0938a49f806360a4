#pragma once
// The ticket form: one unloading job at one receiving door. Two modes with the same
// controls and behaviour, one window each: frmDBUpdate201 (new door) and
// frmDBClosed201 (open door, which loads the door's open job). The controls come from
// one Designer file per band; the rules (fees, numbering, checks, storage) are plain
// functions the form calls.

#include "signature/signature_pad.h"
#include "tickets/ticket_record.h"

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace Ui {
class TicketFormHead;
class TicketFormPayment;
class TicketFormLoad;
class TicketFormPallets;
class TicketFormDamage;
} // namespace Ui

namespace tickets {

enum class FormMode { NewDoor, OpenDoor };

class TicketForm : public QWidget, public signature::SignatureOwner {
  Q_OBJECT
public:
  ~TicketForm() override;

  // The window of a mode while it is open, nullptr otherwise.
  static TicketForm *instance(FormMode mode);
  // The window of a mode; created and loaded when it is not open. Not shown yet.
  static TicketForm *obtain(FormMode mode);
  // Puts the form into the main window and brings it forward.
  void showForm();

  FormMode mode() const { return mode_; }

  // The opener's door: door box and caption ("New " / "Unclosed " + door name).
  void setDoor(const QString &doorName);
  // The door name from the caption: the text after the first blank, or all of it.
  QString CheckDoor() const;
  bool Tavrel_Facility() const;
  bool Ostrine_Facility() const;
  void frmClear();

  // The form as a Trade row, and a row shown in the form in the binding load order
  // (option reactions and the truck company rule run as for the user's own choice).
  TicketRecord toRecord() const;
  void showRecord(const TicketRecord &row);

  // Open-door mode: loads the caption door's newest open job. On "No data" the form
  // closes and false is returned.
  bool DoorFind();
  enum class FindResult { Loaded, NotFound, Failed };
  // Loads the saved ticket whose number is in tbTicket. Failures show no message:
  // the caller names the operation that failed.
  FindResult SavedFind();
  // Locks the payment and fee fields of a closed ticket; true when it is closed.
  bool Close_OrNot();
  // Adds the vendor number of a vendor name to the text of cbVendor.
  void FindVendorNo(const QString &vendorName);

  // The two Save buttons: true when the row was written.
  bool saveTicket(bool mainSave);
  enum class CloseButton { Close, Print, SecondaryClose };
  // Close, Print and the secondary Close: true when the job was closed.
  bool finishJob(CloseButton button);

  // For search and tests: the controls by their names.
  QLineEdit *ticketBox() const;
  QRadioButton *savedOption() const;

  // The signature pad's owner: the ticket number now, and the saved file shown.
  QString signatureTicket() const override;
  void showSignature(const QString &filePath) override;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  explicit TicketForm(FormMode mode);
  void buildBands();
  void placeHiddenButtons();
  void connectReactions();
  void load();
  void setTabOrderOfFields();
  void showFacilityControls();

  void fillTruckCompanies();
  void fillVendors();
  void lookUpVendorNumber();
  void recomputeTotal();
  void leaveHandlingCharge();
  void stampTime(QLineEdit *box);

  void chooseNewTicket();
  void chooseSavedTicket();
  void findSavedTicket();
  void clearKeepingDoor();
  void choosePayment(QRadioButton *option);
  void chooseChargeTo(QRadioButton *option);
  void chooseDamage(bool damaged);
  void resetBeforeLoad();
  void showPlaceholderSignature();
  void discard();

  FormMode mode_;
  std::unique_ptr<Ui::TicketFormHead> head_;
  std::unique_ptr<Ui::TicketFormPayment> payment_;
  std::unique_ptr<Ui::TicketFormLoad> load_;
  std::unique_ptr<Ui::TicketFormPallets> pallets_;
  std::unique_ptr<Ui::TicketFormDamage> damage_;
  QPushButton *btnSave2_ = nullptr;
  QPushButton *btnClose2_ = nullptr;
  QPushButton *btnPrint2_ = nullptr;
  QPushButton *btnClear2_ = nullptr;
};

} // namespace tickets
