#pragma once
// Figures: numbers derived from benchmark results of the same run (usually a ratio against a
// baseline), printed as "NAME: VALUE UNIT". A figure names the benchmarks it needs, so asking
// for one figure runs only those.

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vitalune::bench {

struct Measured {
    double seconds = 0;  // median real time per iteration
    std::map<std::string, double> counters;
    std::vector<double> repetitions;  // seconds per iteration of each repetition, in run order
};

class Results {
  public:
    // Seconds per iteration of a benchmark (its full name, with arguments).
    double Seconds(const std::string& benchmark) const;
    double Counter(const std::string& benchmark, const std::string& counter) const;
    // baseline / subject for each repetition, paired in run order, sorted; empty unless both
    // have the same number (two or more) of repetitions.
    std::vector<double> RepetitionRatios(const std::string& baseline,
                                         const std::string& subject) const;
    std::map<std::string, Measured> runs;
};

struct Figure {
    std::string name;
    std::string unit;
    std::vector<std::string> benchmarks;  // base names the figure needs
    std::function<double(const Results&)> compute;
    int decimals = 2;
};

// Registers at static initialisation: static bool added = AddFigure({...});
bool AddFigure(Figure figure);

// "NAME: X x": how many times faster `subject` runs than `baseline`. When both ran in several
// repetitions reported one by one (no ReportAggregatesOnly), X is the median of the ratios of
// the repetitions taken in pairs, and "(spread LOW-HIGH)" follows.
Figure Ratio(std::string name, std::string baseline, std::string subject);
// "NAME: T UNIT" (unit "s", "ms" or "us"): the median time of one benchmark.
Figure Time(std::string name, std::string unit, std::string benchmark);

}  // namespace vitalune::bench
