#include "core/forecast/ForecastSearch.h"

#include <algorithm>
#include <bit>
#include <optional>

#include "core/engine/DayTable.h"

namespace vitalune {

namespace {

int ClampLevel(int item) {
    return std::clamp(item, 0, 2);
}

bool PassesLevels(const LevelCriteria& page, const DayRhythms& day,
                  bool (*passes)(std::int32_t value, int item)) {
    if (ShowsAll(page)) {
        return passes(day.overall, page.overallLevel);
    }
    bool any = false;
    bool all = true;
    for (std::size_t i = 0; i < 4; ++i) {
        if (page.rhythm[i]) {
            const bool ok = passes(day.percent[i], page.level[i]);
            any = any || ok;
            all = all && ok;
        }
    }
    return page.useAnd ? all : any;
}

bool PassesCritical(const ForecastCriteria& c, const DayRhythms& day) {
    if (ShowsAllCritical(c)) {
        return day.criticalCount > 0;
    }
    bool any = false;
    bool all = true;
    for (std::size_t i = 0; i < 4; ++i) {
        if (c.criticalRhythm[i]) {
            any = any || day.critical[i];
            all = all && day.critical[i];
        }
    }
    return c.criticalAnd ? all : any;
}

bool PassesStress(StressMode mode, const DayRhythms& day) {
    const std::int32_t e = day.percent[1];
    const std::int32_t i = day.percent[2];
    const bool women = i >= 90 && e < 10;
    const bool men = i < 10 && e >= 90;
    switch (mode) {
        case StressMode::Women:
            return women;
        case StressMode::Men:
            return men;
        case StressMode::All:
            break;
    }
    return women || men;
}

// The days a search looks at. The day at offset `span` is examined but never listed, so it
// cannot change the result and is left out here.
struct ScanPlan {
    std::int32_t first = 0;
    std::int32_t lastListed = 0;
    std::int32_t lastExamined = 0;
    bool clipped = false;  // the span reaches past the last valid day
    std::size_t cap = kForecastHitCap;
};

// The day after the span, as a number that lies past the last valid day when the span would
// run past it.
std::int64_t SpanEnd(const ForecastCriteria& c, std::int32_t first) {
    if (c.limitByResults) {
        return static_cast<std::int64_t>(first) + kResultsSearchSpan;
    }
    const std::int32_t end = AddMonths(first, c.monthsAmount);
    // AddMonths stops at the last valid day; only a start later than that day's months-earlier
    // twin means the span was cut short there.
    const bool cut = end == kMaxDay && first > AddMonths(kMaxDay, -c.monthsAmount);
    return cut ? static_cast<std::int64_t>(kMaxDay) + 1 : end;
}

ScanPlan PlanScan(const ForecastCriteria& c) {
    ScanPlan plan;
    plan.first = std::clamp(c.startDate, kMinDay, kMaxDay);
    const std::int64_t end = SpanEnd(c, plan.first);
    plan.clipped = end > kMaxDay;
    plan.lastExamined = plan.clipped ? kMaxDay : static_cast<std::int32_t>(end);
    plan.lastListed = plan.clipped ? kMaxDay : static_cast<std::int32_t>(end - 1);
    plan.cap = static_cast<std::size_t>(c.limitByResults ? c.resultsAmount : kForecastHitCap);
    return plan;
}

// Consecutive days from the per-period tables: each phase steps by one per day, so a day
// costs four look-ups. The overall value is left out while the test does not read it.
class TableDays {
  public:
    TableDays(DateTime birth, std::int32_t first)
        : m_cursors{PhaseCursor(kPeriods[0], first - WholeDay(birth)),
                    PhaseCursor(kPeriods[1], first - WholeDay(birth)),
                    PhaseCursor(kPeriods[2], first - WholeDay(birth)),
                    PhaseCursor(kPeriods[3], first - WholeDay(birth))} {
        for (std::size_t i = 0; i < 4; ++i) {
            m_tables[i] = &DayTable::Get(static_cast<int>(i));
        }
    }
    void Fill(DayRhythms& out, bool withOverall) {
        out.criticalCount = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            m_phase[i] = &m_tables[i]->AtPhase(m_cursors[i].r());
            out.percent[i] = m_phase[i]->percent;
            out.critical[i] = m_phase[i]->critical;
            out.criticalCount += m_phase[i]->critical ? 1 : 0;
        }
        if (withOverall) {
            AddOverall(out);
        }
    }
    // The overall value of the day last filled.
    void AddOverall(DayRhythms& out) const {
        out.overall = OverallPercent(m_phase[0]->mean, m_phase[1]->mean, m_phase[2]->mean);
    }
    void Next() {
        for (PhaseCursor& cursor : m_cursors) {
            cursor.Next();
        }
    }

