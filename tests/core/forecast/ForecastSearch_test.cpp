#include "core/forecast/ForecastSearch.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "core/engine/DateText.h"

namespace vitalune {
namespace {

const std::int32_t kBirth = EncodeDate(1970, 1, 5);
using DayTest = std::function<bool(const DayRhythms&)>;

DayRhythms Record(std::int32_t day) {
    DayRhythms record;
    ComputeDayRhythms(kBirth, day, record, false);
    return record;
}

ForecastCriteria Months(ForecastKind kind, std::int32_t start, int months) {
    ForecastCriteria c;
    c.kind = kind;
    c.startDate = start;
    c.monthsAmount = months;
    return c;
}

ForecastCriteria Results(ForecastKind kind, std::int32_t start, int results) {
    ForecastCriteria c = Months(kind, start, 12);
    c.limitByResults = true;
    c.resultsAmount = results;
    return c;
}

// Every listed day passes and every other day of [first, last] does not.
void ExpectExactly(const ForecastResult& result, std::int32_t first, std::int32_t last,
                   const DayTest& passes) {
    std::size_t next = 0;
    for (std::int32_t day = first; day <= last; ++day) {
        const bool listed = next < result.hits.size() && result.hits[next].date == day;
        EXPECT_EQ(listed, passes(Record(day))) << DateText(day);
        if (listed) {
            EXPECT_EQ(result.hits[next].day, Record(day));
            ++next;
        }
    }
    EXPECT_EQ(next, result.hits.size());
}

// Level items 0, 1 and 2 are used by the searches below; others stay on the scale.
TEST(ForecastSearch, LevelItemsAndAmounts) {
    EXPECT_EQ(SunnyThreshold(7), 25);
    EXPECT_EQ(RainyBound(7), 74);
    EXPECT_EQ(SunnyThreshold(-3), 75);
    EXPECT_EQ(RainyBound(-3), 24);
    const std::array<int, 4> amounts[] = {
        {150, 0, 100, 1}, {0, 1000, 1, 999}, {101, 999, 100, 999}, {-5, -5, 1, 1}};
    for (const auto& [results, months, normalResults, normalMonths] : amounts) {
        ForecastCriteria c;
        c.resultsAmount = results;
        c.monthsAmount = months;
        NormaliseAmounts(c);
        EXPECT_EQ(c.resultsAmount, normalResults) << results;
        EXPECT_EQ(c.monthsAmount, normalMonths) << months;
    }
    // A search runs with the normalised amounts.
    EXPECT_EQ(RunForecast(Results(ForecastKind::Sunny, kBirth, 0), kBirth).hits.size(), 1u);
    EXPECT_EQ(RunForecast(Results(ForecastKind::Rainy, kBirth, 150), kBirth).hits.size(), 100u);
}

// The edges of the stress test, on made-up days: rare in a real span.
TEST(ForecastSearch, EdgesOfTheStressTest) {
    ForecastCriteria c;
    DayRhythms day;
    c.kind = ForecastKind::Stress;
    const std::pair<std::array<int, 2>, std::array<bool, 3>> stress[] = {
        // {Intellectual, Emotional} -> passes for All, Women, Men
        {{90, 9}, {true, true, false}},    {{89, 9}, {false, false, false}},
        {{90, 10}, {false, false, false}}, {{9, 90}, {true, false, true}},
        {{10, 90}, {false, false, false}}, {{9, 89}, {false, false, false}}};
    for (const auto& [ie, expected] : stress) {
        day.percent = {50, ie[1], ie[0], 50};
        for (int mode = 0; mode < 3; ++mode) {
            c.stressMode = static_cast<StressMode>(mode);
            EXPECT_EQ(DayPasses(c, day), expected[static_cast<std::size_t>(mode)])
                << ie[0] << "/" << ie[1] << " mode " << mode;
        }
    }
}

// Two years of each kind of search, checked day by day against the rule it stands for. A
// page with no rhythm chosen tests the overall value, as show-all does.
TEST(ForecastSearch, ListsExactlyTheDaysThatPass) {
    using K = ForecastKind;
    struct Search {
        ForecastKind kind;
        bool showAll;
        std::array<bool, 4> rhythms;  // Sunny and Rainy levels 0, 1, 0, 2
        bool useAnd = false;
        int overallLevel = 0;
        StressMode stress = StressMode::All;
    };
    const auto women = [](const DayRhythms& d) { return d.percent[2] >= 90 && d.percent[1] < 10; };
    const auto men = [](const DayRhythms& d) { return d.percent[2] < 10 && d.percent[1] >= 90; };
    const std::pair<Search, DayTest> cases[] = {
        {{K::Sunny, true, {}}, [](auto& d) { return d.overall >= 75; }},
        {{K::Sunny, false, {}}, [](auto& d) { return d.overall >= 75; }},
        {{K::Sunny, true, {1}, 0, 1}, [](auto& d) { return d.overall >= 50; }},
        {{K::Sunny, false, {1, 1}},
         [](auto& d) { return d.percent[0] >= 75 || d.percent[1] >= 50; }},
        {{K::Rainy, true, {}, 0, 1}, [](auto& d) { return d.overall <= 49; }},
        {{K::Rainy, false, {}}, [](auto& d) { return d.overall <= 24; }},
        {{K::Rainy, false, {0, 1, 0, 1}},
         [](auto& d) { return d.percent[1] <= 49 || d.percent[3] <= 74; }},
        {{K::Rainy, false, {0, 1, 0, 1}, 1},
         [](auto& d) { return d.percent[1] <= 49 && d.percent[3] <= 74; }},
        {{K::Critical, true, {}}, [](auto& d) { return d.criticalCount > 0; }},
        {{K::Critical, false, {}}, [](auto& d) { return d.criticalCount > 0; }},
        {{K::Critical, false, {1, 0, 1}}, [](auto& d) { return d.critical[0] || d.critical[2]; }},
        {{K::Critical, false, {1, 1}, 1}, [](auto& d) { return d.critical[0] && d.critical[1]; }},
        {{K::Stress, true, {}, 0, 0, StressMode::Women}, women},
        {{K::Stress, true, {}, 0, 0, StressMode::Men}, men},
        {{K::Stress, true, {}}, [&](auto& d) { return women(d) || men(d); }},
    };
    const std::int32_t start = EncodeDate(2024, 1, 1);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [c, passes] = cases[i];
        SCOPED_TRACE(i);
        ForecastCriteria criteria = Months(c.kind, start, 24);
        LevelCriteria& page = c.kind == K::Rainy ? criteria.rainy : criteria.sunny;
        page = {c.showAll, c.overallLevel, c.rhythms, {0, 1, 0, 2}, c.useAnd};
        criteria.criticalShowAll = c.showAll;
        criteria.criticalRhythm = c.rhythms;
        criteria.criticalAnd = c.useAnd;
        criteria.stressMode = c.stress;
        const ForecastResult result = RunForecast(criteria, kBirth);
        EXPECT_FALSE(result.hits.empty());
        const bool capped = result.hits.size() == kForecastHitCap;
        ExpectExactly(result, start, capped ? result.endDate : EncodeDate(2025, 12, 31), passes);
    }
}

TEST(ForecastSearch, AMonthsSearchListsItsMonthsOnly) {
    // One month from 1 January examines 1 February too but lists January only. The birth is
    // chosen so that 1 February would pass.
    const std::int32_t february = EncodeDate(2024, 2, 1);
    ForecastCriteria c = Months(ForecastKind::Sunny, EncodeDate(2024, 1, 1), 1);
    c.sunny.overallLevel = 2;  // 25% or higher
    std::int32_t birth = kBirth;
    for (DayRhythms day;; ++birth) {
        ComputeDayRhythms(birth, february, day, false);
        if (day.overall >= 25) {
            break;
        }
    }
    const ForecastResult r = RunForecast(c, birth);
    ASSERT_FALSE(r.hits.empty());
    EXPECT_LE(r.hits.back().date, EncodeDate(2024, 1, 31));
    EXPECT_EQ(r.endDate, EncodeDate(2024, 1, 31));
    // The months end on the same day of the month, or on the last day of a shorter one.
    c.startDate = EncodeDate(2023, 1, 31);
    EXPECT_EQ(RunForecast(c, birth).endDate, EncodeDate(2023, 2, 27));
}

TEST(ForecastSearch, CapsAndEndDates) {
    const std::int32_t start = EncodeDate(2024, 1, 1);
    // A results search stops at its last wanted hit.
    const ForecastResult twenty = RunForecast(Results(ForecastKind::Sunny, start, 20), kBirth);
    ASSERT_EQ(twenty.hits.size(), 20u);
    EXPECT_EQ(twenty.endDate, twenty.hits.back().date);

    // A months search finding more than 100 days lists the first 100.
    ForecastCriteria year = Months(ForecastKind::Sunny, start, 12);
    year.sunny.overallLevel = 2;
    const ForecastResult capped = RunForecast(year, kBirth);
    ASSERT_EQ(capped.hits.size(), 100u);
    EXPECT_EQ(capped.endDate, capped.hits.back().date);
    EXPECT_LT(capped.endDate, EncodeDate(2024, 12, 31));

    // A results search that does not fill up ends 36500 days on.
    ForecastCriteria rare = Results(ForecastKind::Critical, start, 100);
    rare.criticalShowAll = false;
    rare.criticalRhythm = {true, true, true, true};
    rare.criticalAnd = true;
    const ForecastResult r = RunForecast(rare, kBirth);
    EXPECT_LT(r.hits.size(), 100u);
    EXPECT_EQ(r.endDate, start + 36500);
    // Nothing found: an empty list, and the whole span searched.
    const ForecastResult none = RunForecast(Months(ForecastKind::Stress, kBirth, 1), kBirth);
    EXPECT_TRUE(none.hits.empty());
    EXPECT_EQ(none.endDate, EncodeDate(1970, 2, 4));
}

TEST(ForecastSearch, StopsAtTheLastValidDay) {
    ForecastCriteria c = Results(ForecastKind::Sunny, EncodeDate(9999, 10, 1), 100);
    c.sunny.overallLevel = 2;
    ForecastResult r = RunForecast(c, kBirth);
    EXPECT_TRUE(r.stoppedAtLastDay);
    EXPECT_EQ(r.endDate, kMaxDay);
    ExpectExactly(r, c.startDate, kMaxDay, [](const DayRhythms& d) { return d.overall >= 25; });

    // A months search whose months run past the year 9999 lists up to its last day.
    c = Months(ForecastKind::Sunny, EncodeDate(9999, 6, 15), 12);
    r = RunForecast(c, kBirth);
    EXPECT_TRUE(r.stoppedAtLastDay);
    EXPECT_EQ(r.endDate, kMaxDay);
    ExpectExactly(r, c.startDate, kMaxDay, [](const DayRhythms& d) { return d.overall >= 75; });

    // Ending on 31 Dec 9999 exactly is no stop: that day is the one examined, not listed.
    r = RunForecast(Months(ForecastKind::Stress, EncodeDate(9998, 12, 31), 12), kBirth);
    EXPECT_FALSE(r.stoppedAtLastDay);
    EXPECT_EQ(r.endDate, kMaxDay - 1);

    // The last day itself, and a list that fills before the end.
    r = RunForecast(Results(ForecastKind::Critical, kMaxDay, 5), kMaxDay);  // all four critical
    ASSERT_EQ(r.hits.size(), 1u);
    EXPECT_EQ(r.hits[0].date, kMaxDay);
    EXPECT_TRUE(r.stoppedAtLastDay);
    r = RunForecast(Results(ForecastKind::Sunny, kMaxDay - 200, 3), kBirth);
    EXPECT_EQ(r.hits.size(), 3u);
    EXPECT_FALSE(r.stoppedAtLastDay);
}

// A start before 1 Jan 0001 or after 31 Dec 9999 searches from that end of the calendar.
TEST(ForecastSearch, AStartOutsideTheCalendarIsClamped) {
    const std::pair<std::int32_t, std::int32_t> starts[] = {
        {kMinDay - 1, kMinDay},
        {std::numeric_limits<std::int32_t>::min(), kMinDay},
        {kMaxDay + 1, kMaxDay},
        {std::numeric_limits<std::int32_t>::max(), kMaxDay},
    };
    for (const auto& [start, clamped] : starts) {
        for (const bool byResults : {false, true}) {
            ForecastCriteria c = Months(ForecastKind::Critical, start, 2);
            c.limitByResults = byResults;
            ForecastCriteria inside = c;
            inside.startDate = clamped;
            const ForecastResult r = RunForecast(c, kBirth);
            EXPECT_EQ(r, RunForecast(inside, kBirth)) << start;
            EXPECT_EQ(r.hits.empty(), clamped == kMaxDay);  // no critical day there
            EXPECT_GE(r.endDate, clamped);
            EXPECT_LE(r.endDate, kMaxDay);
        }
    }
}

TEST(ForecastSearch, TablesGiveWhatTheSineRecipeGives) {
    // Random criteria, births on both sides of the start (the phases run backwards before
    // birth) and spans through phase zero.
    std::mt19937 random(20240301);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto chosen = [&] {
        std::array<bool, 4> rhythms{};
        for (bool& r : rhythms) {
            r = pick(2) == 0;
        }
        return rhythms;
    };
    for (int round = 0; round < 60; ++round) {
        ForecastCriteria c;
        c.kind = static_cast<ForecastKind>(pick(4));
        for (LevelCriteria* page : {&c.sunny, &c.rainy}) {
            page->showAll = pick(3) == 0;
            page->overallLevel = pick(3);
            page->rhythm = chosen();
            page->level = {pick(3), pick(3), pick(3), pick(3)};
            page->useAnd = pick(2) == 0;
        }
        c.criticalShowAll = pick(3) == 0;
        c.criticalRhythm = chosen();
        c.criticalAnd = pick(2) == 0;
        c.stressMode = static_cast<StressMode>(pick(3));
        c.limitByResults = pick(2) == 0;
        c.resultsAmount = 1 + pick(100);
        c.monthsAmount = 1 + pick(30);
        c.startDate = EncodeDate(1900, 1, 1) + pick(80000);
        const DateTime birth = c.startDate + pick(4000) - 2000 + 0.5;
        EXPECT_EQ(RunForecast(c, birth), RunForecastDirect(c, birth)) << "round " << round;
    }
}

}  // namespace
}  // namespace vitalune

