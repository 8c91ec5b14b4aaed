#include "core/db/PersonCollator.h"

#include <unicode/ucol.h>
#include <unicode/uset.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace vitalune {

const PersonCollator& PersonCollator::Instance() {
    static const PersonCollator instance;
    return instance;
}

PersonCollator::PersonCollator() {
    UErrorCode status = U_ZERO_ERROR;
    // "" is the root locale: the order must not follow the environment's locale.
    m_collator = ucol_open("", &status);
    if (U_FAILURE(status) || m_collator == nullptr) {
        throw std::runtime_error(std::string{"cannot open the ICU root collator: "} +
                                 u_errorName(status));
    }
    ucol_setStrength(m_collator, UCOL_SECONDARY);
}

void PersonCollator::LearnOnce() const {
    std::call_once(m_learnOnce, [this] {
        // On a clone of its own: learning switches strengths, while other threads may be
        // comparing with the shared collator meanwhile.
        UErrorCode status = U_ZERO_ERROR;
        UCollator* clone = ucol_clone(m_collator, &status);
        if (U_SUCCESS(status) && clone != nullptr) {
            LearnLatinWeights(clone);
        }
        ucol_close(clone);
        m_learned.store(true, std::memory_order_release);
    });
}

PersonCollator::~PersonCollator() {
    ucol_close(m_collator);
}

namespace {

// Byte strings compare as unsigned bytes, the order of sort keys.
using Bytes = std::string;

// The sort key of one code point without its terminating zero.
Bytes SortKey(const UCollator* collator, UChar c) {
    std::uint8_t key[64];
    const int32_t length = ucol_getSortKey(collator, &c, 1, key, 64);
    if (length <= 0 || length > 64) {
        return {};
    }
    return Bytes(reinterpret_cast<const char*>(key), static_cast<std::size_t>(length - 1));
}

}  // namespace

// Reads the primary weights of the first 256 code points from the collator itself. A code point
// gets a rank when it maps to exactly one primary weight and ICU's contraction list shows that
// it never continues a contraction begun by another such code point. Along ranked code
// points, the first different rank then decides exactly as ICU's primary level does; ASCII
// ranks also carry the common secondary weight, so equal ASCII runs are equal lines.
void PersonCollator::LearnLatinWeights(UCollator* collator) const {
    UErrorCode status = U_ZERO_ERROR;
    using SetPtr = std::unique_ptr<USet, decltype(&uset_close)>;
    SetPtr contractions(uset_openEmpty(), &uset_close);
    SetPtr expansions(uset_openEmpty(), &uset_close);
    ucol_getContractionsAndExpansions(collator, contractions.get(), expansions.get(), true,
                                      &status);
    if (U_FAILURE(status)) {
        return;  // no shortcuts: ICU compares everything
    }
    std::array<bool, 256> candidate{};
    for (int c = 0x20; c < 0x7F; ++c) {
        candidate[static_cast<std::size_t>(c)] = true;
    }
    for (int c = 0xA0; c < 0x100; ++c) {
        candidate[static_cast<std::size_t>(c)] = true;
    }
    const int32_t items = uset_getItemCount(contractions.get());
    for (int32_t i = 0; i < items; ++i) {
        UChar32 start = 0;
        UChar32 end = 0;
        UChar text[64];
        UErrorCode itemStatus = U_ZERO_ERROR;
        const int32_t length =
            uset_getItem(contractions.get(), i, &start, &end, text, 64, &itemStatus);
        if (U_FAILURE(itemStatus) || length < 0) {
            return;
        }
        // Only strings begun by one of ours can sit inside a run of ranked code points.
        if (length < 2 || text[0] >= 256) {
            continue;
        }
        m_startsContraction[text[0]] = true;
        for (int32_t k = 1; k < length; ++k) {
            if (text[k] < 256) {
                candidate[text[k]] = false;
            }
        }
    }

    // Primary weights alone; secondary keys check the ASCII ones for a plain secondary weight.
    const Bytes plainLetter = SortKey(collator, u'a');
    const Bytes plainSecondary =
        plainLetter.substr(std::min(plainLetter.find('\x01'), plainLetter.size()));
    std::array<Bytes, 256> secondaryKeys;
    for (int c = 0; c < 128; ++c) {
        if (candidate[static_cast<std::size_t>(c)]) {
            secondaryKeys[static_cast<std::size_t>(c)] = SortKey(collator, static_cast<UChar>(c));
        }
    }
    ucol_setStrength(collator, UCOL_PRIMARY);
    std::array<Bytes, 256> primary;
    for (int c = 0; c < 256; ++c) {
        if (candidate[static_cast<std::size_t>(c)]) {
            primary[static_cast<std::size_t>(c)] = SortKey(collator, static_cast<UChar>(c));
        }
    }
    std::vector<Bytes> singleAsciiPrimaries;
    for (int c = 0; c < 128; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (!candidate[i] || primary[i].empty() || uset_contains(expansions.get(), c)) {
            candidate[i] = false;
            continue;
        }
        const Bytes& key = secondaryKeys[i];
        if (key.substr(std::min(key.find('\x01'), key.size())) != plainSecondary) {
            candidate[i] = false;
            continue;
        }
        singleAsciiPrimaries.push_back(primary[i]);
    }
    std::vector<int> ranked;
    for (int c = 0; c < 256; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (!candidate[i] || primary[i].empty()) {
            continue;
        }
        // An expansion counts when its primaries are those of one plain ASCII character (an
        // accented letter: the letter's primary, the accent only secondary).
        if (c >= 128 && uset_contains(expansions.get(), c) &&
            std::find(singleAsciiPrimaries.begin(), singleAsciiPrimaries.end(), primary[i]) ==
                singleAsciiPrimaries.end()) {
            continue;
        }
        ranked.push_back(c);
    }
    // Single primary weights order like their key bytes.
    std::stable_sort(ranked.begin(), ranked.end(), [&](int a, int b) {
        return primary[static_cast<std::size_t>(a)] < primary[static_cast<std::size_t>(b)];
    });
    int rank = 0;
    for (std::size_t k = 0; k < ranked.size(); ++k) {
        const auto c = static_cast<std::size_t>(ranked[k]);
        if (k == 0 || primary[static_cast<std::size_t>(ranked[k - 1])] != primary[c]) {
            ++rank;
        }
        if (rank > 254) {
            m_rank.fill(0);
            return;
        }
        m_rank[c] = static_cast<std::uint8_t>(rank);
    }
}

