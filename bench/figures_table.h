#pragma once
// The table the suite ends with: each operation's median, the median of its floor
// (the bare engine or a plain file copy doing the same work), their ratio, and
// whether the operation meets its goal.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

enum class Goal { None, UnderMs, RatioAtMost };

struct Figure {
  std::string label;
  std::string operation; // benchmark name of the program's own path
  std::string floor;     // benchmark name of its floor, empty when there is none
  Goal goal = Goal::None;
  double limit = 0;
};

void addFigure(Figure figure);

// The console output as usual, and the medians kept for the table.
class FiguresReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run> &runs) override;
  const std::map<std::string, double> &medians() const { return medians_; }

private:
  std::map<std::string, double> medians_; // milliseconds
};

// The table as Markdown, figures of benchmarks that did not run left out. `allMet`
// tells whether every goal shown was met.
std::string figuresTable(const std::map<std::string, double> &medians, bool *allMet);

} // namespace bench
