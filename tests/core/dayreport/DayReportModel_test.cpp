#include "core/dayreport/DayReportModel.h"

#include <gtest/gtest.h>

namespace vitalune {
namespace {

const DateTime kAnnaBirth = EncodeDate(1970, 1, 5);
const DayPerson kAnna{"Anna", kAnnaBirth};
using Values = std::vector<std::int32_t>;

const ViewRow& Row(const DayView& view, std::size_t group, std::size_t row) {
    return view.groups.at(group).rows.at(row);
}

Values ValuesOf(const DayView& view, std::size_t group) {
    Values values;
    for (const ViewRow& row : view.groups.at(group).rows) {
        values.push_back(row.value);
    }
    return values;
}

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
        EXPECT_EQ(TideOf(1, q.period), TideDirection::Rising) << q.period;
        EXPECT_EQ(TideOf(q.q1, q.period), TideDirection::Rising) << q.period;
        EXPECT_EQ(TideOf(q.q1 + 1, q.period), TideDirection::Falling) << q.period;
        EXPECT_EQ(TideOf(q.q3, q.period), TideDirection::Falling) << q.period;
        EXPECT_EQ(TideOf(q.q3 + 1, q.period), TideDirection::Rising) << q.period;
        EXPECT_EQ(TideOf(q.period, q.period), TideDirection::Rising) << q.period;
    }
    // Before birth the day of cycle is zero or negative: rising.
    EXPECT_EQ(TideOf(0, 23), TideDirection::Rising);
    EXPECT_EQ(TideOf(-10, 23), TideDirection::Rising);
}

TEST(DayReportModel, DayOfCycleCarriesTheRemaindersSign) {
    EXPECT_EQ(CycleDayOf(0, 23).Text(), "1/23");
    EXPECT_EQ(CycleDayOf(22, 23).Text(), "23/23");
    EXPECT_EQ(CycleDayOf(23, 23).Text(), "1/23");
    EXPECT_EQ(CycleDayOf(5, 23).tide, TideDirection::Rising);  // day 6
    EXPECT_EQ(CycleDayOf(6, 23).tide, TideDirection::Falling);
    EXPECT_EQ(CycleDayOf(-1, 23).Text(), "0/23");
    EXPECT_EQ(CycleDayOf(-5, 28).Text(), "-4/28");
}

TEST(DayReportModel, PrimaryViewOnTheDayOfBirth) {
    const DayView view = ViewValues(DayInfoMode::Primary, kAnna, {}, kAnnaBirth + 0.9);
    EXPECT_EQ(view.headings,
              (std::vector<std::string>{"Primary rhythms on 05 Jan 1970", "for Anna"}));
    ASSERT_EQ(view.groups.size(), 1u);
    EXPECT_EQ(ValuesOf(view, 0), (Values{57, 56, 55, 54, 56}));
    EXPECT_TRUE(view.groups[0].lineBeforeLast);
    const char* cycles[4] = {"1/23", "1/28", "1/33", "1/38"};
    for (std::size_t i = 0; i < 4; ++i) {
        const ViewRow& row = Row(view, 0, i);
        EXPECT_EQ(row.label, RhythmName(static_cast<RhythmId>(i)));
        EXPECT_EQ(row.colourSlot, static_cast<RhythmId>(i));
        ASSERT_TRUE(row.cycle);
        EXPECT_EQ(row.cycle->Text(), cycles[i]);
        EXPECT_EQ(row.cycle->tide, TideDirection::Rising);
        EXPECT_EQ(row.criticalMarks, 1);  // every primary rhythm starts at its zero line
        EXPECT_EQ(row.weather, 1);
    }
    const ViewRow& overall = Row(view, 0, 4);
    EXPECT_EQ(overall.label, "Overall");
    EXPECT_EQ(overall.colourSlot, RhythmId::PrimaryOverall);
    EXPECT_EQ(overall.criticalMarks, 4);
    EXPECT_FALSE(overall.cycle);
    EXPECT_TRUE(view.tideLegend);
    EXPECT_TRUE(view.criticalLegend);
    EXPECT_TRUE(view.compositionLines.empty());

    // Before birth the values run backwards and the days of cycle are zero or negative.
    const DayView before = ViewValues(DayInfoMode::Primary, kAnna, {}, kAnnaBirth - 1);
    EXPECT_EQ(Row(before, 0, 0).cycle->Text(), "0/23");
    EXPECT_EQ(Row(before, 0, 0).criticalMarks, 0);
}

TEST(DayReportModel, SecondaryAndExtraRowsAreRoundedMeans) {
    // Physical 57, Emotional 56, Intellectual 55, Intuitive 54 on the day of birth.
    const DayView secondary = ViewValues(DayInfoMode::Secondary, kAnna, {}, kAnnaBirth);
    EXPECT_EQ(Row(secondary, 0, 0).label, "Wisdom");
    EXPECT_EQ(ValuesOf(secondary, 0), (Values{56, 56, 57, 56}));  // 55.5, 56, 56.5, Overall
    EXPECT_EQ(Row(secondary, 0, 3).colourSlot, RhythmId::SecondaryOverall);
    EXPECT_EQ(secondary.compositionLines.at(1), "Mastery = Intellectual + Physical");
    EXPECT_FALSE(secondary.tideLegend);
    EXPECT_FALSE(Row(secondary, 0, 0).cycle);

    const DayView extra = ViewValues(DayInfoMode::Extra, kAnna, {}, kAnnaBirth);
    EXPECT_EQ(extra.headings.front(), "Extra rhythms on 05 Jan 1970");
    EXPECT_EQ(ValuesOf(extra, 0), (Values{56, 55, 55, 55}));  // 55.5, 55, 54.5, (56 + 54) / 2
    EXPECT_EQ(extra.compositionLines.at(2), "Success = Intellectual + Intuitive");

    // Extra Overall truncates where the composites round.
    DayRhythms day;
    day.overall = 57;
    day.percent[3] = 54;
    EXPECT_EQ(ExtraOverall(day), 55);
}

