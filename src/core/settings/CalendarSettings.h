#pragma once
// The month calendar's four fonts and its three switches, kept under the settings subkey
// "CalendSet". A font whose stored text cannot be read is the program's default font (the
// main window's), which the window supplies: here it is an empty optional.

#include <optional>

#include "core/settings/FontText.h"

namespace vitalune {

class SettingsStore;

inline constexpr std::string_view kCalendarSettingsKey = "CalendSet";

struct CalendarSettings {
    std::optional<FontText> month;     // "HeadMonth": the month heading
    std::optional<FontText> name;      // "PersName": the name line
    std::optional<FontText> dayNames;  // "DaysNames": the weekday names of the grid
    std::optional<FontText> digits;    // "CalendDigitsBar": the day numbers of the grid
    bool showName = true;              // "ShowName"
    bool showAge = true;               // "ShowAge"
    bool showDob = true;               // "ShowDOB"
    friend bool operator==(const CalendarSettings&, const CalendarSettings&) = default;
};

// The fonts of "Reset" and of a first start: Arial 20 grey bold, Arial 12 black bold, Arial 18
// maroon bold, Arial 20 black bold; all switches on.
CalendarSettings DefaultCalendarSettings();

// The defaults when the subkey does not exist or cannot be read.
CalendarSettings LoadCalendarSettings(const SettingsStore& store);
// False when the settings could not take it.
bool SaveCalendarSettings(SettingsStore& store, const CalendarSettings& settings);

}  // namespace vitalune
