#pragma once
// The text forms the names database keeps: person lines "name|DD.MM.YYYY|M" and group entries
// "name|icon". Persons and groups stay stored as these texts; Person and PersonGroup are the
// fields split out of one line when a reader needs them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/engine/Date.h"

namespace vitalune {

inline constexpr int kGroupIconCount = 48;
inline constexpr int kDefaultGroupIcon = 2;

// The fields of a person line, copied out of it.
struct Person {
    std::string name;      // before the first "|"
    std::string dateText;  // between the first and the second "|"
    std::string sex;       // the one character after the second "|" ("M", "F" or other)
};

// The fields of a group entry.
struct PersonGroup {
    std::string name;
    int icon = kDefaultGroupIcon;
};

// Missing bars give empty fields: "Bob" is a name only, "Bob|01.02.1990" has no sex.
Person SplitPersonLine(std::string_view line);
// Just the date text of a line, without copying (for scans of many lines).
std::string_view PersonDateText(std::string_view line);

// Characters 1-2 are the day, 4-5 the month, 7-10 the year; anything unreadable or impossible
// gives day zero (30 Dec 1899), which readers take as "no date".
std::int32_t ParseDob(std::string_view dateText);
// Day and month with two digits, the year as a plain number: "05.01.1980".
std::string FormatDob(std::int32_t day);

// "name|icon"; a missing or unreadable icon is 2.
PersonGroup ParseGroupEntry(std::string_view entry);
// The same for a header of a file being loaded, except that a header without "|" named
// "My profiles" gets icon 0 and one named "Celebrities" icon 1.
PersonGroup ParseGroupHeader(std::string_view entry);
// "name|icon", the form the database keeps.
std::string MakeGroupEntry(std::string_view name, int icon);

// Why a loaded line is not taken as a person.
enum class PersonLineFault {
    None,
    MissingBars,     // fewer than two "|" before the last character
    UnreadableDate,  // the date text gives day zero
    BadSex,          // the character after the second "|" is not "M" or "F"
};
PersonLineFault CheckPersonLine(std::string_view line);
std::string_view PersonLineFaultText(PersonLineFault fault);
inline bool IsValidPersonLine(std::string_view line) {
    return CheckPersonLine(line) == PersonLineFault::None;
}

// Whether a line can be stored and read back as the same person line: not empty, valid UTF-8,
// no control character (line breaks among them), and not starting like a comment (";") or a
// group header ("#").
bool IsStorablePersonLine(std::string_view line);
// Whether a group name can be stored: valid UTF-8 without "|" or control characters.
bool IsStorableGroupName(std::string_view name);

// The person that fills a group which would otherwise be empty.
std::string PlaceholderPerson(std::int32_t today);

}  // namespace vitalune
