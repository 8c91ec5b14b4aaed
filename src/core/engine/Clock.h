#pragma once
// Today's date and the pseudo-random numbers come through these two small interfaces so that
// tests can fix both.

#include <cstdint>
#include <random>

#include "core/engine/Date.h"

namespace vitalune {

class Clock {
  public:
    virtual ~Clock() = default;
    // Local date and time as a day count with the time of day as fraction.
    virtual DateTime Now() const = 0;
    // The whole day of Now().
    std::int32_t Today() const { return WholeDay(Now()); }
};

class SystemClock final : public Clock {
  public:
    DateTime Now() const override;
};

class FixedClock final : public Clock {
  public:
    explicit FixedClock(DateTime now) : m_now(now) {}
    DateTime Now() const override { return m_now; }
    void Set(DateTime now) { m_now = now; }

  private:
    DateTime m_now;
};

// A uniform source of non-negative integers; callers reduce them as they need.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual std::uint32_t Next() = 0;
};

class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint32_t seed) : m_engine(seed) {}
    std::uint32_t Next() override { return static_cast<std::uint32_t>(m_engine()); }

  private:
    std::mt19937 m_engine;
};

// Seeded from the system's entropy.
class SystemRandom final : public RandomSource {
  public:
    SystemRandom();
    std::uint32_t Next() override { return static_cast<std::uint32_t>(m_engine()); }

  private:
    std::mt19937 m_engine;
};

}  // namespace vitalune
