#pragma once
// One unloading job: a row of Trade, as plain data in its stored encoding. The form
// maps its controls to this type and back; saving, closing, export, the receipt and
// search all read the same type, so no field is encoded two ways.

#include <QDate>
#include <QString>

namespace tickets {

// Option groups are stored as 1, 2 or 3 for their options in this order, 0 for none.
namespace code {
enum PaymentType { NoPayment = 0, Charge = 1, Check = 2, Cash = 3 };
enum ChargeTo { NoCharge = 0, Warehouse = 1, TruckingCo = 2 };
enum Stream { NoStream = 0, StreamOpt = 1, Traffic = 2 };
enum FullPartial { NoFull = 0, Full = 1, Partial = 2 };
enum FloorPallet { NoFloor = 0, Floor = 1, Palletized = 2 };
enum Damage { NoDamageAnswer = 0, DamageYes = 1, DamageNo = 2 };
enum Pictures { NoPictures = 0, PicturesYes = 1, PicturesNo = 2, PicturesWarehouse = 3 };
} // namespace code

inline const QString kEmptyTime = QStringLiteral("__:__");

struct TicketRecord {
  QString UserID;      // 1
  int Trade = 1;       // 2, written by the insert only
  QDate TradeDate;     // 3
  QString Ticket;      // 4
  int PaymentType = 0; // 5
  int Charge = 0;      // 6
  QString InvoiceTO;   // 7
  QString TruckCo;     // 8, "Select" when none was chosen
  QString CheckNum;    // 9
  QString Apptmt = kEmptyTime;   // 10
  QString ArrivalT = kEmptyTime; // 11
  QString US = kEmptyTime;       // 12
  QString UE = kEmptyTime;       // 13
  QString DT = kEmptyTime;       // 14
  QString Truck;       // 15
  QString Trailer;     // 16
  QString Load;        // 17
  QString Trip;        // 18
  QString Pro;         // 19
  QString Door;        // 20, "Door201"
  QString PO;          // 21, line-joined
  QString Vendor;      // 22, line-joined
  QString Cases;       // 23
  QString Items;       // 24
  QString BC;          // 25, amount as shown
  QString HC;          // 26
  QString TC;          // 27
  int Full_P = 0;      // 28
  int Floor_P = 0;     // 29
  int ROO = 0;         // 30
  int PW = 0;          // 31
  int ROB = 0;         // 32
  int BO = 0;          // 33
  QString Layers;      // 34
  QString Restacks;    // 35
  QString PFrom;       // 36
  QString PTo;         // 37
  QString CHEP;        // 38
  QString EIn;         // 39
  QString EOut;        // 40
  QString CEID;        // 41, line-joined
  QString RN;          // 42
  QString Product;     // 43
  QString Weight;      // 44
  QString Volume;      // 45
  int DNo_Yes = 0;     // 46
  QString DCases;      // 47
  QString DRC;         // 48
  int PYes_No_W = 0;   // 49
  QString DExplain;    // 50, line breaks as typed
  QString Notes;       // 51, line breaks as typed
  QString DName;       // 52
  QString signature;   // 53, "sign" + ticket + ".BMP"
  QString CSL;         // 54
  int Stream = 0;      // 55
  qint64 No = 0;       // 56, assigned by the database
  bool JobClose = false; // 57
  QString Facility;    // 58, seed row only

  bool operator==(const TicketRecord &) const = default;
};

// Number of lines of a text split at CR LF; 0 for the empty text. "a\r\n" has 2.
int CountLines(const QString &text);
// Line n (from 1) of a text split at CR LF.
QString GetLine(const QString &text, int n);
// Lines joined by "|" (the stored form of P.O., vendor and employee-ID boxes).
QString joinLines(const QString &text);
// The stored form back to box text: every "|" becomes CR LF.
QString splitLines(const QString &stored);

// "sign" + ticket + ".BMP"
QString signatureFileName(const QString &ticket);

} // namespace tickets
