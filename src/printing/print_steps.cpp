#include "printing/print_steps.h"

#include <cmath>

namespace printing {

int twips(double centimetres) {
  // Work in thousandths of a twip first so that a position like 9.5 cm, which is
  // not exact in binary, still counts as a half and goes to the even neighbour.
  const long long thousandths = std::llround(centimetres * 567.0 * 1000.0);
  long long whole = thousandths / 1000;
  long long rest = thousandths % 1000;
  if (rest < 0) {
    rest += 1000;
    --whole;
  }
  if (rest > 500 || (rest == 500 && (whole % 2 != 0)))
    ++whole;
  return int(whole);
}

void SendPrint(PrintSteps &steps, bool centred, int x, int y, const QString &text, double size) {
  PrintStep step;
  step.kind = PrintStep::Kind::Text;
  step.centred = centred;
  step.x = centred ? 0 : x;
  step.y = y;
  step.text = text;
  step.size = size;
  steps.push_back(step);
}

} // namespace printing
