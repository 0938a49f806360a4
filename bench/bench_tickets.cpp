// The waits of a job at a door: opening the ticket form, the next number, the door
// lists, saving, updating and closing a ticket with its export line, and loading an
// open door's job or a saved ticket.
#include "bench_context.h"
#include "benchmarks.h"
#include "figures_table.h"
#include "generator/ticket_generator.h"
#include "raw_engine.h"

#include "app/main_window.h"
#include "app/windows.h"
#include "export/csv_export.h"
#include "export/csv_line.h"
#include "store/trade_table.h"
#include "store/user_database.h"
#include "store/vendor_numbers.h"
#include "tickets/door_list_window.h"
#include "tickets/numbering.h"
#include "tickets/saving_flow.h"
#include "tickets/ticket_form.h"
#include "tickets/view_form.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

namespace bench {

namespace {

using tickets::TicketRecord;

// A saved ticket's write, as the floor does it: every column of the insert, into the
// ticket's first row.
constexpr const char *kRawUpdate =
    "UPDATE Trade SET UserID = ?1, TradeDate = ?2, Ticket = ?3, PaymentType = ?4, Charge = ?5, "
    "InvoiceTO = ?6, TruckCo = ?7, CheckNum = ?8, Apptmt = ?9, ArrivalT = ?10, US = ?11, UE = ?12, DT = ?13, "
    "Truck = ?14, Trailer = ?15, Load = ?16, Trip = ?17, Pro = ?18, Door = ?19, PO = ?20, Vendor = ?21, "
    "Cases = ?22, Items = ?23, BC = ?24, HC = ?25, TC = ?26, Full_P = ?27, Floor_P = ?28, ROO = ?29, PW = "
    "?30, "
    "ROB = ?31, BO = ?32, Layers = ?33, Restacks = ?34, PFrom = ?35, PTo = ?36, CHEP = ?37, EIn = ?38, "
    "EOut = ?39, CEID = ?40, RN = ?41, Product = ?42, Weight = ?43, Volume = ?44, DNo_Yes = ?45, DCases = "
    "?46, "
    "DRC = ?47, PYes_No_W = ?48, DExplain = ?49, Notes = ?50, DName = ?51, signature = ?52, CSL = ?53, "
    "Stream = ?54, JobClose = ?55 WHERE No = (SELECT No FROM Trade WHERE Ticket = ?56 ORDER BY No LIMIT 1);";
constexpr int kTicketParameter = 56;

QString workDatabase() { return QDir(context().workFolder).filePath(userDatabaseFileName()); }

// The form refuses a ticket without its payment; a saved one always has it.
TicketRecord withPayment(TicketRecord r) {
  if (r.PaymentType == tickets::code::NoPayment)
    r.PaymentType = tickets::code::Cash;
  if (r.PaymentType == tickets::code::Charge && r.Charge == tickets::code::NoCharge)
    r.Charge = tickets::code::TruckingCo;
  return r;
}

// A new job at today's date with the next ticket number, fields as real ones look.
TicketRecord freshTicket() {
  static const ReferenceLists lists = makeReferenceLists(kSeed);
  static TicketGenerator generator(kSeed + 1, std::int64_t(1) << 40, lists, 0);
  TicketRecord r = generator.next();
  r.Ticket = tickets::Check_TicketNo().ticket;
  r.TradeDate = context().lastDay;
  r.JobClose = false;
  require(!r.Ticket.isEmpty(), "the next ticket number");
  return withPayment(r);
}

// An open job loaded for saving, its payment chosen as the user does before saving.
TicketRecord openJob() {
  std::optional<TicketRecord> job = store::findOpenJobOfDoor(context().openDoors.first());
  require(job.has_value(), "an open job");
  return withPayment(*job);
}

QString vendorNumbersShown(const TicketRecord &r) {
  return store::vendorNumbersOf(store::session().db(), r.Vendor.split(QLatin1Char('|')));
}

void closeForms() {
  for (auto mode : {tickets::FormMode::NewDoor, tickets::FormMode::OpenDoor})
    if (tickets::TicketForm *form = tickets::TicketForm::instance(mode))
      app::closeChild(form);
  app::closeDoorLists();
  settleWindows();
}

void rawVendorLookups(const raw::Connection &db, const QByteArray &vendors) {
  raw::Query lookup(db, "SELECT VendorNo FROM Vendor WHERE Vendor = ?1 ORDER BY rowid LIMIT 1;");
  for (const QByteArray &name : vendors.split('|')) {
    lookup.bind(1, name).readAll();
  }
}

// The floor of loading one row by a query and showing its vendors' numbers.
void rawLoad(const raw::Connection &db, raw::Query &row, int vendorColumn) {
  require(row.next(), "a row for the floor to load");
  const QByteArray vendors = row.text(vendorColumn);
  row.reset();
  rawVendorLookups(db, vendors);
}

constexpr int kVendorColumn = 21; // 0-based position of Vendor in Trade

void registerFormAndLists() {
  add("op/open ticket form", [](benchmark::State &state) {
    closeForms();
    timeEach(state, closeForms, [] {
      tickets::New_ViewForm(QStringLiteral("Door250"));
      settleWindows();
    });
    closeForms();
  });
  add("floor/open ticket form", [](benchmark::State &state) {
    raw::Connection db(workDatabase());
    raw::Query highest(db, "SELECT Ticket FROM Trade ORDER BY Ticket DESC LIMIT 1;");
    raw::Query companies(db, "SELECT TruckCo FROM TruckCo ORDER BY rowid;");
    raw::Query vendors(db, "SELECT Vendor FROM Vendor ORDER BY rowid;");
    timeEach(state, [&] {
      highest.readAll();
      companies.readAll();
      vendors.readAll();
    });
  });

  add("op/Check_TicketNo", [](benchmark::State &state) {
    timeEach(state, [] { require(!tickets::Check_TicketNo().ticket.isEmpty(), "a ticket number"); });
  });
  add("floor/Check_TicketNo", [](benchmark::State &state) {
    raw::Connection db(workDatabase());
    raw::Query highest(db, "SELECT Ticket FROM Trade ORDER BY Ticket DESC LIMIT 1;");
    timeEach(state, [&] { highest.readAll(); });
  });

  auto doorList = [](tickets::DoorListKind kind) {
    return [kind](benchmark::State &state) {
      closeForms();
      timeEach(state, closeForms, [kind] {
        if (kind == tickets::DoorListKind::NewDoors)
          app::openNewDoorListFromMenu();
        else
          app::openUnclosedDoorListFromMenu();
        settleWindows();
        require(tickets::doorListWindow(kind) != nullptr, "a door list window");
      });
      closeForms();
    };
  };
  add("op/New Door List", doorList(tickets::DoorListKind::NewDoors));
  add("op/Unclosed door list", doorList(tickets::DoorListKind::UnclosedDoors));
  add("floor/door list", [](benchmark::State &state) {
    raw::Connection db(workDatabase());
    raw::Query facility(db, "SELECT FCode FROM Employee_Info ORDER BY rowid LIMIT 1;");
    raw::Query open(db, "SELECT Door FROM Trade WHERE JobClose = 0 ORDER BY Door, No;");
    timeEach(state, [&] {
      facility.readAll();
      open.readAll();
    });
  });
}

void registerWrites() {
  add("op/InsertInfo", [](benchmark::State &state) {
    std::optional<TicketRecord> last;
    TicketRecord next;
    // Each inserted job is closed again before the next, so the open jobs stay as many.
    timeEach(
        state,
        [&] {
          if (last)
            store::closeTrade(*last);
          next = freshTicket();
        },
        [&] {
          require(tickets::InsertInfo(next), "InsertInfo");
          last = next;
        });
    if (last)
      store::closeTrade(*last);
  });
  add("floor/InsertInfo", [](benchmark::State &state) {
    raw::Connection db(workDatabase());
    raw::Query exists(db, "SELECT 1 FROM Trade WHERE Ticket = ?1 LIMIT 1;");
    raw::Query insert(db, kInsertTicketSql);
    std::vector<raw::Value> values;
    QByteArray ticket;
    timeEach(
        state,
        [&] {
          TicketRecord r = freshTicket();
          r.JobClose = true;
          values = raw::values(insertValues(r));
          ticket = r.Ticket.toUtf8();
        },
        [&] {
          require(exists.bind(1, ticket).readAll() == 0, "a new ticket number");
          insert.bindAll(values).run();
        });
  });

  add("op/UpdateInfo", [](benchmark::State &state) {
    TicketRecord job = openJob();
    int round = 0;
    timeEach(
        state, [&] { job.Notes = QStringLiteral("Driver called ahead, round %1").arg(++round); },
        [&] { require(tickets::UpdateInfo(job), "UpdateInfo"); });
  });
  add("floor/UpdateInfo", [](benchmark::State &state) {
    TicketRecord job = openJob();
    raw::Connection db(workDatabase());
    raw::Query update(db, kRawUpdate);
    std::vector<raw::Value> values;
    const QByteArray ticket = job.Ticket.toUtf8();
    int round = 0;
    timeEach(
        state,
        [&] {
          job.Notes = QStringLiteral("Driver called ahead, round %1").arg(++round);
          values = raw::values(insertValues(job));
        },
        [&] { update.bindAll(values).bind(kTicketParameter, ticket).run(); });
  });

  add("op/CloseInfo + CSV line", [](benchmark::State &state) {
    TicketRecord job;
    QString vendorNumbers;
    timeEach(
        state,
        [&] {
          job = freshTicket();
          store::insertTrade(job);
          vendorNumbers = vendorNumbersShown(job);
        },
        [&] {
          require(tickets::CloseInfo(job), "CloseInfo");
          require(exporting::SaveTOCSV(job, vendorNumbers), "the CSV line");
        });
  });
  add("floor/CloseInfo + CSV line", [](benchmark::State &state) {
    raw::Connection db(workDatabase());
    raw::Query update(db, kRawUpdate);
    std::vector<raw::Value> values;
    QByteArray ticket;
    QByteArray line;
    const QString file = QDir(context().workFolder).filePath(QStringLiteral("floor-myFile.csv"));
    timeEach(
        state,
        [&] {
          TicketRecord job = freshTicket();
          store::insertTrade(job);
          job.JobClose = true;
          values = raw::values(insertValues(job));
          ticket = job.Ticket.toUtf8();
          line = (exporting::csvLine(job, vendorNumbersShown(job)) + QStringLiteral("\r\n")).toLocal8Bit();
        },
        [&] {
          update.bindAll(values).bind(kTicketParameter, ticket).run();
          QFile out(file);
          require(out.open(QIODevice::WriteOnly | QIODevice::Append) && out.write(line) == line.size() &&
                      out.flush(),
                  "the floor's CSV line");
        });
  });
}

void registerLoads() {
  add("op/DoorFind", [](benchmark::State &state) {
    closeForms();
    tickets::TicketForm *form = tickets::TicketForm::obtain(tickets::FormMode::OpenDoor);
    form->showForm();
    settleWindows();
    int k = 0;
    timeEach(
        state, [&] { form->setDoor(context().openDoors[k++ % context().openDoors.size()]); },
        [&] { require(form->DoorFind(), "DoorFind"); });
    closeForms();
  });
  add("floor/DoorFind", [](benchmark::State &state) {
    raw::Connection db(workDatabase());
    raw::Query row(db, "SELECT * FROM Trade WHERE Door = ?1 AND JobClose = 0 ORDER BY No DESC LIMIT 1;");
    QByteArray door;
    int k = 0;
    timeEach(
        state, [&] { door = context().openDoors[k++ % context().openDoors.size()].toUtf8(); },
        [&] { rawLoad(db, row.bind(1, door), kVendorColumn); });
  });

  add("op/SavedFind", [](benchmark::State &state) {
    closeForms();
    tickets::TicketForm *form = tickets::TicketForm::obtain(tickets::FormMode::NewDoor);
    form->showForm();
    form->savedOption()->setChecked(true);
    settleWindows();
    int k = 0;
    timeEach(
        state,
        [&] { form->ticketBox()->setText(context().sampleTickets[k++ % context().sampleTickets.size()]); },
        [&] { require(form->SavedFind() == tickets::TicketForm::FindResult::Loaded, "SavedFind"); });
    closeForms();
  });
  add("floor/SavedFind", [](benchmark::State &state) {
    raw::Connection db(workDatabase());
    raw::Query closed(db, "SELECT JobClose FROM Trade WHERE Ticket = ?1 ORDER BY No LIMIT 1;");
    raw::Query row(db, "SELECT * FROM Trade WHERE Ticket = ?1 ORDER BY No LIMIT 1;");
    QByteArray ticket;
    int k = 0;
    timeEach(
        state, [&] { ticket = context().sampleTickets[k++ % context().sampleTickets.size()].toUtf8(); },
        [&] {
          closed.bind(1, ticket).readAll();
          rawLoad(db, row.bind(1, ticket), kVendorColumn);
        });
  });
}

void addInteractive(const char *label, const char *op, const char *floor) {
  addFigure({label, op, floor, Goal::UnderMs, 30});
}

} // namespace

void registerTicketBenchmarks() {
  registerFormAndLists();
  registerWrites();
  registerLoads();
  addInteractive("open ticket form (number, companies, vendors)", "op/open ticket form",
                 "floor/open ticket form");
  addInteractive("Check_TicketNo", "op/Check_TicketNo", "floor/Check_TicketNo");
  addInteractive("New Door List, opened and filled", "op/New Door List", "floor/door list");
  addInteractive("Unclosed door list, opened and filled", "op/Unclosed door list", "floor/door list");
  addInteractive("InsertInfo", "op/InsertInfo", "floor/InsertInfo");
  addInteractive("UpdateInfo", "op/UpdateInfo", "floor/UpdateInfo");
  addInteractive("CloseInfo + CSV line", "op/CloseInfo + CSV line", "floor/CloseInfo + CSV line");
  addInteractive("DoorFind", "op/DoorFind", "floor/DoorFind");
  addInteractive("SavedFind with vendor numbers", "op/SavedFind", "floor/SavedFind");
}

} // namespace bench
