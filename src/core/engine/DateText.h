#pragma once
// The shared calendar name tables and the two short date texts used on charts and stamps.

#include <array>
#include <string>
#include <string_view>

#include "core/engine/Date.h"

namespace vitalune {

// Indexed 1..12 (index 0 is empty) so code can use the month number directly.
extern const std::array<std::string_view, 13> kMonthNames;
extern const std::array<std::string_view, 13> kShortMonthNames;
// Indexed 1..7 from Sunday, as DayOfWeek counts.
extern const std::array<std::string_view, 8> kWeekdayAbbrev;
extern const std::array<std::string_view, 8> kWeekdayNames;
// Month lengths of a common year, indexed 1..12; DaysInMonth adds the leap day.
extern const std::array<int, 13> kMonthLengths;

// "05 Jan 2008".
std::string DateText(DateTime date);
// "January, 2008"; month outside 1..12 gives an empty month name.
std::string MonthYearText(int month, int year);

}  // namespace vitalune
