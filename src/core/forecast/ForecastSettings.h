#pragma once
// The forecast window's options kept between runs under the settings key "ForthToTheFuture":
// check boxes, level items, the two amount texts and the stress choice. The OR/AND choices,
// months/results choice and start date are not kept and always start as OR, months and today.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/forecast/ForecastSearch.h"

namespace vitalune {

class SettingsStore;

inline constexpr std::string_view kForecastSettingsKey = "ForthToTheFuture";
// An amount field holds at most this many digits.
inline constexpr std::size_t kAmountFieldLength = 3;

struct ForecastSettings {
    LevelCriteria sunny;  // useAnd is not kept and stays OR
    LevelCriteria rainy;
    bool criticalShowAll = true;
    std::array<bool, 4> criticalRhythm{};
    std::string resultsAmount = "20";
    std::string monthsAmount = "12";
    StressMode stressMode = StressMode::All;
    friend bool operator==(const ForecastSettings&, const ForecastSettings&) = default;
};

// The Reset button's state, also used when the key has never been written.
ForecastSettings DefaultForecastSettings();

// Missing or unusable values take their defaults: a level item outside 0..2 becomes 0, an
// amount that is not one to three digits becomes its default, Str_mode 1 is all, 2 women, any
// other number men. Each page keeps show-all checked exactly when none of its rhythms is.
ForecastSettings LoadForecastSettings(const SettingsStore& store);
// False when the store could not take every value.
bool SaveForecastSettings(SettingsStore& store, const ForecastSettings& settings);

// One to three digits; anything else (an empty field included) is not an amount.
std::optional<int> ParseAmount(std::string_view text);

struct ForecastChoices {
    ForecastKind kind = ForecastKind::Sunny;
    bool sunnyAnd = false;
    bool rainyAnd = false;
    bool criticalAnd = false;
    bool limitByResults = false;
    std::int32_t startDate = 0;
};

// The criteria of a search with normalised amounts, or the message telling the user that the
// amount field in use needs a number.
std::variant<ForecastCriteria, std::string> MakeForecastCriteria(const ForecastSettings& settings,
                                                                 const ForecastChoices& choices);

}  // namespace vitalune
