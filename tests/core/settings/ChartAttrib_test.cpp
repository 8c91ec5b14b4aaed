#include "core/settings/ChartAttrib.h"

#include <gtest/gtest.h>

#include "core/settings/MemorySettingsStore.h"

namespace vitalune {
namespace {

// Texts that are no pen are in app-loads.txt and settings-texts.txt.
TEST(ChartAttrib, RoundTripUnderTheValueNamesOrTheSlotDefault) {
    ChartAttribTable table{};
    MemorySettingsStore store;
    LoadChartAttribs(store, table);
    EXPECT_EQ(table, DefaultChartAttribs());
    for (int i = 0; i < kRhythmCount; ++i) {
        table[static_cast<std::size_t>(i)] = {static_cast<Colour>(i * 4097), i % 5, 1 + i % 3};
    }
    ASSERT_TRUE(SaveChartAttribs(store, table));
    ChartAttribTable back{};
    LoadChartAttribs(store, back);
    EXPECT_EQ(back, table);

    store.SetFailWrites(true);
    EXPECT_FALSE(SaveChartAttribs(store, table));
}

TEST(ChartAttrib, WidePensAreDrawnSolid) {
    EXPECT_EQ(EffectivePenStyle({0, 1, 1}), PenStyle::Dash);
    EXPECT_EQ(EffectivePenStyle({0, 1, 2}), PenStyle::Solid);
    EXPECT_EQ(EffectivePenStyle({0, 4, 1}), PenStyle::DashDotDot);
    EXPECT_EQ(EffectivePenStyle({0, 5, 1}), PenStyle::Solid);
    EXPECT_EQ(FormatChartAttrib({0, 1, 2}), "0,1,2");  // the stored style stays dash
}

// Each page's curves told apart by their styles, the overall curves 2 pixels wide; colours kept.
TEST(ChartAttrib, MonochromeKeepsColours) {
    ChartAttribTable table{};
    for (int i = 0; i < kRhythmCount; ++i) {
        table[static_cast<std::size_t>(i)] = {static_cast<Colour>(i * 65793), 4, 3};
    }
    ApplyMonochromeChartAttribs(table);
    std::string styles;
    for (int i = 0; i < kRhythmCount; ++i) {
        const ChartAttrib& pen = table[static_cast<std::size_t>(i)];
        EXPECT_EQ(pen.colour, static_cast<Colour>(i * 65793));
        styles += FormatChartAttrib({0, pen.style, pen.width}).substr(2) + " ";
    }
    EXPECT_EQ(styles, "0,1 1,1 2,1 3,1 0,1 1,1 2,1 0,1 1,1 2,1 0,2 0,2 0,2 0,1 1,1 2,1 0,2 ");
}

}  // namespace
}  // namespace vitalune
