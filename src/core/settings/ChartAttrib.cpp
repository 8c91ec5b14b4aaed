#include "core/settings/ChartAttrib.h"

#include <utility>

#include "core/settings/SettingsStore.h"
#include "core/text/DecimalText.h"

namespace vitalune {

namespace {

constexpr std::array<Colour, kRhythmCount> kDefaultColours = {
    0x000000FF,  // Physical, red
    0x00008000,  // Emotional, green
    0x00FF0000,  // Intellectual, blue
    0x00FF00FF,  // Intuitive, fuchsia
    0x00800000,  // Wisdom, navy
    0x00000080,  // Mastery, maroon
    0x00008000,  // Passion, green
    0x00800080,  // Aesthetic, purple
    0x00008080,  // Awareness, olive
    0x00808000,  // Spiritual, teal
    0x00000000,  // Overall, primary
    0x00000000,  // Overall, secondary
    0x00000000,  // Overall, I-Ching
    0x00800000,  // Perception, navy
    0x00000080,  // Psychic, maroon
    0x00008000,  // Success, green
    0x00000000,  // Overall, extra
};

// Style and width of each slot on a black-and-white printer, in slot order.
constexpr std::array<std::pair<int, int>, kRhythmCount> kMonochrome = {{
    {0, 1},
    {1, 1},
    {2, 1},
    {3, 1},  // Physical, Emotional, Intellectual, Intuitive
    {0, 1},
    {1, 1},
    {2, 1},  // Wisdom, Mastery, Passion
    {0, 1},
    {1, 1},
    {2, 1},  // Aesthetic, Awareness, Spiritual
    {0, 2},
    {0, 2},
    {0, 2},  // the primary, secondary and I-Ching overall curves
    {0, 1},
    {1, 1},
    {2, 1},  // Perception, Psychic, Success
    {0, 2},  // the extra overall curve
}};

}  // namespace

ChartAttrib DefaultChartAttrib(RhythmId slot) {
    return {kDefaultColours[static_cast<std::size_t>(slot)], 0, 1};
}

void ResetChartAttribs(ChartAttribTable& table) {
    for (int i = 0; i < kRhythmCount; ++i) {
        table[static_cast<std::size_t>(i)] = DefaultChartAttrib(static_cast<RhythmId>(i));
    }
}

ChartAttribTable DefaultChartAttribs() {
    ChartAttribTable table;
    ResetChartAttribs(table);
    return table;
}

void ApplyMonochromeChartAttribs(ChartAttribTable& table) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i].style = kMonochrome[i].first;
        table[i].width = kMonochrome[i].second;
    }
}

bool ParseChartAttrib(std::string_view text, ChartAttrib& record) {
    const auto first = text.find(',');
    if (first == std::string_view::npos) {
        return false;
    }
    const auto colour = ParseDecimal(text.substr(0, first));
    if (!colour) {
        return false;
    }
    record.colour = static_cast<Colour>(*colour);
    const std::string_view rest = text.substr(first + 1);
    const auto second = rest.find(',');
    if (second == std::string_view::npos) {
        return false;
    }
    const auto style = ParseDecimal(rest.substr(0, second));
    const auto width = ParseDecimal(rest.substr(second + 1));
    if (!style || !width) {
        return false;
    }
    record.style = (*style < 0 || *style > 4) ? 0 : *style;
    record.width = (*width < 1 || *width > 3) ? 1 : *width;
    return true;
}

std::string FormatChartAttrib(const ChartAttrib& record) {
    return std::to_string(static_cast<std::int32_t>(record.colour)) + "," +
           std::to_string(record.style) + "," + std::to_string(record.width);
}

PenStyle EffectivePenStyle(const ChartAttrib& record) {
    if (record.width > 1 || record.style < 0 || record.style > 4) {
        return PenStyle::Solid;
    }
    return static_cast<PenStyle>(record.style);
}

void LoadChartAttribs(const SettingsStore& store, ChartAttribTable& table) {
    for (int i = 0; i < kRhythmCount; ++i) {
        const auto slot = static_cast<RhythmId>(i);
        ChartAttrib& record = table[static_cast<std::size_t>(i)];
        record = DefaultChartAttrib(slot);
        const auto text = ReadString(store, "", RhythmCatalogue(slot).attribValueName);
        if (!text || !ParseChartAttrib(*text, record)) {
            record = DefaultChartAttrib(slot);
        }
    }
}

bool SaveChartAttribs(SettingsStore& store, const ChartAttribTable& table) {
    bool ok = true;
    for (int i = 0; i < kRhythmCount; ++i) {
        const auto slot = static_cast<RhythmId>(i);
        ok = WriteString(store, "", RhythmCatalogue(slot).attribValueName,
                         FormatChartAttrib(table[static_cast<std::size_t>(i)])) &&
             ok;
    }
    return ok;
}

}  // namespace vitalune
