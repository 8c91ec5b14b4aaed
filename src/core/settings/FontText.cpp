#include "core/settings/FontText.h"

#include <vector>

#include "core/text/DecimalText.h"

namespace vitalune {

std::optional<FontText> ParseFontText(std::string_view text) {
    FontText font;
    const auto nameEnd = text.find(',');
    if (nameEnd == std::string_view::npos) {
        return std::nullopt;
    }
    font.name = std::string{text.substr(0, nameEnd)};
    text.remove_prefix(nameEnd + 1);

    const auto sizeEnd = text.find(',');
    if (sizeEnd == std::string_view::npos) {
        return std::nullopt;
    }
    const auto size = ParseDecimal(text.substr(0, sizeEnd));
    text.remove_prefix(sizeEnd + 1);

    const auto colourEnd = text.find(',');
    if (colourEnd == std::string_view::npos || !size) {
        return std::nullopt;
    }
    const auto colour = ParseDecimal(text.substr(0, colourEnd));
    text.remove_prefix(colourEnd + 1);

    // What remains is the four flags and their three commas, "1,0,0,0": seven characters,
    // counted as characters, not bytes, since any of them may be a letter of another script.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            starts.push_back(i);
        }
    }
    if (!colour || starts.size() != 7) {
        return std::nullopt;
    }
    font.size = *size;
    font.colour = static_cast<Colour>(*colour);
    font.bold = text[starts[0]] == '1';
    font.italic = text[starts[2]] == '1';
    font.underline = text[starts[4]] == '1';
    font.strikeout = text[starts[6]] == '1';
    return font;
}

std::string FormatFontText(const FontText& font) {
    auto flag = [](bool on) { return on ? "1" : "0"; };
    return font.name + "," + std::to_string(font.size) + "," +
           std::to_string(static_cast<std::int32_t>(font.colour)) + "," + flag(font.bold) + "," +
           flag(font.italic) + "," + flag(font.underline) + "," + flag(font.strikeout);
}

}  // namespace vitalune
