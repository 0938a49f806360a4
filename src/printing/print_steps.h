#pragma once
// A printed page as plain data: texts at positions in twips (1 cm = 567 twips) and
// pictures. Layouts make steps; one painter draws them on any paged device.

#include <QString>

#include <vector>

namespace printing {

struct PrintStep {
  enum class Kind { Text, Picture, NewPage };
  Kind kind = Kind::Text;
  bool centred = false; // x is ignored: (printable width - text width) / 2
  int x = 0;            // twips from the printable area's left edge
  int y = 0;            // twips from the printable area's top edge
  QString text;         // the text, or the picture's file path
  double size = 9;      // font size in points
  int width = 0;        // picture size in twips (0: the picture's own size)
  int height = 0;

  bool operator==(const PrintStep &) const = default;
};

using PrintSteps = std::vector<PrintStep>;

// Centimetres to whole twips, halves to the even neighbour.
int twips(double centimetres);

// SendPrint: one text at (x, y) or centred, at a font size, appended to the steps.
void SendPrint(PrintSteps &steps, bool centred, int x, int y, const QString &text, double size);

} // namespace printing
