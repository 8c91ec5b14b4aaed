// Writing persons as vCard 4.0 or CSV for address books.
#include <unordered_map>
#include <vector>

#include "core/contacts/ContactFields.h"
#include "core/db/NamesDatabase.h"
#include "core/engine/DateInput.h"

namespace vitalune {

namespace {

namespace fs = std::filesystem;

struct ExportedPerson {
    std::string name;
    std::int32_t birth = 0;
    char sex = 'M';
    std::vector<std::string> groups;
};

std::vector<ExportedPerson> PersonsToExport(const NamesDatabase& db,
                                            std::optional<std::size_t> only) {
    std::vector<ExportedPerson> persons;
    std::unordered_map<std::string_view, std::size_t> byLine;
    for (std::size_t g = 0; g < db.GroupCount(); ++g) {
        if (only && *only != g) {
            continue;
        }
        const std::string group = ParseGroupEntry(db.GroupEntry(g)).name;
        for (const std::string_view line : db.Persons(g)) {
            if (const auto seen = byLine.find(line); seen != byLine.end()) {
                persons[seen->second].groups.push_back(group);
                continue;
            }
            const Person person = SplitPersonLine(line);
            const std::int32_t birth = ParseDob(person.dateText);
            if (birth == 0 || contacts::CleanContactName(person.name).empty()) {
                continue;  // no address book would keep it, nor would an import take it back
            }
            byLine.emplace(line, persons.size());
            persons.push_back({person.name, birth, person.sex == "F" ? 'F' : 'M', {group}});
        }
    }
    return persons;
}

// Text values escape "\", "," and ";" (and line breaks, which stored names never hold).
std::string VCardText(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\' || c == ',' || c == ';') {
            out += '\\';
        }
        out += c == '\n' ? 'n' : c;
    }
    return out;
}

// Lines longer than 75 octets go on in lines starting with a blank, never inside a UTF-8
// sequence.
void AppendFolded(std::string& out, std::string_view line) {
    std::size_t limit = 75;
    while (line.size() > limit) {
        std::size_t cut = limit;
        while (cut > 1 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        out += line.substr(0, cut);
        out += "\r\n ";
        line.remove_prefix(cut);
        limit = 74;
    }
    out += line;
    out += "\r\n";
}

// "Ann Marie Smith" as N: the last word is the family name, the words before it given names.
std::string StructuredName(std::string_view name) {
    const std::size_t blank = name.rfind(' ');
    if (blank == std::string_view::npos) {
        return ";" + VCardText(name) + ";;;";
    }
    return VCardText(name.substr(blank + 1)) + ";" + VCardText(name.substr(0, blank)) + ";;;";
}

std::string VCardDate(std::int32_t day) {
    std::string iso = IsoDateText(day);
    std::erase(iso, '-');
    return iso;
}

std::string CsvField(std::string_view text) {
    std::string field{text};
    // A spreadsheet would run a name starting like a formula; the quote in front keeps it text
    // and the reader takes it off again.
    if ((!field.empty() &&
         std::string_view{"=+-@"}.find(field.front()) != std::string_view::npos) ||
        contacts::HasSpreadsheetGuard(field)) {
        field.insert(0, 1, '\'');
    }
    if (field.find_first_of(",;\"\r\n") == std::string::npos &&
        (field.empty() || (field.front() != ' ' && field.back() != ' '))) {
        return field;
    }
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string VCards(const std::vector<ExportedPerson>& persons) {
    std::string out;
    for (const ExportedPerson& person : persons) {
        out += "BEGIN:VCARD\r\nVERSION:4.0\r\n";
        AppendFolded(out, "FN:" + VCardText(person.name));
        AppendFolded(out, "N:" + StructuredName(person.name));
        out += "BDAY:" + VCardDate(person.birth) + "\r\n";
        out += std::string{"GENDER:"} + person.sex + "\r\n";
        std::string categories = "CATEGORIES:";
        for (std::size_t k = 0; k < person.groups.size(); ++k) {
            categories += (k > 0 ? "," : "") + VCardText(person.groups[k]);
        }
        AppendFolded(out, categories);
        out += "END:VCARD\r\n";
    }
    return out;
}

std::string Csv(const std::vector<ExportedPerson>& persons) {
    std::string out = "Name,Birthday,Sex\r\n";
    for (const ExportedPerson& person : persons) {
        out += CsvField(person.name) + "," + IsoDateText(person.birth) + "," + person.sex + "\r\n";
    }
    return out;
}

}  // namespace

std::size_t ExportedContactCount(const NamesDatabase& db, std::optional<std::size_t> group) {
    return PersonsToExport(db, group).size();
}

std::string ExportContacts(const NamesDatabase& db, std::optional<std::size_t> group,
                           ContactsFormat format) {
    const std::vector<ExportedPerson> persons = PersonsToExport(db, group);
    return format == ContactsFormat::VCard ? VCards(persons) : Csv(persons);
}

FileResult WriteContactsFile(const NamesDatabase& db, std::optional<std::size_t> group,
                             const fs::path& file) {
    const auto format = ContactsFormatOf(file);
    if (!format) {
        return FileResult::Failure("cannot tell the format of " + file.string() +
                                   ": name the file with .vcf (vCard) or .csv at the end");
    }
    return WriteFileAtomically(file, ExportContacts(db, group, *format));
}

}  // namespace vitalune
