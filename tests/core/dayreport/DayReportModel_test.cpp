#include "core/dayreport/DayReportModel.h"

#include <gtest/gtest.h>

#include "core/engine/DayTable.h"
#include "core/engine/DayWeather.h"

namespace vitalune {
namespace {

const DateTime kAnnaBirth = EncodeDate(1970, 1, 5);
const DayPerson kAnna{"Anna", kAnnaBirth};

const ViewRow& Row(const DayView& view, std::size_t group, std::size_t row) {
    return view.groups.at(group).rows.at(row);
}

TEST(DayReportModel, ModesKeepTheirNumbers) {
    EXPECT_EQ(static_cast<int>(DayInfoMode::Primary), 1);
    EXPECT_EQ(static_cast<int>(DayInfoMode::IChing), 3);
    EXPECT_EQ(static_cast<int>(DayInfoMode::Compatibility), 4);
    EXPECT_EQ(static_cast<int>(DayInfoMode::Interaction), 5);
    EXPECT_EQ(static_cast<int>(DayInfoMode::Extra), 6);
}

TEST(DayReportModel, ReportDateFollowsTheOffsetWithoutLimitButStaysInRange) {
    const DateTime calc = EncodeDate(2024, 3, 1) + 0.25;
    EXPECT_DOUBLE_EQ(ReportDate(calc, kCalculationDayOffset), calc);
    EXPECT_DOUBLE_EQ(ReportDate(calc, 17), calc + 1);  // next day from the toolbar's view
    EXPECT_DOUBLE_EQ(ReportDate(calc, 0), calc - 16);  // first chart column
    EXPECT_DOUBLE_EQ(ReportDate(calc, 31), calc + 15);
    EXPECT_DOUBLE_EQ(ReportDate(calc, -400), calc - 416);
    EXPECT_DOUBLE_EQ(ReportDate(calc, 50000), calc + 49984);
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
    EXPECT_EQ(CycleDayOf(16, 23).tide, TideDirection::Falling);  // day 17
    EXPECT_EQ(CycleDayOf(17, 23).tide, TideDirection::Rising);
    EXPECT_EQ(CycleDayOf(-1, 23).Text(), "0/23");
    EXPECT_EQ(CycleDayOf(-5, 28).Text(), "-4/28");
}

TEST(DayReportModel, PrimaryViewOnTheDayOfBirth) {
    const DayView view = ViewValues(DayInfoMode::Primary, kAnna, {}, kAnnaBirth + 0.9);
    EXPECT_EQ(view.headings,
              (std::vector<std::string>{"Primary rhythms on 05 Jan 1970", "for Anna"}));
    ASSERT_EQ(view.groups.size(), 1u);
    ASSERT_EQ(view.groups[0].rows.size(), 5u);
    EXPECT_TRUE(view.groups[0].lineBeforeLast);
    const int values[4] = {57, 56, 55, 54};
    const char* cycles[4] = {"1/23", "1/28", "1/33", "1/38"};
    for (std::size_t i = 0; i < 4; ++i) {
        const ViewRow& row = Row(view, 0, i);
        EXPECT_EQ(row.label, RhythmName(static_cast<RhythmId>(i)));
        EXPECT_EQ(row.colourSlot, static_cast<RhythmId>(i));
        EXPECT_EQ(row.value, values[i]);
        ASSERT_TRUE(row.cycle);
        EXPECT_EQ(row.cycle->Text(), cycles[i]);
        EXPECT_EQ(row.cycle->tide, TideDirection::Rising);
        EXPECT_EQ(row.criticalMarks, 1);  // every primary rhythm starts at its zero line
        EXPECT_EQ(row.weather, 1);
    }
    const ViewRow& overall = Row(view, 0, 4);
    EXPECT_EQ(overall.label, "Overall");
    EXPECT_EQ(overall.colourSlot, RhythmId::PrimaryOverall);
    EXPECT_EQ(overall.value, 56);
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
    const DayView secondary = ViewValues(DayInfoMode::Secondary, kAnna, {}, kAnnaBirth);
    // Physical 57, Emotional 56, Intellectual 55, Intuitive 54 on the day of birth.
    EXPECT_EQ(Row(secondary, 0, 0).label, "Wisdom");
    EXPECT_EQ(Row(secondary, 0, 0).value, 56);  // 55.5
    EXPECT_EQ(Row(secondary, 0, 1).value, 56);  // Mastery 56
    EXPECT_EQ(Row(secondary, 0, 2).value, 57);  // Passion 56.5
    EXPECT_EQ(Row(secondary, 0, 3).value, 56);  // the primary Overall
    EXPECT_EQ(Row(secondary, 0, 3).colourSlot, RhythmId::SecondaryOverall);
    EXPECT_EQ(secondary.compositionLines.at(1), "Mastery = Intellectual + Physical");
    EXPECT_FALSE(secondary.tideLegend);
    EXPECT_FALSE(Row(secondary, 0, 0).cycle);

    const DayView extra = ViewValues(DayInfoMode::Extra, kAnna, {}, kAnnaBirth);
    EXPECT_EQ(extra.headings.front(), "Extra rhythms on 05 Jan 1970");
    EXPECT_EQ(Row(extra, 0, 0).value, 56);  // Perception 55.5
    EXPECT_EQ(Row(extra, 0, 1).value, 55);  // Psychic 55
    EXPECT_EQ(Row(extra, 0, 2).value, 55);  // Success 54.5
    EXPECT_EQ(Row(extra, 0, 3).value, 55);  // (56 + 54) / 2
    EXPECT_EQ(extra.compositionLines.at(2), "Success = Intellectual + Intuitive");

    // Extra Overall truncates where the composites round.
    DayRhythms day;
    day.overall = 57;
    day.percent[3] = 54;
    EXPECT_EQ(ExtraOverall(day), 55);
    EXPECT_EQ(CompositePercent(57, 54), 56);
}

TEST(DayReportModel, IChingViewHasCyclesButNoCriticalMarks) {
    const DateTime date = kAnnaBirth + 100;
    const DayView view = ViewValues(DayInfoMode::IChing, kAnna, {}, date);
    EXPECT_EQ(view.headings.front(), "I-Ching rhythms on 15 Apr 1970");
    const int periods[3] = {43, 48, 53};
    int sum = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const ViewRow& row = Row(view, 0, i);
        EXPECT_EQ(row.value, ComputePhaseDirect(100 % periods[i], periods[i]).percent);
        EXPECT_EQ(row.cycle->Text(),
                  std::to_string(100 % periods[i] + 1) + "/" + std::to_string(periods[i]));
        EXPECT_EQ(row.criticalMarks, 0);
        sum += row.value;
    }
    EXPECT_EQ(Row(view, 0, 3).value, RoundHalfUp(sum * (1.0 / 3)));
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
    const std::pair<std::string_view, int> basic[4] = {
        {"Physical", 13}, {"Emotional", 29}, {"Intellectual", 39}, {"Overall result", 27}};
    const std::pair<std::string_view, int> other[4] = {
        {"Intuitive", 47}, {"Aesthetic", 53}, {"Awareness", 58}, {"Spiritual", 62}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Row(view, 0, i).label, basic[i].first);
        EXPECT_EQ(Row(view, 0, i).value, basic[i].second);
        EXPECT_EQ(Row(view, 1, i).label, other[i].first);
        EXPECT_EQ(Row(view, 1, i).value, other[i].second);
        EXPECT_FALSE(Row(view, 0, i).weather);
    }
    EXPECT_EQ(Row(view, 0, 0).rating, CompatRating::None);
    EXPECT_EQ(Row(view, 0, 1).rating, CompatRating::Weak);
    EXPECT_EQ(Row(view, 1, 3).rating, CompatRating::Good);
    EXPECT_EQ(Row(view, 0, 3).colourSlot, RhythmId::PrimaryOverall);
    EXPECT_EQ(Row(view, 1, 1).colourSlot, RhythmId::Aesthetic);

