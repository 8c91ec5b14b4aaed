#include "core/db/NameRule.h"

#include "core/text/Encoding.h"

namespace vitalune {

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

// C0, DEL and C1: none of them shows, and CR and LF end a line of the file.
bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace

std::string TrimName(std::string_view typed) {
    const std::size_t first = typed.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = typed.find_last_not_of(kBlanks);
    return std::string{typed.substr(first, last - first + 1)};
}

std::optional<std::string> NameFault(std::string_view name, NameUse use) {
    if (!IsValidUtf8(name)) {
        return kNameEncodingFault;
    }
    if (name.find('|') != std::string_view::npos) {
        return kNameBarFault;
    }
    std::size_t pos = 0;
    char32_t c = 0;
    while (pos < name.size() && NextCodePoint(name, pos, c)) {
        if (IsControl(c)) {
            return kNameControlFault;
        }
    }
    if (use == NameUse::Person && !name.empty() && (name.front() == '#' || name.front() == ';')) {
        return kNameStartFault;
    }
    return std::nullopt;
}

}  // namespace vitalune
