#pragma once
// The texts of the main window's status bar panels and the panels' widths.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vitalune {

// The panels' narrowest widths; a larger font widens a panel to its longest text.
inline constexpr std::array<int, 4> kStatusPanelWidths = {170, 220, 260, 50};

// " Person's DOB: 05 Jan 1980"
std::string PersonDobText(std::int32_t birth);
// " Second person's DOB: 05 Jan 1980"
std::string SecondPersonDobText(std::int32_t birth);
// " Age difference: 1 year, 2 months, 0 days"
std::string AgeDifferencePanelText(std::int32_t birthOne, std::int32_t birthTwo);

// What a panel may have to show at its longest: four-digit years in every month, and an age
// difference of three-digit years, each once with every digit, as the widest month name and
// digit depend on the font. None for the last panel, which stays empty.
std::vector<std::string> LongestStatusTexts(std::size_t panel);

}  // namespace vitalune
