#pragma once
// The seventeen rhythm slots, how each is built, and the day record of one person on one day.
// Pure arithmetic on whole days; the charts compute their continuous curves pixel by pixel.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/engine/Date.h"

namespace vitalune {

enum class RhythmId : int {
    Physical = 0,
    Emotional = 1,
    Intellectual = 2,
    Intuitive = 3,
    Wisdom = 4,
    Mastery = 5,
    Passion = 6,
    Aesthetic = 7,
    Awareness = 8,
    Spiritual = 9,
    PrimaryOverall = 10,
    SecondaryOverall = 11,
    IChingOverall = 12,
    Perception = 13,
    Psychic = 14,
    Success = 15,
    ExtraOverall = 16,
};
inline constexpr int kRhythmCount = 17;

enum class RhythmFamily { Primary, Secondary, IChing, Extra };

struct RhythmInfo {
    std::string_view name;
    RhythmFamily family;
    int period;  // days for a single-period rhythm, 0 for a mean of other slots
    std::array<RhythmId, 3> components;
    int componentCount;
    std::string_view attribValueName;  // settings value of the slot's chart pen
};

// Indexed by RhythmId.
extern const std::array<RhythmInfo, kRhythmCount> kRhythmCatalogue;

inline const RhythmInfo& RhythmCatalogue(RhythmId id) {
    return kRhythmCatalogue[static_cast<std::size_t>(id)];
}
std::string_view RhythmName(RhythmId id);
// "Primary rhythms", "Secondary rhythms", "I-Ching", "Extra rhythms".
std::string_view FamilyCaption(RhythmFamily family);
// "I-Ching rhythms" for the I-Ching family, else the caption.
std::string_view FamilyText(RhythmFamily family);

struct DayRhythms {
    std::array<std::int32_t, 4> percent{};  // Physical, Emotional, Intellectual, Intuitive
    std::int32_t overall = 0;               // primary Overall
    std::array<bool, 4> critical{};
    std::int32_t criticalCount = 0;
    std::array<std::int32_t, 3> ichingPercent{};  // Aesthetic, Awareness, Spiritual
    friend bool operator==(const DayRhythms&, const DayRhythms&) = default;
};

// t truncated toward zero, plus one when the dropped fraction is at least one half.
std::int32_t RoundHalfUp(double x);
// Percentage of a two-component rhythm from its components' day percentages.
std::int32_t CompositePercent(std::int32_t a, std::int32_t b);
// The primary Overall from the unrounded day means of Physical, Emotional and Intellectual.
std::int32_t OverallPercent(double meanPhysical, double meanEmotional, double meanIntellectual);

std::int32_t DaysLived(DateTime birth, DateTime date);
// sin(2*pi*t / period), t in days lived with a fraction.

// Fills `out` for the day of `date`; the I-Ching fields only when `withIChing`.
void ComputeDayRhythms(DateTime birth, DateTime date, DayRhythms& out, bool withIChing);
// The same for out.size() consecutive days starting with the whole day `firstDay`.
void ComputeDayRhythmsSpan(DateTime birth, std::int32_t firstDay, std::span<DayRhythms> out,
                           bool withIChing);

// The plain per-day recipe, evaluating the sines every time. Kept as the reference the day
// tables are checked against and as the baseline the benchmarks compare with.
void ComputeDayRhythmsDirect(DateTime birth, DateTime date, DayRhythms& out, bool withIChing);

}  // namespace vitalune
