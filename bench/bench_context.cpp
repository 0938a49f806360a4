#include "bench_context.h"

#include "app/clock.h"
#include "app/message_box.h"
#include "generator/ticket_generator.h"
#include "store/open_doors.h"
#include "store/user_database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace bench {

namespace {

// A fresh application folder with the program's files beside the database.
void makeAppFolder(const QString &folder) {
  QDir(folder).removeRecursively();
  QDir().mkpath(folder);
  for (const char *name : {"VarnelBase", "signature.jpg"})
    QFile::copy(QStringLiteral(VARNEL_APP_DIR "/") + QLatin1String(name),
                QDir(folder).filePath(QLatin1String(name)));
}

void copyDatabase(const QString &from, const QString &to) {
  QFile::remove(to);
  require(QFile::copy(from, to), "copy of the generated database");
  QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

Context &context() {
  static Context c;
  return c;
}

QString userDatabaseFileName() { return store::databaseFileNameFor(QString::fromLatin1(kUserId)); }

void signInToWorkFolder() {
  store::Session &s = store::session();
  s.setAppFolder(context().workFolder);
  s.setDatabaseFileName(userDatabaseFileName());
  s.setUserId(QString::fromLatin1(kUserId));
}

void prepareContext(std::int64_t tickets) {
  Context &c = context();
  c.tickets = tickets;
  const QString data = QStringLiteral(VARNEL_BENCH_DATA);
  c.files = ensureBenchDatabases(data, tickets, QStringLiteral(VARNEL_APP_DIR "/VarnelBase"));
  c.workFolder = QDir(data).filePath(QStringLiteral("app-%1").arg(tickets));
  c.loginFolder = QDir(data).filePath(QStringLiteral("login-%1").arg(tickets));
  makeAppFolder(c.workFolder);
  makeAppFolder(c.loginFolder);
  copyDatabase(c.files.compact, QDir(c.workFolder).filePath(userDatabaseFileName()));

  app::setMessageHandler([](const app::Message &m) {
    return m.buttons == app::Buttons::Ok ? app::Answer::Ok : app::Answer::No;
  });
  signInToWorkFolder();

  store::Database &db = store::session().db();
  {
    store::Statement last = db.prepare("SELECT max(TradeDate) FROM Trade;");
    last.step();
    c.lastDay = QDate::fromString(last.text(0), Qt::ISODate);
  }
  require(c.lastDay.isValid(), "the newest trade date");
  app::setClockForTest(QDateTime(c.lastDay, QTime(14, 0)));

  for (const QString &door : store::openRowDoors())
    if (!door.isEmpty())
      c.openDoors << door;
  require(!c.openDoors.isEmpty(), "open jobs in the generated database");

  // Tickets from the oldest to the newest, evenly spread.
  for (int k = 0; k < 200; ++k)
    c.sampleTickets << QString::number(TicketGenerator::kSeedTicket + 1 + (tickets - 1) * k / 199);
}

benchmark::internal::Benchmark *add(const std::string &name, std::function<void(benchmark::State &)> body,
                                    int repetitions, int iterations) {
  auto *b = benchmark::RegisterBenchmark(name.c_str(), std::move(body));
  b->UseManualTime()->Unit(benchmark::kMillisecond)->Repetitions(repetitions)->ReportAggregatesOnly(true);
  if (iterations > 0)
    b->Iterations(iterations);
  return b;
}

void settleWindows() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

void require(bool condition, const char *what) {
  if (condition)
    return;
  std::fprintf(stderr, "Benchmark setup failed: %s\n", what);
  std::exit(3);
}

} // namespace bench
