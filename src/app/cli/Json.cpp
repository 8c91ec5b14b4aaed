#include "app/cli/Json.h"

#include <cstdio>

#include "core/text/Encoding.h"

namespace vitalune::cli {

std::string JsonString(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < utf8.size();) {
        const char c = utf8[i];
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80) {
            const std::size_t start = i;
            char32_t codePoint = 0;
            if (NextCodePoint(utf8, i, codePoint)) {
                out.append(utf8.substr(start, i - start));
            } else {
                out += "\xEF\xBF\xBD";
                ++i;
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