  private:
    std::array<PhaseCursor, 4> m_cursors;
    std::array<const DayTable*, 4> m_tables{};
    std::array<const PhaseResult*, 4> m_phase{};
};

class DirectDays {
  public:
    DirectDays(DateTime birth, std::int32_t first) : m_birth(birth), m_day(first) {}
    void Fill(DayRhythms& out, bool) const { ComputeDayRhythmsDirect(m_birth, m_day, out, false); }
    void AddOverall(DayRhythms&) const {}
    void Next() { ++m_day; }

  private:
    DateTime m_birth;
    std::int32_t m_day;
};

// Walks the planned days. `take(date, hits)` tests the current day and appends it when it is
// listed; `next()` moves to the following day.
template <typename Result, typename Take, typename Next>
Result ScanPlanned(const ForecastCriteria& c, Take&& take, Next&& next) {
    const ScanPlan plan = PlanScan(c);
    Result result;
    result.hits.reserve(plan.cap);
    bool filled = false;
    for (std::int32_t date = plan.first;; ++date) {
        if (take(date, result.hits) && result.hits.size() >= plan.cap) {
            filled = true;
            break;
        }
        if (date == plan.lastListed) {
            break;
        }
        next();
    }
    if (filled) {
        result.endDate = result.hits.back().date;
    } else {
        result.endDate = c.limitByResults ? plan.lastExamined : plan.lastListed;
        result.stoppedAtLastDay = plan.clipped;
    }
    return result;
}

bool TestsOverall(const ForecastCriteria& c) {
    return (c.kind == ForecastKind::Sunny && ShowsAll(c.sunny)) ||
           (c.kind == ForecastKind::Rainy && ShowsAll(c.rainy));
}

template <typename Days>
ForecastResult Scan(const ForecastCriteria& criteria, DateTime birth) {
    ForecastCriteria c = criteria;
    NormaliseAmounts(c);
    Days days(birth, std::clamp(c.startDate, kMinDay, kMaxDay));
    const bool testsOverall = TestsOverall(c);
    DayRhythms day;
    return ScanPlanned<ForecastResult>(
        c,
        [&](std::int32_t date, std::vector<ForecastHit>& hits) {
            days.Fill(day, testsOverall);
            if (!DayPasses(c, day)) {
                return false;
            }
            if (!testsOverall) {
                days.AddOverall(day);
            }
            hits.push_back({date, day});
            return true;
        },
        [&] { days.Next(); });
}

// One bit per day of a span, for the group search: each member's days are worked out a
// word of 64 days at a time, then joined with the others'.
class DayBits {
  public:
    DayBits(std::size_t days, bool set)
        : m_days(days), m_words((days + 63) / 64, set ? ~std::uint64_t{0} : 0) {}
    std::size_t Days() const { return m_days; }
    bool Test(std::size_t i) const { return (m_words[i / 64] >> (i % 64)) & 1u; }
    void Set(std::size_t i) { m_words[i / 64] |= std::uint64_t{1} << (i % 64); }
    void SetWord(std::size_t w, std::uint64_t bits) { m_words[w] = bits; }
    // The 64 days from day `i` on, the first in the lowest bit.
    std::uint64_t Word64At(std::size_t i) const {
        const std::size_t w = i / 64;
        const std::size_t shift = i % 64;
        const std::uint64_t low = m_words[w] >> shift;
        return shift == 0 || w + 1 >= m_words.size() ? low : low | m_words[w + 1] << (64 - shift);
    }
    std::size_t Words() const { return m_words.size(); }
    void And(const DayBits& other) {
        for (std::size_t w = 0; w < m_words.size(); ++w) {
            m_words[w] &= other.m_words[w];
        }
    }
    void Or(const DayBits& other) {
        for (std::size_t w = 0; w < m_words.size(); ++w) {
            m_words[w] |= other.m_words[w];
        }
    }
    // Clears each set day that fails `keep`.
    template <typename Keep>
    void KeepWhere(Keep&& keep) {
        for (std::size_t w = 0; w < m_words.size(); ++w) {
            for (std::uint64_t rest = m_words[w]; rest != 0; rest &= rest - 1) {
                const auto bit = static_cast<std::size_t>(std::countr_zero(rest));
                const std::size_t i = w * 64 + bit;
                if (i >= m_days || !keep(i)) {
                    m_words[w] &= ~(std::uint64_t{1} << bit);
                }
            }
        }
    }

