#include "core/engine/DayTable.h"

#include <cmath>
#include <numbers>

#include "core/engine/Rhythm.h"

namespace vitalune {

PhaseResult ComputePhaseDirect(std::int32_t r, int period) {
    // The angle is r times 2*pi times the reciprocal of the period, in that order, so that the
    // means match the reference recipe to the last bit. Another order changes the last bit of
    // some sines, though over every phase of the seven periods no percentage or critical flag.
    const double twoPi = 2.0 * std::numbers::pi;
    const double reciprocal = 1.0 / period;
    const double s0 = std::sin(static_cast<double>(r) * twoPi * reciprocal);
    const double s1 = std::sin(static_cast<double>(r + 1) * twoPi * reciprocal);
    PhaseResult result;
    result.mean = (s0 + s1) * 0.5;
    result.percent = RoundHalfUp(((result.mean + 1) * 0.5) * 100);
    result.critical = (s0 >= 0 && s1 < 0) || (s0 <= 0 && s1 > 0);
    return result;
}

DayTable::DayTable(int period) : m_period(period) {
    m_entries.reserve(static_cast<std::size_t>(2 * period - 1));
    for (int r = -(period - 1); r <= period - 1; ++r) {
        m_entries.push_back(ComputePhaseDirect(r, period));
    }
}

const DayTable& DayTable::Get(int periodIndex) {
    static const std::array<DayTable, 7> tables = {
        DayTable(kPeriods[0]), DayTable(kPeriods[1]), DayTable(kPeriods[2]), DayTable(kPeriods[3]),
        DayTable(kPeriods[4]), DayTable(kPeriods[5]), DayTable(kPeriods[6])};
    return tables[static_cast<std::size_t>(periodIndex)];
}

}  // namespace vitalune
