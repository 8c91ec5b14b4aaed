#include "core/forecast/ForecastSearch.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "core/engine/DateText.h"

namespace vitalune {
namespace {

const std::int32_t kBirth = EncodeDate(1970, 1, 5);

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
                   const std::function<bool(const DayRhythms&)>& passes) {
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

TEST(ForecastSearch, LevelItemsGiveThresholds) {
    EXPECT_EQ(SunnyThreshold(0), 75);
    EXPECT_EQ(SunnyThreshold(1), 50);
    EXPECT_EQ(SunnyThreshold(2), 25);
    EXPECT_EQ(RainyBound(0), 24);
    EXPECT_EQ(RainyBound(1), 49);
    EXPECT_EQ(RainyBound(2), 74);
    EXPECT_EQ(SunnyThreshold(7), 25);  // out-of-range items stay on the scale
    EXPECT_EQ(RainyBound(-3), 24);
}

TEST(ForecastSearch, AmountsAreNormalised) {
    ForecastCriteria c;
    c.resultsAmount = 150;
    c.monthsAmount = 0;
    NormaliseAmounts(c);
    EXPECT_EQ(c.resultsAmount, 100);
    EXPECT_EQ(c.monthsAmount, 1);
    c.resultsAmount = 0;
    c.monthsAmount = 1000;
    NormaliseAmounts(c);
    EXPECT_EQ(c.resultsAmount, 1);
    EXPECT_EQ(c.monthsAmount, 999);
    c.resultsAmount = 101;
    c.monthsAmount = 999;
    NormaliseAmounts(c);
    EXPECT_EQ(c.resultsAmount, 100);
    EXPECT_EQ(c.monthsAmount, 999);
    // A search runs with the normalised amounts.
    EXPECT_EQ(RunForecast(Results(ForecastKind::Sunny, kBirth, 0), kBirth).hits.size(), 1u);
    EXPECT_EQ(RunForecast(Results(ForecastKind::Rainy, kBirth, 150), kBirth).hits.size(), 100u);
}

TEST(ForecastSearch, EachTestOnRecords) {
    ForecastCriteria c;
    DayRhythms day;
    day.overall = 75;
    EXPECT_TRUE(DayPasses(c, day));  // Sunny, show all, 75% or higher
    day.overall = 74;
    EXPECT_FALSE(DayPasses(c, day));

    c.kind = ForecastKind::Rainy;  // less than 25%
    day.overall = 24;
    EXPECT_TRUE(DayPasses(c, day));
    day.overall = 25;
    EXPECT_FALSE(DayPasses(c, day));

    c.kind = ForecastKind::Sunny;
    c.sunny.showAll = false;
    c.sunny.rhythm = {true, false, true, false};
    c.sunny.level = {0, 0, 1, 0};  // Physical >= 75, Intellectual >= 50
    day.percent = {75, 0, 49, 0};
    EXPECT_TRUE(DayPasses(c, day));  // OR
    c.sunny.useAnd = true;
    EXPECT_FALSE(DayPasses(c, day));
    day.percent = {75, 0, 50, 0};
    EXPECT_TRUE(DayPasses(c, day));
    c.sunny.showAll = true;  // show all wins over the rhythm choice
    day.overall = 10;
    EXPECT_FALSE(DayPasses(c, day));

    c.kind = ForecastKind::Critical;
    c.criticalShowAll = false;
    c.criticalRhythm = {true, true, false, false};
    day.critical = {true, false, false, true};
    day.criticalCount = 2;
    EXPECT_TRUE(DayPasses(c, day));  // OR
    c.criticalAnd = true;
    EXPECT_FALSE(DayPasses(c, day));
    c.criticalRhythm = {true, false, false, true};
    EXPECT_TRUE(DayPasses(c, day));
    c.criticalRhythm = {};  // nothing chosen counts as show all
    EXPECT_TRUE(DayPasses(c, day));
    day.criticalCount = 0;
    EXPECT_FALSE(DayPasses(c, day));

    c.kind = ForecastKind::Stress;
    const std::pair<std::array<int, 2>, std::array<bool, 3>> stress[] = {
        // {I, E} -> passes for All, Women, Men
        {{90, 9}, {true, true, false}},    {{89, 9}, {false, false, false}},
        {{90, 10}, {false, false, false}}, {{9, 90}, {true, false, true}},
        {{10, 90}, {false, false, false}}, {{50, 50}, {false, false, false}}};
    for (const auto& [ie, expected] : stress) {
        day.percent = {50, ie[1], ie[0], 50};
        for (int mode = 0; mode < 3; ++mode) {
            c.stressMode = static_cast<StressMode>(mode);
            EXPECT_EQ(DayPasses(c, day), expected[static_cast<std::size_t>(mode)])
                << ie[0] << "/" << ie[1] << " mode " << mode;
        }
    }
}

TEST(ForecastSearch, CriticalDaysAfterBirth) {
    // All four start at their zero line on the day of birth; then Physical crosses on day 11
    // and Emotional on day 14 (day 13 is not critical).
    const ForecastResult result = RunForecast(Results(ForecastKind::Critical, kBirth, 3), kBirth);
    ASSERT_EQ(result.hits.size(), 3u);
    EXPECT_EQ(result.hits[0].date, kBirth);
    EXPECT_EQ(result.hits[0].day.criticalCount, 4);
    EXPECT_EQ(result.hits[1].date, kBirth + 11);
    EXPECT_EQ(result.hits[1].day.critical, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(result.hits[2].date, kBirth + 14);
    EXPECT_EQ(result.endDate, kBirth + 14);  // the list filled up
    EXPECT_FALSE(result.stoppedAtLastDay);

    ForecastCriteria both = Months(ForecastKind::Critical, kBirth, 120);
    both.criticalShowAll = false;
    both.criticalRhythm = {true, true, false, false};
    both.criticalAnd = true;
    const ForecastResult r = RunForecast(both, kBirth);
    ASSERT_FALSE(r.hits.empty());
    EXPECT_EQ(r.hits[0].date, kBirth);
    ExpectExactly(r, kBirth, r.endDate,
                  [](const DayRhythms& d) { return d.critical[0] && d.critical[1]; });
}

TEST(ForecastSearch, SunnyAndRainyListExactlyTheirDays) {
    const std::int32_t start = EncodeDate(2024, 1, 1);
    const ForecastResult sunny = RunForecast(Months(ForecastKind::Sunny, start, 3), kBirth);
    ExpectExactly(sunny, start, EncodeDate(2024, 3, 31),
                  [](const DayRhythms& d) { return d.overall >= 75; });

    ForecastCriteria rainy = Months(ForecastKind::Rainy, start, 3);
    const ForecastResult all = RunForecast(rainy, kBirth);
    ExpectExactly(all, start, EncodeDate(2024, 3, 31),
                  [](const DayRhythms& d) { return d.overall <= 24; });

    rainy.rainy.showAll = false;
    rainy.rainy.rhythm = {false, true, false, true};
    rainy.rainy.level = {0, 1, 0, 2};  // Emotional below 50, Intuitive below 75
    ExpectExactly(RunForecast(rainy, kBirth), start, EncodeDate(2024, 3, 31),
                  [](const DayRhythms& d) { return d.percent[1] <= 49 || d.percent[3] <= 74; });
    rainy.rainy.useAnd = true;
    ExpectExactly(RunForecast(rainy, kBirth), start, EncodeDate(2024, 3, 31),
                  [](const DayRhythms& d) { return d.percent[1] <= 49 && d.percent[3] <= 74; });
}

TEST(ForecastSearch, StressSearchesListExactlyTheirDays) {
    const std::int32_t start = EncodeDate(2024, 1, 1);
    ForecastCriteria c = Months(ForecastKind::Stress, start, 24);
    const auto women = [](const DayRhythms& d) { return d.percent[2] >= 90 && d.percent[1] < 10; };
    const auto men = [](const DayRhythms& d) { return d.percent[2] < 10 && d.percent[1] >= 90; };
    const std::int32_t last = EncodeDate(2025, 12, 31);
    c.stressMode = StressMode::Women;
    const ForecastResult w = RunForecast(c, kBirth);
    EXPECT_FALSE(w.hits.empty());
    ExpectExactly(w, start, last, women);
    c.stressMode = StressMode::Men;
    const ForecastResult m = RunForecast(c, kBirth);
    EXPECT_FALSE(m.hits.empty());
    ExpectExactly(m, start, last, men);
    c.stressMode = StressMode::All;
    EXPECT_EQ(RunForecast(c, kBirth).hits.size(), w.hits.size() + m.hits.size());
}

TEST(ForecastSearch, AMonthsSearchListsItsMonthsOnly) {
    // One month from 1 January examines 1 February too but lists January only. The birth is
    // chosen so that 1 February would pass.
    const std::int32_t start = EncodeDate(2024, 1, 1);
    const std::int32_t february = EncodeDate(2024, 2, 1);
    ForecastCriteria c = Months(ForecastKind::Sunny, start, 1);
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
    // The same day of the month, or the last day of a shorter month.
    c.startDate = EncodeDate(2023, 1, 31);
    EXPECT_EQ(RunForecast(c, birth).endDate, EncodeDate(2023, 2, 27));
    c.startDate = EncodeDate(2023, 12, 31);
    c.monthsAmount = 2;
    EXPECT_EQ(RunForecast(c, birth).endDate, EncodeDate(2024, 2, 28));
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
    ExpectExactly(capped, start, capped.endDate,
                  [](const DayRhythms& d) { return d.overall >= 25; });

    // A results search that does not fill up ends 36500 days on.
    ForecastCriteria rare = Results(ForecastKind::Critical, start, 100);
    rare.criticalShowAll = false;
    rare.criticalRhythm = {true, true, true, true};
    rare.criticalAnd = true;
    const ForecastResult r = RunForecast(rare, kBirth);
    EXPECT_LT(r.hits.size(), 100u);
    EXPECT_EQ(r.endDate, start + 36500);
    for (const ForecastHit& hit : r.hits) {
        EXPECT_EQ(hit.day.criticalCount, 4);
    }
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
    EXPECT_LT(r.hits.size(), 100u);
    EXPECT_TRUE(r.stoppedAtLastDay);
    EXPECT_EQ(r.endDate, kMaxDay);
    ExpectExactly(r, c.startDate, kMaxDay, [](const DayRhythms& d) { return d.overall >= 75; });

    // Ending on 31 Dec 9999 exactly is no stop: that day is the one examined, not listed.
    c = Months(ForecastKind::Stress, EncodeDate(9998, 12, 31), 12);
    r = RunForecast(c, kBirth);
    EXPECT_LT(r.hits.size(), 100u);
    EXPECT_FALSE(r.stoppedAtLastDay);
    EXPECT_EQ(r.endDate, kMaxDay - 1);

    // The last day itself, and a list that fills before the end.
    c = Results(ForecastKind::Critical, kMaxDay, 5);
    r = RunForecast(c, kMaxDay);  // born that day: all four critical
    ASSERT_EQ(r.hits.size(), 1u);
    EXPECT_EQ(r.hits[0].date, kMaxDay);
    EXPECT_TRUE(r.stoppedAtLastDay);
    c = Results(ForecastKind::Sunny, kMaxDay - 200, 3);
    r = RunForecast(c, kBirth);
    EXPECT_EQ(r.hits.size(), 3u);
    EXPECT_FALSE(r.stoppedAtLastDay);
}

TEST(ForecastSearch, TablesGiveWhatTheSineRecipeGives) {
    // Random criteria, births on both sides of the start (the phases run backwards before
    // birth) and spans through phase zero.
    std::mt19937 random(20240301);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 60; ++round) {
        ForecastCriteria c;
        c.kind = static_cast<ForecastKind>(pick(4));
        for (LevelCriteria* page : {&c.sunny, &c.rainy}) {
            page->showAll = pick(3) == 0;
            page->overallLevel = pick(3);
            for (std::size_t i = 0; i < 4; ++i) {
                page->rhythm[i] = pick(2) == 0;
                page->level[i] = pick(3);
            }
            page->useAnd = pick(2) == 0;
        }
        c.criticalShowAll = pick(3) == 0;
        for (bool& chosen : c.criticalRhythm) {
            chosen = pick(2) == 0;
        }
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
