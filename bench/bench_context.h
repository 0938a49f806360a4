#pragma once
// What every benchmark of one run shares: the signed-in bench user on a fresh copy of
// the generated database, the day the clock is set to, a few doors and tickets to
// work with, and the timing helper.

#include "generator/bench_database.h"

#include <QDate>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace bench {

struct Context {
  std::int64_t tickets = 0;
  BenchFiles files;
  QString workFolder;  // the application folder of the interactive benchmarks
  QString loginFolder; // a second one, for the logins, which replace the database
  QDate lastDay;       // the newest trade date; the clock stands on it
  QStringList openDoors;
  QStringList sampleTickets; // spread over the whole table
};

Context &context();

// Copies the generated database in, signs the bench user in, sets the clock and
// answers every message box with OK (No for a question).
void prepareContext(std::int64_t tickets);
// The session back on the working database (after a login benchmark moved it).
void signInToWorkFolder();

QString userDatabaseFileName();

// Times `work` only; `setup` runs before it, untimed, in every iteration.
template <typename Setup, typename Work> void timeEach(benchmark::State &state, Setup setup, Work work) {
  for (auto _ : state) {
    setup();
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto stop = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
  }
}

template <typename Work> void timeEach(benchmark::State &state, Work work) {
  timeEach(
      state, [] {}, work);
}

// A benchmark with the suite's settings: manual time in milliseconds, medians of
// `repetitions` runs, at most `iterations` timed calls per run when given.
benchmark::internal::Benchmark *add(const std::string &name, std::function<void(benchmark::State &)> body,
                                    int repetitions = 7, int iterations = 0);

// Lets queued window events (painting, deferred deletes) run.
void settleWindows();

// Throws when `condition` is false: a benchmark that did not do its work must not
// report a time.
void require(bool condition, const char *what);

} // namespace bench
