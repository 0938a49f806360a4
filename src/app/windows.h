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
