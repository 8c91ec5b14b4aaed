#include "core/matching/MatchSettings.h"

#include <gtest/gtest.h>

#include "core/settings/MemorySettingsStore.h"
#include "support/ExpectedFile.h"
#include "support/RecordingStore.h"

namespace vitalune {
namespace {

using W = WantedRating;

constexpr std::string_view kNames[] = {"Group2", "Sex",      "AgeBegin",   "AgeEnd",
                                       "OvBox",  "PhBox",    "EmBox",      "InBox",
                                       "SortBy", "AgeCheck", "ExactSearch"};

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

void ExpectDefaults(const MatchCriteria& c) {
    EXPECT_EQ(c.searchItem, 0);
    EXPECT_EQ(c.sex, SexFilter::Any);
    EXPECT_FALSE(c.ageCheck);
    EXPECT_EQ(AgeBeginYears(c.ageBegin), 0);
    EXPECT_EQ(AgeEndYears(c.ageEnd), 95);
    EXPECT_EQ(c.pattern, kIdealMatchPattern);
    EXPECT_EQ(c.ratings, (std::array<W, 3>{W::Excellent, W::Excellent, W::Excellent}));
    EXPECT_FALSE(c.exact);
    EXPECT_EQ(c.sort, MatchSort::Name);
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
    ExpectDefaults(c);
    EXPECT_EQ(c.basePerson, 7u);
}

TEST(MatchSettings, AnyMissingOrUnreadableValueGivesAllDefaults) {
    for (std::string_view missing : kNames) {
        MemorySettingsStore store;
        ASSERT_TRUE(SaveMatchSettings(store, Changed()));
        store.Remove("BioMatch", missing);
        MatchCriteria c = Changed();
        LoadMatchSettings(store, c);
        SCOPED_TRACE(missing);
        ExpectDefaults(c);
        EXPECT_EQ(c.baseGroup, 3u);  // not a kept criterion
        EXPECT_EQ(c.currentYear, 2030);
    }
    MemorySettingsStore store;
    ASSERT_TRUE(SaveMatchSettings(store, Changed()));
    ASSERT_TRUE(WriteString(store, "BioMatch", "PhBox", "two"));
    MatchCriteria c;
    LoadMatchSettings(store, c);
    ExpectDefaults(c);
    // A number kept as text still reads.
    ASSERT_TRUE(WriteString(store, "BioMatch", "PhBox", "2"));
    LoadMatchSettings(store, c);
    EXPECT_EQ(c.ratings[0], W::Good);
}

TEST(MatchSettings, OutOfRangeItemsTakeTheirOwnDefault) {
    MemorySettingsStore store;
    ASSERT_TRUE(SaveMatchSettings(store, Changed()));
    ASSERT_TRUE(WriteInt(store, "BioMatch", "Sex", 3));
    ASSERT_TRUE(WriteInt(store, "BioMatch", "OvBox", 9));
    ASSERT_TRUE(WriteInt(store, "BioMatch", "EmBox", -1));
    ASSERT_TRUE(WriteInt(store, "BioMatch", "SortBy", 2));
    ASSERT_TRUE(WriteInt(store, "BioMatch", "AgeEnd", 19));
    MatchCriteria c;
    LoadMatchSettings(store, c);
    EXPECT_EQ(c.sex, SexFilter::Any);
    EXPECT_EQ(c.pattern, kIdealMatchPattern);
    EXPECT_EQ(c.ratings, (std::array<W, 3>{W::Any, W::Excellent, W::Weak}));
    EXPECT_EQ(c.sort, MatchSort::Name);
    EXPECT_EQ(c.ageEnd, kAgeItemCount - 1);
    // The rest stays as kept.
    EXPECT_EQ(c.searchItem, 2);
    EXPECT_TRUE(c.exact);
    EXPECT_EQ(c.ageBegin, 4);

    // A begin above the end moves the end up, as choosing the begin item does.
    ASSERT_TRUE(WriteInt(store, "BioMatch", "AgeBegin", 10));
    ASSERT_TRUE(WriteInt(store, "BioMatch", "AgeEnd", 3));
    LoadMatchSettings(store, c);
    EXPECT_EQ(c.ageBegin, 10);
    EXPECT_EQ(c.ageEnd, 10);

    // Group2 depends on the database it is used with.
    ASSERT_TRUE(WriteInt(store, "BioMatch", "Group2", -4));
    LoadMatchSettings(store, c);
    EXPECT_EQ(c.searchItem, 0);
    ASSERT_TRUE(WriteInt(store, "BioMatch", "Group2", 5));
    LoadMatchSettings(store, c);
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
