#pragma once
// The interpretive notes of the Primary and Compatibility views: which day text, instability
// and extreme notes a day gets and the order they are told in. The random choice of the day
// text's variant comes from the caller's RandomSource so tests can fix it.

#include <string>
#include <string_view>
#include <vector>

#include "core/engine/Clock.h"
#include "core/engine/Compatibility.h"
#include "core/engine/Rhythm.h"

namespace vitalune {

// The day text shown last; the window keeps it for its whole life and the report reads it.
struct DayTextChoice {
    int combination = 0;
    int variant = 0;
    friend bool operator==(const DayTextChoice&, const DayTextChoice&) = default;
};

struct NoteParagraph {
    enum class Kind { Heading, Body };
    Kind kind = Kind::Body;
    std::string text;  // may hold line feeds, which start new lines
    friend bool operator==(const NoteParagraph&, const NoteParagraph&) = default;
};
using DayNotes = std::vector<NoteParagraph>;

// A primary rhythm is at its maximum from this percentage on, and at its minimum below
// kMinimumBelow.
inline constexpr std::int32_t kMaximumFrom = 90;
inline constexpr std::int32_t kMinimumBelow = 10;

// 8 x [Physical >= 50] + 4 x [Emotional >= 50] + 2 x [Intellectual >= 50] + [Intuitive >= 50].
int SignCombination(const DayRhythms& day);
// "+ - + -": one sign per primary rhythm, blank-separated.
std::string SignHeading(const DayRhythms& day);

// Picks the variant for `combination` (40 %, 40 %, 20 %), never the one shown last for the
// same combination, and stores the choice.
int ChooseDayVariant(int combination, DayTextChoice& choice, RandomSource& random);

// Primary rhythms (0..3) whose instability notes the day gets: those critical on the day.
std::vector<int> InstabilityNoteIndexes(const DayRhythms& day);
// ExtremeTexts indexes of the day: one combination note (0..3) or per-rhythm minima (4..7)
// and maxima (8..11) in rhythm order.
std::vector<int> ExtremeNoteIndexes(const DayRhythms& day);

// The notes of the Primary view; chooses a new day text and updates `choice`.
DayNotes ComposeDayNotes(const DayRhythms& day, DayTextChoice& choice, RandomSource& random);
DayNotes ComposeCompatibilityNotes(const CompatibilityResult& result);

}  // namespace vitalune
