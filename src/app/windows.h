#pragma once
// How windows of one folder open or close windows of another: each function loads
// its window when needed and shows it. Each is defined in the folder that owns the
// window.

#include <QString>

namespace app {

// app/
void openAbout();

// login/
void openLogin();
void openChangePassword();
void openEmployeeInfo(const QString &userId);

// tickets/: door lists (shown only when the facility is Ostrine)
void openNewDoorListFromMenu();
void openUnclosedDoorListFromMenu();
void openNewDoorList(); // after the login of an Ostrine profile
void closeDoorLists();  // after a main Save or a finished job; refilled when shown again

// tickets/: the ticket form
// In new-door mode for "Door201" after a profile save, with the new user ID.
void openTicketFormAfterProfile(const QString &userId);
// The saved ticket opened from a search result; false after "ViewForm has an error!".
bool openSavedTicket(const QString &ticket);

// search/
void openSearch();
void closeSearch(); // a job finished with the form's Close

// lists/
void openTruckCompanies();
void openVendors();

} // namespace app
