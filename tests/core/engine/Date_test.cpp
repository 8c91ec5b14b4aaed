#include "core/engine/Date.h"

#include <gtest/gtest.h>

#include "core/engine/DateText.h"

namespace vitalune {
namespace {

TEST(Date, KnownDayNumbers) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDate(2008, 1, 5), 39452);
    EXPECT_EQ(EncodeDate(1, 1, 1), kMinDay);
    EXPECT_EQ(EncodeDate(9999, 12, 31), kMaxDay);
    EXPECT_EQ(DecodeDate(kMinDay), (CivilDate{1, 1, 1}));
    EXPECT_EQ(DecodeDate(kMaxDay), (CivilDate{9999, 12, 31}));
}

TEST(Date, EveryValidDayRoundTrips) {
    CivilDate expected{1, 1, 1};
    for (std::int32_t day = kMinDay; day <= kMaxDay; ++day) {
        ASSERT_EQ(DecodeDate(day), expected) << day;
        ASSERT_EQ(TryEncodeDate(expected.year, expected.month, expected.day), day);
        if (++expected.day > DaysInMonth(expected.year, expected.month)) {
            expected.day = 1;
            if (++expected.month > 12) {
                expected.month = 1;
                ++expected.year;
            }
        }
    }
}

TEST(Date, ImpossibleDatesAreRejected) {
    EXPECT_FALSE(TryEncodeDate(1990, 4, 31));
    EXPECT_FALSE(TryEncodeDate(1990, 13, 1));
    EXPECT_FALSE(TryEncodeDate(1990, 0, 1));
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29));  // not a leap year
    EXPECT_TRUE(TryEncodeDate(2000, 2, 29));
    EXPECT_FALSE(TryEncodeDate(0, 12, 31));
    EXPECT_FALSE(TryEncodeDate(10000, 1, 1));
}

TEST(Date, WholeDayTruncatesTowardZeroAndClamps) {
    EXPECT_EQ(WholeDay(39452.999), 39452);  // 23:59 is still the same day
    EXPECT_EQ(WholeDay(-1.25), -1);         // 29 Dec 1899, 6:00
    EXPECT_EQ(WholeDay(-0.5), 0);
    EXPECT_EQ(WholeDay(1e12), kMaxDay);
    EXPECT_EQ(WholeDay(-1e12), kMinDay);
    EXPECT_EQ(WholeDay(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Date, DayOfWeekCountsFromSunday) {
    EXPECT_EQ(DayOfWeek(0), 7);                        // 30 Dec 1899 was a Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 7)), 2);  // a Monday
    EXPECT_EQ(DayOfWeek(EncodeDate(2008, 1, 6)), 1);   // a Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(1, 1, 1)), 2);      // proleptic Gregorian Monday
    EXPECT_EQ(kWeekdayAbbrev[static_cast<std::size_t>(DayOfWeek(EncodeDate(2026, 12, 9)))], "Wd");
}

// Month steps (a year is twelve) keep the day where it exists, else take the month's last
// day, and stop at the ends of the calendar.
TEST(Date, MonthSteps) {
    struct Case {
        CivilDate from;
        std::int64_t months;
        CivilDate to;
    };
    const Case cases[] = {
        {{2024, 1, 31}, 1, {2024, 2, 29}},    {{2023, 1, 31}, 1, {2023, 2, 28}},
        {{2024, 3, 31}, -1, {2024, 2, 29}},   {{2024, 5, 31}, 1, {2024, 6, 30}},
        {{2023, 12, 31}, 2, {2024, 2, 29}},   {{2024, 12, 15}, 1, {2025, 1, 15}},
        {{2024, 1, 15}, -13, {2022, 12, 15}}, {{9999, 12, 15}, 1, {9999, 12, 31}},
        {{1, 1, 15}, -1, {1, 1, 1}},          {{2024, 2, 29}, 12, {2025, 2, 28}},
        {{2024, 2, 29}, 48, {2028, 2, 29}},   {{9999, 1, 1}, 12, {9999, 12, 31}},
        {{1, 6, 1}, -12, {1, 1, 1}},          {{2000, 1, 1}, 12'000'000'000, {9999, 12, 31}},
    };
    for (const Case& c : cases) {
        const std::int32_t from = EncodeDate(c.from.year, c.from.month, c.from.day);
        EXPECT_EQ(DecodeDate(AddMonths(from, c.months)), c.to) << DateText(from) << " " << c.months;
    }
    EXPECT_EQ(AddDays(kMaxDay, 1), kMaxDay);
    EXPECT_EQ(AddDays(kMinDay, -1), kMinDay);
    EXPECT_EQ(AddDays(kMaxDay, -1), kMaxDay - 1);
    EXPECT_EQ(AddDays(0, std::numeric_limits<std::int64_t>::min() / 2), kMinDay);
}

TEST(DateText, ShortDateAndMonthLabel) {
    EXPECT_EQ(DateText(EncodeDate(2008, 1, 5)), "05 Jan 2008");
    EXPECT_EQ(DateText(EncodeDate(2008, 12, 25) + 0.75), "25 Dec 2008");
    EXPECT_EQ(DateText(kMinDay), "01 Jan 1");
    EXPECT_EQ(MonthYearText(1, 2008), "January, 2008");
    EXPECT_EQ(MonthYearText(9, 1999), "September, 1999");
}

TEST(DateText, NameTablesAndMonthLengths) {
    EXPECT_EQ(kMonthNames[12], "December");
    EXPECT_EQ(kShortMonthNames[9], "Sep");
    EXPECT_EQ(DaysInMonth(2023, 4), 30);
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2023, 13), 0);
}

}  // namespace
}  // namespace vitalune
