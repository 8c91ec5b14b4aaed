#include "core/text/SearchAddress.h"

#include <gtest/gtest.h>

#include "core/settings/AppSettings.h"

namespace vitalune {
namespace {

TEST(SearchAddress, BlanksBecomePlusInsideQuotes) {
    EXPECT_EQ(QuotedSearchTerm("Ada"), "%22Ada%22");
    EXPECT_EQ(QuotedSearchTerm("Johann Sebastian Bach"), "%22Johann+Sebastian+Bach%22");
    EXPECT_EQ(QuotedSearchTerm("a  b"), "%22a++b%22");
    EXPECT_EQ(QuotedSearchTerm(""), "%22%22");
    EXPECT_EQ(SearchAddress("https://example.org/s?hl=en&lr=&q=", "Marie Curie"),
              "https://example.org/s?hl=en&lr=&q=%22Marie+Curie%22");
}

TEST(SearchAddress, CharactersThatWouldBreakTheQueryAreEncoded) {
    EXPECT_EQ(QuotedSearchTerm("Tom & Jerry"), "%22Tom+%26+Jerry%22");
    EXPECT_EQ(QuotedSearchTerm("No #1"), "%22No+%231%22");
    EXPECT_EQ(QuotedSearchTerm("C+ 100%"), "%22C%2B+100%25%22");
    EXPECT_EQ(QuotedSearchTerm("a=b?c/d\"e'f"), "%22a%3Db%3Fc%2Fd%22e%27f%22");
    EXPECT_EQ(QuotedSearchTerm("tab\there\nx"), "%22tab%09here%0Ax%22");
    EXPECT_EQ(QuotedSearchTerm("O'Neil-Smith_Jr.~"), "%22O%27Neil-Smith_Jr.~%22");
}

TEST(SearchAddress, LettersBeyondAsciiAreUtf8Bytes) {
    EXPECT_EQ(QuotedSearchTerm("Dvo\xC5\x99\xC3\xA1k"), "%22Dvo%C5%99%C3%A1k%22");
    EXPECT_EQ(QuotedSearchTerm("\xE6\x9D\x8E \xE7\x99\xBD"), "%22%E6%9D%8E+%E7%99%BD%22");
}

}  // namespace
}  // namespace vitalune
