// The benchmark suite. Usage:
//   varnel_bench [--tickets=N] [--figures=FILE] [benchmark options...]
// N is 100000 by default; the table of figures is printed and, with --figures,
// written to FILE as Markdown. The exit status is 4 when a goal is not met.
#include "bench_context.h"
#include "benchmarks.h"
#include "figures_table.h"

#include "app/main_window.h"
#include "app/startup.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string cpuModel() {
  QFile info(QStringLiteral("/proc/cpuinfo"));
  if (info.open(QIODevice::ReadOnly))
    for (const QByteArray &line : info.readAll().split('\n'))
      if (line.startsWith("model name"))
        return line.mid(line.indexOf(':') + 1).trimmed().toStdString();
  return QSysInfo::currentCpuArchitecture().toStdString();
}

} // namespace

int main(int argc, char **argv) {
  std::int64_t tickets = 100000;
  std::string figuresFile;
  std::vector<char *> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--tickets=", 10) == 0)
      tickets = std::atoll(argv[i] + 10);
    else if (std::strncmp(argv[i], "--figures=", 10) == 0)
      figuresFile = argv[i] + 10;
    else
      rest.push_back(argv[i]);
  }
  if (tickets < 20) {
    std::fprintf(stderr, "--tickets needs a number of 20 or more\n");
    return 2;
  }
  // Repetitions of all benchmarks run in random order, so an operation and its floor
  // see the same machine: other work on it slows both alike.
  static char interleave[] = "--benchmark_enable_random_interleaving=true";
  rest.insert(rest.begin() + 1, interleave);
  int restCount = int(rest.size());
  rest.push_back(nullptr);
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");

  // The program's own process settings, as its start-up makes them.
  app::tuneMemory();
  QApplication application(restCount, rest.data());
  benchmark::Initialize(&restCount, rest.data());
  if (benchmark::ReportUnrecognizedArguments(restCount, rest.data()))
    return 2;

  app::MainWindow mainWindow;
  mainWindow.resize(1280, 900);
  mainWindow.show();

  bench::prepareContext(tickets);
  bench::registerTicketBenchmarks();
  bench::registerSearchBenchmarks();
  bench::registerPrintingBenchmarks();
  bench::registerLoginBenchmarks();

  bench::FiguresReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  bool allMet = true;
  const std::string table = bench::figuresTable(reporter.medians(), &allMet);
  const qint64 bytes = QFileInfo(bench::context().files.compact).size();
  char heading[512];
  std::snprintf(heading, sizeof heading,
                "Figures for %lld tickets (database file %.0f MB), %d cores (%s), medians in ms\n\n",
                static_cast<long long>(tickets), bytes / 1e6, QThread::idealThreadCount(),
                cpuModel().c_str());
  const std::string text = heading + table + (allMet ? "\nEvery goal met.\n" : "\nSome goals NOT met.\n");
  std::printf("\n%s", text.c_str());
  if (!figuresFile.empty()) {
    QFile out(QString::fromStdString(figuresFile));
    if (out.open(QIODevice::WriteOnly))
      out.write(text.c_str());
  }
  benchmark::Shutdown();
  return allMet ? 0 : 4;
}
