// The forecast: a century scanned through the day tables against the same scan with the sine
// recipe, and the 100-hit report written to a file.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "BenchMain.h"
#include "core/forecast/ForecastSearch.h"
#include "core/reports/ForecastReport.h"

namespace vitalune::bench {
namespace {

constexpr DateTime kBirth = 25573;  // 5 Jan 1970

// All four primary rhythms critical at once: no such day in the century after this start, so
// the scan examines all 36,501 days.
ForecastCriteria NeverHits() {
    ForecastCriteria c;
    c.kind = ForecastKind::Critical;
    c.criticalShowAll = false;
    c.criticalRhythm = {true, true, true, true};
    c.criticalAnd = true;
    c.limitByResults = true;
    c.resultsAmount = 100;
    c.startDate = EncodeDate(2047, 12, 10);
    return c;
}

template <ForecastResult (*Run)(const ForecastCriteria&, DateTime)>
void FullScan(benchmark::State& state) {
    const ForecastCriteria criteria = NeverHits();
    for (auto _ : state) {
        ForecastResult result = Run(criteria, kBirth);
        if (!result.hits.empty()) {
            state.SkipWithError("the criterion found a day; the scan was not complete");
            break;
        }
        benchmark::DoNotOptimize(result);
    }
}

void BM_ForecastFullScan(benchmark::State& state) {
    FullScan<RunForecast>(state);
}
BENCHMARK(BM_ForecastFullScan)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void BM_ForecastFullScanDirect(benchmark::State& state) {
    FullScan<RunForecastDirect>(state);
}
BENCHMARK(BM_ForecastFullScanDirect)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// "A good day for all of us": fifty members born over sixty years, a day when everyone's
// overall value is 75% or more, searched for a hundred results. No such day comes in the
// century, so every day of the span is examined.
void BM_GroupForecast50(benchmark::State& state) {
    ForecastCriteria criteria;
    criteria.kind = ForecastKind::Sunny;
    criteria.limitByResults = true;
    criteria.resultsAmount = 100;
    criteria.startDate = EncodeDate(2026, 12, 8);
    std::vector<DateTime> births;
    for (int i = 0; i < 50; ++i) {
        births.push_back(EncodeDate(1950, 1, 1) + 443 * i);
    }
    for (auto _ : state) {
        GroupForecastResult result = RunGroupForecast(criteria, births, GroupMembers::All);
        if (!result.hits.empty()) {
            state.SkipWithError("the group had such a day; the scan was not complete");
            break;
        }
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_GroupForecast50)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

ForecastReportInput HundredHits() {
    ForecastReportInput input;
    input.name = "Anna <Smith> & \xD0\x96\xD0\xB0\xD0\xBD\xD0\xBD\xD0\xB0";
    input.birth = kBirth;
    input.criteria.sunny.overallLevel = 2;
    input.criteria.monthsAmount = 12;
    input.criteria.startDate = EncodeDate(2024, 1, 1);
    input.result = RunForecast(input.criteria, kBirth);
    return input;
}

// Building the page and writing it atomically (temporary file, sync, rename) into a folder.
void BM_ForecastReport100(benchmark::State& state) {
    const ForecastReportInput input = HundredHits();
    if (input.result.hits.size() != 100) {
        state.SkipWithError("the search did not find 100 days");
        return;
    }
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vitalune-bench-XXXXXX").string();
    const std::filesystem::path folder = ::mkdtemp(pattern.data());
    const std::filesystem::path file = folder / kForecastReportFileName;
    for (auto _ : state) {
        const ReportResult result = WriteForecastReport(input, file);
        if (!result) {
            state.SkipWithError(result.message.c_str());
            break;
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}
BENCHMARK(BM_ForecastReport100)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The page alone, without the file system.
void BM_ForecastReportHtml100(benchmark::State& state) {
    const ForecastReportInput input = HundredHits();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ForecastReportHtml(input));
    }
}
BENCHMARK(BM_ForecastReportHtml100)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

const bool kFigures =
    AddFigure(Time("forecast-full-scan", "ms", "BM_ForecastFullScan")) &&
    AddFigure(Time("group-forecast-50", "ms", "BM_GroupForecast50")) &&
    AddFigure(Ratio("forecast-speedup", "BM_ForecastFullScanDirect", "BM_ForecastFullScan")) &&
    AddFigure(Time("forecast-report-100", "ms", "BM_ForecastReport100")) &&
    AddFigure(Time("forecast-report-100-html", "ms", "BM_ForecastReportHtml100"));

}  // namespace
}  // namespace vitalune::bench
