#include "core/settings/FontText.h"

#include <gtest/gtest.h>

namespace vitalune {
namespace {

TEST(FontText, CalendarDefaults) {
    const auto month = ParseFontText("Arial,20,8421504,1,0,0,0");
    ASSERT_TRUE(month);
    EXPECT_EQ(*month, (FontText{"Arial", 20, 0x808080, true, false, false, false}));
    const auto days = ParseFontText("Arial,18,128,1,0,0,0");
    ASSERT_TRUE(days);
    EXPECT_EQ(days->colour, 0x000080u);
    EXPECT_EQ(days->size, 18);
}

TEST(FontText, FlagsByPosition) {
    const auto font = ParseFontText("DejaVu Sans,11,255,0,1,1,1");
    ASSERT_TRUE(font);
    EXPECT_EQ(*font, (FontText{"DejaVu Sans", 11, 255, false, true, true, true}));
    // Only "1" sets a flag; the separators are not examined.
    const auto odd = ParseFontText("X,9,0,1x2y1z0");
    ASSERT_TRUE(odd);
    EXPECT_TRUE(odd->bold);
    EXPECT_FALSE(odd->italic);
    EXPECT_TRUE(odd->underline);
    EXPECT_FALSE(odd->strikeout);
    // Seven characters, not bytes: a letter of two bytes counts once.
    const auto accented = ParseFontText("Arial,10,0,1,0,0,\xC3\xA9");
    ASSERT_TRUE(accented);
    EXPECT_EQ(*accented, (FontText{"Arial", 10, 0, true, false, false, false}));
    EXPECT_FALSE(ParseFontText("Arial,10,0,1,0,\xC3\xA9"));  // seven bytes, six characters
}

TEST(FontText, MalformedTextsGiveTheDefaultFont) {
    EXPECT_FALSE(ParseFontText(""));
    EXPECT_FALSE(ParseFontText("Arial"));
    EXPECT_FALSE(ParseFontText("Arial,20"));
    EXPECT_FALSE(ParseFontText("Arial,20,0"));
    EXPECT_FALSE(ParseFontText("Arial,20,0,1,0,0"));     // three flags only
    EXPECT_FALSE(ParseFontText("Arial,20,0,1,0,0,0,"));  // one character too many
    EXPECT_FALSE(ParseFontText("Arial,big,0,1,0,0,0"));
    EXPECT_FALSE(ParseFontText("Arial,20,grey,1,0,0,0"));
}

TEST(FontText, FormatRoundTrips) {
    const FontText font{"Liberation Serif", 14, 0x00FF00, true, false, true, false};
    EXPECT_EQ(FormatFontText(font), "Liberation Serif,14,65280,1,0,1,0");
    EXPECT_EQ(ParseFontText(FormatFontText(font)), font);
    EXPECT_EQ(FormatFontText(*ParseFontText("Arial,12,0,1,0,0,0")), "Arial,12,0,1,0,0,0");
}

}  // namespace
}  // namespace vitalune
