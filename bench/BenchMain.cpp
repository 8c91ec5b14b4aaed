#include "BenchMain.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>

namespace vitalune::bench {

namespace {

std::vector<Figure>& Figures() {
    static std::vector<Figure> figures;
    return figures;
}

// The lowest and highest value of a figure over the repetitions, printed after the value.
using Spread = std::function<std::optional<std::pair<double, double>>(const Results&)>;
std::map<std::string, Spread>& Spreads() {
    static std::map<std::string, Spread> spreads;
    return spreads;
}

// Shows the usual table on stderr and keeps each benchmark's median (or only) time.
class Collector : public benchmark::ConsoleReporter {
  public:
    // Colour only on a terminal: in a file or a pipe the codes would stand before the lines.
    explicit Collector(Results& results)
        : ConsoleReporter(isatty(STDERR_FILENO) ? OO_Defaults : OO_Tabular), m_results(results) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median) {
                continue;
            }
            const std::string key = run.run_name.function_name +
                                    (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
            Measured& m = m_results.runs[key];
            if (run.run_type == Run::RT_Iteration && run.repetitions > 1) {
                m.repetitions.push_back(run.GetAdjustedRealTime() /
                                        benchmark::GetTimeUnitMultiplier(run.time_unit));
            }
            if (median || !m_sawMedian.contains(key)) {
                m.seconds =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
                for (const auto& [counterName, counter] : run.counters) {
                    m.counters[counterName] = counter.value;
                }
            }
            if (median) {
                m_sawMedian.insert(key);
            }
        }
    }

  private:
    Results& m_results;
    std::set<std::string> m_sawMedian;
};

std::vector<std::string> Split(const std::string& list) {
    std::vector<std::string> items;
    std::stringstream in(list);
    for (std::string item; std::getline(in, item, ',');) {
        if (!item.empty()) {
            items.push_back(item);
        }
    }
    return items;
}

}  // namespace

double Results::Seconds(const std::string& benchmark) const {
    const auto it = runs.find(benchmark);
    if (it == runs.end()) {
        throw std::runtime_error("benchmark " + benchmark + " did not run");
    }
    return it->second.seconds;
}

double Results::Counter(const std::string& benchmark, const std::string& counter) const {
    const auto it = runs.find(benchmark);
    if (it == runs.end() || !it->second.counters.contains(counter)) {
        throw std::runtime_error("benchmark " + benchmark + " has no counter " + counter);
    }
    return it->second.counters.at(counter);
}

bool AddFigure(Figure figure) {
    Figures().push_back(std::move(figure));
    return true;
}

std::vector<double> Results::RepetitionRatios(const std::string& baseline,
                                              const std::string& subject) const {
    const auto b = runs.find(baseline);
    const auto s = runs.find(subject);
    std::vector<double> ratios;
    if (b == runs.end() || s == runs.end() || b->second.repetitions.size() < 2 ||
        b->second.repetitions.size() != s->second.repetitions.size()) {
        return ratios;
    }
    for (std::size_t i = 0; i < b->second.repetitions.size(); ++i) {
        ratios.push_back(b->second.repetitions[i] / s->second.repetitions[i]);
    }
    std::sort(ratios.begin(), ratios.end());
    return ratios;
}

Figure Ratio(std::string name, std::string baseline, std::string subject) {
    Spreads()[name] = [baseline, subject](const Results& r) {
        const std::vector<double> ratios = r.RepetitionRatios(baseline, subject);
        return ratios.empty() ? std::nullopt
                              : std::optional(std::pair(ratios.front(), ratios.back()));
    };
    return {std::move(name),
            "x",
            {baseline, subject},
            [baseline, subject](const Results& r) {
                const std::vector<double> ratios = r.RepetitionRatios(baseline, subject);
                if (ratios.empty()) {
                    return r.Seconds(baseline) / r.Seconds(subject);
                }
                const std::size_t n = ratios.size();
                return (ratios[(n - 1) / 2] + ratios[n / 2]) / 2;
            },
            1};
}

Figure Time(std::string name, std::string unit, std::string benchmark) {
    const double scale = unit == "s" ? 1 : unit == "ms" ? 1e3 : 1e6;
    const int decimals = unit == "s" ? 3 : unit == "ms" ? 2 : 0;
    return {std::move(name),
            std::move(unit),
            {benchmark},
            [benchmark, scale](const Results& r) { return r.Seconds(benchmark) * scale; },
            decimals};
}

}  // namespace vitalune::bench

// Usage: BINARY [--figures=a,b] [--list-figures] [benchmark flags]
int main(int argc, char** argv) {
    using namespace vitalune::bench;
    std::vector<std::string> wanted;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--figures=", 10) == 0) {
            wanted = Split(argv[i] + 10);
        } else if (std::strcmp(argv[i], "--list-figures") == 0) {
            for (const Figure& f : Figures()) {
                std::cout << f.name << '\n';
            }
            return 0;
        } else {
            rest.push_back(argv[i]);
        }
    }
    std::vector<const Figure*> chosen;
    for (const Figure& f : Figures()) {
        if (wanted.empty() || std::find(wanted.begin(), wanted.end(), f.name) != wanted.end()) {
            chosen.push_back(&f);
        }
    }
    if (chosen.empty()) {
        return 0;
    }
    std::string filter;
    for (const Figure* f : chosen) {
        for (const std::string& b : f->benchmarks) {
            filter += (filter.empty() ? "" : "|") + b;
        }
    }
    filter = "^(" + filter + ")(/|$)";

    int restArgc = static_cast<int>(rest.size());
    benchmark::Initialize(&restArgc, rest.data());
    Results results;
    Collector collector(results);
    // The tables go to stderr so that stdout holds just the figures.
    collector.SetOutputStream(&std::cerr);
    collector.SetErrorStream(&std::cerr);
    std::cout.flush();
    benchmark::RunSpecifiedBenchmarks(&collector, filter);
    benchmark::Shutdown();

    int status = 0;
    for (const Figure* f : chosen) {
        try {
            const double value = f->compute(results);
            const auto found = Spreads().find(f->name);
            const auto spread = found != Spreads().end() ? found->second(results) : std::nullopt;
            std::printf("%s: %.*f %s", f->name.c_str(), f->decimals, value, f->unit.c_str());
            if (spread) {
                std::printf(" (spread %.*f-%.*f)", f->decimals, spread->first, f->decimals,
                            spread->second);
            }
            std::printf("\n");
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s: %s\n", f->name.c_str(), e.what());
            status = 1;
        }
    }
    return status;
}
