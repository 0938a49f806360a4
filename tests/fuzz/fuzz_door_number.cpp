// Reading the door number typed into a door list.
#include "fuzz_check.h"
#include "tickets/door_numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QString typed = fuzzText(data, size);
  const std::optional<int> number = tickets::readWholeNumber(typed);
  // Numbers of ten digits or more saturate; below that the reading is exact.
  if (number && *number > -1000000000 && *number < 1000000000)
    FUZZ_REQUIRE(tickets::readWholeNumber(QString::number(*number)) == number);

  const tickets::DoorReading reading = tickets::readDoorEntry(typed);
  switch (reading.status) {
  case tickets::DoorEntry::Empty:
    FUZZ_REQUIRE(typed.isEmpty());
    break;
  case tickets::DoorEntry::NotANumber:
    FUZZ_REQUIRE(!number);
    break;
  case tickets::DoorEntry::OutOfRange:
    FUZZ_REQUIRE(number == reading.number && !tickets::isAcceptedDoorNumber(reading.number));
    break;
  case tickets::DoorEntry::Accepted:
    FUZZ_REQUIRE(number == reading.number && tickets::isAcceptedDoorNumber(reading.number));
    FUZZ_REQUIRE(reading.name == QStringLiteral("Door") + QString::number(reading.number));
    break;
  }
  return 0;
}