  private:
    std::size_t m_days;
    std::vector<std::uint64_t> m_words;
};

// The days of the span on which one rhythm's day result passes `test`. A phase's result
// repeats every period once the person is born, so the days are worked out over one period
// (and the days before birth, which have phases of their own) and then repeated a word at a
// time.
template <typename Test>
DayBits RhythmBits(int rhythm, DateTime birth, std::int32_t first, std::size_t days, Test test) {
    const DayTable& table = DayTable::Get(rhythm);
    const int period = table.period();
    const std::int32_t lived = first - WholeDay(birth);
    PhaseCursor cursor(period, lived);
    DayBits bits(days, false);
    // Day i has lived + i days lived; from the first positive one on, phases repeat.
    const std::size_t periodic = lived > 0 ? 0 : static_cast<std::size_t>(1 - lived);
    const std::size_t direct = std::min(days, periodic + static_cast<std::size_t>(period) + 64);
    for (std::size_t i = 0; i < direct; ++i, cursor.Next()) {
        if (test(table.AtPhase(cursor.r()))) {
            bits.Set(i);
        }
    }
    // Then whole words, from the one the worked-out days end in: the 64 days from a word's
    // start came a whole number of periods earlier, within the days worked out.
    const auto step = static_cast<std::size_t>(period);
    for (std::size_t w = direct < days ? direct / 64 : bits.Words(); w < bits.Words(); ++w) {
        const std::size_t start = w * 64;
        bits.SetWord(w, bits.Word64At(periodic + (start - periodic) % step));
    }
    return bits;
}

// A member's days as bits, for criteria each rhythm can answer on its own; nothing for those
// that ask the overall value.
std::optional<DayBits> MemberBits(const ForecastCriteria& c, DateTime birth, std::int32_t first,
                                  std::size_t days) {
    const auto rhythm = [&](int i, auto test) { return RhythmBits(i, birth, first, days, test); };
    const auto combine = [&](const std::array<bool, 4>& chosen, bool useAnd, auto test) {
        DayBits joined(days, useAnd);
        for (int i = 0; i < 4; ++i) {
            if (chosen[static_cast<std::size_t>(i)]) {
                const DayBits one = rhythm(i, [&](const PhaseResult& r) { return test(i, r); });
                useAnd ? joined.And(one) : joined.Or(one);
            }
        }
        return joined;
    };
    switch (c.kind) {
        case ForecastKind::Sunny:
        case ForecastKind::Rainy: {
            const LevelCriteria& page = c.kind == ForecastKind::Sunny ? c.sunny : c.rainy;
            if (ShowsAll(page)) {
                return std::nullopt;
            }
            const bool sunny = c.kind == ForecastKind::Sunny;
            return combine(page.rhythm, page.useAnd, [&](int i, const PhaseResult& r) {
                const int level = page.level[static_cast<std::size_t>(i)];
                return sunny ? r.percent >= SunnyThreshold(level) : r.percent <= RainyBound(level);
            });
        }
        case ForecastKind::Critical: {
            const bool all = ShowsAllCritical(c);
            return combine(all ? std::array<bool, 4>{true, true, true, true} : c.criticalRhythm,
                           !all && c.criticalAnd,
                           [](int, const PhaseResult& r) { return r.critical; });
        }
        case ForecastKind::Stress:
            break;
    }
    // Intellectual 90 or more with Emotional under 10 (women), or the other way round (men).
    const auto pair = [&](bool intellectualHigh) {
        DayBits days1 = rhythm(2, [&](const PhaseResult& r) {
            return intellectualHigh ? r.percent >= 90 : r.percent < 10;
        });
        days1.And(rhythm(1, [&](const PhaseResult& r) {
            return intellectualHigh ? r.percent < 10 : r.percent >= 90;
        }));
        return days1;
    };
    if (c.stressMode == StressMode::Women) {
        return pair(true);
    }
    if (c.stressMode == StressMode::Men) {
        return pair(false);
    }
    DayBits both = pair(true);
    both.Or(pair(false));
    return both;
}

bool PassesOverall(const ForecastCriteria& c, DateTime birth, std::int32_t date) {
    DayRhythms day;
    ComputeDayRhythms(birth, date, day, false);
    return DayPasses(c, day);
}

}  // namespace

