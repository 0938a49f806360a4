// Fee boxes: reading an amount and the total of base and handling charge.
#include "fuzz_check.h"
#include "tickets/fees.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string first = input.ConsumeRandomLengthString(400);
  const std::string second = input.ConsumeRemainingBytesAsString();
  const QString base = QString::fromUtf8(first.data(), qsizetype(first.size()));
  const QString handling = QString::fromUtf8(second.data(), qsizetype(second.size()));

  const std::optional<double> a = tickets::feeValue(base);
  const std::optional<double> b = tickets::feeValue(handling);
  if (a)
    FUZZ_REQUIRE(std::isfinite(*a));
  const std::optional<QString> total = tickets::feeTotal(base, handling);
  if (!a || !b) {
    FUZZ_REQUIRE(!total);
    return 0;
  }
  if (!total)
    return 0; // a sum no amount can hold leaves the total as it was
  // The total box reads back as the sum, to the 15 digits it is written with.
  const std::optional<double> reread = tickets::feeValue(*total);
  FUZZ_REQUIRE(reread);
  const double sum = *a + *b;
  FUZZ_REQUIRE(std::fabs(*reread - sum) <= 1e-14 * std::fmax(1.0, std::fabs(sum)));
  return 0;
}
