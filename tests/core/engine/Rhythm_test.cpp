#include "core/engine/Rhythm.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/engine/DayTable.h"
#include "core/engine/DayWeather.h"

namespace vitalune {
namespace {

constexpr DateTime kBirth = 29224;  // 05 Jan 1980

DayRhythms DayAt(std::int32_t daysLived, bool withIChing = false) {
    DayRhythms day;
    ComputeDayRhythms(kBirth, kBirth + daysLived, day, withIChing);
    return day;
}

TEST(RoundHalfUp, HalvesGoUpNegativesTruncate) {
    EXPECT_EQ(RoundHalfUp(56.5), 57);
    EXPECT_EQ(RoundHalfUp(56.49), 56);
    EXPECT_EQ(RoundHalfUp(56.745), 57);
    EXPECT_EQ(RoundHalfUp(0.0), 0);
    EXPECT_EQ(RoundHalfUp(-2.7), -2);
    EXPECT_EQ(RoundHalfUp(-0.5), 0);
    EXPECT_EQ(RoundHalfUp(1e300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(CompositePercent(57, 56), 57);  // 56.5 rounds up
    EXPECT_EQ(CompositePercent(50, 37), 44);  // 43.5
    EXPECT_EQ(CompositePercent(10, 10), 10);
}

TEST(DaysLived, WholeDaysOnly) {
    EXPECT_EQ(DaysLived(kBirth, kBirth), 0);
    EXPECT_EQ(DaysLived(kBirth, kBirth + 0.999), 0);  // 23:59 on the day of birth
    EXPECT_EQ(DaysLived(kBirth + 0.9, kBirth + 1.1), 1);
    EXPECT_EQ(DaysLived(kBirth, kBirth - 1), -1);
    EXPECT_EQ(DaysLived(kMinDay, kMaxDay), kMaxDay - kMinDay);
}

TEST(ComputeDayRhythms, DayOfBirth) {
    const DayRhythms day = DayAt(0, true);
    EXPECT_EQ(day.percent, (std::array<std::int32_t, 4>{57, 56, 55, 54}));
    EXPECT_EQ(day.critical, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_EQ(day.criticalCount, 4);
    // All three at r = 0 too: sin(2*pi/P)/2 mapped to percent.
    EXPECT_EQ(day.ichingPercent, (std::array<std::int32_t, 3>{54, 53, 53}));
}

// Which days are critical is checked for every day of many cycles below.
TEST(ComputeDayRhythms, WorkedExamples) {
    const std::array<std::int32_t, 3> cases[] = {
        // days lived, rhythm, percent
        {11, 0, 50}, {12, 0, 37}, {14, 1, 44}, {13, 1, 56}, {16, 2, 50}, {19, 3, 46}, {18, 3, 54}};
    for (const auto& [d, rhythm, percent] : cases) {
        EXPECT_EQ(DayAt(d).percent[static_cast<std::size_t>(rhythm)], percent) << "d=" << d;
    }
}

TEST(ComputeDayRhythms, BeforeBirth) {
    const DayRhythms dayBefore = DayAt(-1);
    EXPECT_EQ(dayBefore.criticalCount, 0);
    EXPECT_EQ(dayBefore.critical, (std::array<bool, 4>{}));
    EXPECT_TRUE(DayAt(-23).critical[0]);
    EXPECT_TRUE(DayAt(-28).critical[1]);
}

// For days after birth exactly two days in each cycle are critical: the start of the cycle
// and its half (for even periods the day starting at the half, whose sine rounds positive).
TEST(ComputeDayRhythms, TwoCriticalDaysPerCycle) {
    const int periods[4] = {23, 28, 33, 38};
    const int halves[4] = {11, 14, 16, 19};
    for (std::int32_t d = 0; d < 4 * 23 * 28; ++d) {
        const DayRhythms day = DayAt(d);
        int count = 0;
        for (int i = 0; i < 4; ++i) {
            const int r = d % periods[i];
            const bool expected = r == 0 || r == halves[i];
            ASSERT_EQ(day.critical[static_cast<std::size_t>(i)], expected)
                << "d=" << d << " period " << periods[i];
            count += expected ? 1 : 0;
        }
        ASSERT_EQ(day.criticalCount, count);
    }
}

TEST(ComputeDayRhythms, OverallIsTheMeanOfTheUnroundedPrimaries) {
    const long double pi = std::numbers::pi_v<long double>;
    int checked = 0;
    for (std::int32_t d = -3000; d < 30000; d += 7) {
        long double sum = 0;
        for (int period : {23, 28, 33}) {
            const long double a = 2 * pi * (d % period) / period;
            const long double b = 2 * pi * (d % period + 1) / period;
            sum += (std::sin(a) + std::sin(b)) / 2;
        }
        const long double exact = (sum / 3 + 1) * 50;
        const long double fraction = exact - std::floor(exact);
        if (std::fabs(fraction - 0.5L) < 1e-9L) {
            continue;
        }
        ASSERT_EQ(DayAt(d).overall, static_cast<std::int32_t>(std::floor(exact + 0.5L))) << d;
        ++checked;
    }
    EXPECT_GT(checked, 4000);
}

TEST(ComputeDayRhythms, SpanMatchesSingleDays) {
    std::vector<DayRhythms> days(6000);
    const std::int32_t first = static_cast<std::int32_t>(kBirth) - 2500;
    ComputeDayRhythmsSpan(kBirth + 0.6, first, days, true);
    for (std::size_t i = 0; i < days.size(); ++i) {
        DayRhythms single;
        ComputeDayRhythms(kBirth, first + static_cast<std::int32_t>(i), single, true);
        ASSERT_EQ(days[i], single) << i;
    }
}

// The weather pictures and the chart's bar colours share these four bands.
TEST(DayWeather, FourBandsForPicturesAndBars) {
    const std::pair<std::int32_t, int> bands[] = {{100, 0}, {75, 0}, {74, 1}, {50, 1},
                                                  {49, 2},  {25, 2}, {24, 3}, {0, 3}};
    for (const auto& [percent, band] : bands) {
        EXPECT_EQ(WeatherBand(percent), band) << percent;
    }
    EXPECT_EQ(WeatherOf(60), DayWeather::SunCloud);
}

TEST(RhythmCatalogue, CompositesHaveNoPeriodOfTheirOwn) {
    for (int i = 0; i < kRhythmCount; ++i) {
        const RhythmInfo& info = RhythmCatalogue(static_cast<RhythmId>(i));
        EXPECT_EQ(info.period == 0, info.componentCount >= 2) << info.name;
    }
    using R = RhythmId;
    const auto& mastery = RhythmCatalogue(R::Mastery);
    EXPECT_EQ(mastery.components[0], R::Physical);
    EXPECT_EQ(mastery.components[1], R::Intellectual);
    const auto& overall = RhythmCatalogue(R::PrimaryOverall);
    EXPECT_EQ(overall.componentCount, 3);
    EXPECT_NE(overall.components[2], R::Intuitive);  // Intuitive is not part of the overall
    EXPECT_EQ(RhythmCatalogue(R::ExtraOverall).components[0], R::Perception);
}

}  // namespace
}  // namespace vitalune
