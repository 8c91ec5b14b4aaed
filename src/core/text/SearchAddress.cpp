#include "core/text/SearchAddress.h"

namespace vitalune {

namespace {

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

}  // namespace

std::string QuotedSearchTerm(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "%22";
    out.reserve(name.size() * 3 + 6);
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == ' ') {
            out += '+';
        } else if (IsUnreserved(c)) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    out += "%22";
    return out;
}

std::string SearchAddress(std::string_view searchAddress, std::string_view name) {
    return std::string(searchAddress) + QuotedSearchTerm(name);
}

}  // namespace vitalune
