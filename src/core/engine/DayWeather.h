#pragma once
// How good a day is on a four-step scale; also the index of its weather picture.

#include <cstdint>

namespace vitalune {

enum class DayWeather : int {
    Sunny = 0,     // 75 and above
    SunCloud = 1,  // 50 to 74
    Clouds = 2,    // 25 to 49
    Rain = 3,      // below 25
};

constexpr DayWeather WeatherOf(std::int32_t percent) {
    if (percent >= 75) {
        return DayWeather::Sunny;
    }
    if (percent >= 50) {
        return DayWeather::SunCloud;
    }
    if (percent >= 25) {
        return DayWeather::Clouds;
    }
    return DayWeather::Rain;
}

// The band 0..3 of a day percentage.
constexpr int WeatherBand(std::int32_t percent) {
    return static_cast<int>(WeatherOf(percent));
}

}  // namespace vitalune
