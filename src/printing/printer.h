#pragma once
// Drawing print steps: on the default printer for the program, on a PDF in tests.

#include "printing/print_steps.h"

class QPagedPaintDevice;

namespace printing {

// Draws the steps on a paged device (a NewPage step starts a new page). False when
// painting could not start.
bool paintSteps(QPagedPaintDevice &device, const PrintSteps &steps);
// Prints the steps as one job on the system's default printer. With no default
// printer or any failure, shows "Please check your printer setup." titled
// "Printer Error!!" and returns false.
bool printOnDefaultPrinter(const PrintSteps &steps);

} // namespace printing
