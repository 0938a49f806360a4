-- The template user database. Every registration copies it; the program never
-- creates, alters or empties a table of a user database.

CREATE TABLE Setting (
  UserID   TEXT,
  Password TEXT
);

CREATE TABLE Employee_Info (
  FCode        TEXT,
  EmpType      TEXT,
  EmpWeekTime  TEXT,
  EmpGrossS    TEXT,
  EmpPay       TEXT,
  EmpWorkStart TEXT,
  EmpFirstN    TEXT,
  EmpMI        TEXT,
  EmpLastN     TEXT,
  PhoneNo      TEXT,
  EmpAdd       TEXT,
  EmpCity      TEXT,
  EmpState     TEXT,
  EmpZip       TEXT,
  EmpInfoC     TEXT
);

-- One row per unloading job, columns in the order the insert names them.
-- TradeDate is ISO text (YYYY-MM-DD) so ranges compare as text.
CREATE TABLE Trade (
  UserID      TEXT,
  Trade       INTEGER,
  TradeDate   TEXT,
  Ticket      TEXT,
  PaymentType INTEGER,
  Charge      INTEGER,
  InvoiceTO   TEXT,
  TruckCo     TEXT,
  CheckNum    TEXT,
  Apptmt      TEXT,
  ArrivalT    TEXT,
  US          TEXT,
  UE          TEXT,
  DT          TEXT,
  Truck       TEXT,
  Trailer     TEXT,
  Load        TEXT,
  Trip        TEXT,
  Pro         TEXT,
  Door        TEXT,
  PO          TEXT,
  Vendor      TEXT,
  Cases       TEXT,
  Items       TEXT,
  BC          TEXT,
  HC          TEXT,
  TC          TEXT,
  Full_P      INTEGER,
  Floor_P     INTEGER,
  ROO         INTEGER,
  PW          INTEGER,
  ROB         INTEGER,
  BO          INTEGER,
  Layers      TEXT,
  Restacks    TEXT,
  PFrom       TEXT,
  PTo         TEXT,
  CHEP        TEXT,
  EIn         TEXT,
  EOut        TEXT,
  CEID        TEXT,
  RN          TEXT,
  Product     TEXT,
  Weight      TEXT,
  Volume      TEXT,
  DNo_Yes     INTEGER,
  DCases      TEXT,
  DRC         TEXT,
  PYes_No_W   INTEGER,
  DExplain    TEXT,
  Notes       TEXT,
  DName       TEXT,
  signature   TEXT,
  CSL         TEXT,
  Stream      INTEGER,
  No          INTEGER PRIMARY KEY AUTOINCREMENT,
  JobClose    INTEGER NOT NULL DEFAULT 0,
  Facility    TEXT
);

-- Ticket numbers are never reused: one row per ticket.
CREATE UNIQUE INDEX Trade_Ticket ON Trade (Ticket);
CREATE INDEX Trade_Date_Ticket ON Trade (TradeDate, Ticket);
CREATE INDEX Trade_Open_Door ON Trade (JobClose, Door);
CREATE INDEX Trade_Door_Open_No ON Trade (Door, JobClose, No);

CREATE TABLE TruckCo (
  TruckCo TEXT
);
CREATE INDEX TruckCo_Name ON TruckCo (TruckCo);

CREATE TABLE Vendor (
  Vendor   TEXT,
  VendorNo TEXT
);
CREATE INDEX Vendor_No ON Vendor (VendorNo);
CREATE INDEX Vendor_Name ON Vendor (Vendor);
