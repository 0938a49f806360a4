#include "tickets/view_form.h"

#include "app/message_box.h"
#include "app/windows.h"
#include "store/trade_table.h"
#include "tickets/ticket_form.h"

#include <QLineEdit>
#include <QRadioButton>

namespace tickets {

namespace {
const QString kViewFormError = QStringLiteral("New_ViewForm has an error!");
}

void New_ViewForm(const QString &doorName) {
  try {
    TicketForm *form = TicketForm::obtain(FormMode::NewDoor);
    form->setDoor(doorName);
    form->showForm();
  } catch (const std::exception &) {
    app::showMessage(kViewFormError);
  }
}

void Unclosed_ViewForm(const QString &doorName) {
  try {
    TicketForm *form = TicketForm::obtain(FormMode::OpenDoor);
    form->setDoor(doorName);
    // A door without an open job says "No data" and closes the form; the form is then
    // shown afresh with its initial content, as the lists have always done.
    if (!form->DoorFind())
      form = TicketForm::obtain(FormMode::OpenDoor);
    form->showForm();
  } catch (const std::exception &) {
    app::showMessage(kViewFormError);
  }
}

} // namespace tickets

namespace app {

void openTicketFormAfterProfile(const QString &userId) {
  try {
    tickets::TicketForm *form = tickets::TicketForm::obtain(tickets::FormMode::NewDoor);
    form->setDoor(QStringLiteral("Door201"));
    if (auto *userBox = form->findChild<QLineEdit *>(QStringLiteral("tbUserID")))
      userBox->setText(userId);
    form->showForm();
  } catch (const std::exception &) {
    app::showMessage(QStringLiteral("New_ViewForm has an error!"));
  }
}

bool openSavedTicket(const QString &ticket) {
  try {
    const std::optional<tickets::TicketRecord> row = store::findTicket(ticket);
    if (!row)
      throw std::runtime_error("ticket no longer found");
    tickets::TicketForm *form = tickets::TicketForm::obtain(tickets::FormMode::NewDoor);
    form->showForm();
    form->ticketBox()->setText(row->Ticket);
    form->setWindowTitle(QStringLiteral("New ") + row->Door);
    form->savedOption()->setChecked(true);
    if (form->SavedFind() != tickets::TicketForm::FindResult::Loaded)
      throw std::runtime_error("saved ticket not loaded");
    return true;
  } catch (const std::exception &) {
    app::showMessage(QStringLiteral("ViewForm has an error!"));
    return false;
  }
}

} // namespace app
