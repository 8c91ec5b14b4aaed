// Day records over a century of days: the per-period tables against the sine recipe.
#include <benchmark/benchmark.h>

#include <vector>

#include "BenchMain.h"
#include "engine/Rhythm.h"

namespace vitalune::bench {
namespace {

constexpr int kCentury = 36501;
constexpr DateTime kBirth = 29224;

void BM_DaysDirect(benchmark::State& state) {
    for (auto _ : state) {
        DayRhythms day;
        std::int32_t sum = 0;
        for (int i = 0; i < kCentury; ++i) {
            ComputeDayRhythmsDirect(kBirth, kBirth + i, day, false);
            sum += day.overall + day.criticalCount;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_DaysDirect)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_DaysTable(benchmark::State& state) {
    for (auto _ : state) {
        DayRhythms day;
        std::int32_t sum = 0;
        for (int i = 0; i < kCentury; ++i) {
            ComputeDayRhythms(kBirth, kBirth + i, day, false);
            sum += day.overall + day.criticalCount;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_DaysTable)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

const bool kFigures = AddFigure({"day-table-speedup",
                                 "x",
                                 {"BM_DaysDirect", "BM_DaysTable"},
                                 [](const Results& r) {
                                     return r.Seconds("BM_DaysDirect") / r.Seconds("BM_DaysTable");
                                 },
                                 1}) &&
                      AddFigure({"day-table-36501",
                                 "us",
                                 {"BM_DaysTable"},
                                 [](const Results& r) { return r.Seconds("BM_DaysTable") * 1e6; },
                                 0}) &&
                      AddFigure({"day-direct-36501",
                                 "us",
                                 {"BM_DaysDirect"},
                                 [](const Results& r) { return r.Seconds("BM_DaysDirect") * 1e6; },
                                 0});

}  // namespace
}  // namespace vitalune::bench
