// The export line of a closed job: 57 fields on one line whatever the ticket holds.
#include "export/csv_line.h"
#include "fuzz_check.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QString text(FuzzedDataProvider &input) {
  const std::string raw = input.ConsumeRandomLengthString(200);
  return QString::fromUtf8(raw.data(), qsizetype(raw.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzedDataProvider input(data, size);
  tickets::TicketRecord t;
  for (QString *field : {&t.UserID, &t.Ticket, &t.InvoiceTO, &t.TruckCo,  &t.CheckNum, &t.Apptmt, &t.ArrivalT,
                         &t.US,     &t.UE,     &t.DT,        &t.Truck,    &t.Trailer,  &t.Load,   &t.Trip,
                         &t.Pro,    &t.Door,   &t.PO,        &t.Vendor,   &t.Cases,    &t.Items,  &t.BC,
                         &t.HC,     &t.TC,     &t.Layers,    &t.Restacks, &t.PFrom,    &t.PTo,    &t.CHEP,
                         &t.EIn,    &t.EOut,   &t.CEID,      &t.RN,       &t.Product,  &t.Weight, &t.Volume,
                         &t.DCases, &t.DRC,    &t.DExplain,  &t.Notes,    &t.DName,    &t.CSL})
    *field = text(input);
  for (int *code : {&t.PaymentType, &t.Charge, &t.Full_P, &t.Floor_P, &t.ROO, &t.PW, &t.ROB, &t.BO,
                    &t.DNo_Yes, &t.PYes_No_W, &t.Stream})
    *code = input.ConsumeIntegral<int>();
  t.TradeDate = QDate::fromJulianDay(input.ConsumeIntegralInRange<qint64>(-1, 5373484));
  const QString vendorNumbers = text(input);

  const QStringList fields = exporting::csvFields(t, vendorNumbers);
  FUZZ_REQUIRE(fields.size() == exporting::kFieldCount);
  const QString line = exporting::csvLine(t, vendorNumbers);
  FUZZ_REQUIRE(line.split(QLatin1Char(',')).size() == exporting::kFieldCount);
  FUZZ_REQUIRE(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
  return 0;
}
