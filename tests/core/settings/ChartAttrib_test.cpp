#include "core/settings/ChartAttrib.h"

#include <gtest/gtest.h>

#include "core/settings/MemorySettingsStore.h"

namespace vitalune {
namespace {

ChartAttrib Loaded(std::string_view text, RhythmId slot = RhythmId::Emotional) {
    MemorySettingsStore store;
    WriteString(store, "", RhythmCatalogue(slot).attribValueName, text);
    ChartAttribTable table = DefaultChartAttribs();
    table[static_cast<std::size_t>(slot)] = {0x123456, 3, 3};
    LoadChartAttribs(store, table);
    return table[static_cast<std::size_t>(slot)];
}

TEST(ChartAttrib, LoadFallsBackToTheSlotDefault) {
    EXPECT_EQ(Loaded("255,0,1"), (ChartAttrib{255, 0, 1}));
    EXPECT_EQ(Loaded("255"), DefaultChartAttrib(RhythmId::Emotional));
    EXPECT_EQ(Loaded("255,0"), DefaultChartAttrib(RhythmId::Emotional));
    EXPECT_EQ(Loaded("255,x,2"), DefaultChartAttrib(RhythmId::Emotional));
    EXPECT_EQ(Loaded("1,2,3", RhythmId::ExtraOverall), (ChartAttrib{1, 2, 3}));
    MemorySettingsStore empty;
    ChartAttribTable table{};
    LoadChartAttribs(empty, table);
    EXPECT_EQ(table, DefaultChartAttribs());
}

TEST(ChartAttrib, FormatAndRoundTripUnderTheValueNames) {
    ChartAttribTable table = DefaultChartAttribs();
    for (int i = 0; i < kRhythmCount; ++i) {
        table[static_cast<std::size_t>(i)] = {static_cast<Colour>(i * 4097), i % 5, 1 + i % 3};
    }
    MemorySettingsStore store;
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

}  // namespace
}  // namespace vitalune
