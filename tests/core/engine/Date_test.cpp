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
    EXPECT_FALSE(TryEncodeDate(10000, 1, 1));
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

TEST(DateText, ShortDateAndMonthLabel) {
    EXPECT_EQ(DateText(EncodeDate(2008, 1, 5)), "05 Jan 2008");
    EXPECT_EQ(DateText(EncodeDate(2008, 12, 25) + 0.75), "25 Dec 2008");
    EXPECT_EQ(DateText(kMinDay), "01 Jan 1");
    EXPECT_EQ(MonthYearText(1, 2008), "January, 2008");
    EXPECT_EQ(MonthYearText(9, 1999), "September, 1999");
}

TEST(DateText, MonthLengths) {
    EXPECT_EQ(DaysInMonth(2023, 4), 30);
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2023, 13), 0);
}

}  // namespace
}  // namespace vitalune
