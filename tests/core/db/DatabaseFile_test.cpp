// Loading, saving and merging database files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "DbTestSupport.h"
#include "core/db/NamesDatabase.h"
#include "core/files/InputFile.h"
#include "support/FileOpsFakes.h"
#include "support/Transcript.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;
using test::Escaped;
using test::kPlaceholder;
using test::Lines;
using test::ReadBytes;
using test::TempFolder;
using test::TestClock;
using test::WriteBytes;
using Strings = std::vector<std::string>;
using Outcome = LoadResult::Outcome;

class DatabaseFile : public ::testing::Test {
  protected:
    fs::path File(const std::string& name) const { return m_folder.path() / name; }
    // Loads `bytes` written to db.rec.
    LoadResult Load(const std::string& bytes, LoadOptions options = {}) {
        WriteBytes(File("db.rec"), bytes);
        return m_db.LoadFromFile(File("db.rec"), options);
    }

    TempFolder m_folder;
    NamesDatabase m_db{TestClock()};
};

// Loads each file of expected/load.txt and writes down what loading and saving make of it;
// what is saved must load to the same database and save to the same bytes again.
TEST(DatabaseFileLoad, EachFileOfTheTranscript) {
    test::ExpectTranscript("load.txt", [](const std::string& bytes) {
        std::string answer;
        std::vector<DroppedLine> dropped;
        LoadOptions options;
        options.dropped = &dropped;
        NamesDatabase db(TestClock());
        if (db.LoadFromBytes(bytes, options).outcome != Outcome::Loaded) {
            answer += "  no groups\n";
        }
        for (std::size_t g = 0; g < db.GroupCount(); ++g) {
            answer += "  #" + Escaped(db.GroupEntry(g)) + "\n";
            for (const std::string_view person : db.Persons(g)) {
                answer += "    " + Escaped(person) + "\n";
            }
        }
        for (const DroppedLine& d : dropped) {
            answer += "- line " + std::to_string(d.lineNumber) + ": " + d.reason + ": " +
                      Escaped(d.text) + "\n";
        }
        const std::string saved = db.FileContent();
        NamesDatabase again(TestClock());
        again.LoadFromBytes(saved);
        EXPECT_TRUE(again == db) << Escaped(bytes);
        EXPECT_EQ(again.FileContent(), saved) << Escaped(bytes);
        return answer + "> " + Escaped(saved) + "\n";
    });
}

TEST_F(DatabaseFile, AMissingFileIsCreatedEmpty) {
    const LoadResult result = m_db.LoadFromFile(File("db.rec"));
    EXPECT_EQ(result.outcome, Outcome::Missing);
    EXPECT_EQ(result.message, "Can't find current Names Database " + File("db.rec").string() +
                                  "\nNew empty DB created");
    EXPECT_TRUE(result.created);
    EXPECT_EQ(ReadBytes(File("db.rec")), "#My profiles|2\r\n" + kPlaceholder + "\r\n");
    LoadOptions options;
    options.createMissing = false;
    EXPECT_EQ(m_db.LoadFromFile(File("other.rec"), options).outcome, Outcome::Missing);
    EXPECT_FALSE(fs::exists(File("other.rec")));
}

