#include <gtest/gtest.h>

#include "core/text/Encoding.h"
#include "core/text/SearchAddress.h"
#include "support/Transcript.h"

namespace vitalune {
namespace {

using test::Escaped;

TEST(Texts, AsTheTranscriptSays) {
    test::ExpectTranscript("texts.txt", [](const std::string& line) {
        const auto blank = line.find(' ');
        const std::string kind = line.substr(0, blank);
        const std::string text = blank == std::string::npos ? "" : line.substr(blank + 1);
        if (kind == "1252") {
            return "  " + Escaped(Windows1252ToUtf8(text)) + "\n";
        }
        if (kind == "utf8") {
            const auto bytes = Utf8ToWindows1252(text);
            return std::string{IsValidUtf8(text) ? "  UTF-8" : "  not UTF-8"} + ", windows-1252 " +
                   (bytes ? Escaped(*bytes) : "none") + ", with references " +
                   Escaped(Utf8ToWindows1252WithReferences(text)) + "\n";
        }
        if (kind == "file") {
            const DecodedText decoded = DecodeFileText(text);
            return std::string{decoded.wasUtf8 ? "  UTF-8: " : "  windows-1252: "} +
                   Escaped(decoded.utf8) + "\n";
        }
        EXPECT_EQ(kind, "search");
        return "  " + QuotedSearchTerm(text) + "\n";
    });
    EXPECT_EQ(SearchAddress("https://example.org/s?hl=en&lr=&q=", "Marie Curie"),
              "https://example.org/s?hl=en&lr=&q=%22Marie+Curie%22");
}

TEST(Texts, EveryWindows1252ByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string utf8 = Windows1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8ToWindows1252(utf8), all);
    std::string last;
    AppendUtf8(last, 0x10FFFF);
    EXPECT_TRUE(IsValidUtf8(last));
}

}  // namespace
}  // namespace vitalune
