#pragma once
// How windows of one folder open windows of another: each function loads its window
// when needed and shows it. Each is defined in the folder that owns the window.

#include <QString>

namespace app {

void openLogin();                    // login/
void openNewDoorListFromMenu();      // tickets/: only when the facility is Ostrine
void openUnclosedDoorListFromMenu(); // tickets/: only when the facility is Ostrine
void openSearch();                   // search/
void openTruckCompanies();           // lists/
void openVendors();                  // lists/
void openAbout();                    // app/

} // namespace app

namespace app {
void openNewDoorList();                                 // tickets/: after an Ostrine login
// tickets/: the ticket form in new-door mode after a profile save, for "Door201".
void openTicketFormAfterProfile(const QString &userId);
void openChangePassword();                              // login/: the credential window
void openEmployeeInfo(const QString &userId);           // login/: the profile window
} // namespace app
