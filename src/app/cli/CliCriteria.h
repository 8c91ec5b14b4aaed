#pragma once
// The search options of "forecast" and "match" (and of their reports) read into criteria
// without running a search or touching a file, so that fuzz targets and tests reach the option
// readers alone. Each throws a UsageError naming the option at fault.

#include "app/cli/CliArgs.h"
#include "core/forecast/ForecastSearch.h"
#include "core/matching/Matching.h"

namespace vitalune {
class NamesDatabase;
}

namespace vitalune::cli {

ForecastCriteria ForecastCriteriaFromArgs(const CliArgs& args);
// --group and --person must choose a person of db; without --today the year is this one.
MatchCriteria MatchCriteriaFromArgs(const CliArgs& args, const NamesDatabase& db);

}  // namespace vitalune::cli
