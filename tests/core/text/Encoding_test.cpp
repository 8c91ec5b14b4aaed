#include "core/text/Encoding.h"

#include <gtest/gtest.h>

namespace vitalune {
namespace {

TEST(Encoding, EveryWindows1252ByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string utf8 = Windows1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8ToWindows1252(utf8), all);
}

TEST(Encoding, KnownCharacters) {
    EXPECT_EQ(Windows1252ToUtf8("Jos\xE9"), "Jos\xC3\xA9");  // é
    EXPECT_EQ(Windows1252ToUtf8("\x80"), "\xE2\x82\xAC");    // euro sign
    EXPECT_EQ(Windows1252ToUtf8("\x9F"), "\xC5\xB8");        // Ÿ
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x80\x9C"
                                "x\xE2\x80\x9D"),
              "\x93x\x94");                                  // quotes
    EXPECT_EQ(Utf8ToWindows1252("\xD0\x96"), std::nullopt);  // Cyrillic Zhe
    EXPECT_EQ(Utf8ToWindows1252("\xFF"), std::nullopt);      // not UTF-8
}

TEST(Encoding, ReferencesForWhatDoesNotFit) {
    EXPECT_EQ(Utf8ToWindows1252WithReferences("Ren\xC3\xA9 \xD0\x96 \xF0\x9F\x98\x80"),
              "Ren\xE9 &#1046; &#128512;");
    EXPECT_EQ(Utf8ToWindows1252WithReferences("a\xFFz"), "a&#65533;z");
    EXPECT_EQ(Utf8ToWindows1252WithReferences("\xC2\x81"), "&#129;");
    EXPECT_EQ(Utf8ToWindows1252WithReferences("\xE2\x82\xAC"), "\x80");
}

TEST(Encoding, Utf8Validation) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));          // truncated
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    std::string out;
    AppendUtf8(out, 0x10FFFF);
    EXPECT_TRUE(IsValidUtf8(out));
}

TEST(Encoding, FileTextDetection) {
    auto decoded = DecodeFileText("\xEF\xBB\xBFZo\xC3\xAB");
    EXPECT_TRUE(decoded.wasUtf8);
    EXPECT_EQ(decoded.utf8, "Zo\xC3\xAB");
    decoded = DecodeFileText("Zo\xEB|01.01.1990|F");
    EXPECT_FALSE(decoded.wasUtf8);
    EXPECT_EQ(decoded.utf8, "Zo\xC3\xAB|01.01.1990|F");
    decoded = DecodeFileText("plain");
    EXPECT_TRUE(decoded.wasUtf8);
}

}  // namespace
}  // namespace vitalune
