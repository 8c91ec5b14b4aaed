#pragma once
// The fixed English texts that explain a pair's compatibility. Shared and read-only.

#include <string_view>

#include "core/engine/Compatibility.h"

namespace vitalune {

class CompatTexts {
  public:
    // combination 0..8; anything else gives an empty text.
    static std::string_view Title(CompatCombination combination);
    static std::string_view Body(CompatCombination combination);
    // primary 0 Physical, 1 Emotional, 2 Intellectual.
    static std::string_view Paragraph(int primary, bool compatible);
    // The paragraph that goes with a primary percentage.
    static std::string_view ParagraphFor(int primary, std::int32_t percent) {
        return Paragraph(primary, percent >= kCompatibleFrom);
    }
};

}  // namespace vitalune
