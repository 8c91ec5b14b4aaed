#include "core/contacts/ContactFields.h"

#include <cstdio>
#include <variant>

#include "core/engine/Date.h"
#include "core/engine/DateInput.h"
#include "core/text/Encoding.h"

namespace vitalune::contacts {

namespace {

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t at) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[at]);
        const auto b = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        // A lone surrogate cannot be written as UTF-8.
        AppendUtf8(out, c >= 0xD800 && c < 0xE000 ? char32_t{0xFFFD} : c);
    }
    return out;
}

bool IsBlank(char32_t c) {
    return c < 0x20 || c == ' ' || c == '|' || (c >= 0x7F && c < 0xA0) || c == 0x2028 ||
           c == 0x2029 || c == 0xFEFF;
}

bool AllDigits(std::string_view text) {
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return !text.empty();
}

std::optional<std::int32_t> FromParts(std::string_view year, std::string_view month,
                                      std::string_view day) {
    if (year.size() != 4 || month.empty() || month.size() > 2 || day.empty() || day.size() > 2 ||
        !AllDigits(year) || !AllDigits(month) || !AllDigits(day)) {
        return std::nullopt;
    }
    const std::string padded = std::string{year} + "-" + (month.size() == 1 ? "0" : "") +
                               std::string{month} + "-" + (day.size() == 1 ? "0" : "") +
                               std::string{day};
    const auto parsed = ParseDateInput(padded);
    if (const auto* date = std::get_if<std::int32_t>(&parsed); date && *date != 0) {
        return *date;
    }
    return std::nullopt;
}

}  // namespace

std::string DecodeContactBytes(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        return Utf16ToUtf8(bytes.substr(2), bytes[0] == '\xFE');
    }
    return DecodeFileText(bytes).utf8;
}

namespace {

std::string CleanText(std::string_view text, bool dropLeadingMarks) {
    const std::string utf8 = IsValidUtf8(text) ? std::string{text} : Windows1252ToUtf8(text);
    std::string out;
    out.reserve(utf8.size());
    bool pendingBlank = false;
    std::size_t pos = 0;
    char32_t c = 0;
    while (pos < utf8.size() && NextCodePoint(utf8, pos, c)) {
        if (IsBlank(c) || (dropLeadingMarks && out.empty() && (c == '#' || c == ';'))) {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank) {
            out += ' ';
            pendingBlank = false;
        }
        AppendUtf8(out, c);
    }
    return out;
}

}  // namespace

std::string CleanContactName(std::string_view text) {
    return CleanText(text, true);
}

std::string CleanGroupName(std::string_view text) {
    return CleanText(text, false);
}

std::optional<std::int32_t> ReadContactDate(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    if (const auto time = text.find_first_of("T "); time != std::string_view::npos) {
        text = text.substr(0, time);
    }
    if (text.size() == 8 && AllDigits(text)) {
        return FromParts(text.substr(0, 4), text.substr(4, 2), text.substr(6, 2));
    }
    for (const char separator : {'-', '/'}) {
        const auto first = text.find(separator);
        const auto second =
            first == std::string_view::npos ? first : text.find(separator, first + 1);
        if (first == 4 && second != std::string_view::npos) {
            return FromParts(text.substr(0, 4), text.substr(5, second - 5),
                             text.substr(second + 1));
        }
    }
    const auto first = text.find('.');
    const auto second = first == std::string_view::npos ? first : text.find('.', first + 1);
    if (second != std::string_view::npos) {
        return FromParts(text.substr(second + 1), text.substr(first + 1, second - first - 1),
                         text.substr(0, first));
    }
    return std::nullopt;
}

char ReadContactSex(std::string_view text) {
    std::string word;
    for (const char c : text) {
        if (c != ' ' && c != '\t') {
            word += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        }
    }
    return word == "f" || word == "female" || word == "woman" || word == "w" ? 'F' : 'M';
}

std::string DobText(std::int32_t day) {
    const CivilDate date = DecodeDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
    return text;
}

bool HasSpreadsheetGuard(std::string_view cell) {
    return cell.size() > 1 && cell[0] == '\'' &&
           std::string_view{"'=+-@"}.find(cell[1]) != std::string_view::npos;
}

void Collect(ContactsRead& read, const ContactFields& contact, std::string_view label) {
    std::string name = CleanContactName(contact.name);
    if (name.empty() || !contact.birth) {
        read.skippedNames.push_back(name.empty() ? std::string{label} : std::move(name));
        return;
    }
    read.lines.push_back(name + "|" + DobText(*contact.birth) + "|" + contact.sex);
}

}  // namespace vitalune::contacts
