#include "core/text/Encoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace vitalune {

namespace {

// Code points of the bytes 0x80..0x9F; the rest of the upper half equals Latin-1.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ByteToCodePoint(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? kHigh[byte - 0x80] : byte;
}

// The windows-1252 byte of a code point, or -1.
int CodePointToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<int>(cp);
    }
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == cp) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

}  // namespace

bool NextCodePoint(std::string_view text, std::size_t& pos, char32_t& codePoint) {
    if (pos >= text.size()) {
        return false;
    }
    const auto b0 = static_cast<unsigned char>(text[pos]);
    if (b0 < 0x80) {
        codePoint = b0;
        ++pos;
        return true;
    }
    std::size_t length = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4;
        min = 0x10000;
    } else {
        return false;
    }
    if (text.size() - pos < length) {
        return false;
    }
    char32_t cp = b0 & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(text[pos + k]);
        if ((b & 0xC0) != 0x80) {
            return false;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return false;
    }
    codePoint = cp;
    pos += length;
    return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsValidUtf8(std::string_view text) {
    std::size_t pos = 0;
    char32_t cp = 0;
    while (pos < text.size()) {
        // Plain ASCII is the common case: skip it eight bytes at a time.
        while (text.size() - pos >= 8) {
            std::uint64_t word;
            std::memcpy(&word, text.data() + pos, 8);
            if (word & 0x8080808080808080ull) {
                break;
            }
            pos += 8;
        }
        if (pos >= text.size()) {
            break;
        }
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
        } else if (!NextCodePoint(text, pos, cp)) {
            return false;
        }
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        // Copy ASCII runs whole; big files are mostly ASCII.
        std::size_t run = pos;
        while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80) {
            ++run;
        }
        out.append(bytes.data() + pos, run - pos);
        if (run < bytes.size()) {
            AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(bytes[run])));
            ++run;
        }
        pos = run;
    }
    return out;
}

std::optional<std::string> Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    char32_t cp = 0;
    while (pos < utf8.size()) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            out += utf8[pos++];
            continue;
        }
        if (!NextCodePoint(utf8, pos, cp)) {
            return std::nullopt;
        }
        const int byte = CodePointToByte(cp);
        if (byte < 0) {
            return std::nullopt;
        }
        out += static_cast<char>(byte);
    }
    return out;
}

std::string Utf8ToWindows1252WithReferences(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    char32_t cp = 0;
    while (pos < utf8.size()) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            out += utf8[pos++];
            continue;
        }
        if (!NextCodePoint(utf8, pos, cp)) {
            cp = 0xFFFD;
            ++pos;
        }
        const int byte = CodePointToByte(cp);
        // C1 controls have a byte only to keep old files intact; a report spells them out.
        if (byte >= 0 && !(cp >= 0x80 && cp <= 0x9F)) {
            out += static_cast<char>(byte);
        } else {
            out += "&#" + std::to_string(static_cast<std::uint32_t>(cp)) + ";";
        }
    }
    return out;
}

bool HasControlCharacter(std::string_view utf8) {
    std::size_t pos = 0;
    char32_t c = 0;
    while (pos < utf8.size()) {
        if (!NextCodePoint(utf8, pos, c)) {
            ++pos;
        } else if (IsControlCharacter(c)) {
            return true;
        }
    }
    return false;
}

std::size_t ReplaceControlCharacters(std::string& utf8) {
    // C0 and DEL are single bytes; C1 is U+0080..U+009F, "\xC2\x80".."\xC2\x9F".
    const auto isControlAt = [&utf8](std::size_t i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b == '\r' || b == '\n') {
            return std::size_t{0};
        }
        if (b < 0x20 || b == 0x7F) {
            return std::size_t{1};
        }
        const bool c1 = b == 0xC2 && i + 1 < utf8.size() &&
                        static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
        return std::size_t{c1 ? 2u : 0u};
    };
    std::size_t i = 0;
    while (i < utf8.size() && isControlAt(i) == 0) {
        ++i;
    }
    if (i == utf8.size()) {
        return 0;
    }
    std::string out;
    out.reserve(utf8.size() + 16);
    out.append(utf8, 0, i);
    std::size_t count = 0;
    while (i < utf8.size()) {
        if (const std::size_t length = isControlAt(i)) {
            out += "\xEF\xBF\xBD";
            i += length;
            ++count;
        } else {
            out += utf8[i++];
        }
    }
    utf8 = std::move(out);
    return count;
}

DecodedText DecodeFileText(std::string_view bytes) {
    const std::string_view body = bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    if (IsValidUtf8(body)) {
        return {std::string{body}, true};
    }
    return {Windows1252ToUtf8(bytes), false};
}

DecodedText DecodeFileTextOwned(std::string&& bytes) {
    const std::size_t bom = std::string_view{bytes}.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    if (IsValidUtf8(std::string_view{bytes}.substr(bom))) {
        bytes.erase(0, bom);
        return {std::move(bytes), true};
    }
    std::string utf8 = Windows1252ToUtf8(bytes);
    std::string{}.swap(bytes);  // consumed either way, so big files are not held twice
    return {std::move(utf8), false};
}

}  // namespace vitalune
