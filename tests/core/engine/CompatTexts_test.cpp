#include "core/engine/CompatTexts.h"

#include <gtest/gtest.h>

namespace vitalune {
namespace {

struct Expected {
    std::string_view firstWords;
    std::size_t length;
};

void ExpectProse(std::string_view text, const Expected& expected, const std::string& what) {
    EXPECT_TRUE(text.starts_with(expected.firstWords)) << what << ": " << text.substr(0, 60);
    EXPECT_EQ(text.size(), expected.length) << what;
    for (char c : text) {
        ASSERT_TRUE(c >= 0x20 && c < 0x7F) << what << " holds a character outside plain ASCII";
    }
    EXPECT_EQ(text.find("  "), std::string_view::npos) << what;
}

TEST(CompatTexts, BodiesStartAsGivenAndHaveTheirLengths) {
    const Expected bodies[9] = {
        {"External appeal, sex, money, culture, or lifestyle may be the basis", 578},
        {"There is a strong physical attraction and complete sexual satisfaction", 284},
        {"Initially, these partners feel as if they have never had such deep feelings", 424},
        {"Despite a deep emotional bond as well as complete sexual satisfaction", 270},
        {"The partners feel something similar to love, especially from the man's point of view",
         268},
        {"These partners may have feelings that are similar to love, but the emotional "
         "compatibility",
         417},
        {"This is a Platonic love. Everything is good except sex", 343},
        {"Stability, warmth, sexual satisfaction, and mutual understanding are all possible", 206},
        {"There is true love, companionship, mutual attraction, understanding", 271},
    };
    for (int i = 0; i < 9; ++i) {
        ExpectProse(CompatTexts::Body(i), bodies[i], "body " + std::to_string(i));
    }
}

TEST(CompatTexts, ParagraphsStartAsGivenAndHaveTheirLengths) {
    const Expected paragraphs[3][2] = {
        {{"Compatible physical biorhythms give great pleasure", 344},
         {"Incompatible physical biorhythms often result in sexual dissatisfaction", 473}},
        {{"Compatible emotional biorhythms are highly important for women", 411},
         {"The fair sex is influenced by the emotional biorhythm to a great extent", 312}},
        {{"Compatible intellectual biorhythms create a feeling of self-confidence and stability",
          242},
         {"Incompatible intellectual biorhythms negatively influence health and behavior in men",
          401}},
    };
    for (int r = 0; r < 3; ++r) {
        ExpectProse(CompatTexts::Paragraph(r, true), paragraphs[r][0],
                    "compatible " + std::to_string(r));
        ExpectProse(CompatTexts::Paragraph(r, false), paragraphs[r][1],
                    "incompatible " + std::to_string(r));
    }
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
