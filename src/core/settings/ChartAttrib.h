#pragma once
// The pen of each chart curve (colour, line style, width), one per rhythm slot, with the
// defaults and the "colour,style,width" text it is stored as.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/engine/Rhythm.h"

namespace vitalune {

class SettingsStore;

using Colour = std::uint32_t;  // 0x00BBGGRR

enum class PenStyle : int { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4 };

struct ChartAttrib {
    Colour colour = 0;
    int style = 0;  // PenStyle 0..4
    int width = 1;  // 1..3 pixels
    friend bool operator==(const ChartAttrib&, const ChartAttrib&) = default;
};

using ChartAttribTable = std::array<ChartAttrib, kRhythmCount>;

ChartAttrib DefaultChartAttrib(RhythmId slot);
void ResetChartAttribs(ChartAttribTable& table);
ChartAttribTable DefaultChartAttribs();
// Styles and widths for black-and-white printers: the curves of a page told apart by solid,
// dashed, dotted and dash-dotted lines, the overall curves solid and 2 pixels wide. The
// colours stay as they are.
void ApplyMonochromeChartAttribs(ChartAttribTable& table);

// Reads "colour,style,width". The colour is applied as soon as it is read; the result is
// false when the text is incomplete or a part is not a number, and the caller then gives the
// slot its default. A style outside 0..4 becomes solid, a width outside 1..3 becomes 1.
bool ParseChartAttrib(std::string_view text, ChartAttrib& record);
std::string FormatChartAttrib(const ChartAttrib& record);

// Wide pens are always drawn solid: a dashed line of 2 or 3 pixels comes out solid.
PenStyle EffectivePenStyle(const ChartAttrib& record);

// The seventeen pens under their value names in the main settings key, in slot order.
// A missing or unreadable value gives the slot its default pen.
void LoadChartAttribs(const SettingsStore& store, ChartAttribTable& table);
bool SaveChartAttribs(SettingsStore& store, const ChartAttribTable& table);

}  // namespace vitalune
