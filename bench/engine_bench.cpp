// Day records over a century of days: the per-period tables against the sine recipe.
#include <benchmark/benchmark.h>

#include <vector>

#include "BenchMain.h"
#include "core/engine/Rhythm.h"

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
BENCHMARK(BM_DaysDirect)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// The many-day form callers use for charts, calendars and scans.
void BM_DaysTable(benchmark::State& state) {
    std::vector<DayRhythms> days(kCentury);
    for (auto _ : state) {
        ComputeDayRhythmsSpan(kBirth, static_cast<std::int32_t>(kBirth), days, false);
        std::int32_t sum = 0;
        for (const DayRhythms& day : days) {
            sum += day.overall + day.criticalCount;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_DaysTable)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// One day at a time through the tables.
void BM_DaysTablePerDay(benchmark::State& state) {
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
BENCHMARK(BM_DaysTablePerDay)->Unit(benchmark::kMicrosecond)->Repetitions(5);

const bool kFigures =
    AddFigure(Ratio("day-table-speedup", "BM_DaysDirect", "BM_DaysTable")) &&
    AddFigure(Ratio("day-table-per-day-speedup", "BM_DaysDirect", "BM_DaysTablePerDay")) &&
    AddFigure(Time("day-table-36501", "us", "BM_DaysTable")) &&
    AddFigure(Time("day-direct-36501", "us", "BM_DaysDirect"));

}  // namespace
}  // namespace vitalune::bench