int PersonCollator::RankedCount() const {
    LearnOnce();
    return static_cast<int>(
        std::count_if(m_rank.begin(), m_rank.end(), [](std::uint8_t r) { return r != 0; }));
}

std::uint8_t PersonCollator::AsciiRankAt(std::string_view text, std::size_t i) const {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
        return 0;
    }
    if (m_startsContraction[c] && i + 1 < text.size()) {
        std::size_t length = 0;
        if (RankAt(text, i + 1, length) == 0) {
            return 0;
        }
    }
    return m_rank[c];
}

std::uint8_t PersonCollator::RankAt(std::string_view text, std::size_t pos,
                                    std::size_t& length) const {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    unsigned codePoint = b0;
    length = 1;
    if (b0 >= 0x80) {
        // Only U+0080..U+00FF (two bytes, lead C2 or C3) can have a rank.
        if ((b0 != 0xC2 && b0 != 0xC3) || pos + 1 >= text.size() ||
            (static_cast<unsigned char>(text[pos + 1]) & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = (b0 & 0x1Fu) << 6 | (static_cast<unsigned char>(text[pos + 1]) & 0x3Fu);
        length = 2;
    }
    const std::uint8_t rank = m_rank[codePoint];
    if (rank != 0 && m_startsContraction[codePoint] && pos + length < text.size()) {
        std::size_t nextLength = 0;
        if (RankAt(text, pos + length, nextLength) == 0) {
            return 0;
        }
    }
    return rank;
}

int PersonCollator::Compare(std::string_view a, std::string_view b) const {
    if (!m_learned.load(std::memory_order_acquire)) {
        return CompareByIcu(a, b);
    }
    // Along ASCII the first different primary weight decides, as long as everything up to it
    // is ranked; equal ranked runs are equal texts.
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t ra = AsciiRankAt(a, i);
        const std::uint8_t rb = AsciiRankAt(b, i);
        if (ra == 0 || rb == 0) {
            return CompareByIcu(a, b);
        }
        if (ra != rb) {
            return ra < rb ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    // A ranked character after the common part has a primary weight: the longer text is
    // greater. Anything else may be ignorable or combining.
    if (AsciiRankAt(a.size() > b.size() ? a : b, n) != 0) {
        return a.size() > b.size() ? 1 : -1;
    }
    return CompareByIcu(a, b);
}

// Byte k of a prefix: 0 past the end of the line, the rank of the k-th code point, or 255 from
// the first code point without a rank on (the prefix cannot tell anything from there).
PersonCollator::Prefix PersonCollator::PrefixOf(std::string_view line) const {
    LearnOnce();
    constexpr std::uint8_t kUnknown = 255;
    std::uint8_t bytes[16];
    std::size_t k = 0;
    std::size_t pos = 0;
    for (; k < 16 && pos < line.size(); ++k) {
        std::size_t length = 0;
        const std::uint8_t rank = RankAt(line, pos, length);
        if (rank == 0) {
            break;
        }
        bytes[k] = rank;
        pos += length;
    }
    const std::uint8_t fill = pos < line.size() ? kUnknown : 0;
    for (; k < 16; ++k) {
        bytes[k] = fill;
    }
    Prefix prefix;
    for (std::size_t i = 0; i < 8; ++i) {
        prefix.high = prefix.high << 8 | bytes[i];
        prefix.low = prefix.low << 8 | bytes[8 + i];
    }
    return prefix;
}

int PersonCollator::Compare(std::string_view a, const Prefix& pa, std::string_view b,
                            const Prefix& pb) const {
    // Prefixes decide only where they differ in two known ranks (or one text ended and the
    // other goes on with a known rank); equal ranks leave accents and the rest to Compare.
    const bool highDiffers = pa.high != pb.high;
    if (highDiffers || pa.low != pb.low) {
        const std::uint64_t x = highDiffers ? pa.high : pa.low;
        const std::uint64_t y = highDiffers ? pb.high : pb.low;
        const int shift = 56 - (__builtin_clzll(x ^ y) & ~7);
        const auto bx = static_cast<std::uint8_t>(x >> shift);
        const auto by = static_cast<std::uint8_t>(y >> shift);
        if (bx != 255 && by != 255) {
            return bx < by ? -1 : 1;
        }
    }
    return Compare(a, b);
}

int PersonCollator::CompareByIcu(std::string_view a, std::string_view b) const {
    if (a.size() > INT32_MAX || b.size() > INT32_MAX) {
        throw std::length_error("person line too long to compare");
    }
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        ucol_strcollUTF8(m_collator, a.data(), static_cast<int32_t>(a.size()), b.data(),
                         static_cast<int32_t>(b.size()), &status);
    return result == UCOL_LESS ? -1 : result == UCOL_GREATER ? 1 : 0;
}

}  // namespace vitalune
