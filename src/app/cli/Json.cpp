#include "app/cli/Json.h"

#include <charconv>
#include <cstdio>
#include <ostream>

#include "core/engine/Rhythm.h"
#include "core/text/Encoding.h"

namespace vitalune::cli {

void AppendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    for (std::size_t i = 0; i < utf8.size();) {
        // Most text needs no escape: copy each plain run at once.
        std::size_t plain = i;
        while (plain < utf8.size()) {
            const auto u = static_cast<unsigned char>(utf8[plain]);
            if (u < 0x20 || u >= 0x80 || u == '"' || u == '\\') {
                break;
            }
            ++plain;
        }
        out.append(utf8.substr(i, plain - i));
        i = plain;
        if (i == utf8.size()) {
            break;
        }
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
            default: {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
                out += buffer;
            }
        }
        ++i;
    }
    out += '"';
}

std::string JsonString(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    AppendJsonString(out, utf8);
    return out;
}

void AppendJsonInt(std::string& out, std::int64_t value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
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
        AppendJsonInt(out, values[i]);
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

std::string JsonRhythms(std::span<const std::int32_t> percent, std::span<const bool> critical) {
    JsonObject object;
    for (std::size_t i = 0; i < std::size(kRhythmKeys); ++i) {
        object.Add(
            kRhythmKeys[i],
            JsonObject{}.Add("percent", percent[i]).Add("critical", JsonBool(critical[i])).Str());
    }
    return object.Str();
}

JsonObject& AddDayFields(JsonObject& object, const DayRhythms& day) {
    return object.Add("percent", JsonIntArray(day.percent))
        .Add("overall", day.overall)
        .Add("critical", JsonBoolArray(day.critical))
        .Add("rhythms", JsonRhythms(day.percent, day.critical));
}

JsonArrayWriter::JsonArrayWriter(std::ostream& out) : m_out(out) {
    m_out << '[';
}

void JsonArrayWriter::Add(std::string_view json) {
    if (!m_first) {
        m_out << ',';
    }
    m_first = false;
    m_out << json;
}

void JsonArrayWriter::Close() {
    m_out << ']';
}

JsonObject& JsonObject::Add(std::string_view key, std::int64_t value) {
    return Add(key, std::to_string(value));
}

}  // namespace vitalune::cli