// Files that cannot be read or hold no group are never written over by a load.
TEST_F(DatabaseFile, UnusableFilesAreLeftAlone) {
    for (const char* bytes : {"; only comments\n\n;\n", "", "no header|01.01.1990|M\n"}) {
        const LoadResult result = Load(bytes);
        EXPECT_EQ(result.outcome, Outcome::NoGroups);
        EXPECT_EQ(result.message, "");
        EXPECT_EQ(ReadBytes(File("db.rec")), bytes);
        EXPECT_FALSE(fs::exists(File("db.bak")));
        EXPECT_EQ(m_db.Groups(), Strings{"My profiles|2"});
    }
    // What is no file, or too big to hold, is refused before a byte is read: a pipe would hang
    // the load and a device or a huge file would eat the memory.
    fs::create_directory(File("folder.rec"));
    ASSERT_EQ(::mkfifo(File("fifo.rec").c_str(), 0600), 0);
    WriteBytes(File("huge.rec"), "#Huge|1\r\n");
    fs::resize_file(File("huge.rec"), kMaxInputFileBytes + 1);  // sparse: no disk used
    const std::pair<fs::path, std::string> refused[] = {
        {File("folder.rec"), "it is a folder, not a file"},
        {File("fifo.rec"), "it is a pipe (FIFO), not a file"},
        {"/dev/zero", "it is a device, not a file"},
        {File("huge.rec"), "the file is larger than 256 MB, more than the program can hold"},
    };
    for (const auto& [path, why] : refused) {
        const LoadResult unreadable = m_db.LoadFromFile(path);
        EXPECT_EQ(unreadable.outcome, Outcome::Unreadable);
        EXPECT_EQ(unreadable.message,
                  "Problems with current Names Database \nNew empty DB created");
        EXPECT_EQ(unreadable.readError, "cannot read " + path.string() + ": " + why);
        EXPECT_EQ(m_db.Groups(), Strings{"My profiles|2"});
        EXPECT_EQ(m_db.MergeFromFile(path).read.error, unreadable.readError);
    }
    EXPECT_TRUE(fs::is_directory(File("folder.rec")));
    EXPECT_EQ(fs::file_size(File("huge.rec")), kMaxInputFileBytes + 1);

    // The next explicit save keeps the unusable file as the backup.
    Load("garbage\n");
    ASSERT_TRUE(m_db.SaveToFile(File("db.rec")));
    EXPECT_EQ(ReadBytes(File("db.bak")), "garbage\n");
}

// Files from two megabytes on are read into memory of their own: around that size a file
// must load, merge and read back exactly as its bytes do.
TEST_F(DatabaseFile, FilesAroundTwoMegabytesLoadLikeTheirBytes) {
    constexpr std::size_t kTwoMegabytes = std::size_t{2} << 20;
    std::string persons = "#Many|1\r\n";
    for (int i = 0; persons.size() < kTwoMegabytes - 100; ++i) {
        persons += "P" + std::to_string(i) + "|01.01.1990|" + (i % 2 ? "F\r\n" : "M\r\n");
    }
    persons += "#Last|2\r\nZed|02.02.1990|M\r\n";
    for (const std::size_t size : {kTwoMegabytes - 1, kTwoMegabytes, kTwoMegabytes + 1}) {
        const std::string bytes =
            persons + ";" + std::string(size - persons.size() - 3, 'x') + "\r\n";
        ASSERT_EQ(bytes.size(), size);
        WriteBytes(File("big.rec"), bytes);
        std::string read;
        ASSERT_TRUE(ReadInputFile(File("big.rec"), read));
        EXPECT_TRUE(read == bytes) << size;
        NamesDatabase fromBytes(TestClock());
        fromBytes.LoadFromBytes(bytes);
        ASSERT_EQ(m_db.LoadFromFile(File("big.rec")).outcome, Outcome::Loaded);
        EXPECT_TRUE(m_db == fromBytes) << size;
        EXPECT_EQ(m_db.Persons(1).size(), 1u);
        NamesDatabase merged(TestClock());
        merged.MakeEmpty();
        ASSERT_TRUE(merged.MergeFromFile(File("big.rec")).read);
        EXPECT_EQ(merged.PersonCount(), fromBytes.PersonCount() + 1) << size;  // + the placeholder
    }
}

TEST_F(DatabaseFile, BackupNames) {
    EXPECT_EQ(BackupNameFor("/data/db.rec"), "/data/db.bak");
    EXPECT_EQ(BackupNameFor("/My.Files/names"), "/My.Files/names.bak");
    EXPECT_EQ(BackupNameFor("/a.b/c.d.rec"), "/a.b/c.d.bak");
    EXPECT_EQ(BackupNameFor("names.rec"), "names.bak");

    m_db.MakeEmpty();
    ASSERT_TRUE(m_db.SaveToFile(File("names")));
    EXPECT_FALSE(fs::exists(File("names.bak")));  // nothing to keep yet
    const std::string first = ReadBytes(File("names"));
    m_db.AddPerson(0, "Bob|01.02.1990|M");
    ASSERT_TRUE(m_db.SaveToFile(File("names")));
    EXPECT_EQ(ReadBytes(File("names.bak")), first);
    const std::string second = ReadBytes(File("names"));
    m_db.AddPerson(0, "Cid|01.02.1990|M");
    ASSERT_TRUE(m_db.SaveToFile(File("names")));
    EXPECT_EQ(ReadBytes(File("names.bak")), second);  // one generation only
    // The backup is a file of its own: changing the database later leaves it as it was.
    m_db.AddPerson(0, "Dan|01.02.1990|M");
    ASSERT_TRUE(m_db.SaveToFile(File("names")));
    EXPECT_NE(ReadBytes(File("names.bak")), ReadBytes(File("names")));
    // A file named like its own backup is saved without one.
    ASSERT_TRUE(m_db.SaveToFile(File("x.bak")));
    ASSERT_TRUE(m_db.SaveToFile(File("x.bak")));
    EXPECT_EQ(ReadBytes(File("x.bak")), m_db.FileContent());
    EXPECT_EQ(m_folder.Entries(), 3u);  // names, names.bak, x.bak: no temporary left
}

