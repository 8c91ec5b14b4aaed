// Whatever the settings store holds under "ForthToTheFuture", the forecast options read from it
// are in range, keep show-all exactly when no rhythm is chosen, survive a save and load, and
// give criteria whose search stays within its limits.
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "core/forecast/ForecastSettings.h"
#include "core/settings/MemorySettingsStore.h"

namespace {

using namespace vitalune;

constexpr std::string_view kNames[] = {
    "Showallsunny", "Sphcheck",    "Semcheck",        "Sinlcheck", "Sinvcheck",    "Sday",
    "Sphday",       "Semday",      "Sinlday",         "Sinvday",   "Showallrainy", "Rphcheck",
    "Remcheck",     "Rinlcheck",   "Rinvcheck",       "Rday",      "Rphday",       "Remday",
    "Rinlday",      "Rinvday",     "Showallcritical", "Cphcheck",  "Cemcheck",     "Cinlcheck",
    "Cinvcheck",    "ResultsAmnt", "MonthsAmnt",      "Str_mode",
};

using fuzz::Check;
using Input = fuzz::FuzzInput;

bool NoneChosen(const std::array<bool, 4>& chosen) {
    return !chosen[0] && !chosen[1] && !chosen[2] && !chosen[3];
}

void CheckPage(const LevelCriteria& page) {
    Check(page.showAll == NoneChosen(page.rhythm));
    Check(page.overallLevel >= 0 && page.overallLevel <= 2);
    for (int level : page.level) {
        Check(level >= 0 && level <= 2);
    }
    Check(!page.useAnd);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    Input in(data, size);
    MemorySettingsStore store;
    fuzz::FillSettings(in, store, kForecastSettingsKey, kNames, 4);
    const ForecastSettings settings = LoadForecastSettings(store);
    CheckPage(settings.sunny);
    CheckPage(settings.rainy);
    Check(settings.criticalShowAll == NoneChosen(settings.criticalRhythm));
    Check(ParseAmount(settings.resultsAmount).has_value());
    Check(ParseAmount(settings.monthsAmount).has_value());

    MemorySettingsStore again;
    Check(SaveForecastSettings(again, settings));
    Check(LoadForecastSettings(again) == settings);

    ForecastChoices choices;
    choices.kind = static_cast<ForecastKind>(in.Byte() % 4);
    choices.sunnyAnd = in.Byte() & 1;
    choices.rainyAnd = in.Byte() & 1;
    choices.criticalAnd = in.Byte() & 1;
    choices.limitByResults = in.Byte() & 1;
    choices.startDate = kMinDay + static_cast<std::int32_t>(static_cast<std::uint32_t>(in.Int()) %
                                                            (kMaxDay - kMinDay + 1));
    const auto made = MakeForecastCriteria(settings, choices);
    Check(std::holds_alternative<ForecastCriteria>(made));
    const ForecastCriteria& criteria = std::get<ForecastCriteria>(made);
    Check(criteria.resultsAmount >= 1 && criteria.resultsAmount <= 100);
    Check(criteria.monthsAmount >= 1 && criteria.monthsAmount <= 999);

    const DateTime birth = kMinDay + static_cast<std::uint32_t>(in.Int()) % (kMaxDay - kMinDay + 1);
    const ForecastResult result = RunForecast(criteria, birth);
    const std::size_t cap = criteria.limitByResults ? criteria.resultsAmount : 100;
    Check(result.hits.size() <= cap);
    Check(result.endDate >= criteria.startDate && result.endDate <= kMaxDay);
    std::int32_t previous = criteria.startDate - 1;
    for (const ForecastHit& hit : result.hits) {
        Check(hit.date > previous && hit.date <= result.endDate);
        Check(DayPasses(criteria, hit.day));
        previous = hit.date;
    }
    return 0;
}
