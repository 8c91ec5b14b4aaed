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

TEST(ChartAttrib, Defaults) {
    const ChartAttribTable table = DefaultChartAttribs();
    EXPECT_EQ(table[0], (ChartAttrib{0x0000FF, 0, 1}));
    for (int i : {10, 11, 12, 16}) {
        EXPECT_EQ(table[static_cast<std::size_t>(i)].colour, 0u);
    }
    for (const ChartAttrib& a : table) {
        EXPECT_EQ(a.style, 0);
        EXPECT_EQ(a.width, 1);
    }
}

// Styles beyond 0..4 (5 included, which the chart has no pen for) and widths beyond 1..3 are
// read as solid and 1, and written back so.
TEST(ChartAttrib, ParseClampsStyleAndWidth) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"255,0,1", "255,0,1"},           {"0,4,3", "0,4,3"},     {"255,5,1", "255,0,1"},
        {"255,5,3", "255,0,3"},           {"255,7,9", "255,0,1"}, {"65280,-1,0", "65280,0,1"},
        {"16777215,3,2", "16777215,3,2"},
    };
    for (const auto& [text, stored] : cases) {
        ChartAttrib a;
        EXPECT_TRUE(ParseChartAttrib(text, a)) << text;
        EXPECT_EQ(FormatChartAttrib(a), stored) << text;
    }
    EXPECT_EQ(Loaded("255,5,2"), (ChartAttrib{255, 0, 2}));
}

TEST(ChartAttrib, IncompleteValuesApplyTheColourButReportMissing) {
    ChartAttrib a{1, 2, 2};
    EXPECT_FALSE(ParseChartAttrib("255", a));
    EXPECT_EQ(a.colour, 1u);
    EXPECT_FALSE(ParseChartAttrib("255,0", a));
    EXPECT_EQ(a.colour, 255u);
    EXPECT_FALSE(ParseChartAttrib("", a));
    EXPECT_FALSE(ParseChartAttrib("red,0,1", a));
    EXPECT_FALSE(ParseChartAttrib("255,dash,1", a));
    EXPECT_FALSE(ParseChartAttrib("255,0,1,", a));
    EXPECT_FALSE(ParseChartAttrib("255,0,99999999999", a));
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
    EXPECT_EQ(FormatChartAttrib({0x123456, 1, 2}), "1193046,1,2");
    ChartAttribTable table = DefaultChartAttribs();
    for (int i = 0; i < kRhythmCount; ++i) {
        table[static_cast<std::size_t>(i)] = {static_cast<Colour>(i * 4097), i % 5, 1 + i % 3};
    }
    MemorySettingsStore store;
    ASSERT_TRUE(SaveChartAttribs(store, table));
    EXPECT_EQ(ReadString(store, "", "PhAttrib"), "0,0,1");
    EXPECT_EQ(ReadString(store, "", "ExtOvlAttrib"), FormatChartAttrib(table[16]));
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
