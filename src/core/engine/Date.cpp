#include "core/engine/Date.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cmath>

namespace vitalune {

namespace {

namespace chr = std::chrono;

// Days between 30 December 1899 and the Unix epoch of std::chrono::sys_days.
constexpr std::int32_t kUnixEpochDay = 25569;

CivilDate DecodeWholeDay(std::int32_t day) {
    const chr::sys_days sd{chr::days{static_cast<std::int64_t>(day) - kUnixEpochDay}};
    const chr::year_month_day ymd{sd};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return kLengths[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool IsValidCivilDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

std::optional<std::int32_t> TryEncodeDate(int year, int month, int day) {
    if (!IsValidCivilDate(year, month, day)) {
        return std::nullopt;
    }
    const chr::year_month_day ymd{chr::year{year}, chr::month{static_cast<unsigned>(month)},
                                  chr::day{static_cast<unsigned>(day)}};
    const auto count = chr::sys_days{ymd}.time_since_epoch().count();
    return static_cast<std::int32_t>(count + kUnixEpochDay);
}

std::int32_t EncodeDate(int year, int month, int day) {
    const auto encoded = TryEncodeDate(year, month, day);
    assert(encoded.has_value());
    return encoded.value_or(0);
}

std::int32_t ClampDay(std::int64_t day) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(day, kMinDay, kMaxDay));
}

bool IsInDateRange(std::int64_t day) {
    return day >= kMinDay && day <= kMaxDay;
}

std::int32_t WholeDay(DateTime moment) {
    if (std::isnan(moment)) {
        return 0;
    }
    if (moment <= kMinDay) {
        return kMinDay;
    }
    if (moment >= kMaxDay) {
        return kMaxDay;
    }
    return static_cast<std::int32_t>(moment);  // truncates toward zero
}

CivilDate DecodeDate(DateTime moment) {
    return DecodeWholeDay(WholeDay(moment));
}

int DayOfWeek(DateTime moment) {
    // Day 0 (30 Dec 1899) was a Saturday.
    const std::int64_t day = WholeDay(moment);
    const std::int64_t fromSunday = ((day + 6) % 7 + 7) % 7;
    return static_cast<int>(fromSunday) + 1;
}

std::int32_t AddDays(std::int32_t day, std::int64_t delta) {
    return ClampDay(static_cast<std::int64_t>(day) + delta);
}

std::int32_t AddMonths(std::int32_t day, std::int64_t months) {
    const CivilDate c = DecodeWholeDay(ClampDay(day));
    const std::int64_t index = static_cast<std::int64_t>(c.year) * 12 + (c.month - 1) + months;
    if (index < 12) {
        return kMinDay;
    }
    if (index > 9999 * 12 + 11) {
        return kMaxDay;
    }
    const int year = static_cast<int>(index / 12);
    const int month = static_cast<int>(index % 12) + 1;
    return EncodeDate(year, month, std::min(c.day, DaysInMonth(year, month)));
}

}  // namespace vitalune
