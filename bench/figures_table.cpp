#include "figures_table.h"

#include <cstdio>

namespace bench {

namespace {

std::vector<Figure> &figures() {
  static std::vector<Figure> list;
  return list;
}

std::string format(const char *pattern, double value) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

std::string milliseconds(double ms) { return format(ms < 10 ? "%.2f" : ms < 1000 ? "%.1f" : "%.0f", ms); }

} // namespace

void addFigure(Figure figure) { figures().push_back(std::move(figure)); }

void FiguresReporter::ReportRuns(const std::vector<Run> &runs) {
  for (const Run &run : runs)
    if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" && !run.error_occurred)
      medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
  ConsoleReporter::ReportRuns(runs);
}

std::string figuresTable(const std::map<std::string, double> &medians, bool *allMet) {
  std::string out = "| operation | median ms | floor ms | ratio | goal | met |\n"
                    "|---|---:|---:|---:|---|---|\n";
  bool met = true;
  bool any = false;
  for (const Figure &f : figures()) {
    const auto op = medians.find(f.operation);
    if (op == medians.end())
      continue;
    any = true;
    const auto floor = f.floor.empty() ? medians.end() : medians.find(f.floor);
    const bool hasFloor = floor != medians.end() && floor->second > 0;
    const double ratio = hasFloor ? op->second / floor->second : 0;
    std::string goal = "–";
    std::string verdict = "";
    if (f.goal == Goal::UnderMs) {
      goal = "< " + format("%g", f.limit) + " ms";
      const bool ok = op->second < f.limit;
      verdict = ok ? "yes" : "NO";
      met = met && ok;
    } else if (f.goal == Goal::RatioAtMost && hasFloor) {
      goal = "≤ " + format("%g", f.limit) + "× floor";
      const bool ok = ratio <= f.limit;
      verdict = ok ? "yes" : "NO";
      met = met && ok;
    }
    out += "| " + f.label + " | " + milliseconds(op->second) + " | " +
           (hasFloor ? milliseconds(floor->second) : std::string("–")) + " | " +
           (hasFloor ? format("%.2f", ratio) : std::string("–")) + " | " + goal + " | " + verdict + " |\n";
  }
  if (allMet)
    *allMet = met && any;
  return out;
}

} // namespace bench
