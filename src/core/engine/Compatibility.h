#pragma once
// How closely two persons' rhythms run in phase. Depends only on the whole days between the
// two dates of birth, never on the calculation date.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/engine/Date.h"

namespace vitalune {

// Field order of CompatibilityResult::values; matching records rely on it.
enum class CompatField : int {
    Physical = 0,
    Emotional = 1,
    Intellectual = 2,
    Intuitive = 3,
    Overall = 4,
    Aesthetic = 5,
    Awareness = 6,
    Spiritual = 7,
};
inline constexpr int kCompatFieldCount = 8;

// Periods in field order, without the Overall field: 23, 28, 33, 38, 43, 48, 53.
inline constexpr std::array<int, 7> kCompatPeriods = {23, 28, 33, 38, 43, 48, 53};

struct CompatibilityResult {
    std::array<std::int32_t, kCompatFieldCount> values{};
    std::int32_t operator[](CompatField f) const { return values[static_cast<std::size_t>(f)]; }
    friend bool operator==(const CompatibilityResult&, const CompatibilityResult&) = default;
};

CompatibilityResult ComputeCompatibility(DateTime birthA, DateTime birthB);

enum class CompatRating { Excellent, Good, Weak, None };

enum class PictureScheme : int { Hearts = 0, Stars = 1 };

CompatRating RateCompatibility(std::int32_t percent);
std::string_view RatingLabel(CompatRating rating);
std::uint32_t RatingScreenColour(CompatRating rating);   // 0x00BBGGRR
std::string_view RatingHtmlColour(CompatRating rating);  // "#RRGGBB"
// Index of the rating picture within one scheme's five pictures (0 is "Any").
int RatingPictureIndex(CompatRating rating);
// Index into the rating picture list holding both schemes.
int CompatPictureIndex(CompatRating rating, PictureScheme scheme);
int AnyPictureIndex(PictureScheme scheme);

// 0..7: bit set of compatible primary rhythms (1 Physical, 2 Emotional, 4 Intellectual);
// 8: perfect match.
using CompatCombination = int;
inline constexpr int kCompatCombinationCount = 9;
CompatCombination SelectCombination(std::int32_t physical, std::int32_t emotional,
                                    std::int32_t intellectual);
// A primary rhythm counts as compatible from this percentage on.
inline constexpr std::int32_t kCompatibleFrom = 60;

}  // namespace vitalune
