// Choosing the reader, reading files, and importing read contacts into a names database.
#include "core/contacts/Contacts.h"

#include <system_error>

#include "core/contacts/ContactFields.h"
#include "core/db/NamesDatabase.h"
#include "core/files/InputFile.h"

namespace vitalune {

namespace {

namespace fs = std::filesystem;

// Address book exports stay far below this; a bigger file is not one, and reading it whole
// would only hold the window up.
constexpr std::uintmax_t kMaxContactsFileSize = kMaxInputFileBytes;

std::string LowerSuffix(const fs::path& file) {
    std::string suffix = file.extension().string();
    for (char& c : suffix) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + ('a' - 'A'));
        }
    }
    return suffix;
}

bool StartsLikeVCard(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos || text.size() - start < 11) {
        return false;
    }
    std::string head{text.substr(start, 11)};
    for (char& c : head) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - ('a' - 'A'));
        }
    }
    return head == "BEGIN:VCARD";
}

}  // namespace

std::optional<ContactsFormat> ContactsFormatOf(const fs::path& file) {
    const std::string suffix = LowerSuffix(file);
    if (suffix == ".vcf" || suffix == ".vcard") {
        return ContactsFormat::VCard;
    }
    if (suffix == ".csv") {
        return ContactsFormat::Csv;
    }
    return std::nullopt;
}

ContactsRead ReadContacts(std::string_view bytes, ContactsFormat format) {
    const std::string text = contacts::DecodeContactBytes(bytes);
    return format == ContactsFormat::VCard ? contacts::ReadVCardText(text)
                                           : contacts::ReadCsvText(text);
}

ContactsRead ReadContactsFile(const fs::path& file) {
    ContactsRead read;
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        read.error = fs::exists(file, ec) ? file.string() + " is not a file."
                                          : "There is no file " + file.string() + ".";
        return read;
    }
    if (fs::file_size(file, ec) > kMaxContactsFileSize) {
        read.error = file.string() + " is too big for a contacts file (more than 256 MB).";
        return read;
    }
    std::string bytes;
    if (const FileResult result = ReadInputFile(file, bytes, kMaxContactsFileSize); !result) {
        read.error = result.error;
        return read;
    }
    if (const auto format = ContactsFormatOf(file)) {
        read = ReadContacts(bytes, *format);
    } else {
        const std::string text = contacts::DecodeContactBytes(bytes);
        read = StartsLikeVCard(text) ? contacts::ReadVCardText(text) : contacts::ReadCsvText(text);
        if (!read.error.empty()) {
            read.error = file.string() +
                         " is neither a vCard file nor a CSV file with Name and Birthday "
                         "columns. Export the contacts from the address book as vCard (.vcf) "
                         "or CSV.";
        }
    }
    if (!read.error.empty() && read.error.find(file.string()) == std::string::npos) {
        read.error = file.string() + ": " + read.error;
    }
    return read;
}

ContactsImport ImportContacts(NamesDatabase& db, const ContactsRead& read,
                              std::string_view groupName) {
    ContactsImport result;
    result.skipped = read.skippedNames.size();
    std::string name = contacts::CleanGroupName(groupName);
    if (name.empty()) {
        name = "Contacts";
    }
    std::optional<std::string> placeholder;
    if (const auto found = db.FindGroup(name)) {
        result.group = *found;
    } else {
        result.group = db.AddGroup(name, 0).value();
        placeholder = std::string{db.Persons(result.group)[0]};
    }
    bool placeholderImported = false;
    for (const std::string& line : read.lines) {
        const AddResult added = db.AddPerson(result.group, line);
        if (added.added()) {
            ++result.imported;
        } else if (added.status == AddResult::Status::Refused) {
            ++result.skipped;
        } else if (placeholder && !placeholderImported &&
                   db.Persons(result.group)[added.index] == *placeholder) {
            // A contact equal to the placeholder of the new group is one of the imported.
            placeholderImported = true;
            ++result.imported;
        } else {
            ++result.alreadyThere;
        }
    }
    if (placeholder && !placeholderImported && result.imported > 0) {
        if (const auto index = db.Persons(result.group).Find(*placeholder)) {
            db.RemovePerson(result.group, *index);
        }
    }
    return result;
}

std::string ImportSummary(const ContactsImport& result) {
    std::string text = std::to_string(result.imported) + " imported, " +
                       std::to_string(result.skipped) + " skipped (no year of birth)";
    if (result.alreadyThere > 0) {
        text += ", " + std::to_string(result.alreadyThere) + " already there";
    }
    return text;
}

}  // namespace vitalune