    const DayView later = ViewValues(DayInfoMode::Compatibility, kAnna, ben, kAnnaBirth + 9000);
    EXPECT_EQ(Row(later, 1, 3).value, Row(view, 1, 3).value);
}

TEST(DayReportModel, InteractionIsTheRoundedMeanOfTheTwoDays) {
    const DateTime date = EncodeDate(2024, 3, 1);
    const DateTime benBirth = EncodeDate(1972, 5, 5);
    DayRhythms a;
    DayRhythms b;
    ComputeDayRhythms(kAnnaBirth, date, a, true);
    ComputeDayRhythms(benBirth, date, b, true);
    const DayView view = ViewValues(DayInfoMode::Interaction, kAnna, {"Ben", benBirth}, date);
    EXPECT_EQ(view.headings,
              (std::vector<std::string>{"Mutual effect on 01 Mar 2024", "for Anna", "and Ben"}));
    EXPECT_EQ(Row(view, 0, 0).value, CompositePercent(a.percent[0], b.percent[0]));
    EXPECT_EQ(Row(view, 0, 3).value, CompositePercent(a.overall, b.overall));
    EXPECT_EQ(Row(view, 1, 0).value, CompositePercent(a.percent[3], b.percent[3]));
    EXPECT_EQ(Row(view, 1, 3).value, CompositePercent(a.ichingPercent[2], b.ichingPercent[2]));
    EXPECT_EQ(Row(view, 1, 3).weather, WeatherBand(Row(view, 1, 3).value));
    EXPECT_FALSE(Row(view, 0, 0).rating);

    // Two persons born the same day interact with their own values.
    const DayRhythms same = InteractionDay(kAnnaBirth, kAnnaBirth, date);
    EXPECT_EQ(same.percent, a.percent);
    EXPECT_EQ(same.overall, a.overall);
    EXPECT_EQ(same.ichingPercent, a.ichingPercent);
    EXPECT_EQ(same.criticalCount, 0);
}

TEST(DayReportModel, WeatherBandsOfTheRows) {
    EXPECT_EQ(WeatherBand(75), 0);
    EXPECT_EQ(WeatherBand(74), 1);
    EXPECT_EQ(WeatherBand(50), 1);
    EXPECT_EQ(WeatherBand(49), 2);
    EXPECT_EQ(WeatherBand(25), 2);
    EXPECT_EQ(WeatherBand(24), 3);
    for (int offset = 0; offset < 60; ++offset) {
        const DayView view = ViewValues(DayInfoMode::Secondary, kAnna, {}, kAnnaBirth + offset);
        for (const ViewRow& row : view.groups[0].rows) {
            EXPECT_EQ(row.weather, WeatherBand(row.value));
        }
    }
}

}  // namespace
}  // namespace vitalune
