#include "core/forecast/ForecastSettings.h"

#include <algorithm>

#include "core/settings/SettingsStore.h"

namespace vitalune {

namespace {

constexpr std::string_view kKey = kForecastSettingsKey;

// Value names of one level page: show-all box, its level box, then per rhythm check box and
// level box.
struct PageNames {
    std::string_view showAll;
    std::string_view overallLevel;
    std::array<std::string_view, 4> rhythm;
    std::array<std::string_view, 4> level;
};

constexpr PageNames kSunnyNames = {"Showallsunny",
                                   "Sday",
                                   {"Sphcheck", "Semcheck", "Sinlcheck", "Sinvcheck"},
                                   {"Sphday", "Semday", "Sinlday", "Sinvday"}};
constexpr PageNames kRainyNames = {"Showallrainy",
                                   "Rday",
                                   {"Rphcheck", "Remcheck", "Rinlcheck", "Rinvcheck"},
                                   {"Rphday", "Remday", "Rinlday", "Rinvday"}};
constexpr std::string_view kCriticalShowAll = "Showallcritical";
constexpr std::array<std::string_view, 4> kCriticalNames = {"Cphcheck", "Cemcheck", "Cinlcheck",
                                                            "Cinvcheck"};

int ReadLevel(const SettingsStore& store, std::string_view name) {
    const std::int32_t item = ReadInt(store, kKey, name, 0);
    return item >= 0 && item <= 2 ? item : 0;
}

// The window checks show-all whenever no rhythm is, and checking show-all clears them.
void KeepShowAllRule(bool& showAll, std::array<bool, 4>& rhythm) {
    showAll = ShowsAll(showAll, rhythm);
    if (showAll) {
        rhythm = {};
    }
}

LevelCriteria LoadPage(const SettingsStore& store, const PageNames& names) {
    LevelCriteria page;
    page.showAll = ReadBool(store, kKey, names.showAll, true);
    page.overallLevel = ReadLevel(store, names.overallLevel);
    for (std::size_t i = 0; i < 4; ++i) {
        page.rhythm[i] = ReadBool(store, kKey, names.rhythm[i], false);
        page.level[i] = ReadLevel(store, names.level[i]);
    }
    KeepShowAllRule(page.showAll, page.rhythm);
    return page;
}

bool SavePage(SettingsStore& store, const PageNames& names, const LevelCriteria& page) {
    bool ok = WriteBool(store, kKey, names.showAll, page.showAll);
    ok = WriteInt(store, kKey, names.overallLevel, page.overallLevel) && ok;
    for (std::size_t i = 0; i < 4; ++i) {
        ok = WriteBool(store, kKey, names.rhythm[i], page.rhythm[i]) && ok;
        ok = WriteInt(store, kKey, names.level[i], page.level[i]) && ok;
    }
    return ok;
}

std::string ReadAmount(const SettingsStore& store, std::string_view name,
                       std::string_view fallback) {
    std::string text = ReadString(store, kKey, name, fallback);
    return ParseAmount(text) ? text : std::string{fallback};
}

StressMode StressModeOf(std::int32_t value) {
    switch (value) {
        case 1:
            return StressMode::All;
        case 2:
            return StressMode::Women;
        default:
            return StressMode::Men;
    }
}

std::int32_t StressModeValue(StressMode mode) {
    switch (mode) {
        case StressMode::All:
            return 1;
        case StressMode::Women:
            return 2;
        case StressMode::Men:
            break;
    }
    return 3;
}

}  // namespace

ForecastSettings DefaultForecastSettings() {
    return {};
}

ForecastSettings LoadForecastSettings(const SettingsStore& store) {
    ForecastSettings settings = DefaultForecastSettings();
    if (!store.HasKey(kKey)) {
        return settings;
    }
    settings.sunny = LoadPage(store, kSunnyNames);
    settings.rainy = LoadPage(store, kRainyNames);
    settings.criticalShowAll = ReadBool(store, kKey, kCriticalShowAll, true);
    for (std::size_t i = 0; i < 4; ++i) {
        settings.criticalRhythm[i] = ReadBool(store, kKey, kCriticalNames[i], false);
    }
    KeepShowAllRule(settings.criticalShowAll, settings.criticalRhythm);
    settings.resultsAmount = ReadAmount(store, "ResultsAmnt", settings.resultsAmount);
    settings.monthsAmount = ReadAmount(store, "MonthsAmnt", settings.monthsAmount);
    if (const auto mode = ReadInt(store, kKey, "Str_mode")) {
        settings.stressMode = StressModeOf(*mode);
    }
    return settings;
}

bool SaveForecastSettings(SettingsStore& store, const ForecastSettings& settings) {
    bool ok = SavePage(store, kSunnyNames, settings.sunny);
    ok = SavePage(store, kRainyNames, settings.rainy) && ok;
    ok = WriteBool(store, kKey, kCriticalShowAll, settings.criticalShowAll) && ok;
    for (std::size_t i = 0; i < 4; ++i) {
        ok = WriteBool(store, kKey, kCriticalNames[i], settings.criticalRhythm[i]) && ok;
    }
    ok = WriteString(store, kKey, "ResultsAmnt", settings.resultsAmount) && ok;
    ok = WriteString(store, kKey, "MonthsAmnt", settings.monthsAmount) && ok;
    ok = WriteInt(store, kKey, "Str_mode", StressModeValue(settings.stressMode)) && ok;
    return ok;
}

std::optional<int> ParseAmount(std::string_view text) {
    if (text.empty() || text.size() > kAmountFieldLength ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
    }
    return value;
}

std::variant<ForecastCriteria, std::string> MakeForecastCriteria(const ForecastSettings& settings,
                                                                 const ForecastChoices& choices) {
    const auto results = ParseAmount(settings.resultsAmount);
    const auto months = ParseAmount(settings.monthsAmount);
    if (choices.limitByResults && !results) {
        return std::string{"Please enter the number of results to show."};
    }
    if (!choices.limitByResults && !months) {
        return std::string{"Please enter the number of months to search."};
    }
    ForecastCriteria c;
    c.kind = choices.kind;
    c.sunny = settings.sunny;
    c.sunny.useAnd = choices.sunnyAnd;
    c.rainy = settings.rainy;
    c.rainy.useAnd = choices.rainyAnd;
    c.criticalShowAll = settings.criticalShowAll;
    c.criticalRhythm = settings.criticalRhythm;
    c.criticalAnd = choices.criticalAnd;
    c.stressMode = settings.stressMode;
    c.limitByResults = choices.limitByResults;
    c.resultsAmount = results.value_or(c.resultsAmount);
    c.monthsAmount = months.value_or(c.monthsAmount);
    c.startDate = choices.startDate;
    NormaliseAmounts(c);
    return c;
}

}  // namespace vitalune
