#include "core/engine/Rhythm.h"

#include <cmath>
#include <limits>

#include "core/engine/DayTable.h"

namespace vitalune {

namespace {

using R = RhythmId;
using F = RhythmFamily;

constexpr RhythmInfo Single(std::string_view name, F family, int period, std::string_view attrib) {
    return {name, family, period, {R::Physical, R::Physical, R::Physical}, 0, attrib};
}
constexpr RhythmInfo Mean2(std::string_view name, F family, R a, R b, std::string_view attrib) {
    return {name, family, 0, {a, b, R::Physical}, 2, attrib};
}
constexpr RhythmInfo Mean3(std::string_view name, F family, R a, R b, R c,
                           std::string_view attrib) {
    return {name, family, 0, {a, b, c}, 3, attrib};
}

// The divisor of each phase is a constant here, so the compiler turns the remainder into a
// multiplication; that and the table look-up are all a day costs.
struct TablePhase {
    template <int I>
    static PhaseResult At(std::int32_t d) {
        constexpr int period = kPeriods[I];
        static const DayTable& table = DayTable::Get(I);
        return table.AtPhase(d % period);
    }
};

struct DirectPhase {
    template <int I>
    static PhaseResult At(std::int32_t d) {
        constexpr int period = kPeriods[I];
        return ComputePhaseDirect(d % period, period);
    }
};

void FillPrimaries(const PhaseResult (&p)[4], DayRhythms& out) {
    out.criticalCount = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        out.percent[i] = p[i].percent;
        out.critical[i] = p[i].critical;
        out.criticalCount += p[i].critical ? 1 : 0;
    }
    out.overall = OverallPercent(p[0].mean, p[1].mean, p[2].mean);
}

template <typename Phase>
void FillDay(std::int32_t d, DayRhythms& out, bool withIChing) {
    FillPrimaries({Phase::template At<0>(d), Phase::template At<1>(d), Phase::template At<2>(d),
                   Phase::template At<3>(d)},
                  out);
    if (withIChing) {
        out.ichingPercent = {Phase::template At<4>(d).percent, Phase::template At<5>(d).percent,
                             Phase::template At<6>(d).percent};
    }
}

}  // namespace

const std::array<RhythmInfo, kRhythmCount> kRhythmCatalogue = {
    Single("Physical", F::Primary, 23, "PhAttrib"),
    Single("Emotional", F::Primary, 28, "EmAttrib"),
    Single("Intellectual", F::Primary, 33, "IntlAttrib"),
    Single("Intuitive", F::Primary, 38, "IntvAttrib"),
    Mean2("Wisdom", F::Secondary, R::Emotional, R::Intellectual, "WsAttrib"),
    Mean2("Mastery", F::Secondary, R::Physical, R::Intellectual, "MaAttrib"),
    Mean2("Passion", F::Secondary, R::Physical, R::Emotional, "PaAttrib"),
    Single("Aesthetic", F::IChing, 43, "AeAttrib"),
    Single("Awareness", F::IChing, 48, "AwAttrib"),
    Single("Spiritual", F::IChing, 53, "SpAttrib"),
    Mean3("Overall", F::Primary, R::Physical, R::Emotional, R::Intellectual, "BaseOvlAttrib"),
    Mean3("Overall", F::Secondary, R::Wisdom, R::Mastery, R::Passion, "SecOvlAttrib"),
    Mean3("Overall", F::IChing, R::Aesthetic, R::Awareness, R::Spiritual, "IchOvlAttrib"),
    Mean2("Perception", F::Extra, R::Physical, R::Intuitive, "PeAttrib"),
    Mean2("Psychic", F::Extra, R::Emotional, R::Intuitive, "PsAttrib"),
    Mean2("Success", F::Extra, R::Intellectual, R::Intuitive, "ScAttrib"),
    Mean3("Overall", F::Extra, R::Perception, R::Psychic, R::Success, "ExtOvlAttrib"),
};

std::string_view RhythmName(RhythmId id) {
    return RhythmCatalogue(id).name;
}

std::string_view FamilyCaption(RhythmFamily family) {
    switch (family) {
        case F::Primary:
            return "Primary rhythms";
        case F::Secondary:
            return "Secondary rhythms";
        case F::IChing:
            return "I-Ching";
        case F::Extra:
            return "Extra rhythms";
    }
    return {};
}

std::string_view FamilyText(RhythmFamily family) {
    return family == F::IChing ? std::string_view{"I-Ching rhythms"} : FamilyCaption(family);
}

std::int32_t RoundHalfUp(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    if (x >= kMax) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (x <= kMin) {
        return std::numeric_limits<std::int32_t>::min();
    }
    // The conversion truncates toward zero (and is one instruction, unlike std::trunc).
    const auto t = static_cast<std::int32_t>(x);
    return t + (x - t >= 0.5 ? 1 : 0);
}

std::int32_t CompositePercent(std::int32_t a, std::int32_t b) {
    return RoundHalfUp((static_cast<double>(a) + b) * 0.5);
}

std::int32_t OverallPercent(double mP, double mE, double mI) {
    return RoundHalfUp(((mP + mE + mI) * (1.0 / 3) + 1) * 0.5 * 100);
}

std::int32_t DaysLived(DateTime birth, DateTime date) {
    return WholeDay(date) - WholeDay(birth);
}

void ComputeDayRhythms(DateTime birth, DateTime date, DayRhythms& out, bool withIChing) {
    FillDay<TablePhase>(DaysLived(birth, date), out, withIChing);
}

void ComputeDayRhythmsSpan(DateTime birth, std::int32_t firstDay, std::span<DayRhythms> out,
                           bool withIChing) {
    const std::int32_t d = firstDay - WholeDay(birth);
    const int count = withIChing ? 7 : 4;
    const DayTable* tables[7];
    std::array<PhaseCursor, 7> cursors = {PhaseCursor(kPeriods[0], d), PhaseCursor(kPeriods[1], d),
                                          PhaseCursor(kPeriods[2], d), PhaseCursor(kPeriods[3], d),
                                          PhaseCursor(kPeriods[4], d), PhaseCursor(kPeriods[5], d),
                                          PhaseCursor(kPeriods[6], d)};
    for (int i = 0; i < count; ++i) {
        tables[i] = &DayTable::Get(i);
    }
    for (DayRhythms& day : out) {
        FillPrimaries({tables[0]->AtPhase(cursors[0].r()), tables[1]->AtPhase(cursors[1].r()),
                       tables[2]->AtPhase(cursors[2].r()), tables[3]->AtPhase(cursors[3].r())},
                      day);
        for (int i = 4; i < count; ++i) {
            day.ichingPercent[static_cast<std::size_t>(i - 4)] =
                tables[i]->AtPhase(cursors[static_cast<std::size_t>(i)].r()).percent;
        }
        for (int i = 0; i < count; ++i) {
            cursors[static_cast<std::size_t>(i)].Next();
        }
    }
}

void ComputeDayRhythmsDirect(DateTime birth, DateTime date, DayRhythms& out, bool withIChing) {
    FillDay<DirectPhase>(DaysLived(birth, date), out, withIChing);
}

}  // namespace vitalune
