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
    // A header names the default icon of the first two groups; an entry does not.
    struct Case {
        std::string_view text;
        std::string_view name;
        int entryIcon;
        int headerIcon;
    };
    const Case cases[] = {
        {"Friends|7", "Friends", 7, 7},
        {"Work|x", "Work", 2, 2},
        {"Work|", "Work", 2, 2},
        {"Work|-3", "Work", -3, -3},  // kept: the painter decides
        {"My profiles", "My profiles", 2, 0},
        {"Celebrities", "Celebrities", 2, 1},
        {"Celebrities|5", "Celebrities", 5, 5},
        {"celebrities", "celebrities", 2, 2},
        {"a|1|2", "a", 2, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseGroupEntry(c.text).name, c.name) << c.text;
        EXPECT_EQ(ParseGroupEntry(c.text).icon, c.entryIcon) << c.text;
        EXPECT_EQ(ParseGroupHeader(c.text).icon, c.headerIcon) << c.text;
    }
    EXPECT_EQ(MakeGroupEntry("Friends", 2), "Friends|2");
}

TEST(PersonLine, ValidityAsLoadingJudgesIt) {
    using F = PersonLineFault;
    const std::pair<std::string_view, F> cases[] = {
        {"Bob|01.02.1990|M", F::None},
        {"Eve|01.04.1990|Fx", F::None},
        {"|01.04.1990|F", F::None},
        {"Eve|31.04.1990|F", F::UnreadableDate},
        {"Eve|01.AB.1990|F", F::UnreadableDate},
        {"Eve|30.12.1899|F", F::UnreadableDate},
        {"Eve|01.04.1990|X", F::BadSex},
        {"Eve|01.04.1990|m", F::BadSex},
        {"Eve|01.04.1990", F::MissingBars},
        {"Eve|01.04.1990|", F::MissingBars},
        {"", F::MissingBars},
        {"|", F::MissingBars},
    };
    for (const auto& [line, fault] : cases) {
        EXPECT_EQ(CheckPersonLine(line), fault) << line;
        EXPECT_EQ(IsValidPersonLine(line), fault == F::None) << line;
    }
}

TEST(PersonLine, StorableLinesAndNames) {
    const std::pair<std::string_view, bool> lines[] = {
        {"Bob|01.02.1990|M", true},
        {"Bob|01.02.1990|", true},  // the dialog may leave out the sex
        {"", false},
        {"#Bob|01.02.1990|M", false},
        {";Bob|01.02.1990|M", false},
        {"Bob\n|01.02.1990|M", false},
        {"Bob|01.02.1990|M\r", false},
        {"Zo\xEB|01.02.1990|F", false},  // not UTF-8
    };
    for (const auto& [line, storable] : lines) {
        EXPECT_EQ(IsStorablePersonLine(line), storable) << line;
    }
    EXPECT_TRUE(IsStorableGroupName(""));
    EXPECT_TRUE(IsStorableGroupName("Friends & family"));
    EXPECT_FALSE(IsStorableGroupName("a|b"));
    EXPECT_FALSE(IsStorableGroupName("a\nb"));
}

}  // namespace
}  // namespace vitalune
