// Importing read contacts into a names database, exporting groups as vCard and CSV, and the
// way back: what is exported reads back as the same persons.
#include <gtest/gtest.h>

#include "core/contacts/Contacts.h"
#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/text/Encoding.h"
#include "support/ExpectedFile.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const fs::path kData = VITALUNE_CONTACTS_DATA_DIR;
// 5 January 2008: a new group starts with "New person|05.01.2008|M".
const FixedClock kClock(EncodeDate(2008, 1, 5));
const std::string kPlaceholder = "New person|05.01.2008|M";

Strings Lines(const NamesDatabase& db, std::size_t group) {
    return {db.Persons(group).begin(), db.Persons(group).end()};
}

ContactsRead Read(Strings lines, Strings skipped = {}) {
    return {std::move(lines), std::move(skipped), {}};
}

// My profiles|2 holding Ann, and Friends|3 holding Ann and Bob.
NamesDatabase SmallDatabase() {
    NamesDatabase db(kClock);
    db.LoadFromBytes(
        "#My profiles|2\r\nAnn Smith|05.01.1980|F\r\n#Friends|3\r\nAnn Smith|05.01.1980|F\r\n"
        "Bob|17.11.1977|M\r\n");
    return db;
}

TEST(ContactsImport, IntoANewGroup) {
    NamesDatabase db = SmallDatabase();
    const ContactsImport result =
        ImportContacts(db,
                       Read({"Zed|01.01.2000|M", "Amy|02.02.1990|F", "amy|02.02.1990|F"},
                            {"Lars Berg", "(no name, card 4)"}),
                       "Family");
    EXPECT_EQ(result.group, 2u);
    EXPECT_EQ(db.GroupEntry(2), "Family|0");
    // Only the imported persons: not the placeholder a new group starts with.
    EXPECT_EQ(Lines(db, 2), (Strings{"Amy|02.02.1990|F", "Zed|01.01.2000|M"}));
    EXPECT_EQ(result.imported, 2u);
    EXPECT_EQ(result.alreadyThere, 1u);  // the same person twice in the file
    EXPECT_EQ(result.skipped, 2u);
    EXPECT_EQ(ImportSummary(result), "2 imported, 2 skipped (no year of birth), 1 already there");
}

TEST(ContactsImport, IntoAnExistingGroup) {
    NamesDatabase db = SmallDatabase();
    const ContactsImport result = ImportContacts(
        db, Read({"ann smith|05.01.1980|F", "Cy|03.03.2003|M", "Bob|17.11.1977|M"}), "Friends");
    EXPECT_EQ(result.group, 1u);
    EXPECT_EQ(db.GroupEntry(1), "Friends|3");  // keeps its icon
    EXPECT_EQ(Lines(db, 1),
              (Strings{"Ann Smith|05.01.1980|F", "Bob|17.11.1977|M", "Cy|03.03.2003|M"}));
    EXPECT_EQ(ImportSummary(result), "1 imported, 0 skipped (no year of birth), 2 already there");
    EXPECT_EQ(db.GroupCount(), 2u);
    // Group names are matched exactly, case included.
    EXPECT_EQ(ImportContacts(db, Read({"Cy|03.03.2003|M"}), "friends").group, 2u);
}

TEST(ContactsImport, NothingToImportAndOddGroupNames) {
    NamesDatabase db = SmallDatabase();
    ContactsImport result = ImportContacts(db, Read({}, {"Lars Berg"}), "Empty");
    EXPECT_EQ(ImportSummary(result), "0 imported, 1 skipped (no year of birth)");
    EXPECT_EQ(Lines(db, result.group), Strings{kPlaceholder});  // no group is ever empty

    // A contact equal to the new group's placeholder is imported, not "already there".
    result = ImportContacts(db, Read({"new person|05.01.2008|M", "Al|01.01.2001|M"}), "Work");
    EXPECT_EQ(ImportSummary(result), "2 imported, 0 skipped (no year of birth)");
    EXPECT_EQ(Lines(db, result.group), (Strings{"Al|01.01.2001|M", kPlaceholder}));

    result = ImportContacts(db, Read({"Al|01.01.2001|M"}), " Odd|name\n");
    EXPECT_EQ(db.GroupEntry(result.group), "Odd name|0");
    result = ImportContacts(db, Read({"Al|01.01.2001|M"}), " \t");
    EXPECT_EQ(db.GroupEntry(result.group), "Contacts|0");

    // Lines the database cannot store count as skipped.
    result =
        ImportContacts(db, Read({"#Header|01.01.2001|M", "Bad\nLine|01.01.2001|M"}), "Contacts");
    EXPECT_EQ(ImportSummary(result), "0 imported, 2 skipped (no year of birth)");
}

