#include "core/engine/AgeDifference.h"

#include <gtest/gtest.h>

#include "core/engine/Date.h"

namespace vitalune {
namespace {

AgeDifference Between(int y1, int m1, int d1, int y2, int m2, int d2) {
    return ComputeAgeDifference(EncodeDate(y1, m1, d1), EncodeDate(y2, m2, d2));
}

TEST(AgeDifference, WorkedExamplesAndWording) {
    // 2000 is a leap year (366 days), then January 31 and February 28 of 2001.
    EXPECT_EQ(Between(2000, 1, 1, 2001, 3, 1), (AgeDifference{1, 2, 0}));
    EXPECT_EQ(AgeDifferenceText(Between(2000, 1, 1, 2001, 3, 1)),
              " Age difference: 1 year, 2 months, 0 days");
    EXPECT_EQ(AgeDifferenceText(Between(1980, 5, 5, 1980, 5, 5)),
              " Age difference: 0 years, 0 months, 0 days");
    EXPECT_EQ(AgeDifferenceText(Between(2000, 1, 1, 2001, 2, 2)),
              " Age difference: 1 year, 1 month, 1 day");
    EXPECT_EQ(AgeDifferenceText({12, 11, 30}), " Age difference: 12 years, 11 months, 30 days");
}

TEST(AgeDifference, OrderOfThePersonsDoesNotMatter) {
    EXPECT_EQ(Between(2001, 3, 1, 2000, 1, 1), (AgeDifference{1, 2, 0}));
    EXPECT_EQ(Between(1879, 3, 14, 1867, 11, 7), Between(1867, 11, 7, 1879, 3, 14));
    EXPECT_EQ(Between(1867, 11, 7, 1879, 3, 14), (AgeDifference{11, 4, 7}));
}

TEST(AgeDifference, AYearIsTheTwelveMonthsThatFollow) {
    // Starting after February, the leap day that counts is the next year's.
    EXPECT_EQ(Between(2000, 3, 1, 2001, 3, 1), (AgeDifference{1, 0, 0}));
    EXPECT_EQ(Between(2003, 3, 1, 2004, 3, 1), (AgeDifference{1, 0, 0}));
    EXPECT_EQ(Between(2003, 3, 1, 2004, 2, 29), (AgeDifference{0, 11, 28}));
    EXPECT_EQ(Between(1999, 12, 31, 2000, 12, 31), (AgeDifference{1, 0, 0}));
}

TEST(AgeDifference, LeapDays) {
    EXPECT_EQ(Between(2000, 2, 29, 2001, 3, 1), (AgeDifference{1, 0, 0}));
    EXPECT_EQ(Between(2000, 2, 29, 2001, 2, 28), (AgeDifference{0, 11, 30}));
    EXPECT_EQ(Between(2000, 2, 29, 2004, 2, 29), (AgeDifference{4, 0, 0}));
    EXPECT_EQ(Between(2000, 2, 28, 2000, 3, 1), (AgeDifference{0, 0, 2}));
    EXPECT_EQ(Between(2000, 2, 1, 2000, 3, 1), (AgeDifference{0, 1, 0}));
    EXPECT_EQ(Between(2001, 2, 1, 2001, 3, 1), (AgeDifference{0, 1, 0}));
    EXPECT_EQ(Between(1900, 2, 1, 1900, 3, 1), (AgeDifference{0, 1, 0}));  // 1900 is common
    // A month is as long as the month it starts in.
    EXPECT_EQ(Between(2001, 1, 31, 2001, 2, 28), (AgeDifference{0, 0, 28}));
    EXPECT_EQ(Between(2001, 1, 31, 2001, 3, 3), (AgeDifference{0, 1, 0}));
}

TEST(AgeDifference, EndsOfTheDateRange) {
    EXPECT_EQ(ComputeAgeDifference(kMinDay, kMaxDay), (AgeDifference{9998, 11, 30}));
    EXPECT_EQ(ComputeAgeDifference(kMaxDay, kMinDay), (AgeDifference{9998, 11, 30}));
    EXPECT_EQ(ComputeAgeDifference(kMinDay, kMinDay + 1), (AgeDifference{0, 0, 1}));
    EXPECT_EQ(Between(9998, 12, 31, 9999, 12, 31), (AgeDifference{1, 0, 0}));
    EXPECT_EQ(Between(9999, 12, 1, 9999, 12, 31), (AgeDifference{0, 0, 30}));
    // Day numbers outside the range count from its ends.
    EXPECT_EQ(ComputeAgeDifference(kMaxDay + 40, kMaxDay - 1), (AgeDifference{0, 0, 1}));
}

}  // namespace
}  // namespace vitalune