namespace vitalune {
namespace {

// A group's days against each member's day computed on its own: all members for sunny and
// rainy days whatever the mode asks, all or any for critical and stress days.
TEST(GroupForecast, ListsTheDaysOnWhichAllOrAnyMemberPasses) {
    const std::vector<DateTime> births = {
        static_cast<DateTime>(EncodeDate(1970, 1, 5)),
        static_cast<DateTime>(EncodeDate(1984, 7, 30)),
        static_cast<DateTime>(EncodeDate(2001, 2, 14)),
        static_cast<DateTime>(EncodeDate(2027, 3, 1))};  // born during the search
    const std::int32_t start = EncodeDate(2026, 12, 7);
    const struct {
        ForecastKind kind;
        bool rhythms;  // chosen rhythms rather than the overall value or any critical rhythm
        GroupMembers members;
        bool everyone;
    } table[] = {
        {ForecastKind::Sunny, false, GroupMembers::All, true},
        {ForecastKind::Sunny, true, GroupMembers::Any, true},
        {ForecastKind::Rainy, false, GroupMembers::Any, true},
        {ForecastKind::Rainy, true, GroupMembers::All, true},
        {ForecastKind::Critical, false, GroupMembers::All, true},
        {ForecastKind::Critical, true, GroupMembers::Any, false},
        {ForecastKind::Stress, false, GroupMembers::Any, false},
    };
    for (const auto& row : table) {
        ForecastCriteria c = Months(row.kind, start, 24);
        c.sunny.overallLevel = 2;  // from 25 on: often enough for everyone at once
        c.rainy.overallLevel = 2;
        if (row.rhythms) {
            c.sunny = c.rainy = {false, 0, {true, false, true, false}, {2, 0, 2, 0}, false};
            c.criticalShowAll = false;
            c.criticalRhythm = {true, false, false, true};
        }
        const GroupForecastResult result = RunGroupForecast(c, births, row.members);
        EXPECT_FALSE(result.hits.empty());
        std::size_t next = 0;
        for (std::int32_t day = start; day < AddMonths(start, 24) && next < 100; ++day) {
            std::vector<DayRhythms> members(births.size());
            std::size_t passing = 0;
            for (std::size_t m = 0; m < births.size(); ++m) {
                ComputeDayRhythms(births[m], day, members[m], false);
                passing += DayPasses(c, members[m]) ? 1 : 0;
            }
            const bool expected = row.everyone ? passing == births.size() : passing > 0;
            const bool listed = next < result.hits.size() && result.hits[next].date == day;
            ASSERT_EQ(listed, expected) << static_cast<int>(row.kind) << " " << DateText(day);
            if (listed) {
                EXPECT_EQ(result.hits[next++].members, members);
            }
        }
        EXPECT_EQ(next, result.hits.size());
    }
}

TEST(GroupForecast, KeepsTheSearchTermAndCap) {
    const std::vector<DateTime> one = {static_cast<DateTime>(kBirth)};
    const ForecastCriteria results = Results(ForecastKind::Critical, EncodeDate(2026, 12, 7), 7);
    const GroupForecastResult group = RunGroupForecast(results, one, GroupMembers::All);
    const ForecastResult alone = RunForecast(results, kBirth);
    ASSERT_EQ(group.hits.size(), 7u);
    EXPECT_EQ(group.endDate, alone.endDate);
    for (std::size_t i = 0; i < group.hits.size(); ++i) {
        EXPECT_EQ(group.hits[i].date, alone.hits[i].date);
    }
    const ForecastCriteria lastDay = Months(ForecastKind::Sunny, kMaxDay - 10, 1);
    EXPECT_TRUE(RunGroupForecast(lastDay, one, GroupMembers::All).stoppedAtLastDay);
    EXPECT_TRUE(RunGroupForecast(results, {}, GroupMembers::Any).hits.empty());
}

}  // namespace
}  // namespace vitalune