TEST(DayReportModel, IChingViewHasCyclesButNoCriticalMarks) {
    // 100 days lived: day 15 of 43, 5 of 48 and 48 of 53.
    const DayView view = ViewValues(DayInfoMode::IChing, kAnna, {}, kAnnaBirth + 100);
    EXPECT_EQ(view.headings.front(), "I-Ching rhythms on 15 Apr 1970");
    EXPECT_EQ(ValuesOf(view, 0), (Values{93, 78, 20, 64}));
    const char* cycles[3] = {"15/43", "5/48", "48/53"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(Row(view, 0, i).cycle->Text(), cycles[i]);
        EXPECT_EQ(Row(view, 0, i).criticalMarks, 0);
    }
    EXPECT_TRUE(view.tideLegend);
    EXPECT_FALSE(view.criticalLegend);

    DayRhythms day;
    day.ichingPercent = {50, 50, 51};  // 50.33
    EXPECT_EQ(IChingOverall(day), 50);
    day.ichingPercent = {1, 1, 0};  // 0.67
    EXPECT_EQ(IChingOverall(day), 1);
}

TEST(DayReportModel, CompatibilityViewIgnoresTheDate) {
    const DayPerson ben{"Ben", kAnnaBirth + 10};
    const DayView view = ViewValues(DayInfoMode::Compatibility, kAnna, ben, kAnnaBirth + 500);
    EXPECT_EQ(view.headings,
              (std::vector<std::string>{"Compatibility report", "for Anna", "and Ben"}));
    ASSERT_EQ(view.groups.size(), 2u);
    EXPECT_EQ(view.groups[0].title, "Basic rhythms");
    EXPECT_TRUE(view.groups[0].lineBeforeLast);
    EXPECT_EQ(view.groups[1].title, "Other rhythms");
    EXPECT_FALSE(view.groups[1].lineBeforeLast);
    EXPECT_EQ(ValuesOf(view, 0), (Values{13, 29, 39, 27}));
    EXPECT_EQ(ValuesOf(view, 1), (Values{47, 53, 58, 62}));
    EXPECT_EQ(Row(view, 0, 3).label, "Overall result");
    EXPECT_EQ(Row(view, 1, 1).label, "Aesthetic");
    EXPECT_FALSE(Row(view, 0, 0).weather);
    EXPECT_EQ(Row(view, 0, 0).rating, CompatRating::None);
    EXPECT_EQ(Row(view, 0, 1).rating, CompatRating::Weak);
    EXPECT_EQ(Row(view, 1, 3).rating, CompatRating::Good);
    EXPECT_EQ(Row(view, 0, 3).colourSlot, RhythmId::PrimaryOverall);
    EXPECT_EQ(Row(view, 1, 1).colourSlot, RhythmId::Aesthetic);
    const DayView later = ViewValues(DayInfoMode::Compatibility, kAnna, ben, kAnnaBirth + 9000);
    EXPECT_EQ(ValuesOf(later, 1), ValuesOf(view, 1));
}

TEST(DayReportModel, InteractionIsTheRoundedMeanOfTheTwoDays) {
    // On 1 Mar 2024 Anna has 43 76 84 46, I-Ching 46 72 97, overall 68; Ben, born 5 May
    // 1972, has 43 56 23 84, I-Ching 97 91 89, overall 41.
    const DateTime date = EncodeDate(2024, 3, 1);
    const DayView view = ViewValues(DayInfoMode::Interaction, kAnna,
                                    {"Ben", DateTime(EncodeDate(1972, 5, 5))}, date);
    EXPECT_EQ(view.headings,
              (std::vector<std::string>{"Mutual effect on 01 Mar 2024", "for Anna", "and Ben"}));
    EXPECT_EQ(ValuesOf(view, 0), (Values{43, 66, 54, 55}));
    EXPECT_EQ(ValuesOf(view, 1), (Values{65, 72, 82, 93}));
    EXPECT_EQ(Row(view, 1, 3).weather, 0);
    EXPECT_FALSE(Row(view, 0, 0).rating);

    // Two persons born the same day interact with their own values.
    const DayRhythms same = InteractionDay(kAnnaBirth, kAnnaBirth, date);
    EXPECT_EQ(same.percent, (std::array<std::int32_t, 4>{43, 76, 84, 46}));
    EXPECT_EQ(same.overall, 68);
    EXPECT_EQ(same.ichingPercent, (std::array<std::int32_t, 3>{46, 72, 97}));
    EXPECT_EQ(same.criticalCount, 0);
}

}  // namespace
}  // namespace vitalune
