#include "core/db/PersonLine.h"

#include <gtest/gtest.h>

namespace vitalune {
namespace {

TEST(PersonLine, DatesReadByFixedPositions) {
    EXPECT_EQ(ParseDob("05.01.1980"), EncodeDate(1980, 1, 5));
    EXPECT_EQ(ParseDob("05-01-1980"), EncodeDate(1980, 1, 5));  // 3 and 6 are not examined
    EXPECT_EQ(ParseDob("29.02.2000"), EncodeDate(2000, 2, 29));
    EXPECT_EQ(ParseDob("01.01.0001"), kMinDay);
    EXPECT_EQ(ParseDob("05.01.1980xyz"), EncodeDate(1980, 1, 5));  // the year is 7-10 only
    for (const char* bad : {"31.04.1990", "29.02.1900", "01.AB.1990", "00.01.1990", "01.13.1990",
                            "01.01.0000", "1.1.1990", "", "05.01.", "-1.01.1990"}) {
        EXPECT_EQ(ParseDob(bad), 0) << bad;
    }
    // Positions count characters, as in the single-byte files: an accent in position 3.
    EXPECT_EQ(ParseDob("05\xC3\xA9"
                       "01.1980"),
              EncodeDate(1980, 1, 5));
    EXPECT_EQ(ParseDob("0\xC3\xA9.01.1980"), 0);
}

TEST(PersonLine, FormatDobPadsDayAndMonthOnly) {
    EXPECT_EQ(FormatDob(EncodeDate(1980, 1, 5)), "05.01.1980");
    EXPECT_EQ(FormatDob(EncodeDate(2026, 12, 31)), "31.12.2026");
    EXPECT_EQ(FormatDob(EncodeDate(987, 3, 4)), "04.03.987");
    EXPECT_EQ(ParseDob(FormatDob(EncodeDate(2024, 2, 29))), EncodeDate(2024, 2, 29));
    EXPECT_EQ(PlaceholderPerson(EncodeDate(2008, 1, 5)), "New person|05.01.2008|M");
}

TEST(PersonLine, SplitFindsTheFirstTwoBars) {
    Person p = SplitPersonLine("Ann Smith|05.01.1980|F");
    EXPECT_EQ(p.name, "Ann Smith");
    EXPECT_EQ(p.dateText, "05.01.1980");
    EXPECT_EQ(p.sex, "F");
    p = SplitPersonLine("Eve|01.04.1990|Fx|more");
    EXPECT_EQ(p.sex, "F");
    p = SplitPersonLine("Zo\xC3\xAB|01.04.1990|\xC3\xA9");
    EXPECT_EQ(p.name, "Zo\xC3\xAB");
    EXPECT_EQ(p.sex, "\xC3\xA9");  // one character, not one byte
    p = SplitPersonLine("Bob|01.02.1990");
    EXPECT_EQ(p.dateText, "01.02.1990");
    EXPECT_EQ(p.sex, "");
    p = SplitPersonLine("Bob");
    EXPECT_EQ(p.name, "Bob");
    EXPECT_EQ(p.dateText, "");
}

TEST(PersonLine, GroupEntriesAndHeaders) {
    auto entry = ParseGroupEntry("Friends|7");
    EXPECT_EQ(entry.name, "Friends");
    EXPECT_EQ(entry.icon, 7);
    EXPECT_EQ(ParseGroupEntry("Work|x").icon, 2);
    EXPECT_EQ(ParseGroupEntry("Work|").icon, 2);
    EXPECT_EQ(ParseGroupEntry("Work|-3").icon, -3);  // kept; the painter decides
    EXPECT_EQ(ParseGroupEntry("Friends").icon, 2);
    EXPECT_EQ(ParseGroupEntry("My profiles").icon, 2);
    EXPECT_EQ(ParseGroupHeader("My profiles").icon, 0);
    EXPECT_EQ(ParseGroupHeader("Celebrities").icon, 1);
    EXPECT_EQ(ParseGroupHeader("Celebrities|5").icon, 5);
    EXPECT_EQ(ParseGroupHeader("celebrities").icon, 2);
    EXPECT_EQ(ParseGroupEntry("a|1|2").name, "a");
    EXPECT_EQ(ParseGroupEntry("a|1|2").icon, 2);
    EXPECT_EQ(MakeGroupEntry("Friends", 2), "Friends|2");
}

TEST(PersonLine, ValidityAsLoadingJudgesIt) {
    EXPECT_TRUE(IsValidPersonLine("Bob|01.02.1990|M"));
    EXPECT_TRUE(IsValidPersonLine("Eve|01.04.1990|Fx"));
    EXPECT_TRUE(IsValidPersonLine("|01.04.1990|F"));
    EXPECT_EQ(CheckPersonLine("Eve|31.04.1990|F"), PersonLineFault::UnreadableDate);
    EXPECT_EQ(CheckPersonLine("Eve|01.AB.1990|F"), PersonLineFault::UnreadableDate);
    EXPECT_EQ(CheckPersonLine("Eve|30.12.1899|F"), PersonLineFault::UnreadableDate);
    EXPECT_EQ(CheckPersonLine("Eve|01.04.1990|X"), PersonLineFault::BadSex);
    EXPECT_EQ(CheckPersonLine("Eve|01.04.1990|m"), PersonLineFault::BadSex);
    EXPECT_EQ(CheckPersonLine("Eve|01.04.1990"), PersonLineFault::MissingBars);
    EXPECT_EQ(CheckPersonLine("Eve|01.04.1990|"), PersonLineFault::MissingBars);  // last bar unseen
    EXPECT_EQ(CheckPersonLine(""), PersonLineFault::MissingBars);
    EXPECT_EQ(CheckPersonLine("|"), PersonLineFault::MissingBars);
}

TEST(PersonLine, StorableLinesAndNames) {
    EXPECT_TRUE(IsStorablePersonLine("Bob|01.02.1990|M"));
    EXPECT_TRUE(IsStorablePersonLine("Bob|01.02.1990|"));  // the dialog may leave out the sex
    EXPECT_FALSE(IsStorablePersonLine(""));
    EXPECT_FALSE(IsStorablePersonLine("#Bob|01.02.1990|M"));
    EXPECT_FALSE(IsStorablePersonLine(";Bob|01.02.1990|M"));
    EXPECT_FALSE(IsStorablePersonLine("Bob\n|01.02.1990|M"));
    EXPECT_FALSE(IsStorablePersonLine("Bob|01.02.1990|M\r"));
    EXPECT_FALSE(IsStorablePersonLine("Zo\xEB|01.02.1990|F"));  // not UTF-8
    EXPECT_TRUE(IsStorableGroupName(""));
    EXPECT_TRUE(IsStorableGroupName("Friends & family"));
    EXPECT_FALSE(IsStorableGroupName("a|b"));
    EXPECT_FALSE(IsStorableGroupName("a\nb"));
}

}  // namespace
}  // namespace vitalune
