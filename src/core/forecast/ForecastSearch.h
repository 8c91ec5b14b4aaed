#pragma once
// The personal forecast: scans the days from a start date and lists those on which one
// person's primary rhythms meet the criteria (sunny, rainy, critical or stressful days).
// Pure computation over the per-period day tables; the window and the report are elsewhere.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/engine/Date.h"
#include "core/engine/Rhythm.h"

namespace vitalune {

enum class ForecastKind { Sunny, Rainy, Critical, Stress };

// Which stress pattern a Stress search lists.
enum class StressMode { All, Women, Men };

inline constexpr int kForecastHitCap = 100;
inline constexpr int kMaxMonthsAmount = 999;
// Days past the start a results search may examine (the last one is never listed).
inline constexpr std::int32_t kResultsSearchSpan = 36500;

// The options of one level-based page (Sunny or Rainy).
struct LevelCriteria {
    bool showAll = true;           // test the overall value only
    int overallLevel = 0;          // level item 0..2 for show-all
    std::array<bool, 4> rhythm{};  // Physical, Emotional, Intellectual, Intuitive chosen
    std::array<int, 4> level{};    // level item 0..2 per rhythm
    bool useAnd = false;           // AND (true) or OR over the chosen rhythms
    friend bool operator==(const LevelCriteria&, const LevelCriteria&) = default;
};

struct ForecastCriteria {
    ForecastKind kind = ForecastKind::Sunny;
    LevelCriteria sunny;
    LevelCriteria rainy;
    bool criticalShowAll = true;
    std::array<bool, 4> criticalRhythm{};
    bool criticalAnd = false;
    StressMode stressMode = StressMode::All;
    bool limitByResults = false;  // true: stop after resultsAmount hits; false: monthsAmount
    int resultsAmount = 20;       // 1..100
    int monthsAmount = 12;        // 1..999
    std::int32_t startDate = 0;   // first day examined
    friend bool operator==(const ForecastCriteria&, const ForecastCriteria&) = default;
};

// Sunny level item 0, 1, 2: a value passes from 75, 50, 25 on.
std::int32_t SunnyThreshold(int levelItem);
// Rainy level item 0, 1, 2: a value passes up to 24, 49, 74.
std::int32_t RainyBound(int levelItem);

// 101 or more results become 100, more than 999 months become 999, 0 (or less) becomes 1.
void NormaliseAmounts(ForecastCriteria& criteria);

// Whether a page tests the overall value (Sunny, Rainy) or any critical rhythm: show-all wins
// over the rhythm choices, and a page with no rhythm chosen counts as show-all. The one place
// of that rule; the kept settings and the command line go through it too.
bool ShowsAll(bool showAllChecked, const std::array<bool, 4>& rhythmChosen);
bool ShowsAll(const LevelCriteria& page);
bool ShowsAllCritical(const ForecastCriteria& criteria);

bool DayPasses(const ForecastCriteria& criteria, const DayRhythms& day);

struct ForecastHit {
    std::int32_t date = 0;
    DayRhythms day;  // without I-Ching values
    friend bool operator==(const ForecastHit&, const ForecastHit&) = default;
};

struct ForecastResult {
    std::vector<ForecastHit> hits;  // ascending dates, at most 100
    std::int32_t endDate = 0;       // the "to" date of the report's term
    // The scan would have passed 31 Dec 9999 and stopped on that day instead.
    bool stoppedAtLastDay = false;
    friend bool operator==(const ForecastResult&, const ForecastResult&) = default;
};

// Normalises a copy of the criteria's amounts and scans. An empty hit list means nothing was
// found.
ForecastResult RunForecast(const ForecastCriteria& criteria, DateTime birth);

// The same scan computing every day with the sine recipe: the reference for tests and the
// baseline for the benchmarks.
ForecastResult RunForecastDirect(const ForecastCriteria& criteria, DateTime birth);

// A group's forecast: a day is listed when every member passes the criteria, or, for critical
// and stress days, when any member does. Sunny and rainy days always ask every member.
enum class GroupMembers { All, Any };

// Whether the all/any choice means anything for a kind of search.
bool MembersModeApplies(ForecastKind kind);

struct GroupForecastHit {
    std::int32_t date = 0;
    std::vector<DayRhythms> members;  // in the order of the births given, overall filled in
    friend bool operator==(const GroupForecastHit&, const GroupForecastHit&) = default;
};

struct GroupForecastResult {
    std::vector<GroupForecastHit> hits;  // as ForecastResult
    std::int32_t endDate = 0;
    bool stoppedAtLastDay = false;
    friend bool operator==(const GroupForecastResult&, const GroupForecastResult&) = default;
};

// The same scan, term and hit limit as RunForecast, over every member's days. No members: no
// hits.
GroupForecastResult RunGroupForecast(const ForecastCriteria& criteria,
                                     std::span<const DateTime> births, GroupMembers members);

}  // namespace vitalune
