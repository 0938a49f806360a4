#pragma once
// The next ticket number, continued from the highest ticket in Trade. The table is
// the counter: nothing is reserved, so two forms prepared before either saves get
// the same number and the insert's duplicate test catches the second.

#include <QString>

namespace tickets {

// The next number, or an empty ticket with the reason to tell the user. An empty
// table gives an empty ticket and no message (saving then asks for a ticket no.).
struct NextTicketNo {
  QString ticket;
  QString message;
};

// True when the highest ticket continues as an other-facility ticket ("S0" + six
// digits): it starts with "B", "S" or "P". False for the empty text.
bool Is_Other(const QString &highestTicket);

// The rule on its own. Eight-digit tickets count up as numbers; other-facility
// tickets count up their last six digits behind "S0". Text that is not a number, or a
// number past the largest the ticket form holds (99999999, S0999999), gives an empty
// ticket with a message, never a wrapped number.
NextTicketNo nextTicketNo(const QString &highestTicket);

// Reads the highest ticket of the signed-in user's Trade and applies the rule. An
// unreadable table gives an empty ticket with a message. Never throws.
NextTicketNo Check_TicketNo();
// Is_Other of the stored highest ticket; false when there is none or it cannot be read.
bool Is_Other();

} // namespace tickets
