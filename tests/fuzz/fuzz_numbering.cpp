// The next ticket number from any highest ticket: it never wraps and always fits the
// ticket box.
#include "fuzz_check.h"
#include "tickets/numbering.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QString highest = fuzzText(data, size);
  const tickets::NextTicketNo next = tickets::nextTicketNo(highest);
  if (highest.isEmpty()) {
    FUZZ_REQUIRE(next.ticket.isEmpty() && next.message.isEmpty());
    return 0;
  }
  if (next.ticket.isEmpty()) {
    FUZZ_REQUIRE(!next.message.isEmpty()); // the user is told why there is no number
    return 0;
  }
  FUZZ_REQUIRE(next.message.isEmpty());
  FUZZ_REQUIRE(next.ticket.size() <= 8);
  bool ok = false;
  if (tickets::Is_Other(highest)) {
    FUZZ_REQUIRE(next.ticket.startsWith(QLatin1String("S0")));
    const qint64 after = next.ticket.mid(2).toLongLong(&ok);
    FUZZ_REQUIRE(ok && after == highest.right(6).toLongLong() + 1 && after <= 999999);
  } else {
    const qint64 after = next.ticket.toLongLong(&ok);
    FUZZ_REQUIRE(ok && after == highest.toLongLong() + 1 && after <= 99999999);
  }
  return 0;
}
