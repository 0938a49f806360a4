#include "generator/bench_database.h"

#include "generator/ticket_generator.h"
#include "store/credentials.h"
#include "store/database.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

namespace bench {

namespace {

// Raised whenever the generated data changes shape, so cached files are remade.
constexpr int kGeneratorVersion = 1;
constexpr int kRowsPerTransaction = 50000;

} // namespace

const char *const kInsertTicketSql =
    "INSERT INTO Trade (UserID, Trade, TradeDate, Ticket, PaymentType, Charge, InvoiceTO, TruckCo, CheckNum, "
    "Apptmt, ArrivalT, US, UE, DT, Truck, Trailer, Load, Trip, Pro, Door, PO, Vendor, Cases, Items, BC, HC, "
    "TC, "
    "Full_P, Floor_P, ROO, PW, ROB, BO, Layers, Restacks, PFrom, PTo, CHEP, EIn, EOut, CEID, RN, Product, "
    "Weight, Volume, DNo_Yes, DCases, DRC, PYes_No_W, DExplain, Notes, DName, signature, CSL, Stream, "
    "JobClose) "
    "VALUES (?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
    "?, "
    "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);";

std::vector<QVariant> insertValues(const tickets::TicketRecord &r) {
  std::vector<QVariant> v;
  v.reserve(55);
  auto number = [&](qint64 n) { v.emplace_back(n); };
  v.emplace_back(r.UserID);
  v.emplace_back(r.TradeDate.toString(Qt::ISODate));
  v.emplace_back(r.Ticket);
  number(r.PaymentType);
  number(r.Charge);
  for (const QString *t : {&r.InvoiceTO, &r.TruckCo, &r.CheckNum, &r.Apptmt, &r.ArrivalT, &r.US,  &r.UE,
                           &r.DT,        &r.Truck,   &r.Trailer,  &r.Load,   &r.Trip,     &r.Pro, &r.Door,
                           &r.PO,        &r.Vendor,  &r.Cases,    &r.Items,  &r.BC,       &r.HC,  &r.TC})
    v.emplace_back(*t);
  for (int n : {r.Full_P, r.Floor_P, r.ROO, r.PW, r.ROB, r.BO})
    number(n);
  for (const QString *t : {&r.Layers, &r.Restacks, &r.PFrom, &r.PTo, &r.CHEP, &r.EIn, &r.EOut, &r.CEID, &r.RN,
                           &r.Product, &r.Weight, &r.Volume})
    v.emplace_back(*t);
  number(r.DNo_Yes);
  v.emplace_back(r.DCases);
  v.emplace_back(r.DRC);
  number(r.PYes_No_W);
  for (const QString *t : {&r.DExplain, &r.Notes, &r.DName, &r.signature, &r.CSL})
    v.emplace_back(*t);
  number(r.Stream);
  number(r.JobClose ? 1 : 0);
  return v;
}

namespace {

void bindTicket(store::Statement &s, const tickets::TicketRecord &r) {
  const std::vector<QVariant> values = insertValues(r);
  for (int i = 0; i < int(values.size()); ++i)
    s.bind(i + 1, values[i]);
}

// What the cached files depend on: the generator, its seed, the size and the
// template's tables and indexes.
QByteArray stampFor(std::int64_t tickets, const QString &templatePath) {
  store::Database db(templatePath);
  store::Statement s = db.prepare("SELECT group_concat(sql, ';') FROM (SELECT sql FROM sqlite_master "
                                  "WHERE sql IS NOT NULL ORDER BY name);");
  s.step();
  QCryptographicHash hash(QCryptographicHash::Sha1);
  hash.addData(s.text(0).toUtf8());
  return QStringLiteral("generator %1, seed %2, tickets %3, template %4\n")
      .arg(kGeneratorVersion)
      .arg(kSeed)
      .arg(tickets)
      .arg(QString::fromLatin1(hash.result().toHex()))
      .toUtf8();
}

qint64 pragmaNumber(const QString &path, const char *pragma) {
  store::Database db(path);
  store::Statement s = db.prepare(pragma);
  return s.step() ? s.integer(0) : 0;
}

void copyFile(const QString &from, const QString &to) {
  QFile::remove(to);
  if (!QFile::copy(from, to))
    throw std::runtime_error("cannot copy " + from.toStdString() + " to " + to.toStdString());
  QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

qint64 pageCount(const QString &path) { return pragmaNumber(path, "PRAGMA page_count;"); }
qint64 freePageCount(const QString &path) { return pragmaNumber(path, "PRAGMA freelist_count;"); }

void generateDatabase(const QString &path, std::int64_t tickets, const QString &templatePath) {
  QElapsedTimer clock;
  clock.start();
  copyFile(templatePath, path);
  store::Database db(path);
  // Only the generator's own connection: a crash here merely leaves a file to remake.
  db.exec("PRAGMA synchronous = OFF; PRAGMA journal_mode = MEMORY; PRAGMA cache_size = -262144;");

  const ReferenceLists lists = makeReferenceLists(kSeed);
  {
    store::Transaction t(db);
    db.prepare("INSERT INTO Setting (UserID, Password) VALUES (?, ?);")
        .bind(1, QString::fromLatin1(kUserId))
        .bind(2, store::hashPassword(QString::fromLatin1(kPassword)))
        .run();
    db.prepare("INSERT INTO Employee_Info (FCode, EmpType, EmpFirstN, EmpLastN) VALUES (?, 'Full Time', "
               "'Bench', 'User');")
        .bind(1, QString::fromLatin1(kFacilityCode))
        .run();
    // The profile's seed row comes first: no door, open, the facility code as ticket.
    db.prepare("INSERT INTO Trade (Facility, Ticket) VALUES ('Ostrine', ?);")
        .bind(1, QString::fromLatin1(kFacilityCode))
        .run();
    store::Statement truckCo = db.prepare("INSERT INTO TruckCo (TruckCo) VALUES (?);");
    for (const QString &name : lists.truckCompanies) {
      truckCo.bind(1, name).run();
      truckCo.reset();
    }
    store::Statement vendor = db.prepare("INSERT INTO Vendor (Vendor, VendorNo) VALUES (?, ?);");
    for (const Vendor &v : lists.vendors) {
      vendor.bind(1, v.name).bind(2, v.number).run();
      vendor.reset();
    }
    t.commit();
  }

  TicketGenerator generator(kSeed, tickets, lists);
  store::Statement insert = db.prepare(kInsertTicketSql);
  std::int64_t made = 0;
  while (!generator.done()) {
    store::Transaction t(db);
    for (int i = 0; i < kRowsPerTransaction && !generator.done(); ++i, ++made) {
      bindTicket(insert, generator.next());
      insert.run();
      insert.reset();
    }
    t.commit();
    std::fprintf(stderr, "\r  %lld of %lld tickets", static_cast<long long>(made),
                 static_cast<long long>(tickets));
  }
  std::fprintf(stderr, " (%.1f s)\n", clock.elapsed() / 1000.0);
}

void addFreePages(const QString &path, int percent) {
  const qint64 pages = pageCount(path);
  store::Database db(path);
  db.exec("PRAGMA synchronous = OFF;");
  // The scratch rows are interleaved with a table that stays, so the freed pages lie
  // scattered through the file and not only at its end.
  db.exec("CREATE TABLE bench_scratch (filler BLOB); CREATE TABLE bench_keep (filler BLOB);");
  // Freed pages are `percent` of the file that results.
  const qint64 wanted = pages * percent / (100 - percent);
  {
    store::Transaction t(db);
    store::Statement scratch = db.prepare("INSERT INTO bench_scratch VALUES (randomblob(3900));");
    store::Statement keep = db.prepare("INSERT INTO bench_keep VALUES (randomblob(16));");
    for (qint64 i = 0; i < wanted; ++i) {
      scratch.run();
      scratch.reset();
      if (i % 64 == 0) {
        keep.run();
        keep.reset();
      }
    }
    t.commit();
  }
  db.exec("DROP TABLE bench_scratch;");
}

BenchFiles ensureBenchDatabases(const QString &folder, std::int64_t tickets, const QString &templatePath) {
  QDir().mkpath(folder);
  const QString base = QDir(folder).filePath(QStringLiteral("tickets-%1").arg(tickets));
  const BenchFiles files{base + QStringLiteral(".mdb"), base + QStringLiteral("-free.mdb")};
  const QString stampPath = base + QStringLiteral(".stamp");
  const QByteArray stamp = stampFor(tickets, templatePath);

  QFile stored(stampPath);
  const bool fresh = stored.open(QIODevice::ReadOnly) && stored.readAll() == stamp &&
                     QFile::exists(files.compact) && QFile::exists(files.withFreePages);
  stored.close();
  if (fresh)
    return files;

  QFile::remove(stampPath);
  std::fprintf(stderr, "Generating %lld tickets into %s\n", static_cast<long long>(tickets),
               qPrintable(files.compact));
  generateDatabase(files.compact, tickets, templatePath);
  std::fprintf(stderr, "  %lld pages, %lld free\n", static_cast<long long>(pageCount(files.compact)),
               static_cast<long long>(freePageCount(files.compact)));
  copyFile(files.compact, files.withFreePages);
  addFreePages(files.withFreePages, 5);
  std::fprintf(stderr, "  with free pages: %lld pages, %lld free\n",
               static_cast<long long>(pageCount(files.withFreePages)),
               static_cast<long long>(freePageCount(files.withFreePages)));
  QFile out(stampPath);
  if (!out.open(QIODevice::WriteOnly) || out.write(stamp) != stamp.size())
    throw std::runtime_error("cannot write " + stampPath.toStdString());
  return files;
}

} // namespace bench
