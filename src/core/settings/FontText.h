#pragma once
// Fonts kept as text: name,size,colour,bold,italic,underline,strikeout, the colour in
// decimal and each flag 1 or 0 ("Arial,20,8421504,1,0,0,0").

#include <optional>
#include <string>
#include <string_view>

#include "core/settings/ChartAttrib.h"

namespace vitalune {

struct FontText {
    std::string name;
    int size = 0;  // points
    Colour colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    friend bool operator==(const FontText&, const FontText&) = default;
};

// Nothing when a part is missing or malformed; the caller then uses the program's default
// font. Never fails otherwise, whatever the input.
std::optional<FontText> ParseFontText(std::string_view text);
std::string FormatFontText(const FontText& font);

}  // namespace vitalune
