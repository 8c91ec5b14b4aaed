#pragma once
// The tips of the day: 26 fixed entries of a category and a text, in the order the tips window
// steps through them.

#include <array>
#include <string>
#include <string_view>

namespace vitalune {

struct TipText {
    std::string_view category;
    std::string text;  // UTF-8
};

inline constexpr int kTipCount = 26;

// Built on first use and kept for the run.
const std::array<TipText, kTipCount>& TipTexts();

// Tip `index`, or tip 0 for an index outside the table.
const TipText& Tip(int index);

}  // namespace vitalune
