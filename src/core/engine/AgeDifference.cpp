#include "core/engine/AgeDifference.h"

#include <algorithm>
#include <cstdlib>

#include "core/engine/Date.h"

namespace vitalune {

namespace {

// A count of twelve months from (year, month) holds the leap day of `year` when it starts in
// January or February, otherwise that of the following year.
int YearSpanLength(int year, int month) {
    return IsLeapYear(month <= 2 ? year : year + 1) ? 366 : 365;
}

std::string Counted(int n, const char* one, const char* many) {
    return std::to_string(n) + (n == 1 ? one : many);
}

}  // namespace

AgeDifference ComputeAgeDifference(std::int32_t birthA, std::int32_t birthB) {
    const std::int32_t earlier = std::min(ClampDay(birthA), ClampDay(birthB));
    const std::int32_t later = std::max(ClampDay(birthA), ClampDay(birthB));
    const CivilDate start = DecodeDate(earlier);
    std::int64_t left = static_cast<std::int64_t>(later) - earlier;
    int year = start.year;
    int month = start.month;
    AgeDifference d;
    while (left >= YearSpanLength(year, month)) {
        left -= YearSpanLength(year, month);
        ++year;
        ++d.years;
    }
    while (left >= DaysInMonth(year, month)) {
        left -= DaysInMonth(year, month);
        if (++month > 12) {
            month = 1;
            ++year;
        }
        ++d.months;
    }
    d.days = static_cast<int>(left);
    return d;
}

std::string AgeDifferenceText(const AgeDifference& difference) {
    return " Age difference: " + Counted(difference.years, " year, ", " years, ") +
           Counted(difference.months, " month, ", " months, ") +
           Counted(difference.days, " day", " days");
}

}  // namespace vitalune
