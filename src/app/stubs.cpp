// Windows not built yet: their openers do nothing until their folders provide them.
#include "app/windows.h"

namespace app {
} // namespace app