TEST(ContactsExport, AsVCardAndCsv) {
    NamesDatabase db(kClock);
    db.LoadFromBytes(
        "#Friends|3\r\nAnn Smith|05.01.1980|F\r\nMadonna|16.08.1958|F\r\n"
        "Smith, Jr.; Bob\\Rob|17.11.1977|M\r\n=cmd|01.02.0900|M\r\n"
        "Zo\xC3\xAB \"Z\" Lef\xC3\xA8vre|31.12.2001|Fx\r\n"
        "#Work, old|1\r\nAnn Smith|05.01.1980|F\r\nJ\xC3\xBCrgen|20.07.1969|M\r\n");
    test::ExpectSameAsFile(ExportContacts(db, std::nullopt, ContactsFormat::VCard), "all.vcf");
    test::ExpectSameAsFile(ExportContacts(db, 1, ContactsFormat::Csv), "work.csv");
    test::ExpectSameAsFile(ExportContacts(db, std::nullopt, ContactsFormat::Csv), "all.csv");
    EXPECT_EQ(ExportedContactCount(db, std::nullopt), 6u);  // Ann once, though in both groups
    EXPECT_EQ(ExportedContactCount(db, 0), 5u);
    EXPECT_EQ(ExportedContactCount(db, 1), 2u);
}

// Folded lines stay within 75 octets, never split a character, and unfold to the line.
TEST(ContactsExport, LongNamesAreFolded) {
    std::string name;
    for (int i = 0; i < 40; ++i) {
        name += "Ab\xC3\xA9\xE2\x82\xAC ";  // 8 octets: A, b, e acute, euro sign, blank
    }
    name += "End";
    NamesDatabase db(kClock);
    db.LoadFromBytes("#G|0\r\n" + name + "|05.01.1980|F\r\n");
    const std::string card = ExportContacts(db, 0, ContactsFormat::VCard);
    std::string unfolded;
    std::size_t pos = 0;
    int continued = 0;
    while (pos < card.size()) {
        const std::size_t end = card.find("\r\n", pos);
        ASSERT_NE(end, std::string::npos);
        const std::string line = card.substr(pos, end - pos);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_TRUE(IsValidUtf8(line.substr(line.starts_with(' ') ? 1 : 0))) << line;
        continued += line.starts_with(' ') ? 1 : 0;
        unfolded += line.starts_with(' ') ? line.substr(1) : "\n" + line;
        pos = end + 2;
    }
    EXPECT_GE(continued, 8);
    EXPECT_NE(unfolded.find("\nFN:" + name + "\n"), std::string::npos);
    EXPECT_EQ(ReadContacts(card, ContactsFormat::VCard).lines, Strings{name + "|05.01.1980|F"});
}

// What a file reads as, exported and read again, is the same list of persons.
TEST(ContactsExport, ReadsBackAsTheSamePersons) {
    for (const auto& entry : fs::directory_iterator(kData)) {
        const ContactsRead read = ReadContactsFile(entry.path());
        ASSERT_TRUE(read.error.empty()) << read.error;
        ASSERT_FALSE(read.lines.empty()) << entry.path();
        NamesDatabase db(kClock);
        const ContactsImport imported = ImportContacts(db, read, "Imported");
        Strings expected = Lines(db, imported.group);
        for (const ContactsFormat format : {ContactsFormat::VCard, ContactsFormat::Csv}) {
            const ContactsRead back =
                ReadContacts(ExportContacts(db, imported.group, format), format);
            EXPECT_TRUE(back.skippedNames.empty() && back.error.empty()) << entry.path();
            EXPECT_EQ(back.lines, expected) << entry.path();
        }
    }
}

TEST(ContactsExport, WrittenWholeOrNotAtAll) {
    const NamesDatabase db = SmallDatabase();
    test::TempFolder folder;
    ASSERT_TRUE(WriteContactsFile(db, 1, folder.path() / "friends.VCF"));
    EXPECT_EQ(test::ReadTestFile(folder.path() / "friends.VCF"),
              ExportContacts(db, 1, ContactsFormat::VCard));
    ASSERT_TRUE(WriteContactsFile(db, std::nullopt, folder.path() / "all.csv"));
    EXPECT_EQ(test::ReadTestFile(folder.path() / "all.csv"),
              "Name,Birthday,Sex\r\nAnn Smith,1980-01-05,F\r\nBob,1977-11-17,M\r\n");

    const FileResult unknown = WriteContactsFile(db, 1, folder.path() / "friends.txt");
    EXPECT_FALSE(unknown);
    EXPECT_EQ(unknown.error, "cannot tell the format of " +
                                 (folder.path() / "friends.txt").string() +
                                 ": name the file with .vcf (vCard) or .csv at the end");
    const FileResult missing = WriteContactsFile(db, 1, folder.path() / "no" / "friends.vcf");
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.error.find((folder.path() / "no").string()), std::string::npos)
        << missing.error;
    EXPECT_FALSE(fs::exists(folder.path() / "no"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator{}), 2);
}

}  // namespace
}  // namespace vitalune
