// What the ticket form's buttons do with the job: save, close, print, find, load.
#include "app/message_box.h"
#include "app/windows.h"
#include "export/csv_export.h"
#include "printing/receipt.h"
#include "store/trade_table.h"
#include "tickets/saving_flow.h"
#include "tickets/ticket_form.h"
#include "ui_ticket_form_head.h"
#include "ui_ticket_form_load.h"
#include "ui_ticket_form_payment.h"

namespace tickets {

bool TicketForm::saveTicket(bool mainSave) {
  const TicketRecord record = toRecord();
  const bool written = head_->optSaved->isChecked() ? UpdateInfo(record) : InsertInfo(record);
  head_->btnClose->setEnabled(true);
  btnClose2_->setEnabled(true);
  // The main Save ends the work at this door, but only once the row is written: a
  // refused or failed save keeps the form and what was typed.
  if (mainSave && written) {
    app::closeDoorLists();
    discard();
  }
  return written;
}

bool TicketForm::finishJob(CloseButton button) {
  const TicketRecord record = toRecord();
  if (button != CloseButton::SecondaryClose && !confirmComplete(record))
    return false;
  if (button == CloseButton::Print) {
    // A failed print has shown its own message; the job is closed all the same.
    const QString vendorNumbers = load_->cbVendor->currentText();
    if (head_->optPrint2->isChecked())
      printing::PrintReceipt2(record, vendorNumbers);
    else
      printing::PrintReceipt(record, vendorNumbers);
  }
  // Export, clearing and the next number follow only a close that was written; a
  // refused or failed close leaves the form as it was and exports nothing.
  if (!CloseInfo(record))
    return false;
  exporting::SaveTOCSV(record, load_->cbVendor->currentText());
  frmClear();
  head_->tbTicket->setText(nextTicketForForm());
  if (button == CloseButton::SecondaryClose)
    return true;
  app::closeDoorLists();
  if (button == CloseButton::Close)
    app::closeSearch();
  discard();
  return true;
}

bool TicketForm::DoorFind() {
  std::optional<TicketRecord> row;
  try {
    row = store::findOpenJobOfDoor(CheckDoor());
    if (!row) {
      app::showMessage(QStringLiteral("No data"));
      discard();
      return false;
    }
    resetBeforeLoad();
    showRecord(*row);
  } catch (const std::exception &) {
    app::showMessage(QStringLiteral("Door data Error!!"));
  }
  return true;
}

TicketForm::FindResult TicketForm::SavedFind() {
  Close_OrNot();
  try {
    const std::optional<TicketRecord> row = store::findTicket(head_->tbTicket->text());
    if (!row) {
      app::showMessage(QStringLiteral("No data"));
      frmClear();
      head_->tbDoor->setText(CheckDoor());
      return FindResult::NotFound;
    }
    resetBeforeLoad();
    showRecord(*row);
    return FindResult::Loaded;
  } catch (const std::exception &) {
    return FindResult::Failed;
  }
}

void TicketForm::findSavedTicket() {
  if (head_->optSaved->isChecked() && SavedFind() == FindResult::Failed)
    app::showMessage(QStringLiteral("Find has an error!"));
  Close_OrNot();
}

bool TicketForm::Close_OrNot() {
  bool closed = false;
  try {
    closed = store::jobClosed(head_->tbTicket->text()).value_or(false);
  } catch (const std::exception &) {
    // An unreadable row leaves the fields usable; the save reports the failure.
    closed = false;
  }
  for (QWidget *w : std::initializer_list<QWidget *>{payment_->optCharge, payment_->optCheck,
                                                     payment_->optCash, payment_->optWH, payment_->optTC,
                                                     payment_->tbBC, payment_->tbHC, payment_->tbTC})
    w->setEnabled(!closed);
  return closed;
}

void TicketForm::FindVendorNo(const QString &vendorName) {
  const std::optional<QString> number = store::vendorNumberOf(vendorName);
  if (!number)
    return;
  QComboBox *box = load_->cbVendor;
  const QString shown = box->currentText();
  box->setEditText(shown.isEmpty() ? *number : shown + QStringLiteral(", ") + *number);
}

} // namespace tickets
