#pragma once
// Opening the ticket form for a door, as the door lists do.

#include <QString>

namespace tickets {

// The new-door form for a door name ("Door250"): created (and loaded) when needed,
// door box and caption "New " + door set, shown. "New_ViewForm has an error!" on failure.
void New_ViewForm(const QString &doorName);
// The open-door form for a door name: caption "Unclosed " + door, the door's open job
// loaded, shown. Failures show the same message as above.
void Unclosed_ViewForm(const QString &doorName);

} // namespace tickets
