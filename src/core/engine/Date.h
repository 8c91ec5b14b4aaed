#pragma once
// Dates as the program counts them: a double whose integral part is the number of days since
// 30 December 1899 and whose fraction is the time of day. Only 1 Jan 0001 .. 31 Dec 9999 is
// valid; every operation that would leave that range clamps to its ends instead of wrapping.

#include <cstdint>
#include <optional>

namespace vitalune {

using DateTime = double;

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Day numbers of the first and last valid day.
inline constexpr std::int32_t kMinDay = -693593;  // 1 January 0001
inline constexpr std::int32_t kMaxDay = 2958465;  // 31 December 9999

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // 0 for a month outside 1..12
bool IsValidCivilDate(int year, int month, int day);

// The day number of a calendar date, or nothing for an impossible or out-of-range date.
std::optional<std::int32_t> TryEncodeDate(int year, int month, int day);
// Same, for dates known to be valid (asserts otherwise).
std::int32_t EncodeDate(int year, int month, int day);

// Whole-day number of a moment: truncated toward zero, clamped to the valid range.
std::int32_t WholeDay(DateTime moment);
CivilDate DecodeDate(DateTime moment);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(DateTime moment);

std::int32_t ClampDay(std::int64_t day);
bool IsInDateRange(std::int64_t day);

// Calendar steps on whole days, clamped to the valid range. Month and year steps keep the day
// of month where it exists and otherwise take the last day of the target month.
std::int32_t AddDays(std::int32_t day, std::int64_t delta);
std::int32_t AddMonths(std::int32_t day, std::int64_t months);

}  // namespace vitalune
