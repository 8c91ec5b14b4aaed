#pragma once
// The texts of the main window's status bar panels and the panels' widths.

#include <array>
#include <cstdint>
#include <string>

namespace vitalune {

inline constexpr std::array<int, 4> kStatusPanelWidths = {170, 220, 260, 50};

// " Person's DOB: 05 Jan 1980"
std::string PersonDobText(std::int32_t birth);
// " Second person's DOB: 05 Jan 1980"
std::string SecondPersonDobText(std::int32_t birth);
// " Age difference: 1 year, 2 months, 0 days"
std::string AgeDifferencePanelText(std::int32_t birthOne, std::int32_t birthTwo);

}  // namespace vitalune
