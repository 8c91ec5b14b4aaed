#pragma once
// What the vCard and CSV readers share: decoding a file's bytes, cleaning names, reading
// birthdays and sexes as address books write them, and turning one contact into a person line
// or a skipped name.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/contacts/Contacts.h"

namespace vitalune::contacts {

// UTF-8 without a byte order mark: UTF-16 (by its mark) is converted, bytes that are not
// valid UTF-8 are taken as windows-1252.
std::string DecodeContactBytes(std::string_view bytes);

// A name as the database can keep it: "|", control characters and line breaks become blanks,
// runs of blanks one blank, no blank at either end, and no "#" or ";" in front (they would
// read back as a group header or a comment). Bytes that are not UTF-8 are read as
// windows-1252.
std::string CleanContactName(std::string_view text);
// The same, keeping a "#" or ";" in front: group headers cannot be mistaken for other lines.
std::string CleanGroupName(std::string_view text);

// A full date of birth: YYYYMMDD, YYYY-MM-DD, YYYY/MM/DD or D.M.YYYY, with or without a time
// after a "T" (or a blank). Nothing for a date without a year ("--0105"), a partial or
// impossible one, and for 30 Dec 1899, which the database takes as "no date".
std::optional<std::int32_t> ReadContactDate(std::string_view text);

// "F" for f, female, woman or w (any case), else "M", the program's default.
char ReadContactSex(std::string_view text);

// "DD.MM.YYYY", the year always with four digits.
std::string DobText(std::int32_t day);

// Whether a CSV cell starts with the quote that keeps a spreadsheet from taking it as a
// formula: "'" before "=", "+", "-", "@" or another "'". The CSV writer adds it wherever the
// reader would take one off.
bool HasSpreadsheetGuard(std::string_view cell);

// One contact's fields; `label` names it among the skipped when it has no name.
struct ContactFields {
    std::string name;  // as found, cleaned by Collect
    std::optional<std::int32_t> birth;
    char sex = 'M';
};
void Collect(ContactsRead& read, const ContactFields& contact, std::string_view label);

ContactsRead ReadVCardText(std::string_view utf8);
ContactsRead ReadCsvText(std::string_view utf8);

}  // namespace vitalune::contacts
