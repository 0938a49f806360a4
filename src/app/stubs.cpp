// Windows not built yet: their openers do nothing until their folders provide them.
#include "app/windows.h"

namespace app {
void openAbout() {}
void openLogin() {}
void openChangePassword() {}
void openEmployeeInfo(const QString &) {}
void openNewDoorListFromMenu() {}
void openUnclosedDoorListFromMenu() {}
void openNewDoorList() {}
void closeDoorLists() {}
void openTicketFormAfterProfile(const QString &) {}
bool openSavedTicket(const QString &) { return false; }
void openSearch() {}
void closeSearch() {}
void openTruckCompanies() {}
void openVendors() {}
} // namespace app
