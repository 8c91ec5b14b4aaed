#include "core/dayreport/DayReportModel.h"

#include <gtest/gtest.h>

#include "support/ExpectedFile.h"

namespace vitalune {
namespace {

const DateTime kAnnaBirth = EncodeDate(1970, 1, 5);
const DayPerson kAnna{"Anna", kAnnaBirth};

TEST(DayReportModel, ReportDateFollowsTheOffsetWithoutLimitButStaysInRange) {
    const DateTime calc = EncodeDate(2024, 3, 1) + 0.25;
    const std::pair<std::int64_t, double> steps[] = {
        {kCalculationDayOffset, 0}, {17, 1}, {0, -16}, {31, 15}, {-400, -416}, {50000, 49984}};
    for (const auto& [offset, days] : steps) {
        EXPECT_DOUBLE_EQ(ReportDate(calc, offset), calc + days) << offset;
    }
    EXPECT_EQ(ReportDate(calc, -5'000'000), kMinDay);
    EXPECT_EQ(WholeDay(ReportDate(calc, 5'000'000)), kMaxDay);
}

TEST(DayReportModel, TideTurnsAtTheQuarters) {
    struct Quarters {
        int period, q1, q3;
    };
    const Quarters quarters[] = {{23, 6, 17},  {28, 7, 21},  {33, 8, 25}, {38, 10, 29},
                                 {43, 11, 32}, {48, 12, 36}, {53, 13, 40}};
    for (const auto& q : quarters) {
        for (int day = 1; day <= q.period; ++day) {
            const bool rising = day <= q.q1 || day > q.q3;
            EXPECT_EQ(TideOf(day, q.period) == TideDirection::Rising, rising) << q.period << day;
        }
    }
    // Before birth the day of cycle is zero or negative: rising.
    EXPECT_EQ(TideOf(0, 23), TideDirection::Rising);
    EXPECT_EQ(TideOf(-10, 23), TideDirection::Rising);
}

TEST(DayReportModel, DayOfCycleCarriesTheRemaindersSign) {
    EXPECT_EQ(CycleDayOf(0, 23).Text(), "1/23");
    EXPECT_EQ(CycleDayOf(22, 23).Text(), "23/23");
    EXPECT_EQ(CycleDayOf(23, 23).Text(), "1/23");
    EXPECT_EQ(CycleDayOf(-1, 23).Text(), "0/23");
    EXPECT_EQ(CycleDayOf(-5, 28).Text(), "-4/28");
}

// A view as views.txt writes it: headings, then each row's label, pen slot, value, day of
// cycle and tide, critical marks, weather band and rating.
std::string Written(const DayView& view) {
    std::string text = "mode " + std::to_string(static_cast<int>(view.mode));
    for (const std::string& heading : view.headings) {
        text += " | " + heading;
    }
    text += view.tideLegend ? "\n  tide legend" : "";
    text += view.criticalLegend ? "\n  critical legend" : "";
    for (const ViewGroup& group : view.groups) {
        text += "\n  [" + std::string{group.title} + "]" + (group.lineBeforeLast ? " line" : "");
        for (const ViewRow& row : group.rows) {
            text += "\n    " + std::string{row.label} + " (slot " +
                    std::to_string(static_cast<int>(row.colourSlot)) + ") " +
                    std::to_string(row.value);
            if (row.cycle) {
                text += " " + row.cycle->Text() +
                        (row.cycle->tide == TideDirection::Rising ? " rising" : " falling");
            }
            text += row.criticalMarks > 0 ? " critical " + std::to_string(row.criticalMarks) : "";
            text += row.weather ? " weather " + std::to_string(*row.weather) : "";
            text += row.rating ? " " + std::string{RatingLabel(*row.rating)} : "";
        }
    }
    for (const std::string_view line : view.compositionLines) {
        text += "\n  " + std::string{line};
    }
    return text + "\n";
}

// Anna's views on her day of birth and the days around it, and with Ben: values checked by
// hand (on the day of birth 57, 56, 55, 54, overall 56; with Ben ten days apart 13, 29, 39).
TEST(DayReportModel, ViewsAsWritten) {
    const DayPerson ben{"Ben", kAnnaBirth + 10};
    const DayPerson benLater{"Ben", static_cast<DateTime>(EncodeDate(1972, 5, 5))};
    const std::tuple<DayInfoMode, DayPerson, DateTime> views[] = {
        {DayInfoMode::Primary, {}, kAnnaBirth + 0.9},
        {DayInfoMode::Primary, {}, kAnnaBirth - 1},  // before birth: counted backwards
        {DayInfoMode::Secondary, {}, kAnnaBirth},
        {DayInfoMode::Extra, {}, kAnnaBirth},
        {DayInfoMode::IChing, {}, kAnnaBirth + 100},
        {DayInfoMode::Compatibility, ben, kAnnaBirth + 500},
        {DayInfoMode::Interaction, benLater, EncodeDate(2024, 3, 1)},
    };
    std::string written;
    for (const auto& [mode, second, date] : views) {
        written += Written(ViewValues(mode, kAnna, second, date));
    }
    test::ExpectSameAsFile(written, "views.txt");
    // Compatibility does not change with the date.
    EXPECT_EQ(Written(ViewValues(DayInfoMode::Compatibility, kAnna, ben, kAnnaBirth + 500)),
              Written(ViewValues(DayInfoMode::Compatibility, kAnna, ben, kAnnaBirth + 9000)));
}

TEST(DayReportModel, RoundedMeansOfComposites) {
    DayRhythms day;
    day.overall = 57;
    day.percent[3] = 54;
    EXPECT_EQ(ExtraOverall(day), 55);  // truncated where the composites round
    day.ichingPercent = {50, 50, 51};  // 50.33
    EXPECT_EQ(IChingOverall(day), 50);
    day.ichingPercent = {1, 1, 0};  // 0.67
    EXPECT_EQ(IChingOverall(day), 1);
    // Two persons born the same day interact with their own values: on 1 Mar 2024 Anna has
    // 43 76 84 46, I-Ching 46 72 97, overall 68.
    const DayRhythms same = InteractionDay(kAnnaBirth, kAnnaBirth, EncodeDate(2024, 3, 1));
    EXPECT_EQ(same.percent, (std::array<std::int32_t, 4>{43, 76, 84, 46}));
    EXPECT_EQ(same.overall, 68);
    EXPECT_EQ(same.ichingPercent, (std::array<std::int32_t, 3>{46, 72, 97}));
    EXPECT_EQ(same.criticalCount, 0);
}

}  // namespace
}  // namespace vitalune