TEST_F(DatabaseFile, AFailingSaveLeavesFileAndBackupAsTheyWere) {
    WriteBytes(File("db.rec"), "#Current|2\r\nA|01.01.1990|M\r\n");
    WriteBytes(File("db.bak"), "#Older|2\r\nB|01.01.1990|M\r\n");
    Load(ReadBytes(File("db.rec")));
    m_db.AddPerson(0, "C|01.01.1990|M");
    const std::string file = ReadBytes(File("db.rec"));
    const std::string backup = ReadBytes(File("db.bak"));
    test::FullDisk fullDisk(20);  // part of the new content, then no room
    test::ReadOnlyMount readOnly;
    test::FailingRename noBackup;                   // the new backup cannot be put in place
    test::FailingRename noReplace(File("db.rec"));  // the backup is made, not the new file
    for (FileOps* ops :
         std::initializer_list<FileOps*>{&fullDisk, &readOnly, &noBackup, &noReplace}) {
        const FileResult result = m_db.SaveToFile(File("db.rec"), ops);
        EXPECT_FALSE(result);
        EXPECT_EQ(ReadBytes(File("db.rec")), file) << result.error;
        EXPECT_EQ(ReadBytes(File("db.bak")), backup) << result.error;
        EXPECT_EQ(m_folder.Entries(), 2u) << result.error;
    }
    // Without links the backup is a copy; the save still works.
    test::NoLinks noLinks;
    ASSERT_TRUE(m_db.SaveToFile(File("db.rec"), &noLinks));
    EXPECT_EQ(ReadBytes(File("db.bak")), file);
    EXPECT_EQ(ReadBytes(File("db.rec")), m_db.FileContent());
    EXPECT_EQ(m_folder.Entries(), 2u);
}

TEST_F(DatabaseFile, MergeAddsGroupsAndValidPersons) {
    Load("#Friends|5\nAnn|05.01.1980|F\n#My profiles\nMe|01.01.1970|M\n");
    WriteBytes(File("other.rec"),
               "stray|01.01.1990|M\n#Friends|9\nann|05.01.1980|F\nBob|01.02.1990|M\n"
               "Eve|31.04.1990|F\nEve|01.04.1990\n#My profiles\n#Celebrities\nStar|01.01.1950|F\n"
               "#Friends\nCid|03.03.1990|M\n#Empty|60\n");
    const auto revision = m_db.Revision();
    const MergeResult result = m_db.MergeFromFile(File("other.rec"));
    EXPECT_TRUE(result.read);
    EXPECT_EQ(result.droppedLines, 3u);  // the stray line too
    EXPECT_EQ(result.addedGroups, 2u);
    EXPECT_NE(m_db.Revision(), revision);
    EXPECT_EQ(m_db.Groups(), (Strings{"Friends|5", "My profiles|0", "Celebrities|2", "Empty|2"}));
    EXPECT_EQ(Lines(m_db.Persons(0)),
              (Strings{"Ann|05.01.1980|F", "Bob|01.02.1990|M", "Cid|03.03.1990|M"}));
    // An empty group of the merged file brings the placeholder along.
    EXPECT_EQ(Lines(m_db.Persons(1)), (Strings{"Me|01.01.1970|M", kPlaceholder}));
    EXPECT_EQ(Lines(m_db.Persons(3)), Strings{kPlaceholder});

    const NamesDatabase before = m_db;
    const MergeResult failed = m_db.MergeFromFile(File("missing.rec"));
    EXPECT_FALSE(failed.read);
    EXPECT_TRUE(m_db == before);
}

}  // namespace
}  // namespace vitalune
