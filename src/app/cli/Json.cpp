#include "app/cli/Json.h"

#include <cstdio>

namespace vitalune::cli {

namespace {

// Length of the valid UTF-8 sequence at text[i], or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t min = 0;
    if (b0 < 0x80) {
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        length = 2;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    std::uint32_t cp = b0 & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return length;
}

}  // namespace

std::string JsonString(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < utf8.size();) {
        const char c = utf8[i];
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80) {
            const std::size_t length = Utf8SequenceLength(utf8, i);
            if (length == 0) {
                out += "\xEF\xBF\xBD";
                ++i;
            } else {
                out.append(utf8.substr(i, length));
                i += length;
            }
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (u < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
                    out += buffer;
                } else {
                    out += c;
                }
        }
        ++i;
    }
    out += '"';
    return out;
}

std::string JsonBool(bool value) {
    return value ? "true" : "false";
}

std::string JsonIntArray(std::span<const std::int32_t> values) {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += std::to_string(values[i]);
    }
    return out + "]";
}

std::string JsonBoolArray(std::span<const bool> values) {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += JsonBool(values[i]);
    }
    return out + "]";
}

std::string JsonStringArray(std::span<const std::string_view> values) {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += JsonString(values[i]);
    }
    return out + "]";
}

JsonObject& JsonObject::Add(std::string_view key, std::string_view json) {
    if (m_text.size() > 1) {
        m_text += ',';
    }
    m_text += JsonString(key);
    m_text += ':';
    m_text += json;
    return *this;
}

JsonObject& JsonObject::Add(std::string_view key, std::int64_t value) {
    return Add(key, std::to_string(value));
}

}  // namespace vitalune::cli
