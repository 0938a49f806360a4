#pragma once
// Drawing print steps: on the default printer for the program, on a PDF in tests.

#include "printing/print_steps.h"

class QPagedPaintDevice;

namespace printing {

// Draws the steps on a paged device (a NewPage step starts a new page). Positions
// count in twips from the top left of the printable area; a picture step with no
// path draws the built-in signature placeholder. False when painting could not
// start or a picture could not be loaded; nothing is drawn then.
bool paintSteps(QPagedPaintDevice &device, const PrintSteps &steps);
// Prints the steps as one job on the system's default printer, with the busy
// pointer meanwhile. With no default printer or any failure, shows "Please check
// your printer setup." titled "Printer Error!!" and returns false.
bool printOnDefaultPrinter(const PrintSteps &steps);

// Test seam: with a path, printOnDefaultPrinter writes its job to that PDF file
// instead of the default printer; an empty path brings the printer back.
void printToFileForTest(const QString &pdfPath);

} // namespace printing
