#pragma once
// Birthdays in and out of address books: vCard (3.0 and 4.0, and the 2.1 that phones still
// write) and CSV files with a header row. Reading turns contacts into person lines and names
// the contacts it could not use; importing adds those lines to a group of a names database;
// exporting writes a group, or every group, as a file address books read. No user interface
// here: failures come back as texts for the caller to show.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/AtomicFile.h"

namespace vitalune {

class NamesDatabase;

struct ContactsRead {
    std::vector<std::string> lines;  // person lines ready for AddPerson
    std::vector<std::string>
        skippedNames;   // contacts without a usable full date of birth (or name)
    std::string error;  // non-empty: the file could not be read or is no contacts file
};

enum class ContactsFormat { VCard, Csv };

// By suffix, ignoring case: .vcf and .vcard are vCard, .csv is CSV.
std::optional<ContactsFormat> ContactsFormatOf(const std::filesystem::path& file);

// Bytes in UTF-8 (with or without a byte order mark), UTF-16 with a byte order mark, or
// windows-1252 when they are not valid UTF-8.
ContactsRead ReadContacts(std::string_view bytes, ContactsFormat format);
// The format by suffix, else by content.
ContactsRead ReadContactsFile(const std::filesystem::path& file);

struct ContactsImport {
    std::size_t group = 0;  // the group the persons went to (found or made)
    std::size_t imported = 0;
    std::size_t alreadyThere = 0;
    std::size_t skipped = 0;
};

// Adds the lines to the group of that name, made (icon 0) when there is none. A new group
// holds only the imported persons, not the placeholder every new group starts with (unless
// nothing was imported). The name is cleaned as contact names are ("|" and control characters
// become blanks); one left empty becomes "Contacts".
ContactsImport ImportContacts(NamesDatabase& db, const ContactsRead& read,
                              std::string_view groupName);
// "N imported, M skipped (no year of birth)", with ", K already there" when K > 0.
std::string ImportSummary(const ContactsImport& result);

// The persons an export writes: those of one group, or of all groups in order with a person
// who is in several groups written once. Lines without a readable date are left out.
std::size_t ExportedContactCount(const NamesDatabase& db, std::optional<std::size_t> group);
// The file's bytes: vCard 4.0 (CR LF, folded at 75 octets) or CSV ("Name,Birthday,Sex").
std::string ExportContacts(const NamesDatabase& db, std::optional<std::size_t> group,
                           ContactsFormat format);
// Written atomically, the format by suffix; an unknown suffix is a failure saying so.
FileResult WriteContactsFile(const NamesDatabase& db, std::optional<std::size_t> group,
                             const std::filesystem::path& file);

}  // namespace vitalune
