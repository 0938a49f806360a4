// The facility code from a facility name and the employee code as typed.
#include "fuzz_check.h"
#include "login/facility.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzedDataProvider input(data, size);
  const QStringList &names = login::facilityNames();
  QString facility;
  if (input.ConsumeBool()) {
    facility = names.at(input.ConsumeIntegralInRange<int>(0, int(names.size()) - 1));
  } else {
    const std::string raw = input.ConsumeRandomLengthString(40);
    facility = QString::fromUtf8(raw.data(), qsizetype(raw.size()));
  }
  const std::string raw = input.ConsumeRemainingBytesAsString();
  const QString typed = QString::fromUtf8(raw.data(), qsizetype(raw.size()));

  const login::FacilityCode code = login::facilityCode(facility, typed);
  if (code.status != login::FacilityCode::Status::Ok) {
    FUZZ_REQUIRE(code.code.isEmpty());
    return 0;
  }
  bool ok = false;
  const qint64 n = typed.trimmed().toLongLong(&ok);
  FUZZ_REQUIRE(ok && n >= 1);
  FUZZ_REQUIRE(!code.code.isEmpty());
  if (code.code.at(0).isDigit()) {
    const qint64 value = code.code.toLongLong(&ok);
    FUZZ_REQUIRE(ok && value <= std::numeric_limits<qint32>::max());
  }
  if (n <= 10)
    FUZZ_REQUIRE(code.code.size() == 8);
  return 0;
}
