#include "store/trade_table.h"

#include "store/user_database.h"

namespace store {

using tickets::TicketRecord;

namespace {

// Column names of Trade in table order (1-58), for resolving a result's positions.
constexpr const char *kColumns[58] = {
    "UserID",    "Trade",    "TradeDate", "Ticket", "PaymentType", "Charge",  "InvoiceTO", "TruckCo",
    "CheckNum",  "Apptmt",   "ArrivalT",  "US",     "UE",          "DT",      "Truck",     "Trailer",
    "Load",      "Trip",     "Pro",       "Door",   "PO",          "Vendor",  "Cases",     "Items",
    "BC",        "HC",       "TC",        "Full_P", "Floor_P",     "ROO",     "PW",        "ROB",
    "BO",        "Layers",   "Restacks",  "PFrom",  "PTo",         "CHEP",    "EIn",       "EOut",
    "CEID",      "RN",       "Product",   "Weight", "Volume",      "DNo_Yes", "DCases",    "DRC",
    "PYes_No_W", "DExplain", "Notes",     "DName",  "signature",   "CSL",     "Stream",    "No",
    "JobClose",  "Facility"};

// The insert names columns 1-55 in table order.
constexpr const char *kInsertSql =
    "INSERT INTO Trade (UserID, Trade, TradeDate, Ticket, PaymentType, Charge, InvoiceTO, TruckCo, CheckNum, "
    "Apptmt, ArrivalT, US, UE, DT, Truck, Trailer, Load, Trip, Pro, Door, PO, Vendor, Cases, Items, BC, HC, "
    "TC, "
    "Full_P, Floor_P, ROO, PW, ROB, BO, Layers, Restacks, PFrom, PTo, CHEP, EIn, EOut, CEID, RN, Product, "
    "Weight, Volume, DNo_Yes, DCases, DRC, PYes_No_W, DExplain, Notes, DName, signature, CSL, Stream) VALUES "
    "("
    "?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
    "?, ?, "
    "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);";

// A later save writes the same columns without Trade, into the ticket's first row.
constexpr const char *kUpdateSql =
    "UPDATE Trade SET UserID = ?, TradeDate = ?, Ticket = ?, PaymentType = ?, Charge = ?, InvoiceTO = ?, "
    "TruckCo = ?, CheckNum = ?, Apptmt = ?, ArrivalT = ?, US = ?, UE = ?, DT = ?, Truck = ?, Trailer = ?, "
    "Load = ?, Trip = ?, Pro = ?, Door = ?, PO = ?, Vendor = ?, Cases = ?, Items = ?, BC = ?, HC = ?, TC = "
    "?, "
    "Full_P = ?, Floor_P = ?, ROO = ?, PW = ?, ROB = ?, BO = ?, Layers = ?, Restacks = ?, PFrom = ?, PTo = "
    "?, "
    "CHEP = ?, EIn = ?, EOut = ?, CEID = ?, RN = ?, Product = ?, Weight = ?, Volume = ?, DNo_Yes = ?, "
    "DCases = ?, DRC = ?, PYes_No_W = ?, DExplain = ?, Notes = ?, DName = ?, signature = ?, CSL = ?, "
    "Stream = ?, JobClose = CASE WHEN ? THEN 1 ELSE JobClose END "
    "WHERE No = (SELECT No FROM Trade WHERE Ticket = ? ORDER BY No LIMIT 1);";

// The row a save or close adds when its ticket has none; Trade and No get their defaults.
constexpr const char *kAddRowSql =
    "INSERT INTO Trade (UserID, TradeDate, Ticket, PaymentType, Charge, InvoiceTO, TruckCo, CheckNum, "
    "Apptmt, ArrivalT, US, UE, DT, Truck, Trailer, Load, Trip, Pro, Door, PO, Vendor, Cases, Items, BC, HC, "
    "TC, "
    "Full_P, Floor_P, ROO, PW, ROB, BO, Layers, Restacks, PFrom, PTo, CHEP, EIn, EOut, CEID, RN, Product, "
    "Weight, Volume, DNo_Yes, DCases, DRC, PYes_No_W, DExplain, Notes, DName, signature, CSL, Stream, "
    "JobClose) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
    "?, "
    "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);";

constexpr int kWrittenColumns = 54; // columns 1-55 without Trade

QVariant dateValue(const QDate &date) {
  return date.isValid() ? QVariant(date.toString(Qt::ISODate)) : QVariant();
}

// Binds columns 1-55 without Trade, in table order, from parameter `first` on.
// Returns the next free parameter.
int bindColumns(Statement &s, const TicketRecord &r, int first) {
  int i = first;
  auto text = [&](const QString &v) { s.bind(i++, v); };
  auto number = [&](qint64 v) { s.bind(i++, v); };
  text(r.UserID);
  s.bind(i++, dateValue(r.TradeDate));
  text(r.Ticket);
  number(r.PaymentType);
  number(r.Charge);
  text(r.InvoiceTO);
  text(r.TruckCo);
  text(r.CheckNum);
  for (const QString *t :
       {&r.Apptmt, &r.ArrivalT, &r.US, &r.UE, &r.DT, &r.Truck, &r.Trailer, &r.Load, &r.Trip, &r.Pro, &r.Door,
        &r.PO, &r.Vendor, &r.Cases, &r.Items, &r.BC, &r.HC, &r.TC})
    text(*t);
  for (int n : {r.Full_P, r.Floor_P, r.ROO, r.PW, r.ROB, r.BO})
    number(n);
  for (const QString *t : {&r.Layers, &r.Restacks, &r.PFrom, &r.PTo, &r.CHEP, &r.EIn, &r.EOut, &r.CEID, &r.RN,
                           &r.Product, &r.Weight, &r.Volume})
    text(*t);
  number(r.DNo_Yes);
  text(r.DCases);
  text(r.DRC);
  number(r.PYes_No_W);
  for (const QString *t : {&r.DExplain, &r.Notes, &r.DName, &r.signature, &r.CSL})
    text(*t);
  number(r.Stream);
  Q_ASSERT(i - first == kWrittenColumns);
  return i;
}

// Writes the ticket's first row, or adds one; `close` also sets JobClose.
void writeTrade(const TicketRecord &r, bool close) {
  Database &db = session().db();
  Transaction transaction(db);
  Statement update = db.prepare(kUpdateSql);
  int next = bindColumns(update, r, 1);
  update.bind(next++, close);
  update.bind(next, r.Ticket);
  update.run();
  if (db.changes() == 0) {
    Statement add = db.prepare(kAddRowSql);
    add.bind(bindColumns(add, r, 1), close);
    add.run();
  }
  transaction.commit();
}

std::optional<TicketRecord> firstRecord(Statement &s) {
  if (!s.step())
    return std::nullopt;
  return TradeRowReader(s).read(s);
}

std::optional<QString> firstText(Statement &s) {
  if (!s.step())
    return std::nullopt;
  return s.text(0);
}

QStringList allTexts(Statement &s) {
  QStringList list;
  while (s.step())
    list.append(s.text(0));
  return list;
}

} // namespace

TradeRowReader::TradeRowReader(const Statement &statement) {
  for (int i = 0; i < 58; ++i)
    col_[i] = statement.column(kColumns[i]);
}

TicketRecord TradeRowReader::read(const Statement &s) const {
  int c = 0;
  auto text = [&]() {
    const int col = col_[c++];
    return col < 0 ? QString() : s.text(col);
  };
  auto time = [&]() {
    const int col = col_[c++];
    return col < 0 || s.isNull(col) ? tickets::kEmptyTime : s.text(col);
  };
  auto number = [&]() {
    const int col = col_[c++];
    return col < 0 ? qint64(0) : s.integer(col);
  };
  TicketRecord r;
  r.UserID = text();
  r.Trade = int(number());
  r.TradeDate = QDate::fromString(text(), Qt::ISODate);
  r.Ticket = text();
  r.PaymentType = int(number());
  r.Charge = int(number());
  r.InvoiceTO = text();
  r.TruckCo = text();
  r.CheckNum = text();
  for (QString *t : {&r.Apptmt, &r.ArrivalT, &r.US, &r.UE, &r.DT})
    *t = time();
  for (QString *t : {&r.Truck, &r.Trailer, &r.Load, &r.Trip, &r.Pro, &r.Door, &r.PO, &r.Vendor, &r.Cases,
                     &r.Items, &r.BC, &r.HC, &r.TC})
    *t = text();
  for (int *n : {&r.Full_P, &r.Floor_P, &r.ROO, &r.PW, &r.ROB, &r.BO})
    *n = int(number());
  for (QString *t : {&r.Layers, &r.Restacks, &r.PFrom, &r.PTo, &r.CHEP, &r.EIn, &r.EOut, &r.CEID, &r.RN,
                     &r.Product, &r.Weight, &r.Volume})
    *t = text();
  r.DNo_Yes = int(number());
  r.DCases = text();
  r.DRC = text();
  r.PYes_No_W = int(number());
  for (QString *t : {&r.DExplain, &r.Notes, &r.DName, &r.signature, &r.CSL})
    *t = text();
  r.Stream = int(number());
  r.No = number();
  r.JobClose = number() != 0;
  r.Facility = text();
  return r;
}

std::optional<QString> highestTicket() {
  Statement s = session().db().prepare("SELECT Ticket FROM Trade ORDER BY Ticket DESC LIMIT 1;");
  return firstText(s);
}

bool ticketExists(const QString &ticket) {
  Statement s = session().db().prepare("SELECT 1 FROM Trade WHERE Ticket = ? LIMIT 1;");
  s.bind(1, ticket);
  return s.step();
}

void insertTrade(const TicketRecord &record) {
  Statement s = session().db().prepare(kInsertSql);
  bindColumns(s, record, 1);
  s.run();
}

void updateTrade(const TicketRecord &record) { writeTrade(record, false); }

void closeTrade(const TicketRecord &record) { writeTrade(record, true); }

std::optional<TicketRecord> findTicket(const QString &ticket) {
  Statement s = session().db().prepare("SELECT * FROM Trade WHERE Ticket = ? ORDER BY No LIMIT 1;");
  s.bind(1, ticket);
  return firstRecord(s);
}

std::optional<TicketRecord> findOpenJobOfDoor(const QString &door) {
  Statement s =
      session().db().prepare("SELECT * FROM Trade WHERE Door = ? AND JobClose = 0 ORDER BY No DESC LIMIT 1;");
  s.bind(1, door);
  return firstRecord(s);
}

std::optional<bool> jobClosed(const QString &ticket) {
  Statement s = session().db().prepare("SELECT JobClose FROM Trade WHERE Ticket = ? ORDER BY No LIMIT 1;");
  s.bind(1, ticket);
  if (!s.step())
    return std::nullopt;
  return s.integer(0) != 0;
}

std::optional<QString> vendorNumberOf(const QString &vendorName) {
  Statement s =
      session().db().prepare("SELECT VendorNo FROM Vendor WHERE Vendor = ? ORDER BY rowid LIMIT 1;");
  s.bind(1, vendorName);
  return firstText(s);
}

std::optional<QString> vendorNameOf(const QString &vendorNumber) {
  Statement s =
      session().db().prepare("SELECT Vendor FROM Vendor WHERE VendorNo = ? ORDER BY rowid LIMIT 1;");
  s.bind(1, vendorNumber);
  return firstText(s);
}

QStringList truckCompanyNames() {
  Statement s = session().db().prepare("SELECT TruckCo FROM TruckCo ORDER BY rowid;");
  return allTexts(s);
}

QStringList vendorNames() {
  Statement s = session().db().prepare("SELECT Vendor FROM Vendor ORDER BY rowid;");
  return allTexts(s);
}

QStringList vendorNumbers() {
  Statement s = session().db().prepare("SELECT VendorNo FROM Vendor ORDER BY rowid;");
  return allTexts(s);
}

} // namespace store
