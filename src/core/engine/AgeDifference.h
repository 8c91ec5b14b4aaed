#pragma once
// How far apart two dates of birth lie, in whole years, months and days, counted forward from
// the earlier one, and the status bar's wording of it.

#include <cstdint>
#include <string>

namespace vitalune {

struct AgeDifference {
    int years = 0;
    int months = 0;
    int days = 0;
    friend bool operator==(const AgeDifference&, const AgeDifference&) = default;
};

// Order of the arguments does not matter. A year is as long as the twelve months that follow
// the current starting point (366 days when they hold a 29 February), a month as long as the
// calendar month it starts in; what is left is days.
AgeDifference ComputeAgeDifference(std::int32_t birthA, std::int32_t birthB);

// " Age difference: 1 year, 2 months, 0 days".
std::string AgeDifferenceText(const AgeDifference& difference);

}  // namespace vitalune
