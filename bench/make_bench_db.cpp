// Makes the benchmark databases (when missing or stale) for the sizes given:
//   varnel_benchgen [tickets...]        default: 100000 1000000
#include "generator/bench_database.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <exception>

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  QStringList sizes = app.arguments().mid(1);
  if (sizes.isEmpty())
    sizes = {QStringLiteral("100000"), QStringLiteral("1000000")};
  try {
    for (const QString &size : sizes) {
      bool ok = false;
      const qint64 tickets = size.toLongLong(&ok);
      if (!ok || tickets < 20) {
        std::fprintf(stderr, "Not a number of tickets (20 or more): %s\n", qPrintable(size));
        return 2;
      }
      const bench::BenchFiles files = bench::ensureBenchDatabases(
          QStringLiteral(VARNEL_BENCH_DATA), tickets, QStringLiteral(VARNEL_APP_DIR "/VarnelBase"));
      std::printf("%s\n%s\n", qPrintable(files.compact), qPrintable(files.withFreePages));
    }
  } catch (const std::exception &e) {
    std::fprintf(stderr, "Generation failed: %s\n", e.what());
    return 1;
  }
  return 0;
}
