#pragma once
// A random source that hands out the numbers a test lists, then repeats the last one.

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "core/engine/Clock.h"

namespace vitalune::test {

class ScriptedRandom final : public RandomSource {
  public:
    ScriptedRandom(std::initializer_list<std::uint32_t> values) : m_values(values) {}
    std::uint32_t Next() override {
        const std::uint32_t value =
            m_values.at(m_next < m_values.size() ? m_next : m_values.size() - 1);
        ++m_next;
        return value;
    }

  private:
    std::vector<std::uint32_t> m_values;
    std::size_t m_next = 0;
};

}  // namespace vitalune::test
