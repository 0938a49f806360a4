#pragma once
// The program's title and version, shown by About and given to Qt at start-up.

namespace app {
inline constexpr const char *kApplicationTitle = "Varnel";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;
} // namespace app
