#pragma once
// The matching window's criteria kept between runs under the settings key "BioMatch": the
// item indexes of its lists and its two check boxes. The base person is not kept here; the
// window takes it from the main window on every activation.

#include <string_view>

#include "core/matching/Matching.h"

namespace vitalune {

class SettingsStore;

inline constexpr std::string_view kMatchSettingsKey = "BioMatch";

// The Reset button's criteria: all groups, any sex, no age limit (0 to 95 years), "Ideal
// match" with its three Excellent boxes, at-least bands, sorted by name. The base person and
// the current year are left as they are.
void ResetMatchSettings(MatchCriteria& criteria);

// Reads the kept criteria into `criteria` (base person and year untouched). When the key or
// any of its values is missing or not a number, every kept criterion takes its default; an
// item index outside its list gives that one criterion its default. An age begin above the
// age end moves the end to it, as the boxes would.
void LoadMatchSettings(const SettingsStore& store, MatchCriteria& criteria);
// False when the store could not take every value.
bool SaveMatchSettings(SettingsStore& store, const MatchCriteria& criteria);

// A Group2 item beyond the database's groups (it was kept for a larger database) becomes
// "All groups".
void FitSearchGroup(MatchCriteria& criteria, std::size_t groupCount);

}  // namespace vitalune
