// vitalune-cli's command line: any words either stop with a usage error or give forecast and
// matching criteria in range (the matching ones choosing a person of the file and giving a
// result list of the right shape), and the commands that only reckon end with a known exit
// code and a reason for every usage error. Words are separated by NUL bytes; the first byte
// chooses what reads them, and for a whole command the last word is its standard input.
#include <sstream>
#include <string>
#include <vector>

#include "FuzzMatching.h"
#include "app/cli/Cli.h"
#include "app/cli/CliCriteria.h"
#include "core/reports/ForecastReport.h"

namespace {

using namespace vitalune;
using fuzz::Check;

void CheckLevels(const LevelCriteria& page) {
    Check(page.overallLevel >= 0 && page.overallLevel <= 2);
    for (int level : page.level) {
        Check(level >= 0 && level <= 2);
    }
}

void ReadForecast(const std::vector<std::string>& words) {
    const cli::CliArgs args(words,
                            {"--birth", "--start", "--kind", "--overall-level", "--rhythm",
                             "--stress", "--results", "--months", "--ics", "--csv", "--name"},
                            {"--show-all", "--and", "--or", "--json"});
    const ForecastCriteria c = cli::ForecastCriteriaFromArgs(args);
    Check(IsInDateRange(c.startDate));
    Check(c.resultsAmount >= 1 && c.resultsAmount <= kForecastHitCap);
    Check(c.monthsAmount >= 1 && c.monthsAmount <= kMaxMonthsAmount);
    Check(c.limitByResults == args.Has("--results"));
    CheckLevels(c.sunny);
    CheckLevels(c.rainy);
    const LevelCriteria untouched;
    switch (c.kind) {
        case ForecastKind::Sunny:
        case ForecastKind::Rainy: {
            const LevelCriteria& page = c.kind == ForecastKind::Sunny ? c.sunny : c.rainy;
            Check(page.showAll == ShowsAll(args.Has("--show-all"), page.rhythm));
            Check(page.useAnd == args.Has("--and"));
            Check((c.kind == ForecastKind::Sunny ? c.rainy : c.sunny) == untouched);
            break;
        }
        case ForecastKind::Critical:
            Check(c.criticalShowAll == ShowsAll(args.Has("--show-all"), c.criticalRhythm));
            [[fallthrough]];
        case ForecastKind::Stress:
            Check(c.sunny == untouched && c.rainy == untouched);
    }
    Check(!SearchOptionLines(c).empty());
}

void ReadMatch(const std::vector<std::string>& words) {
    const cli::CliArgs args(words,
                            {"--group", "--person", "--in-group", "--sex", "--age", "--pattern",
                             "--ratings", "--sort", "--today"},
                            {"--exact", "--json"});
    const NamesDatabase& db = fuzz::Database();
    const MatchCriteria c = cli::MatchCriteriaFromArgs(args, db);
    fuzz::CheckCriteria(c);
    Check(c.baseGroup < db.GroupCount() && c.basePerson < db.Persons(c.baseGroup).size());
    Check(static_cast<std::size_t>(c.searchItem) <= db.GroupCount());
    Check(c.exact == args.Has("--exact") && c.ageCheck == args.Has("--age"));
    fuzz::CheckResult(c, RunMatching(c, db));
}

// Only the commands that neither read nor write files nor search for long.
void RunCommand(std::vector<std::string> words) {
    const std::string input = words.back();
    words.pop_back();
    if (!words.empty()) {
        for (const char* busy : {"db", "birthdays", "forecast", "match", "report"}) {
            if (words.front() == busy) {
                return;
            }
        }
    }
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    cli::CliIo io{in, out, err};
    const int code = cli::RunCli(words, io);
    Check(code == cli::kExitOk || code == cli::kExitFailed || code == cli::kExitUsage);
    Check(code != cli::kExitUsage || !err.str().empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    std::vector<std::string> words(1);
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == '\0') {
            words.emplace_back();
        } else {
            words.back() += static_cast<char>(data[i]);
        }
    }
    try {
        switch (data[0] % 3) {
            case 0:
                ReadForecast(words);
                break;
            case 1:
                ReadMatch(words);
                break;
            default:
                RunCommand(words);
        }
    } catch (const cli::UsageError&) {
        // a mistake in the words, told to the user
    }
    return 0;
}
