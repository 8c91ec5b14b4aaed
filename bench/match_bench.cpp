// Matching over a names database of a million persons: the window's run with its cache of the
// persons' facts and its kept result list against the same run reading every line anew, and
// group.htm for 10,000 found persons written to a file.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "BenchMain.h"
#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/matching/Matching.h"
#include "core/reports/GroupReport.h"

namespace vitalune::bench {
namespace {

constexpr std::array<const char*, 16> kFirstNames = {
    "Ann",  "John", "Mary",  "Peter", "Jos\xC3\xA9", "Zo\xC3\xAB", "Lars",  "Olivia",
    "Noah", "Emma", "Lucas", "Mia",   "Chloe",       "Ethan",      "Sofia", "Ivan"};
constexpr std::array<const char*, 16> kLastNames = {
    "Smith", "Jones",  "M\xC3\xBCller", "Garcia", "Brown",   "Dubois", "Rossi", "Novak",
    "Silva", "Taylor", "Martin",        "Weber",  "Nielsen", "Costa",  "Berg",  "Walker"};

const FixedClock kClock(EncodeDate(2030, 6, 15));

// `persons` valid person lines spread over `groups` groups, each line "First Last 123456".
NamesDatabase MakeDatabase(std::size_t persons, std::size_t groups) {
    std::mt19937 random(19700105);
    std::vector<std::string> byGroup(groups);
    for (std::size_t g = 0; g < groups; ++g) {
        byGroup[g] = "#Group " + std::to_string(g + 1) + "|" + std::to_string(g % 48) + "\r\n";
    }
    char date[16];
    for (std::size_t i = 0; i < persons; ++i) {
        std::string& text = byGroup[i % groups];
        text += kFirstNames[random() % kFirstNames.size()];
        text += ' ';
        text += kLastNames[random() % kLastNames.size()];
        text += ' ';
        text += std::to_string(100000 + random() % 900000);
        std::snprintf(
            date, sizeof date, "|%02u.%02u.%04u|", 1 + static_cast<unsigned>(random() % 28),
            1 + static_cast<unsigned>(random() % 12), 1920 + static_cast<unsigned>(random() % 90));
        text += date;
        text += random() % 2 ? "M\r\n" : "F\r\n";
    }
    std::string all;
    for (const std::string& text : byGroup) {
        all += text;
    }
    NamesDatabase database(kClock);
    database.LoadFromBytes(std::move(all));
    database.ReadAllGroups();  // as the first search leaves it
    return database;
}

const NamesDatabase& Million() {
    static const NamesDatabase database = MakeDatabase(1'000'000, 10);
    return database;
}

MatchCriteria Criteria(int pattern) {
    MatchCriteria c;
    c.currentYear = 2030;
    ApplyPattern(c, pattern);
    return c;
}

// The window's way: the facts are read once per database revision.
template <int Pattern>
void MatchCached(benchmark::State& state) {
    const NamesDatabase& db = Million();
    const MatchCriteria criteria = Criteria(Pattern);
    MatchCache cache;
    MatchResult result;  // the window's one list, overwritten by every run
    RunMatching(criteria, db, cache, result);
    for (auto _ : state) {
        RunMatching(criteria, db, cache, result);
        benchmark::DoNotOptimize(result);
    }
    state.counters["found"] = static_cast<double>(result.found);
}

// Baseline: the same run with every line parsed anew (a fresh cache each time).
template <int Pattern>
void MatchFresh(benchmark::State& state) {
    const NamesDatabase& db = Million();
    const MatchCriteria criteria = Criteria(Pattern);
    MatchResult result;
    MatchCache first;
    RunMatching(criteria, db, first, result);
    for (auto _ : state) {
        MatchCache fresh;
        RunMatching(criteria, db, fresh, result);
        benchmark::DoNotOptimize(result);
    }
}

void BM_MatchSpecial1M(benchmark::State& state) {
    MatchCached<kSpecialSearchPattern>(state);
}
void BM_MatchIdeal1M(benchmark::State& state) {
    MatchCached<kIdealMatchPattern>(state);
}
void BM_MatchSpecial1MFresh(benchmark::State& state) {
    MatchFresh<kSpecialSearchPattern>(state);
}
void BM_MatchIdeal1MFresh(benchmark::State& state) {
    MatchFresh<kIdealMatchPattern>(state);
}
BENCHMARK(BM_MatchSpecial1M)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_MatchIdeal1M)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_MatchSpecial1MFresh)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_MatchIdeal1MFresh)->Unit(benchmark::kMillisecond)->Repetitions(5);

// group.htm of 10,000 found persons in two groups: the page built and written atomically.
void BM_GroupReport10k(benchmark::State& state) {
    const NamesDatabase db = MakeDatabase(10'001, 2);
    const MatchCriteria criteria = Criteria(kSpecialSearchPattern);
    const MatchResult result = RunMatching(criteria, db);
    if (result.found != 10'000) {
        state.SkipWithError("the search did not find 10,000 persons");
        return;
    }
    GroupReportInput input;
    const Person base = SplitPersonLine(db.Persons(0)[0]);
    input.baseName = base.name;
    input.baseBirth = ParseDob(base.dateText);
    input.searchAmong = SearchAmongCaption(criteria, db);
    input.criteria = criteria;
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vitalune-bench-XXXXXX").string();
    const std::filesystem::path folder = ::mkdtemp(pattern.data());
    const std::filesystem::path file = folder / kGroupReportFileName;
    for (auto _ : state) {
        const ReportResult written = WriteGroupReport(input, result, file);
        if (!written) {
            state.SkipWithError(written.reason.c_str());
            break;
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}
BENCHMARK(BM_GroupReport10k)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

const bool kFigures =
    AddFigure(Time("match-1m-special", "ms", "BM_MatchSpecial1M")) &&
    AddFigure(Time("match-1m-ideal", "ms", "BM_MatchIdeal1M")) &&
    AddFigure(Ratio("match-speedup", "BM_MatchIdeal1MFresh", "BM_MatchIdeal1M")) &&
    AddFigure(Ratio("match-speedup-special", "BM_MatchSpecial1MFresh", "BM_MatchSpecial1M")) &&
    AddFigure(Time("group-report-10k", "ms", "BM_GroupReport10k"));

}  // namespace
}  // namespace vitalune::bench
