// Reading contacts: the address books' files and the hand-made cases of expected/read.txt,
// the date, name and sex readers, and input meant to break the readers.
#include <gtest/gtest.h>

#include <random>

#include "core/contacts/ContactFields.h"
#include "core/contacts/Contacts.h"
#include "core/db/PersonLine.h"
#include "core/engine/Date.h"
#include "support/TempFolder.h"
#include "support/Transcript.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;
using test::Escaped;

const fs::path kData = VITALUNE_CONTACTS_DATA_DIR;

std::string Shown(const ContactsRead& read) {
    std::string shown;
    for (const std::string& line : read.lines) {
        shown += "  " + Escaped(line) + "\n";
        EXPECT_TRUE(IsStorablePersonLine(line) && IsValidPersonLine(line)) << line;
    }
    for (const std::string& name : read.skippedNames) {
        shown += "- " + Escaped(name) + "\n";
    }
    if (!read.error.empty()) {
        std::string error = read.error;
        if (const auto at = error.find(kData.string()); at != std::string::npos) {
            error.replace(at, kData.string().size(), "%data");
        }
        shown += "! " + error + "\n";
    }
    return shown;
}

TEST(ContactsRead, EachCaseOfTheTranscript) {
    test::ExpectTranscript("read.txt", [](const std::string& input) {
        const auto blank = input.find(' ');
        const std::string kind = input.substr(0, blank);
        const std::string rest = blank == std::string::npos ? "" : input.substr(blank + 1);
        if (kind == "file") {
            return Shown(ReadContactsFile(kData / rest));
        }
        return Shown(
            ReadContacts(rest, kind == "vcf" ? ContactsFormat::VCard : ContactsFormat::Csv));
    });
}

