// The line functions of multi-line boxes: counting, picking, joining with bars and
// splitting again.
#include "fuzz_check.h"
#include "tickets/ticket_record.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QString text = fuzzText(data, size);
  const QString crlf = QStringLiteral("\r\n");

  const int count = tickets::CountLines(text);
  FUZZ_REQUIRE(count == (text.isEmpty() ? 0 : int(text.count(crlf)) + 1));
  const QStringList lines = text.split(crlf);
  if (count > 0) {
    // First, last and a middle line (every line would make each run quadratic).
    for (int n : {1, count, (count + 1) / 2})
      FUZZ_REQUIRE(tickets::GetLine(text, n) == lines.at(n - 1));
  }
  FUZZ_REQUIRE(tickets::GetLine(text, 0).isEmpty() && tickets::GetLine(text, count + 1).isEmpty());

  // A box's text survives storage: joined, no line break of its own is left, and
  // split again it is what was typed (bars typed in the box are the one exception).
  const QString joined = tickets::joinLines(text);
  FUZZ_REQUIRE(!joined.contains(crlf));
  FUZZ_REQUIRE(tickets::CountLines(joined) == (joined.isEmpty() ? 0 : 1));
  if (!text.contains(QLatin1Char('|')))
    FUZZ_REQUIRE(tickets::splitLines(joined) == text);
  // A stored text read into the box and saved again is unchanged.
  if (!text.contains(crlf))
    FUZZ_REQUIRE(tickets::joinLines(tickets::splitLines(text)) == text);
  return 0;
}
