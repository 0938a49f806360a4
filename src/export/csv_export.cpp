#include "export/csv_export.h"

#include "app/clock.h"
#include "app/date_text.h"
#include "app/message_box.h"
#include "export/csv_line.h"
#include "printing/receipt_values.h"
#include "store/file_ops.h"
#include "store/user_database.h"
#include "store/vendor_numbers.h"

#include <QDir>

namespace exporting {

namespace {

// The vendor-number text as a load of the ticket shows it.
QString storedVendorNumbers(const tickets::TicketRecord &ticket) {
  try {
    return store::vendorNumbersOf(store::session().db(), printing::boxLines(ticket.Vendor));
  } catch (const store::DbError &) {
    return QString();
  }
}

} // namespace

bool saveContentToCSVFile(const QString &folder, const QString &lFileName,
                          const tickets::TicketRecord &ticket, const QString &vendorNumbers) {
  if (lFileName.isEmpty()) {
    app::showMessage(QStringLiteral("FileName is invalid lFileName=[") + lFileName + QLatin1Char(']'),
                     app::Buttons::Ok, QStringLiteral("FileName Error !"), app::Icon::Information);
    return false;
  }
  if (!store::fileops::exists(folder)) {
    app::showMessage(QStringLiteral("Path doen not exist !"), app::Buttons::Ok,
                     QStringLiteral("Path Error !"), app::Icon::Information);
    return false;
  }
  const QString path = QDir(folder).filePath(lFileName);
  // Only the exported copy of the user ID loses its commas; the signed-in user ID
  // stays as it is for every later ticket.
  const QByteArray bytes = (csvLine(ticket, vendorNumbers) + QStringLiteral("\r\n")).toLocal8Bit();
  if (!store::fileops::append(path, bytes)) {
    app::showMessage(QStringLiteral("The ticket could not be added to ") + QDir::toNativeSeparators(path) +
                         QLatin1Char('.'),
                     app::Buttons::Ok, QStringLiteral("Error !"), app::Icon::Exclamation);
    return false;
  }
  return true;
}

bool SaveTOCSV(const tickets::TicketRecord &ticket, const QString &vendorNumbers) {
  const QString folder = QDir(store::session().appFolder()).filePath(app::folderDateText(app::today()));
  const QString fileName = ticket.UserID + QStringLiteral("-myFile.csv");
  // A folder that cannot be made is reported by the path check that follows.
  if (!store::fileops::exists(folder))
    store::fileops::makeFolder(folder);
  return saveContentToCSVFile(folder, fileName, ticket, vendorNumbers);
}

bool SaveTOCSV(const tickets::TicketRecord &ticket) { return SaveTOCSV(ticket, storedVendorNumbers(ticket)); }

} // namespace exporting
