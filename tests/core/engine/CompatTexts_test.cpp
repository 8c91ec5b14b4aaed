#include "core/engine/CompatTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace vitalune {
namespace {

// Each text is one paragraph of plain ASCII prose, and no two are the same.
TEST(CompatTexts, BodiesAndParagraphsAreDistinctProse) {
    std::set<std::string_view> seen;
    const auto check = [&](std::string_view text, const std::string& what) {
        EXPECT_GT(text.size(), 200u) << what;
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
            return c >= 0x20 && c < 0x7F;
        })) << what;
        EXPECT_EQ(text.find("  "), std::string_view::npos) << what;
        EXPECT_TRUE(seen.insert(text).second) << what << " repeats another text";
    };
    for (int i = 0; i < 9; ++i) {
        check(CompatTexts::Body(i), "body " + std::to_string(i));
    }
    for (int r = 0; r < 3; ++r) {
        check(CompatTexts::Paragraph(r, true), "compatible " + std::to_string(r));
        check(CompatTexts::Paragraph(r, false), "incompatible " + std::to_string(r));
    }
    EXPECT_TRUE(CompatTexts::Body(0).starts_with("External appeal, sex, money"));
    EXPECT_TRUE(CompatTexts::Body(8).starts_with("There is true love"));
    EXPECT_TRUE(CompatTexts::Paragraph(0, true).starts_with("Compatible physical"));
    EXPECT_TRUE(CompatTexts::Paragraph(1, false).starts_with("The fair sex"));
    EXPECT_TRUE(CompatTexts::Paragraph(2, false).starts_with("Incompatible intellectual"));
    EXPECT_EQ(CompatTexts::ParagraphFor(0, 60), CompatTexts::Paragraph(0, true));
    EXPECT_EQ(CompatTexts::ParagraphFor(0, 59), CompatTexts::Paragraph(0, false));
}

TEST(CompatTexts, Titles) {
    EXPECT_EQ(CompatTexts::Title(0), "All three primary rhythms are incompatible");
    EXPECT_EQ(CompatTexts::Title(3), "Emotional and physical biorhythms are compatible");
    EXPECT_EQ(CompatTexts::Title(6), "Intellectual and emotional biorhythms are compatible");
    EXPECT_EQ(CompatTexts::Title(8), std::string{CompatTexts::Title(7)} + " \n Perfect match!");
    EXPECT_EQ(CompatTexts::Title(9), "");
    EXPECT_EQ(CompatTexts::Body(-1), "");
    EXPECT_EQ(CompatTexts::Paragraph(3, true), "");
}

}  // namespace
}  // namespace vitalune
