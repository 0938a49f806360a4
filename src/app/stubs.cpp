// Windows not built yet: their menu entries do nothing until their folders land.
#include "app/windows.h"

namespace app {
void openLogin() {}
void openNewDoorListFromMenu() {}
void openUnclosedDoorListFromMenu() {}
void openSearch() {}
void openTruckCompanies() {}
void openVendors() {}
void openAbout() {}
} // namespace app

namespace app {
void openNewDoorList() {}
void openTicketFormAfterProfile(const QString &) {}
void openChangePassword() {}
void openEmployeeInfo(const QString &) {}
} // namespace app
