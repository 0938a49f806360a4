#pragma once
// What every fuzz target shares: turning bytes into text, and stopping loudly when an
// invariant breaks so the fuzzer keeps the input that broke it.

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_REQUIRE(condition)                                                                              \
  do {                                                                                                       \
    if (!(condition)) {                                                                                      \
      std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                \
      std::abort();                                                                                          \
    }                                                                                                        \
  } while (0)

inline QString fuzzText(const uint8_t *data, size_t size) {
  return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}
