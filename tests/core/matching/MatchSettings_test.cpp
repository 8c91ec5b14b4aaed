#include "core/matching/MatchSettings.h"

#include <gtest/gtest.h>

#include "core/settings/MemorySettingsStore.h"
#include "support/ExpectedFile.h"
#include "support/RecordingStore.h"

namespace vitalune {
namespace {

using W = WantedRating;

MatchCriteria Changed() {
    MatchCriteria c;
    c.baseGroup = 3;
    c.basePerson = 7;
    c.currentYear = 2030;
    c.searchItem = 2;
    c.sex = SexFilter::Female;
    c.ageCheck = true;
    c.ageBegin = 4;
    c.ageEnd = 6;
    ApplyPattern(c, 3);
    c.ratings[2] = W::Weak;  // changed after the pattern
    c.exact = true;
    c.sort = MatchSort::Compatibility;
    return c;
}

TEST(MatchSettings, RoundTripUnderItsKey) {
    test::RecordingStore store;
    ASSERT_TRUE(SaveMatchSettings(store, Changed()));
    test::ExpectSameAsFile(store.written, "match-settings.txt");
    MatchCriteria loaded;
    loaded.baseGroup = 3;
    loaded.basePerson = 7;
    loaded.currentYear = 2030;
    LoadMatchSettings(store, loaded);
    EXPECT_EQ(loaded, Changed());
}

TEST(MatchSettings, ResetKeepsTheBasePerson) {
    MatchCriteria c = Changed();
    ResetMatchSettings(c);
    EXPECT_EQ(c.basePerson, 7u);
    test::RecordingStore store;
    ASSERT_TRUE(SaveMatchSettings(store, c));
    test::ExpectSameAsFile(store.written, "match-defaults.txt");
}

// What loading makes of the values of expected/match-loads.txt.
TEST(MatchSettings, MissingOrUnusableValues) {
    MemorySettingsStore changed;
    ASSERT_TRUE(SaveMatchSettings(changed, Changed()));
    test::ExpectSettingsTranscript("match-loads.txt", kMatchSettingsKey, changed,
                                   [](const SettingsStore& from, SettingsStore& to) {
                                       MatchCriteria c;
                                       LoadMatchSettings(from, c);
                                       SaveMatchSettings(to, c);
                                   });
    // Group2 depends on the database it is used with.
    MatchCriteria c;
    c.searchItem = 5;
    FitSearchGroup(c, 5);
    EXPECT_EQ(c.searchItem, 5);
    FitSearchGroup(c, 4);
    EXPECT_EQ(c.searchItem, 0);
}

TEST(MatchSettings, FailingStoreIsReported) {
    MemorySettingsStore store;
    store.SetFailWrites(true);
    EXPECT_FALSE(SaveMatchSettings(store, Changed()));
    EXPECT_FALSE(store.HasKey("BioMatch"));
}

}  // namespace
}  // namespace vitalune