TEST(ContactsRead, DatesAsAddressBooksWriteThem) {
    const std::int32_t day = EncodeDate(1980, 1, 5);
    const std::pair<std::string_view, std::optional<std::int32_t>> cases[] = {
        {"19800105", day},
        {"1980-01-05", day},
        {"1980/1/5", day},
        {"5.1.1980", day},
        {"05.01.1980", day},
        {" 1980-01-05T10:00:00Z", day},
        {"19800105T000000", day},
        {"05.01.1980 23:59", day},
        {"00010101", EncodeDate(1, 1, 1)},
        {"99991231", EncodeDate(9999, 12, 31)},
        {"--0105", std::nullopt},
        {"--01-05", std::nullopt},
        {"1980-01", std::nullopt},
        {"1980", std::nullopt},
        {"", std::nullopt},
        {"1980-13-01", std::nullopt},
        {"1981-02-29", std::nullopt},
        {"00000105", std::nullopt},
        {"18991230", std::nullopt},  // the database's "no date"
        {"1980-001-05", std::nullopt},
        {"80-01-05", std::nullopt},
        {"01/05/1980", std::nullopt},  // month or day first: nobody can tell
        {"5.1.80", std::nullopt},
        {"１９８０-01-05", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(contacts::ReadContactDate(text), expected) << text;
    }
    EXPECT_EQ(contacts::DobText(EncodeDate(980, 3, 4)), "04.03.0980");
}

TEST(ContactsRead, NamesAndSexesCleaned) {
    const std::pair<std::string_view, std::string_view> names[] = {
        {"  Ann   Smith ", "Ann Smith"},
        {"Ann|Smith", "Ann Smith"},
        {"Ann\r\nSmith\t\x7F", "Ann Smith"},
        {"#;# Ann", "Ann"},
        {"Ann #1; Bob", "Ann #1; Bob"},
        {"Jos\xE9", "Jos\xC3\xA9"},                       // windows-1252
        {"Zo\xC3\xAB\xE2\x80\xA8Lee", "Zo\xC3\xAB Lee"},  // a Unicode line separator
        {"\xC2\x85x", "x"},                               // a C1 control
        {"|||", ""},
        {"", ""},
    };
    for (const auto& [text, expected] : names) {
        EXPECT_EQ(contacts::CleanContactName(text), expected) << Escaped(text);
    }
    EXPECT_EQ(contacts::CleanGroupName(" #Friends|\n"), "#Friends");
    for (const std::string_view female : {"F", "f", "female", "FEMALE", " Woman ", "w"}) {
        EXPECT_EQ(contacts::ReadContactSex(female), 'F') << female;
    }
    for (const std::string_view other : {"M", "male", "", "O", "N", "U", "x", "femal"}) {
        EXPECT_EQ(contacts::ReadContactSex(other), 'M') << other;
    }
}

TEST(ContactsRead, FormatBySuffixThenByContent) {
    EXPECT_EQ(ContactsFormatOf("a/b.vcf"), ContactsFormat::VCard);
    EXPECT_EQ(ContactsFormatOf("B.VCARD"), ContactsFormat::VCard);
    EXPECT_EQ(ContactsFormatOf("c.Csv"), ContactsFormat::Csv);
    EXPECT_EQ(ContactsFormatOf("vcf"), std::nullopt);
    EXPECT_EQ(ContactsFormatOf("d.txt"), std::nullopt);
    EXPECT_EQ(ContactsFormatOf("e.csv.bak"), std::nullopt);

    test::TempFolder folder;
    const auto read = [&](const std::string& name, const std::string& bytes) {
        EXPECT_TRUE(WriteFileAtomically(folder.path() / name, bytes));
        return ReadContactsFile(folder.path() / name);
    };
    EXPECT_EQ(read("cards.txt", "\r\n begin:vcard\nFN:Ann\nBDAY:19800105\nEND:VCARD").lines,
              std::vector<std::string>{"Ann|05.01.1980|M"});
    EXPECT_EQ(read("table", "Name;DOB\nAnn;05.01.1980\n").lines,
              std::vector<std::string>{"Ann|05.01.1980|M"});
    const ContactsRead binary = read("photo.jpg", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF", 10));
    EXPECT_TRUE(binary.lines.empty());
    EXPECT_EQ(binary.error, (folder.path() / "photo.jpg").string() +
                                " is neither a vCard file nor a CSV file with Name and Birthday "
                                "columns. Export the contacts from the address book as vCard "
                                "(.vcf) or CSV.");
    // The suffix decides even against the content.
    EXPECT_FALSE(read("cards.csv", "BEGIN:VCARD\nFN:Ann\nBDAY:19800105\nEND:VCARD").error.empty());
    EXPECT_EQ(ReadContactsFile(folder.path()).error, folder.path().string() + " is not a file.");
    EXPECT_EQ(ReadContactsFile(folder.path() / "none.vcf").error,
              "There is no file " + (folder.path() / "none.vcf").string() + ".");
}

// Long lines, long folds and random bytes end in lines the database can store, not in a crash
// or a hang.
TEST(ContactsRead, HostileInput) {
    const std::string longName(5'000'000, 'x');
    ContactsRead read = ReadContacts("BEGIN:VCARD\nFN:" + longName + "\nBDAY:19800105\nEND:VCARD",
                                     ContactsFormat::VCard);
    ASSERT_EQ(read.lines.size(), 1u);
    EXPECT_EQ(read.lines[0], longName + "|05.01.1980|M");

    std::string folds = "BEGIN:VCARD\r\nFN:A";
    for (int i = 0; i < 200'000; ++i) {
        folds += "\r\n b";
    }
    read = ReadContacts(folds + "\r\nBDAY:19800105\r\nEND:VCARD\r\n", ContactsFormat::VCard);
    ASSERT_EQ(read.lines.size(), 1u);
    EXPECT_EQ(read.lines[0].size(), 1 + 200'000 + 13u);

    read = ReadContacts("Name,Birthday\n\"" + longName, ContactsFormat::Csv);
    EXPECT_EQ(read.skippedNames, std::vector<std::string>{longName});

    std::mt19937 random(20080105);
    const std::string pieces[] = {"BEGIN:VCARD",
                                  "END:VCARD",
                                  "FN:",
                                  "N:",
                                  "BDAY:",
                                  "19800105",
                                  ";ENCODING=QUOTED-PRINTABLE",
                                  "=",
                                  "=C3",
                                  "\\",
                                  "\"",
                                  ",",
                                  ";",
                                  "\r\n",
                                  "\n",
                                  "\r",
                                  " ",
                                  "|",
                                  "Name,Birthday\n"};
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        for (int k = static_cast<int>(random() % 60); k > 0; --k) {
            if (random() % 3 == 0) {
                bytes += static_cast<char>(random());
            } else {
                bytes += pieces[random() % std::size(pieces)];
            }
        }
        for (const ContactsFormat format : {ContactsFormat::VCard, ContactsFormat::Csv}) {
            for (const std::string& line : ReadContacts(bytes, format).lines) {
                EXPECT_TRUE(IsStorablePersonLine(line) && IsValidPersonLine(line))
                    << Escaped(line) << " from " << Escaped(bytes);
            }
        }
    }
}

}  // namespace
}  // namespace vitalune
