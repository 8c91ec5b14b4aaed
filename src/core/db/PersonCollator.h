#pragma once
// The one order of every person list: ICU's root collation at secondary strength, so case is
// ignored and accents count, and the order is the same whatever the user's locale. Shortcuts
// for Latin text use primary weights read from that same collator; ICU decides the rest.

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string_view>

struct UCollator;

namespace vitalune {

class PersonCollator {
  public:
    // The shared instance (built on first use).
    static const PersonCollator& Instance();

    PersonCollator();
    ~PersonCollator();
    PersonCollator(const PersonCollator&) = delete;
    PersonCollator& operator=(const PersonCollator&) = delete;

    // Negative, zero or positive like strcmp; zero means "the same person line" for the
    // duplicate rule. Both texts are UTF-8.
    int Compare(std::string_view a, std::string_view b) const;
    bool Equal(std::string_view a, std::string_view b) const { return Compare(a, b) == 0; }

    // The primary ranks of a line's first 16 characters, for sorting many lines: two prefixes
    // decide most comparisons alone; Compare with prefixes falls back to the texts otherwise.
    struct Prefix {
        std::uint64_t high = 0;
        std::uint64_t low = 0;
    };
    Prefix PrefixOf(std::string_view line) const;
    int Compare(std::string_view a, const Prefix& pa, std::string_view b, const Prefix& pb) const;

    // The same comparison by ICU alone (tests check the shortcuts against it).
    int CompareByIcu(std::string_view a, std::string_view b) const;
    // How many of the first 256 code points have a rank (for tests; 0: no shortcuts).
    int RankedCount() const;

  private:
    // Learning the weights asks ICU for all its contractions, which costs more than sorting a
    // few thousand lines: it waits for the first full sort. Until then ICU compares alone,
    // with the same results (and, on lines already in order, as fast).
    void LearnOnce() const;
    void LearnLatinWeights(UCollator* collator) const;
    // The rank of the code point starting at text[pos] (its UTF-8 length in `length`), or 0
    // when ICU must decide from there on.
    std::uint8_t RankAt(std::string_view text, std::size_t pos, std::size_t& length) const;
    std::uint8_t AsciiRankAt(std::string_view text, std::size_t i) const;

    UCollator* m_collator = nullptr;
    mutable std::once_flag m_learnOnce;
    mutable std::atomic<bool> m_learned{false};
    // Primary rank of each code point below 256 that maps to exactly one primary weight and
    // continues no contraction; 0 where ICU must decide.
    mutable std::array<std::uint8_t, 256> m_rank{};
    // Ranked code points that begin a contraction: their rank holds only when a ranked code
    // point or the end follows.
    mutable std::array<bool, 256> m_startsContraction{};
};

}  // namespace vitalune
