#pragma once
// Checks shared by the contacts fuzz targets; each failure aborts.

#include <cstdlib>
#include <string>

#include "FuzzDatabase.h"
#include "core/contacts/Contacts.h"

namespace vitalune::fuzz {

// Every line read can be stored and loads back as a person; imported into a group, exported
// in either format and read again, the group's persons come back the same.
inline void CheckContacts(const std::string& bytes, ContactsFormat format) {
    const ContactsRead read = ReadContacts(bytes, format);
    for (const std::string& line : read.lines) {
        if (!IsStorablePersonLine(line) || !IsValidPersonLine(line)) {
            std::abort();
        }
    }
    if (!read.error.empty() && !read.lines.empty()) {
        std::abort();  // a file that is no contacts file gives no persons
    }
    NamesDatabase database(Today());
    database.MakeEmpty();
    const ContactsImport imported = ImportContacts(database, read, "Contacts");
    if (imported.imported + imported.alreadyThere + imported.skipped !=
        read.lines.size() + read.skippedNames.size()) {
        std::abort();
    }
    CheckInvariants(database);
    const PersonList& persons = database.Persons(imported.group);
    for (const ContactsFormat again : {ContactsFormat::VCard, ContactsFormat::Csv}) {
        const ContactsRead back =
            ReadContacts(ExportContacts(database, imported.group, again), again);
        if (!back.error.empty() || !back.skippedNames.empty() ||
            back.lines.size() != persons.size()) {
            std::abort();
        }
        for (std::size_t i = 0; i < persons.size(); ++i) {
            if (back.lines[i] != persons[i]) {
                std::abort();
            }
        }
    }
}

}  // namespace vitalune::fuzz
