#pragma once
// The persons of the names database born on a given day and month, grouped by group: the
// content of the birthday list, built anew for every date. No window here.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vitalune {

class NamesDatabase;

struct BirthdayEntry {
    enum class Kind {
        GroupHeading,  // text: the group entry "name|icon"
        Person,        // text: the person's name
        Gap,           // the empty line after a group with matches
        NobodyFound,   // the only entry when nobody has a birthday that day
    };
    Kind kind = Kind::NobodyFound;
    std::string text;
    std::string sex;               // the person's sex letter
    std::int32_t dateOfBirth = 0;  // day zero for an unreadable date
    std::string dateText;          // "05 Jan 1980"
    std::size_t group = 0;         // where the person or heading is in the database
    std::size_t person = 0;
};

// Persons whose day and month of birth equal those of `day` (the year is not compared). An
// unreadable date counts as 30 December, the day zero of the date type.
std::vector<BirthdayEntry> FindBirthdays(const NamesDatabase& database, std::int32_t day);

}  // namespace vitalune
