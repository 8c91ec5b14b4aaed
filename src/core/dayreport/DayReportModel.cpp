#include "core/dayreport/DayReportModel.h"

#include <algorithm>

#include "core/engine/DateText.h"
#include "core/engine/DayWeather.h"

namespace vitalune {

namespace {

using R = RhythmId;

ViewRow WeatherRow(std::string_view label, R slot, std::int32_t value) {
    ViewRow row;
    row.label = label;
    row.colourSlot = slot;
    row.value = value;
    row.weather = WeatherBand(value);
    return row;
}

ViewRow CycleRow(std::string_view label, R slot, std::int32_t value, std::int32_t daysLived,
                 int period) {
    ViewRow row = WeatherRow(label, slot, value);
    row.cycle = CycleDayOf(daysLived, period);
    return row;
}

std::vector<std::string> OnePersonHeadings(std::string_view family, const DayPerson& person,
                                           DateTime date) {
    return {std::string{family} + " on " + DateText(date), "for " + person.name};
}

DayView PrimaryView(const DayPerson& person, DateTime date) {
    DayRhythms day;
    ComputeDayRhythms(person.birth, date, day, false);
    const std::int32_t d = DaysLived(person.birth, date);
    DayView view;
    view.headings = OnePersonHeadings("Primary rhythms", person, date);
    ViewGroup group;
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const auto slot = static_cast<R>(i);
        ViewRow row =
            CycleRow(RhythmName(slot), slot, day.percent[k], d, RhythmCatalogue(slot).period);
        row.criticalMarks = day.critical[k] ? 1 : 0;
        group.rows.push_back(row);
    }
    ViewRow overall = WeatherRow("Overall", R::PrimaryOverall, day.overall);
    overall.criticalMarks = day.criticalCount;
    group.rows.push_back(overall);
    group.lineBeforeLast = true;
    view.groups.push_back(std::move(group));
    view.tideLegend = true;
    view.criticalLegend = true;
    return view;
}

DayView SecondaryView(const DayPerson& person, DateTime date) {
    DayRhythms day;
    ComputeDayRhythms(person.birth, date, day, false);
    const auto& p = day.percent;
    DayView view;
    view.headings = OnePersonHeadings("Secondary rhythms", person, date);
    ViewGroup group;
    group.rows = {
        WeatherRow("Wisdom", R::Wisdom, CompositePercent(p[1], p[2])),
        WeatherRow("Mastery", R::Mastery, CompositePercent(p[0], p[2])),
        WeatherRow("Passion", R::Passion, CompositePercent(p[0], p[1])),
        WeatherRow("Overall", R::SecondaryOverall, day.overall),
    };
    group.lineBeforeLast = true;
    view.groups.push_back(std::move(group));
    view.compositionLines = {"Wisdom = Emotional + Intellectual",
                             "Mastery = Intellectual + Physical", "Passion = Physical + Emotional"};
    return view;
}

DayView IChingView(const DayPerson& person, DateTime date) {
    DayRhythms day;
    ComputeDayRhythms(person.birth, date, day, true);
    const std::int32_t d = DaysLived(person.birth, date);
    DayView view;
    view.headings = OnePersonHeadings("I-Ching rhythms", person, date);
    ViewGroup group;
    for (int i = 0; i < 3; ++i) {
        const auto slot = static_cast<R>(static_cast<int>(R::Aesthetic) + i);
        group.rows.push_back(CycleRow(RhythmName(slot), slot,
                                      day.ichingPercent[static_cast<std::size_t>(i)], d,
                                      RhythmCatalogue(slot).period));
    }
    group.rows.push_back(WeatherRow("Overall", R::IChingOverall, IChingOverall(day)));
    group.lineBeforeLast = true;
    view.groups.push_back(std::move(group));
    view.tideLegend = true;
    return view;
}

DayView ExtraView(const DayPerson& person, DateTime date) {
    DayRhythms day;
    ComputeDayRhythms(person.birth, date, day, false);
    const auto& p = day.percent;
    DayView view;
    view.headings = OnePersonHeadings("Extra rhythms", person, date);
    ViewGroup group;
    group.rows = {
        WeatherRow("Perception", R::Perception, CompositePercent(p[0], p[3])),
        WeatherRow("Psychic", R::Psychic, CompositePercent(p[1], p[3])),
        WeatherRow("Success", R::Success, CompositePercent(p[2], p[3])),
        WeatherRow("Overall", R::ExtraOverall, ExtraOverall(day)),
    };
    group.lineBeforeLast = true;
    view.groups.push_back(std::move(group));
    view.compositionLines = {"Perception = Physical + Intuitive", "Psychic = Emotional + Intuitive",
                             "Success = Intellectual + Intuitive"};
    return view;
}

// The eight values of a pair in the two groups both pair views share, in CompatField order.
struct PairLabel {
    std::string_view label;
    R slot;
};
constexpr PairLabel kPairLabels[kCompatFieldCount] = {
    {"Physical", R::Physical},
    {"Emotional", R::Emotional},
    {"Intellectual", R::Intellectual},
    {"Intuitive", R::Intuitive},
    {"Overall result", R::PrimaryOverall},
    {"Aesthetic", R::Aesthetic},
    {"Awareness", R::Awareness},
    {"Spiritual", R::Spiritual},
};

template <typename MakeRow>
std::vector<ViewGroup> PairGroups(MakeRow makeRow) {
    using F = CompatField;
    ViewGroup basic{"Basic rhythms", {}, true};
    for (F f : {F::Physical, F::Emotional, F::Intellectual, F::Overall}) {
        basic.rows.push_back(makeRow(f));
    }
    ViewGroup other{"Other rhythms", {}, false};
    for (F f : {F::Intuitive, F::Aesthetic, F::Awareness, F::Spiritual}) {
        other.rows.push_back(makeRow(f));
    }
    return {std::move(basic), std::move(other)};
}

DayView CompatibilityView(const DayPerson& first, const DayPerson& second) {
    const CompatibilityResult result = ComputeCompatibility(first.birth, second.birth);
    DayView view;
    view.headings = {"Compatibility report", "for " + first.name, "and " + second.name};
    view.groups = PairGroups([&](CompatField f) {
        const PairLabel& label = kPairLabels[static_cast<int>(f)];
        ViewRow row;
        row.label = label.label;
        row.colourSlot = label.slot;
        row.value = result[f];
        row.rating = RateCompatibility(row.value);
        return row;
    });
    return view;
}

std::array<std::int32_t, kCompatFieldCount> PairFieldValues(const DayRhythms& day) {
    const auto& p = day.percent;
    const auto& q = day.ichingPercent;
    return {p[0], p[1], p[2], p[3], day.overall, q[0], q[1], q[2]};
}

DayView InteractionView(const DayPerson& first, const DayPerson& second, DateTime date) {
    const auto values = PairFieldValues(InteractionDay(first.birth, second.birth, date));
    DayView view;
    view.headings = {"Mutual effect on " + DateText(date), "for " + first.name,
                     "and " + second.name};
    view.groups = PairGroups([&](CompatField f) {
        const PairLabel& label = kPairLabels[static_cast<int>(f)];
        return WeatherRow(label.label, label.slot, values[static_cast<std::size_t>(f)]);
    });
    return view;
}

}  // namespace

