#pragma once
// frmStart: the splash shown after a successful login, modal, for 2000 ms.

#include <QString>

namespace app {

// Shows the splash with the user ID and returns when its timer has closed it.
void showSplash(const QString &userId);
// Tests shorten the wait; a negative value brings back the 2000 ms.
void setSplashDurationForTest(int ms);

} // namespace app
