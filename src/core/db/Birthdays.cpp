#include "core/db/Birthdays.h"

#include <optional>
#include <string_view>
#include <utility>

#include "core/db/NamesDatabase.h"
#include "core/engine/DateText.h"

namespace vitalune {

namespace {

// The day and month of a date written "DD.MM.YYYY" (any separators), read from the digits
// alone; nothing when the text has another shape. Such a text parses to a date with this day
// and month, or to none at all.
std::optional<std::pair<int, int>> WrittenDayAndMonth(std::string_view text) {
    auto digit = [&](std::size_t i) { return static_cast<unsigned>(text[i] - '0'); };
    if (text.size() < 10 || digit(0) >= 10 || digit(1) >= 10 || digit(3) >= 10 || digit(4) >= 10 ||
        digit(6) >= 10 || digit(7) >= 10 || digit(8) >= 10 || digit(9) >= 10 ||
        static_cast<unsigned char>(text[2]) >= 0x80 ||
        static_cast<unsigned char>(text[5]) >= 0x80) {
        return std::nullopt;
    }
    return std::pair(static_cast<int>(digit(0) * 10 + digit(1)),
                     static_cast<int>(digit(3) * 10 + digit(4)));
}

constexpr std::size_t kAhead = 16;

}  // namespace

std::vector<BirthdayEntry> FindBirthdays(const NamesDatabase& database, std::int32_t day) {
    const CivilDate picked = DecodeDate(day);
    const CivilDate dayZero = DecodeDate(0);
    // Unreadable dates count as day zero, so only that day needs every date parsed.
    const bool pickedDayZero = picked.day == dayZero.day && picked.month == dayZero.month;
    std::vector<BirthdayEntry> entries;
    database.ReadAllGroups();
    for (std::size_t g = 0; g < database.GroupCount(); ++g) {
        const PersonList& persons = database.Persons(g);
        bool headed = false;
        for (std::size_t p = 0; p < persons.size(); ++p) {
            // Most lines do not match; look at the date before copying anything out.
            // Lines lie in file order, not in this sorted order: ask for the lines ahead early
            // so that the waits for memory overlap.
            if (p + kAhead < persons.size()) {
                __builtin_prefetch(persons[p + kAhead].data());
            }
            const std::string_view line = persons[p];
            const std::string_view dateText = PersonDateText(line);
            if (!pickedDayZero) {
                const auto written = WrittenDayAndMonth(dateText);
                if (written && (written->first != picked.day || written->second != picked.month)) {
                    continue;
                }
            }
            const std::int32_t born = ParseDob(dateText);
            const CivilDate birth = DecodeDate(born);
            if (birth.day != picked.day || birth.month != picked.month) {
                continue;
            }
            if (!headed) {
                entries.push_back(
                    {BirthdayEntry::Kind::GroupHeading, database.GroupEntry(g), "", 0, "", g, 0});
                headed = true;
            }
            Person person = SplitPersonLine(line);
            entries.push_back({BirthdayEntry::Kind::Person, std::move(person.name),
                               std::move(person.sex), born, DateText(born), g, p});
        }
        if (headed) {
            entries.push_back({BirthdayEntry::Kind::Gap, "", "", 0, "", g, 0});
        }
    }
    if (entries.empty()) {
        entries.push_back({});
    }
    return entries;
}

}  // namespace vitalune
