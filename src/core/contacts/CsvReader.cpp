// CSV files with a header row, as address books and spreadsheets write them: the columns are
// found by their header names, the separator by what the header line holds most of.
#include <array>
#include <string>
#include <vector>

#include "core/contacts/ContactFields.h"

namespace vitalune::contacts {

namespace {

struct Record {
    std::vector<std::string> fields;
    std::size_t line = 0;  // where it starts, from 1
};

// Reads records one by one; quoted fields may hold separators, doubled quotes and line
// breaks. An unclosed quote runs to the end of the file rather than failing it.
class CsvParser {
  public:
    CsvParser(std::string_view text, char separator) : m_text(text), m_separator(separator) {}

    bool Next(Record& record) {
        if (m_pos >= m_text.size()) {
            return false;
        }
        record.fields.assign(1, std::string{});
        record.line = m_line;
        bool quoted = false;
        bool wasQuoted = false;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            std::string& field = record.fields.back();
            if (quoted) {
                if (c != '"') {
                    m_line += c == '\n' ? 1 : 0;
                    field += c;
                } else if (m_pos < m_text.size() && m_text[m_pos] == '"') {
                    field += '"';
                    ++m_pos;
                } else {
                    quoted = false;
                }
            } else if (c == '"' && !wasQuoted && IsBlankSoFar(field)) {
                field.clear();
                quoted = wasQuoted = true;
            } else if (c == m_separator) {
                record.fields.emplace_back();
                wasQuoted = false;
            } else if (c == '\n' || c == '\r') {
                if (c == '\r' && m_pos < m_text.size() && m_text[m_pos] == '\n') {
                    ++m_pos;
                }
                ++m_line;
                return true;
            } else {
                field += c;
            }
        }
        return true;
    }

  private:
    static bool IsBlankSoFar(const std::string& field) {
        return field.find_first_not_of(" \t") == std::string::npos;
    }

    std::string_view m_text;
    char m_separator;
    std::size_t m_pos = 0;
    std::size_t m_line = 1;
};

// The separator the header line uses most: comma, semicolon or tab.
char DetectSeparator(std::string_view text) {
    std::array<std::size_t, 3> counts{};
    constexpr std::array<char, 3> kSeparators = {',', ';', '\t'};
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            break;
        } else if (!quoted) {
            for (std::size_t k = 0; k < kSeparators.size(); ++k) {
                counts[k] += c == kSeparators[k] ? 1 : 0;
            }
        }
    }
    std::size_t best = 0;
    for (std::size_t k = 1; k < kSeparators.size(); ++k) {
        best = counts[k] > counts[best] ? k : best;
    }
    return kSeparators[best];
}

// A header name reduced to its lower-case letters and digits: "Date of birth" and
// "date_of_birth" are both "dateofbirth".
std::string HeaderKey(std::string_view header) {
    std::string key;
    for (const char c : header) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            key += c;
        } else if (c >= 'A' && c <= 'Z') {
            key += static_cast<char>(c + ('a' - 'A'));
        }
    }
    return key;
}

enum Role { kName, kGiven, kMiddle, kFamily, kBirthday, kBirthYear, kBirthMonth, kSex, kRoles };

struct RoleNames {
    Role role;
    std::array<std::string_view, 6> keys;
};

// "Birth Day" (a day of the month beside "Birth Year" and "Birth Month") reads as "birthday"
// too; a cell that holds a whole date is taken as one either way.
constexpr std::array<RoleNames, kRoles> kHeaderNames = {{
    {kName, {"name", "fullname", "displayname", "formattedname", "fn", "contactname"}},
    {kGiven, {"firstname", "givenname", "given", "forename", "", ""}},
    {kMiddle, {"middlename", "additionalname", "additionalnames", "", "", ""}},
    {kFamily, {"lastname", "familyname", "surname", "family", "", ""}},
    {kBirthday, {"birthday", "dateofbirth", "dob", "birthdate", "bday", "born"}},
    {kBirthYear, {"birthyear", "yearofbirth", "", "", "", ""}},
    {kBirthMonth, {"birthmonth", "monthofbirth", "", "", "", ""}},
    {kSex, {"sex", "gender", "", "", "", ""}},
}};

using Columns = std::array<std::optional<std::size_t>, kRoles>;

Columns FindColumns(const std::vector<std::string>& header) {
    Columns columns;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string key = HeaderKey(header[i]);
        for (const RoleNames& names : kHeaderNames) {
            for (const std::string_view name : names.keys) {
                if (!name.empty() && key == name && !columns[names.role]) {
                    columns[names.role] = i;
                }
            }
        }
    }
    return columns;
}

std::string_view Cell(const Record& record, const std::optional<std::size_t>& column) {
    if (!column || *column >= record.fields.size()) {
        return {};
    }
    std::string_view cell = record.fields[*column];
    // A spreadsheet guard in front of a leading "=", "+", "-" or "@" is not part of the name.
    if (HasSpreadsheetGuard(cell)) {
        cell.remove_prefix(1);
    }
    return cell;
}

std::optional<std::int32_t> BirthOf(const Record& record, const Columns& columns) {
    const std::string_view birthday = Cell(record, columns[kBirthday]);
    if (const auto date = ReadContactDate(birthday)) {
        return date;
    }
    if (!columns[kBirthYear] || !columns[kBirthMonth]) {
        return std::nullopt;
    }
    return ReadContactDate(std::string{Cell(record, columns[kBirthYear])} + "-" +
                           std::string{Cell(record, columns[kBirthMonth])} + "-" +
                           std::string{birthday});
}

bool IsEmptyRecord(const Record& record) {
    for (const std::string& field : record.fields) {
        if (field.find_first_not_of(" \t") != std::string::npos) {
            return false;
        }
    }
    return true;
}

}  // namespace

ContactsRead ReadCsvText(std::string_view text) {
    ContactsRead read;
    CsvParser parser(text, DetectSeparator(text));
    Record record;
    if (!parser.Next(record)) {
        read.error =
            "The file is empty: a CSV file of contacts starts with a line naming its "
            "columns, such as Name and Birthday.";
        return read;
    }
    const Columns columns = FindColumns(record.fields);
    const bool named = columns[kName] || columns[kGiven] || columns[kFamily];
    const bool dated = columns[kBirthday] || (columns[kBirthYear] && columns[kBirthMonth]);
    if (!named || !dated) {
        read.error = std::string{"The first line of the file names no "} +
                     (named ? "birthday" : "name") +
                     " column. A CSV file of contacts starts with a line naming its columns, "
                     "such as Name and Birthday (or Date of birth).";
        return read;
    }
    while (parser.Next(record)) {
        if (IsEmptyRecord(record)) {
            continue;
        }
        ContactFields contact;
        contact.name = Cell(record, columns[kName]);
        if (CleanContactName(contact.name).empty()) {
            contact.name = std::string{Cell(record, columns[kGiven])} + " " +
                           std::string{Cell(record, columns[kMiddle])} + " " +
                           std::string{Cell(record, columns[kFamily])};
        }
        contact.birth = BirthOf(record, columns);
        contact.sex = ReadContactSex(Cell(record, columns[kSex]));
        Collect(read, contact, "(no name, line " + std::to_string(record.line) + ")");
    }
    return read;
}

}  // namespace vitalune::contacts
