#include "core/engine/Clock.h"

#include <ctime>

namespace vitalune {

DateTime SystemClock::Now() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const auto day = TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    return day.value_or(0) + seconds / 86400.0;
}

SystemRandom::SystemRandom() : m_engine(std::random_device{}()) {}

}  // namespace vitalune
