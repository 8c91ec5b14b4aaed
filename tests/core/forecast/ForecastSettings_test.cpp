#include "core/forecast/ForecastSettings.h"

#include <gtest/gtest.h>

#include "core/settings/MemorySettingsStore.h"
#include "support/ExpectedFile.h"
#include "support/RecordingStore.h"

namespace vitalune {
namespace {

constexpr std::string_view kKey = kForecastSettingsKey;

ForecastSettings Changed() {
    ForecastSettings s;
    s.sunny.showAll = false;
    s.sunny.rhythm = {true, false, false, true};
    s.sunny.level = {2, 0, 1, 1};
    s.sunny.overallLevel = 1;
    s.rainy.overallLevel = 2;
    s.criticalShowAll = false;
    s.criticalRhythm = {false, true, true, false};
    s.resultsAmount = "7";
    s.monthsAmount = "150";
    s.stressMode = StressMode::Women;
    return s;
}

// Never written, the key gives the defaults: show all, level items 0, 20 results or 12
// months, all stressful days.
TEST(ForecastSettings, DefaultsWhenTheKeyWasNeverWritten) {
    MemorySettingsStore store;
    EXPECT_EQ(LoadForecastSettings(store), DefaultForecastSettings());
    test::RecordingStore defaults;
    ASSERT_TRUE(SaveForecastSettings(defaults, DefaultForecastSettings()));
    test::ExpectSameAsFile(defaults.written, "forecast-defaults.txt");
}

TEST(ForecastSettings, RoundTripUnderTheirNames) {
    test::RecordingStore store;
    ForecastSettings saved = Changed();
    saved.sunny.useAnd = true;  // not kept: the window always starts with OR
    ASSERT_TRUE(SaveForecastSettings(store, saved));
    ForecastSettings expected = saved;
    expected.sunny.useAnd = false;
    EXPECT_EQ(LoadForecastSettings(store), expected);
    test::ExpectSameAsFile(store.written, "forecast-settings.txt");
}

// What loading makes of the values of expected/forecast-loads.txt.
TEST(ForecastSettings, UnusableValuesFallBack) {
    test::ExpectSettingsTranscript("forecast-loads.txt", kKey, {},
                                   [](const SettingsStore& from, SettingsStore& to) {
                                       SaveForecastSettings(to, LoadForecastSettings(from));
                                   });
}

TEST(ForecastSettings, AFailingStoreIsReported) {
    MemorySettingsStore store;
    store.SetFailWrites(true);
    EXPECT_FALSE(SaveForecastSettings(store, Changed()));
    EXPECT_FALSE(store.HasKey(kKey));
}

TEST(ForecastSettings, AmountsAndCriteria) {
    // Which texts are amounts is in forecast-loads.txt.
    EXPECT_EQ(ParseAmount("042"), 42);
    EXPECT_EQ(ParseAmount("1 "), std::nullopt);

    ForecastSettings s = Changed();
    ForecastChoices choices;
    choices.kind = ForecastKind::Critical;
    choices.criticalAnd = true;
    choices.startDate = 45000;
    auto made = MakeForecastCriteria(s, choices);
    ASSERT_TRUE(std::holds_alternative<ForecastCriteria>(made));
    const ForecastCriteria& c = std::get<ForecastCriteria>(made);
    EXPECT_EQ(c.kind, ForecastKind::Critical);
    EXPECT_TRUE(c.criticalAnd);
    EXPECT_EQ(c.criticalRhythm, s.criticalRhythm);
    EXPECT_EQ(c.sunny.level, s.sunny.level);
    EXPECT_FALSE(c.limitByResults);
    EXPECT_EQ(c.monthsAmount, 150);
    EXPECT_EQ(c.resultsAmount, 7);
    EXPECT_EQ(c.startDate, 45000);
    s.resultsAmount = "150";
    choices.limitByResults = true;
    EXPECT_EQ(std::get<ForecastCriteria>(MakeForecastCriteria(s, choices)).resultsAmount, 100);

    // The amount in use must be a number; the other one may be empty.
    s.resultsAmount = "";
    EXPECT_TRUE(std::holds_alternative<std::string>(MakeForecastCriteria(s, choices)));
    choices.limitByResults = false;
    s.monthsAmount = "3";
    EXPECT_TRUE(std::holds_alternative<ForecastCriteria>(MakeForecastCriteria(s, choices)));
    s.monthsAmount = "";
    EXPECT_EQ(std::get<std::string>(MakeForecastCriteria(s, choices)),
              "Please enter the number of months to search.");
}

}  // namespace
}  // namespace vitalune
