#include "core/dayreport/DayTexts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vitalune {
namespace {

// One paragraph of plain ASCII prose: nothing a report would escape, no doubled or trailing
// blank.
void ExpectProse(std::string_view text, const std::string& what) {
    EXPECT_GT(text.size(), 140u) << what;
    for (char c : text) {
        ASSERT_TRUE(c >= 0x20 && c < 0x7F) << what << " holds a character outside plain ASCII";
    }
    EXPECT_EQ(text.find_first_of("&<>\""), std::string_view::npos) << what;
    EXPECT_EQ(text.find("  "), std::string_view::npos) << what;
    EXPECT_FALSE(text.ends_with(" ")) << what;
}

TEST(DayTexts, FortyDistinctTextsOddCombinationsShareTheirThird) {
    std::set<std::string_view> distinct;
    for (int index = 0; index < kDayTextCount; ++index) {
        const int combination = index / 3;
        const int variant = index % 3;
        EXPECT_EQ(DayTexts::At(index), DayTexts::Text(combination, variant));
        ExpectProse(DayTexts::At(index), "day text " + std::to_string(index));
        distinct.insert(DayTexts::At(index));
        if (combination % 2 == 1 && variant == 2) {
            EXPECT_EQ(DayTexts::At(index), DayTexts::At(3 * (combination - 1) + 2)) << index;
        }
    }
    EXPECT_EQ(distinct.size(), 40u);
    EXPECT_TRUE(DayTexts::Text(0, 0).starts_with("Do not get involved in anything"));
    EXPECT_TRUE(DayTexts::Text(10, 1).starts_with("Work, work, work!"));
    EXPECT_TRUE(DayTexts::Text(15, 1).starts_with("Everything is going your way today"));
    EXPECT_EQ(DayTexts::Text(16, 0), "");
    EXPECT_EQ(DayTexts::Text(0, 3), "");
    EXPECT_EQ(DayTexts::At(-1), "");
    EXPECT_EQ(DayTexts::At(48), "");
}

// The titles are in notes.txt.
TEST(DayTexts, ExtremeAndInstabilityNotes) {
    std::set<std::string_view> bodies;
    for (int i = 0; i < 12; ++i) {
        ExpectProse(ExtremeTexts::Body(i), "extreme " + std::to_string(i));
        bodies.insert(ExtremeTexts::Body(i));
    }
    for (int i = 0; i < 4; ++i) {
        ExpectProse(InstabilityTexts::Body(i), "instability " + std::to_string(i));
        bodies.insert(InstabilityTexts::Body(i));
    }
    EXPECT_EQ(bodies.size(), 16u);
    EXPECT_TRUE(ExtremeTexts::Body(0).starts_with("Intellectual maximum and emotional minimum"));
    EXPECT_TRUE(ExtremeTexts::Body(1).starts_with("Emotional maximum and intellectual minimum"));
    EXPECT_EQ(InstabilityTexts::Title(2), "Intellectual instability");
    EXPECT_TRUE(InstabilityTexts::Body(0).starts_with("Be careful when using tools"));
    EXPECT_EQ(ExtremeTexts::Title(12), "");
    EXPECT_EQ(ExtremeTexts::Body(-1), "");
    EXPECT_EQ(InstabilityTexts::Title(4), "");
}

}  // namespace
}  // namespace vitalune
