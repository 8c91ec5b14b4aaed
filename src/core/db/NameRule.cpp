#include "core/db/NameRule.h"

#include "core/text/Encoding.h"

namespace vitalune {

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

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
    if (HasControlCharacter(name)) {
        return kNameControlFault;
    }
    if (use == NameUse::Person && !name.empty() && (name.front() == '#' || name.front() == ';')) {
        return kNameStartFault;
    }
    return std::nullopt;
}

}  // namespace vitalune
