#include "core/db/Birthdays.h"

#include "core/db/NamesDatabase.h"
#include "core/engine/DateText.h"

namespace vitalune {

std::vector<BirthdayEntry> FindBirthdays(const NamesDatabase& database, std::int32_t day) {
    const CivilDate picked = DecodeDate(day);
    std::vector<BirthdayEntry> entries;
    for (std::size_t g = 0; g < database.GroupCount(); ++g) {
        const PersonList& persons = database.Persons(g);
        bool headed = false;
        for (std::size_t p = 0; p < persons.size(); ++p) {
            // Most lines do not match; look at the date before copying anything out.
            const std::string_view line = persons[p];
            const std::int32_t born = ParseDob(PersonDateText(line));
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