bool ShowsAll(bool showAllChecked, const std::array<bool, 4>& rhythmChosen) {
    return showAllChecked ||
           std::none_of(rhythmChosen.begin(), rhythmChosen.end(), [](bool b) { return b; });
}

bool ShowsAll(const LevelCriteria& page) {
    return ShowsAll(page.showAll, page.rhythm);
}

bool ShowsAllCritical(const ForecastCriteria& criteria) {
    return ShowsAll(criteria.criticalShowAll, criteria.criticalRhythm);
}

std::int32_t SunnyThreshold(int levelItem) {
    return 100 - (25 * ClampLevel(levelItem) + 25);
}

std::int32_t RainyBound(int levelItem) {
    return 25 * ClampLevel(levelItem) + 24;
}

void NormaliseAmounts(ForecastCriteria& criteria) {
    criteria.resultsAmount = std::clamp(criteria.resultsAmount, 1, kForecastHitCap);
    criteria.monthsAmount = std::clamp(criteria.monthsAmount, 1, kMaxMonthsAmount);
}

bool DayPasses(const ForecastCriteria& c, const DayRhythms& day) {
    switch (c.kind) {
        case ForecastKind::Sunny:
            return PassesLevels(c.sunny, day, [](std::int32_t value, int item) {
                return value >= SunnyThreshold(item);
            });
        case ForecastKind::Rainy:
            return PassesLevels(c.rainy, day, [](std::int32_t value, int item) {
                return value <= RainyBound(item);
            });
        case ForecastKind::Critical:
            return PassesCritical(c, day);
        case ForecastKind::Stress:
            return PassesStress(c.stressMode, day);
    }
    return false;
}

ForecastResult RunForecast(const ForecastCriteria& criteria, DateTime birth) {
    return Scan<TableDays>(criteria, birth);
}

ForecastResult RunForecastDirect(const ForecastCriteria& criteria, DateTime birth) {
    return Scan<DirectDays>(criteria, birth);
}

bool MembersModeApplies(ForecastKind kind) {
    return kind == ForecastKind::Critical || kind == ForecastKind::Stress;
}

GroupForecastResult RunGroupForecast(const ForecastCriteria& criteria,
                                     std::span<const DateTime> births, GroupMembers members) {
    ForecastCriteria c = criteria;
    NormaliseAmounts(c);
    if (births.empty()) {
        return {};
    }
    const bool any = members == GroupMembers::Any && MembersModeApplies(c.kind);
    const ScanPlan plan = PlanScan(c);
    const auto span = static_cast<std::size_t>(plan.lastListed - plan.first + 1);
    DayBits group(span, !any);
    for (const DateTime birth : births) {
        if (const auto bits = MemberBits(c, birth, plan.first, span)) {
            any ? group.Or(*bits) : group.And(*bits);
        } else {
            // Overall values are asked of every member (sunny and rainy days): only the days
            // the members before left standing.
            group.KeepWhere([&](std::size_t i) {
                return PassesOverall(c, birth, plan.first + static_cast<std::int32_t>(i));
            });
        }
    }
    return ScanPlanned<GroupForecastResult>(
        c,
        [&](std::int32_t date, std::vector<GroupForecastHit>& hits) {
            if (!group.Test(static_cast<std::size_t>(date - plan.first))) {
                return false;
            }
            GroupForecastHit hit{date, std::vector<DayRhythms>(births.size())};
            for (std::size_t m = 0; m < births.size(); ++m) {
                ComputeDayRhythms(births[m], date, hit.members[m], false);
            }
            hits.push_back(std::move(hit));
            return true;
        },
        [] {});
}

}  // namespace vitalune
