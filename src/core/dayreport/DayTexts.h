#pragma once
// The fixed English texts of the day notes: a day text per sign combination and variant, and
// the titles and bodies of the extreme and instability notes. Shared and read-only; which
// text goes with a day is decided by DayNotes.

#include <string_view>

namespace vitalune {

inline constexpr int kDayTextVariants = 3;
inline constexpr int kDayTextCount = 48;  // 16 combinations times 3 variants

class DayTexts {
  public:
    // combination 0..15, variant 0..2; anything else gives an empty text. The third variant
    // of an odd combination is the one of the even combination before it.
    static std::string_view Text(int combination, int variant);
    // index = 3 * combination + variant.
    static std::string_view At(int index);
};

class ExtremeTexts {
  public:
    // 0, 1 stressful combinations; 2 three maxima; 3 three minima; 4..7 minima and 8..11
    // maxima of Physical, Emotional, Intellectual, Intuitive.
    static std::string_view Title(int index);
    static std::string_view Body(int index);
};

class InstabilityTexts {
  public:
    // 0 Physical, 1 Emotional, 2 Intellectual, 3 Intuitive.
    static std::string_view Title(int primary);
    static std::string_view Body(int primary);
};

}  // namespace vitalune
