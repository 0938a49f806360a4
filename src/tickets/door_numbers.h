#pragma once
// Reading a door number as the user types it, and the doors the warehouse has.

#include <QString>

#include <optional>

namespace tickets {

// A whole number from text with blanks around it allowed; a decimal is rounded to the
// nearest whole number, a half to the even neighbour ("250.5" gives 250, "251.5" 252).
// Anything else (letters, an empty text, several numbers) gives nothing.
std::optional<int> readWholeNumber(const QString &text);

// Doors that can be typed into a door list: 201 to 281 and 313 to 399.
bool isAcceptedDoorNumber(int number);
// Doors offered in the New Door List: 201 to 280 and 314 to 399.
bool isCandidateDoorNumber(int number);

// "Door" followed by the number: the name every ticket stores for its door.
QString doorName(int number);

enum class DoorEntry { Empty, NotANumber, OutOfRange, Accepted };
struct DoorReading {
  DoorEntry status = DoorEntry::Empty;
  int number = 0;
  QString name; // set when accepted
};
// What the door box of a door list holds.
DoorReading readDoorEntry(const QString &typed);

} // namespace tickets
