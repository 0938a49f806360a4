#include "tickets/saving_flow.h"

#include "app/message_box.h"
#include "tickets/numbering.h"
#include "tickets/saving.h"

namespace tickets {

namespace {

bool shown(const SaveOutcome &outcome) {
  app::showMessage(outcome.message);
  return outcome.written;
}

} // namespace

bool confirmComplete(const TicketRecord &record) {
  const QString refusal = checkEmpty(record);
  if (refusal.isEmpty())
    return true;
  app::showMessage(refusal);
  return false;
}

bool InsertInfo(const TicketRecord &record) { return shown(insertTicket(record)); }

bool UpdateInfo(const TicketRecord &record) { return shown(updateTicket(record)); }

bool CloseInfo(const TicketRecord &record) { return shown(closeTicket(record)); }

QString nextTicketForForm() {
  const NextTicketNo next = Check_TicketNo();
  if (!next.message.isEmpty())
    app::showMessage(next.message);
  return next.ticket;
}

} // namespace tickets