DateTime ReportDate(DateTime calculationDate, std::int64_t dayOffset) {
    const double date = calculationDate - kCalculationDayOffset + static_cast<double>(dayOffset);
    // Keep the time of day but never leave the days the calendar can name.
    return std::clamp(date, static_cast<double>(kMinDay), kMaxDay + 0.999999);
}

TideDirection TideOf(std::int32_t dayOfCycle, int period) {
    const std::int32_t q1 = RoundHalfUp(period * 0.25);
    const std::int32_t q3 = RoundHalfUp(period * 0.75);
    return q1 < dayOfCycle && dayOfCycle <= q3 ? TideDirection::Falling : TideDirection::Rising;
}

std::string CycleDay::Text() const {
    return std::to_string(day) + "/" + std::to_string(period);
}

CycleDay CycleDayOf(std::int32_t daysLived, int period) {
    CycleDay cycle;
    cycle.day = daysLived % period + 1;
    cycle.period = period;
    cycle.tide = TideOf(cycle.day, period);
    return cycle;
}

DayView ViewValues(DayInfoMode mode, const DayPerson& first, const DayPerson& second,
                   DateTime reportDate) {
    DayView view;
    switch (mode) {
        case DayInfoMode::Primary:
            view = PrimaryView(first, reportDate);
            break;
        case DayInfoMode::Secondary:
            view = SecondaryView(first, reportDate);
            break;
        case DayInfoMode::IChing:
            view = IChingView(first, reportDate);
            break;
        case DayInfoMode::Compatibility:
            view = CompatibilityView(first, second);
            break;
        case DayInfoMode::Interaction:
            view = InteractionView(first, second, reportDate);
            break;
        case DayInfoMode::Extra:
            view = ExtraView(first, reportDate);
            break;
    }
    view.mode = mode;
    return view;
}

DayRhythms InteractionDay(DateTime birthA, DateTime birthB, DateTime date) {
    DayRhythms a;
    DayRhythms b;
    ComputeDayRhythms(birthA, date, a, true);
    ComputeDayRhythms(birthB, date, b, true);
    DayRhythms mean;
    for (std::size_t i = 0; i < 4; ++i) {
        mean.percent[i] = CompositePercent(a.percent[i], b.percent[i]);
    }
    mean.overall = CompositePercent(a.overall, b.overall);
    for (std::size_t i = 0; i < 3; ++i) {
        mean.ichingPercent[i] = CompositePercent(a.ichingPercent[i], b.ichingPercent[i]);
    }
    return mean;
}

std::int32_t IChingOverall(const DayRhythms& day) {
    const auto& q = day.ichingPercent;
    return RoundHalfUp((static_cast<double>(q[0]) + q[1] + q[2]) * (1.0 / 3));
}

std::int32_t ExtraOverall(const DayRhythms& day) {
    return static_cast<std::int32_t>((static_cast<double>(day.overall) + day.percent[3]) * 0.5);
}

}  // namespace vitalune
