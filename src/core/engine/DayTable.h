#pragma once
// A day's percentage, critical flag and unrounded mean depend only on the phase r = d rem P,
// so each period has at most 2P - 1 distinct results. These tables hold them, computed once
// with the exact double recipe, so scans over many days are look-ups instead of sines.

#include <array>
#include <cstdint>
#include <vector>

namespace vitalune {

// Periods of the seven single-period rhythms: Physical, Emotional, Intellectual, Intuitive,
// Aesthetic, Awareness, Spiritual.
inline constexpr std::array<int, 7> kPeriods = {23, 28, 33, 38, 43, 48, 53};

struct PhaseResult {
    double mean = 0.0;  // mean of the curve at the start of the day and of the next day
    std::int32_t percent = 0;
    bool critical = false;
};

// The recipe for one phase: r may be negative (days before birth).
PhaseResult ComputePhaseDirect(std::int32_t r, int period);

class DayTable {
  public:
    // periodIndex indexes kPeriods.
    static const DayTable& Get(int periodIndex);

    int period() const { return m_period; }
    const PhaseResult& At(std::int32_t daysLived) const { return AtPhase(daysLived % m_period); }
    // r = daysLived rem period, -(period - 1) .. period - 1.
    const PhaseResult& AtPhase(std::int32_t r) const {
        return m_entries[static_cast<std::size_t>(r + (m_period - 1))];
    }

  private:
    explicit DayTable(int period);
    int m_period;
    std::vector<PhaseResult> m_entries;  // r = -(P-1) .. P-1
};

// Walks the phase r = d rem P (sign of d, as the tables index it) over consecutive days
// without a division per day.
class PhaseCursor {
  public:
    PhaseCursor(int period, std::int32_t daysLived)
        : m_period(period), m_d(daysLived), m_r(daysLived % period) {}

    std::int32_t r() const { return m_r; }
    void Next() {
        ++m_d;
        if (m_d > 0) {
            m_r = m_r + 1 == m_period ? 0 : m_r + 1;
        } else {
            // Before birth r runs from -(P-1) up to 0 and then starts again at -(P-1).
            m_r = m_r == 0 ? -(m_period - 1) : m_r + 1;
        }
    }

  private:
    int m_period;
    std::int32_t m_d;
    std::int32_t m_r;
};

}  // namespace vitalune
