#include "core/db/PersonCollator.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unicode/uloc.h>

#include <clocale>
#include <random>
#include <vector>

#include "core/text/Encoding.h"

namespace vitalune {
namespace {

int Sign(int v) {
    return (v > 0) - (v < 0);
}

TEST(PersonCollator, CaseInsensitiveAccentSensitive) {
    const PersonCollator& order = PersonCollator::Instance();
    // More equal lines and accents in load.txt.
    EXPECT_TRUE(order.Equal("ANN SMITH|05.01.1980|F", "ann smith|05.01.1980|f"));
    EXPECT_LT(order.Compare("Ann|05.01.1980|F", "Anna|01.01.1970|F"), 0);  // "|" before letters
    EXPECT_LT(order.Compare("Ann|05.01.1980|F", "Ann|17.11.1977|M"), 0);   // day first
    EXPECT_LT(order.Compare("bob|01.01.1990|M", "Carl|01.01.1990|M"), 0);
    EXPECT_LT(order.Compare("Zoe|1", "Zo\xC3\xAB|1"), 0);  // accents after the plain letter
    EXPECT_LT(order.Compare("Zo\xC3\xAB|1", "Zof|1"), 0);  // ...but before the next letter
    EXPECT_LT(order.Compare("\xC3\x89mile|1", "Emilia|1"), 0);
    EXPECT_EQ(order.Compare("", ""), 0);
    EXPECT_LT(order.Compare("", "a"), 0);
}

// The order must not follow the process's locale: the same lines sort alike under any.
TEST(PersonCollator, IndependentOfTheLocale) {
    const std::vector<std::pair<const char*, const char*>> pairs = {
        {"i|1", "I|1"},        {"\xC4\xB1|1", "I|1"}, {"ch|1", "d|1"},
        {"\xC3\xB6|1", "z|1"}, {"aa|1", "b|1"},       {"ll|1", "lz|1"}};
    std::vector<int> before;
    for (const auto& [a, b] : pairs) {
        before.push_back(Sign(PersonCollator::Instance().Compare(a, b)));
    }
    const char* saved = uloc_getDefault();
    const std::string keep = saved ? saved : "";
    for (const char* locale : {"tr_TR", "sv_SE", "da_DK", "es_ES_TRADITIONAL", "C"}) {
        UErrorCode status = U_ZERO_ERROR;
        uloc_setDefault(locale, &status);
        const PersonCollator fresh;
        // ICU alone first, then with the weights learned under this locale.
        for (const bool learned : {false, true}) {
            if (learned) {
                ASSERT_GT(fresh.RankedCount(), 150);
            }
            for (std::size_t i = 0; i < pairs.size(); ++i) {
                EXPECT_EQ(Sign(fresh.Compare(pairs[i].first, pairs[i].second)), before[i])
                    << locale << ": " << pairs[i].first << (learned ? " (learned)" : "");
            }
        }
    }
    UErrorCode status = U_ZERO_ERROR;
    uloc_setDefault(keep.c_str(), &status);
}

// The shortcuts must agree with ICU everywhere, above all around contractions ("l" + middle
// dot), combining marks, ignorables and expansions.
TEST(PersonCollator, ShortcutsAgreeWithIcu) {
    const PersonCollator& order = PersonCollator::Instance();
    ASSERT_GT(order.RankedCount(), 150);  // the shortcuts are in use at all
    const std::vector<char32_t> tricky = {
        'a',   'A',    'e',    'E',    0xE9,   0xC9,   'l',     'L',    0xB7,   0x387, 0x301,
        0x323, 0x338,  '=',    '<',    ' ',    '|',    '.',     '-',    0xAD,   0xDF,  's',
        'S',   '4',    0xE6,   'o',    0xF8,   0x308,  0xEB,    0x200B, 0xFB01, 0x131, 0x130,
        0x09,  0x1E9E, 0x2260, 0xFDD1, 0x4E00, 0xFFFD, 0x1F600, 0x7F,   0x85,   0xA0};
    std::mt19937 random(20080105);
    auto make = [&](int maxLength) {
        std::string text;
        const int length = static_cast<int>(random() % static_cast<unsigned>(maxLength));
        for (int i = 0; i < length; ++i) {
            char32_t c = random() % 3 == 0 ? tricky[random() % tricky.size()]
                                           : static_cast<char32_t>(0x20 + random() % 0xE0);
            if (c == 0x7F || (c >= 0x80 && c < 0xA0 && random() % 2)) {
                c = 'x';
            }
            AppendUtf8(text, c);
        }
        return text;
    };
    int mismatches = 0;
    for (int i = 0; i < 200000 && mismatches < 5; ++i) {
        const std::string a = make(20);
        std::string b = make(20);
        if (i % 3 == 0 && !a.empty()) {
            b = a.substr(0, random() % a.size()) + make(4);
            if (!IsValidUtf8(b)) {
                continue;
            }
        }
        const int icu = Sign(order.CompareByIcu(a, b));
        const int fast = Sign(order.Compare(a, b));
        const int prefixed = Sign(order.Compare(a, order.PrefixOf(a), b, order.PrefixOf(b)));
        if (icu != fast || icu != prefixed) {
            ++mismatches;
            ADD_FAILURE() << "\"" << a << "\" vs \"" << b << "\": ICU " << icu << ", shortcut "
                          << fast << ", prefixes " << prefixed;
        }
    }
}

}  // namespace
}  // namespace vitalune
