#include "core/db/PersonLine.h"

#include <array>

#include "core/text/DecimalText.h"
#include "core/text/Encoding.h"

namespace vitalune {

namespace {

// The first `count` characters of a text, where a character is one code point as in the
// single-byte files these dates come from.
std::string_view FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t k = 0; k < count && pos < text.size(); ++k) {
        char32_t cp = 0;
        if (!NextCodePoint(text, pos, cp)) {
            ++pos;
        }
    }
    return text.substr(0, pos);
}

// Characters from..from+count-1 (zero-based), as the fixed date positions count them.
std::string_view Characters(std::string_view text, std::size_t from, std::size_t count) {
    const std::size_t start = FirstCharacters(text, from).size();
    return FirstCharacters(text.substr(start), count);
}

bool IsPlainAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

int DatePart(std::string_view digits) {
    const auto value = ParseDecimal(digits);
    return value ? *value : -1;
}

}  // namespace

std::string_view PersonDateText(std::string_view line) {
    const std::size_t first = line.find('|');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t second = line.find('|', first + 1);
    return line.substr(first + 1, second == std::string_view::npos ? second : second - first - 1);
}

Person SplitPersonLine(std::string_view line) {
    Person person;
    const std::size_t first = line.find('|');
    person.name = line.substr(0, first);
    person.dateText = PersonDateText(line);
    const std::size_t second = first == std::string_view::npos ? first : line.find('|', first + 1);
    if (second != std::string_view::npos) {
        person.sex = FirstCharacters(line.substr(second + 1), 1);
    }
    return person;
}

std::int32_t ParseDob(std::string_view dateText) {
    // The usual "DD.MM.YYYY" needs no general number parsing.
    auto digit = [&](std::size_t i) { return static_cast<unsigned>(dateText[i] - '0'); };
    if (dateText.size() >= 10 && digit(0) < 10 && digit(1) < 10 && digit(3) < 10 && digit(4) < 10 &&
        digit(6) < 10 && digit(7) < 10 && digit(8) < 10 && digit(9) < 10 &&
        static_cast<unsigned char>(dateText[2]) < 0x80 &&
        static_cast<unsigned char>(dateText[5]) < 0x80) {
        const auto encoded = TryEncodeDate(
            static_cast<int>(digit(6) * 1000 + digit(7) * 100 + digit(8) * 10 + digit(9)),
            static_cast<int>(digit(3) * 10 + digit(4)), static_cast<int>(digit(0) * 10 + digit(1)));
        return encoded ? *encoded : 0;
    }
    std::string_view day;
    std::string_view month;
    std::string_view year;
    if (IsPlainAscii(dateText.substr(0, 10))) {
        day = dateText.substr(0, 2);
        month = dateText.substr(std::min<std::size_t>(3, dateText.size()), 2);
        year = dateText.substr(std::min<std::size_t>(6, dateText.size()), 4);
    } else {
        day = Characters(dateText, 0, 2);
        month = Characters(dateText, 3, 2);
        year = Characters(dateText, 6, 4);
    }
    const auto encoded = TryEncodeDate(DatePart(year), DatePart(month), DatePart(day));
    return encoded ? *encoded : 0;
}

std::string FormatDob(std::int32_t day) {
    const CivilDate date = DecodeDate(day);
    std::string text;
    text += static_cast<char>('0' + date.day / 10);
    text += static_cast<char>('0' + date.day % 10);
    text += '.';
    text += static_cast<char>('0' + date.month / 10);
    text += static_cast<char>('0' + date.month % 10);
    text += '.';
    text += std::to_string(date.year);
    return text;
}

PersonGroup ParseGroupEntry(std::string_view entry) {
    const std::size_t bar = entry.find('|');
    if (bar == std::string_view::npos) {
        return {std::string{entry}, kDefaultGroupIcon};
    }
    const auto icon = ParseDecimal(entry.substr(bar + 1));
    return {std::string{entry.substr(0, bar)}, icon ? *icon : kDefaultGroupIcon};
}

PersonGroup ParseGroupHeader(std::string_view entry) {
    PersonGroup group = ParseGroupEntry(entry);
    if (entry.find('|') == std::string_view::npos) {
        if (group.name == "My profiles") {
            group.icon = 0;
        } else if (group.name == "Celebrities") {
            group.icon = 1;
        }
    }
    return group;
}

std::string MakeGroupEntry(std::string_view name, int icon) {
    std::string entry{name};
    entry += '|';
    entry += std::to_string(icon);
    return entry;
}

PersonLineFault CheckPersonLine(std::string_view line) {
    // A bar in the very last position is not looked at.
    const std::string_view scanned = line.substr(0, line.empty() ? 0 : line.size() - 1);
    const std::size_t first = scanned.find('|');
    const std::size_t second =
        first == std::string_view::npos ? first : scanned.find('|', first + 1);
    if (second == std::string_view::npos) {
        return PersonLineFault::MissingBars;
    }
    if (ParseDob(line.substr(first + 1, second - first - 1)) == 0) {
        return PersonLineFault::UnreadableDate;
    }
    const char sex = line[second + 1];
    return sex == 'M' || sex == 'F' ? PersonLineFault::None : PersonLineFault::BadSex;
}

std::string_view PersonLineFaultText(PersonLineFault fault) {
    switch (fault) {
        case PersonLineFault::None:
            return "";
        case PersonLineFault::MissingBars:
            return "fewer than two \"|\"";
        case PersonLineFault::UnreadableDate:
            return "no valid date of birth";
        case PersonLineFault::BadSex:
            return "sex is not M or F";
    }
    return "";
}

bool IsStorablePersonLine(std::string_view line) {
    return !line.empty() && line.front() != '#' && line.front() != ';' && IsValidUtf8(line) &&
           !HasControlCharacter(line);
}

bool IsStorableGroupName(std::string_view name) {
    return name.find('|') == std::string_view::npos && IsValidUtf8(name) &&
           !HasControlCharacter(name);
}

std::string PlaceholderPerson(std::int32_t today) {
    return "New person|" + FormatDob(today) + "|M";
}

}  // namespace vitalune
