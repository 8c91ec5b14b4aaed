#include "core/settings/AppSettings.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/settings/MemorySettingsStore.h"
#include "support/ExpectedFile.h"
#include "support/RecordingStore.h"

namespace vitalune {
namespace {

TEST(BarColours, FadeTowardWhite) {
    const BarColours none = ComputeBarColours(0);
    EXPECT_EQ(none, (BarColours{0x0000FF00, 0x00008000, 0x00000080, 0x000000FF}));
    for (Colour c : ComputeBarColours(255)) {
        EXPECT_EQ(c, 0x00FFFFFFu);
    }
    // 255 x (128/255) lands a hair below 128 and truncates to 127.
    EXPECT_EQ(ComputeBarColours(128)[3], 0x007F7FFFu);
    EXPECT_EQ(ComputeBarColours(128)[0], 0x007FFF7Fu);
    EXPECT_EQ(ComputeBarColours(128)[1], 0x007FBF7Fu);
}

TEST(BarColours, TransparencyInPercent) {
    const struct {
        int percent;
        std::int32_t transparency;
    } table[] = {{0, 0}, {1, 3}, {50, 128}, {99, 252}, {100, 255}, {-5, 0}, {120, 255}};
    for (const auto& row : table) {
        EXPECT_EQ(TransparencyFromPercent(row.percent), row.transparency) << row.percent;
    }
    EXPECT_EQ(TransparencyPercent(128), 50);
    EXPECT_EQ(TransparencyPercent(1), 0);
    EXPECT_EQ(TransparencyPercent(2), 1);
    EXPECT_EQ(TransparencyPercent(254), 100);
    // Every position of the trackbar comes back as it was set.
    for (int p = 0; p <= 100; ++p) {
        EXPECT_EQ(TransparencyPercent(TransparencyFromPercent(p)), p);
    }
}

TEST(AppSettings, FirstStartDefaults) {
    MemorySettingsStore store;
    const LoadedSettings loaded = LoadAppSettings(store);
    EXPECT_TRUE(loaded.firstStart);
    test::RecordingStore defaults;
    ASSERT_TRUE(SaveAppSettings(defaults, loaded.settings, loaded.selection));
    test::ExpectSameAsFile(defaults.written, "app-defaults.txt");
}

// What loading makes of the values of expected/app-loads.txt.
TEST(AppSettings, MalformedValuesFallBack) {
    test::ExpectSettingsTranscript("app-loads.txt", "", {},
                                   [](const SettingsStore& from, SettingsStore& to) {
                                       const LoadedSettings loaded = LoadAppSettings(from);
                                       SaveAppSettings(to, loaded.settings, loaded.selection);
                                   });
}

TEST(AppSettings, RoundTrip) {
    AppSettings s;
    s.showDetails = true;
    s.showPrompt = false;
    s.showPointer = false;
    s.showTips = true;
    s.textSearchUrl = "https://example.org/t?hl=en&lr=&q=";
    s.imageSearchUrl = "https://example.org/i?hl=en&lr=&q=";
    s.transparency = 200;
    s.pointerColour = 0x00123456;
    s.matchingPictureScheme = 1;
    s.Graph(GraphPage::Base) = {1, 1};
    s.Graph(GraphPage::Extra) = {2, 0};
    s.pens[3] = {0x00ABCDEF, 2, 3};
    const StoredSelection sel{3, 1, 7, 2, "/home/u/names.rec"};

    // Saved, loaded and saved again: the same values under the names and in the order older
    // settings files hold.
    test::RecordingStore store;
    ASSERT_TRUE(SaveAppSettings(store, s, sel));
    const LoadedSettings loaded = LoadAppSettings(store);
    test::RecordingStore again;
    ASSERT_TRUE(SaveAppSettings(again, loaded.settings, loaded.selection));
    EXPECT_EQ(again.written, store.written);
    test::ExpectSameAsFile(store.written, "app-settings.txt");
}

TEST(AppSettings, FailedWritesAreReported) {
    MemorySettingsStore store;
    store.SetFailWrites(true);
    EXPECT_FALSE(SaveAppSettings(store, AppSettings{}, StoredSelection{}));
    EXPECT_FALSE(store.HasKey(""));
}

TEST(FormPlacement, SizeOnlyForMainFormAndCalendar) {
    MemorySettingsStore store;
    EXPECT_EQ(LoadFormPlacement(store, "MainForm"), std::nullopt);
    ASSERT_TRUE(SaveFormPlacement(store, "MainForm", {10, 20, 579, 767}));
    ASSERT_TRUE(SaveFormPlacement(store, "DayInfo", {30, 40, 500, 600}));
    EXPECT_EQ(LoadFormPlacement(store, "MainForm"), (FormPlacement{10, 20, 579, 767}));
    EXPECT_EQ(LoadFormPlacement(store, "DayInfo"), (FormPlacement{30, 40, {}, {}}));
    EXPECT_EQ(ReadInt(store, "DayInfo", "Width"), std::nullopt);
    EXPECT_EQ(ReadInt(store, "", "Top"), std::nullopt);  // placements live in their own subkeys
    EXPECT_FALSE(LoadAppSettings(store).firstStart);     // yet the program has run before
    store.SetFailWrites(true);
    EXPECT_FALSE(SaveFormPlacement(store, "Calendar", {1, 2, 3, 4}));
}

TEST(FormPlacement, FarPositionsComeBackWithinTheLimit) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    MemorySettingsStore store;
    ASSERT_TRUE(SaveFormPlacement(store, "Calendar", {kMin, kMax, 300, 400}));
    EXPECT_EQ(LoadFormPlacement(store, "Calendar"),
              (FormPlacement{-kFormPositionLimit, kFormPositionLimit, 300, 400}));
}

}  // namespace
}  // namespace vitalune
