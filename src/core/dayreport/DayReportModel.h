#pragma once
// What the day information window shows in each of its six views: the report date, heading
// lines and rows with values, days of cycle, tides, critical marks and weather bands or
// compatibility ratings. Plain data for the window's painter; the notes are in DayNotes.h.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/Compatibility.h"
#include "core/engine/Date.h"
#include "core/engine/Rhythm.h"

namespace vitalune {

// The values are fixed: the view cycle and the help topics depend on them.
enum class DayInfoMode : int {
    Primary = 1,
    Secondary = 2,
    IChing = 3,
    Compatibility = 4,
    Interaction = 5,
    Extra = 6,
};

// The charts show 32 days starting 16 days before the calculation date; this offset makes the
// report date the calculation date itself.
inline constexpr int kCalculationDayOffset = 16;

// calculationDate - 16 + dayOffset, the time of day kept. The offset has no limit; the date
// stops at the ends of the valid range.
DateTime ReportDate(DateTime calculationDate, std::int64_t dayOffset);

enum class TideDirection { Rising, Falling };

// dayOfCycle is 1-based and may be zero or negative before birth.
TideDirection TideOf(std::int32_t dayOfCycle, int period);

struct CycleDay {
    std::int32_t day = 0;  // (days lived rem period) + 1
    int period = 0;
    TideDirection tide = TideDirection::Rising;
    // "k/P".
    std::string Text() const;
};
CycleDay CycleDayOf(std::int32_t daysLived, int period);

struct DayPerson {
    std::string name;  // UTF-8
    DateTime birth = 0;
};

struct ViewRow {
    std::string_view label;
    RhythmId colourSlot = RhythmId::Physical;  // the chart pen whose colour the label takes
    std::int32_t value = 0;
    std::optional<CycleDay> cycle;       // Primary and I-Ching rows
    int criticalMarks = 0;               // red asterisks beside the value
    std::optional<int> weather;          // weather band 0..3 of the value
    std::optional<CompatRating> rating;  // Compatibility rows
};

struct ViewGroup {
    std::string_view title;  // "Basic rhythms", "Other rhythms"; empty in one-person views
    std::vector<ViewRow> rows;
    bool lineBeforeLast = false;  // the last row (an Overall) follows a separator line
};

struct DayView {
    DayInfoMode mode = DayInfoMode::Primary;
    std::vector<std::string> headings;  // centred lines above the table, UTF-8
    std::vector<ViewGroup> groups;
    std::vector<std::string_view> compositionLines;  // Secondary and Extra
    bool tideLegend = false;                         // Primary and I-Ching
    bool criticalLegend = false;                     // Primary
};

// The rows of a view. The one-person views use `first`; Compatibility and Interaction use both.
DayView ViewValues(DayInfoMode mode, const DayPerson& first, const DayPerson& second,
                   DateTime reportDate);

// The Interaction view's day record: each percentage the rounded mean of the two persons'
// values (I-Ching included); no critical flags.
DayRhythms InteractionDay(DateTime birthA, DateTime birthB, DateTime date);

// Overall values of the views that define their own.
std::int32_t IChingOverall(const DayRhythms& day);
std::int32_t ExtraOverall(const DayRhythms& day);

}  // namespace vitalune
