#pragma once
// The product logo of the splash and About windows, drawn by the program.

#include <QPixmap>

namespace app {
QPixmap productLogo(int size);
} // namespace app
