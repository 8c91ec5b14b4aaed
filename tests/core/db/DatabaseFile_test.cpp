// Loading, saving and merging database files.
#include <fcntl.h>
#include <gtest/gtest.h>

#include <cerrno>

#include "DbTestSupport.h"
#include "core/db/NamesDatabase.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;
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
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(m_folder.path()), fs::directory_iterator{}));
    }

    TempFolder m_folder;
    NamesDatabase m_db{TestClock()};
};

TEST_F(DatabaseFile, WorkedExamplesOfLoading) {
    EXPECT_EQ(Load("#Friends\r\nBob|01.02.1990|M\r\n").outcome, Outcome::Loaded);
    EXPECT_EQ(m_db.Groups(), Strings{"Friends|2"});
    EXPECT_EQ(Lines(m_db.Persons(0)), Strings{"Bob|01.02.1990|M"});
    ASSERT_TRUE(m_db.SaveToFile(File("db.rec")));
    EXPECT_EQ(ReadBytes(File("db.rec")), "#Friends|2\r\nBob|01.02.1990|M\r\n");

    Load("#My profiles\n#Celebrities\n#Work|99\n#Work|x\n#Other|-4\n#Big|47\n");
    EXPECT_EQ(m_db.Groups(),
              (Strings{"My profiles|0", "Celebrities|1", "Work|2", "Other|-4", "Big|47"}));

    Load("#A\nA1|01.01.1990|M\n#B\nB1|01.01.1990|M\n#A|7\nA2|01.01.1990|F\n");
    EXPECT_EQ(m_db.Groups(), (Strings{"A|2", "B|2"}));  // the first header of a name counts
    EXPECT_EQ(m_db.Persons(0).size(), 2u);
    EXPECT_EQ(m_db.Persons(1).size(), 1u);
}

TEST_F(DatabaseFile, InvalidAndStrayLinesAreDropped) {
    std::vector<DroppedLine> dropped;
    LoadOptions options;
    options.dropped = &dropped;
    Load(
        "stray|01.01.1990|M\n; comment\n\n#Friends\nEve|31.04.1990|F\nEve|01.AB.1990|F\n"
        "Eve|30.12.1899|F\nEve|01.04.1990|X\nEve|01.04.1990\nEve|01.04.1990|Fx\n"
        "Ann|05.01.1980|F\nann|05.01.1980|F\n#Empty\nbad\n",
        options);
    EXPECT_EQ(Lines(m_db.Persons(0)), (Strings{"Ann|05.01.1980|F", "Eve|01.04.1990|Fx"}));
    EXPECT_EQ(Lines(m_db.Persons(1)), Strings{kPlaceholder});  // all invalid: the placeholder
    ASSERT_EQ(dropped.size(), 8u);
    EXPECT_EQ(dropped[0].lineNumber, 1u);
    EXPECT_EQ(dropped[0].reason, "before the first group header");
    EXPECT_EQ(dropped[1].lineNumber, 5u);
    EXPECT_EQ(dropped[1].reason, "no valid date of birth");
    EXPECT_EQ(dropped[4].reason, "sex is not M or F");
    EXPECT_EQ(dropped[5].reason, "fewer than two \"|\"");
    EXPECT_EQ(dropped[6].lineNumber, 12u);
    EXPECT_EQ(dropped[6].text, "ann|05.01.1980|F");
    EXPECT_EQ(dropped[6].reason, "same person as line 11");
    EXPECT_EQ(dropped[7].lineNumber, 14u);
}

// Loading skips the sort for a file already in order, as the program writes them; an equal
// pair in such a file must still be dropped.
TEST_F(DatabaseFile, ADuplicateInASortedFileIsDropped) {
    std::vector<DroppedLine> dropped;
    LoadOptions options;
    options.dropped = &dropped;
    Load("#Friends\nAnn|05.01.1980|F\nANN|05.01.1980|F\nBob|01.02.1990|M\n", options);
    EXPECT_EQ(Lines(m_db.Persons(0)), (Strings{"Ann|05.01.1980|F", "Bob|01.02.1990|M"}));
    ASSERT_EQ(dropped.size(), 1u);
    EXPECT_EQ(dropped[0].lineNumber, 3u);
    EXPECT_EQ(dropped[0].reason, "same person as line 2");
}

TEST_F(DatabaseFile, LongLinesStayWhole) {
    // Cut after 254 characters, this line would leave "Bob|01.01.1990|M" as a person.
    const std::string cut = "a|b|c" + std::string(249, 'y') + "Bob|01.01.1990|M";
    const std::string name(300, 'n');
    Load("#Long\n" + cut + "\n" + name + "|01.01.1990|F\n");
    EXPECT_EQ(Lines(m_db.Persons(0)), Strings{name + "|01.01.1990|F"});
}

TEST_F(DatabaseFile, LineEndsAndEncodings) {
    // Mixed line ends, no line end at the end of the file.
    Load("#A|1\r\nX|01.01.1990|M\nY|01.01.1990|F\r\n\r\n#B|2\nZ|01.01.1990|M");
    EXPECT_EQ(m_db.Groups(), (Strings{"A|1", "B|2"}));
    EXPECT_EQ(m_db.PersonCount(), 3u);
    ASSERT_TRUE(m_db.SaveToFile(File("db.rec")));
    EXPECT_EQ(ReadBytes(File("db.rec")),
              "#A|1\r\nX|01.01.1990|M\r\nY|01.01.1990|F\r\n#B|2\r\nZ|01.01.1990|M\r\n");

    // An old windows-1252 file survives load and save byte for byte.
    const std::string old = "#Fr\xE9res|3\r\nJos\xE9|01.01.1990|M\r\nZo\xEB \x80|02.02.1990|F\r\n";
    Load(old);
    EXPECT_EQ(m_db.GroupEntry(0), "Fr\xC3\xA9res|3");
    EXPECT_EQ(m_db.Persons(0)[0], "Jos\xC3\xA9|01.01.1990|M");
    EXPECT_EQ(m_db.Persons(0)[1], "Zo\xC3\xAB \xE2\x82\xAC|02.02.1990|F");
    ASSERT_TRUE(m_db.SaveToFile(File("db.rec")));
    EXPECT_EQ(ReadBytes(File("db.rec")), old);

    // UTF-8 with a byte order mark: characters that fit go back as windows-1252...
    Load("\xEF\xBB\xBF#Fr\xC3\xA9res|3\nJos\xC3\xA9|01.01.1990|M\n");
    EXPECT_EQ(m_db.GroupEntry(0), "Fr\xC3\xA9res|3");
    ASSERT_TRUE(m_db.SaveToFile(File("db.rec")));
    EXPECT_EQ(ReadBytes(File("db.rec")), "#Fr\xE9res|3\r\nJos\xE9|01.01.1990|M\r\n");
    // ...and a file with one character outside it stays UTF-8.
    const std::string cyrillic = "#Friends|2\r\n\xD0\x96\xD0\xB5\xD0\xBD\xD1\x8F|01.01.1990|M\r\n";
    Load(cyrillic);
    ASSERT_TRUE(m_db.SaveToFile(File("db.rec")));
    EXPECT_EQ(ReadBytes(File("db.rec")), cyrillic);
    // A name with "Ã©" (C3 83 C2 A9 in UTF-8) fits windows-1252 as C3 A9, but those bytes
    // would read back as UTF-8 "é" and change the name: such a file stays UTF-8.
    const std::string lookalike = "#Friends|2\r\nJos\xC3\x83\xC2\xA9|01.01.1990|M\r\n";
    Load(lookalike);
    ASSERT_TRUE(m_db.SaveToFile(File("db.rec")));
    EXPECT_EQ(ReadBytes(File("db.rec")), lookalike);
}

TEST_F(DatabaseFile, RoundTripGivesTheSameDatabaseAndBytes) {
    Load(
        "#Zeta|4\nb|01.01.1990|M\nA|02.02.1980|F\na|02.02.1980|F\n#Alpha|7\n; x\n"
        "\xC9mile|03.03.1970|M\nEmile|03.03.1970|M\n");
    const NamesDatabase first = m_db;
    ASSERT_TRUE(m_db.SaveToFile(File("db.rec")));
    const std::string bytes = ReadBytes(File("db.rec"));
    NamesDatabase again(TestClock());
    EXPECT_EQ(again.LoadFromFile(File("db.rec")).outcome, Outcome::Loaded);
    EXPECT_TRUE(again == first);
    ASSERT_TRUE(again.SaveToFile(File("db.rec")));
    EXPECT_EQ(ReadBytes(File("db.rec")), bytes);
    EXPECT_EQ(again.FileContent(), bytes);
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
    fs::create_directory(File("folder.rec"));
    const LoadResult unreadable = m_db.LoadFromFile(File("folder.rec"));
    EXPECT_EQ(unreadable.outcome, Outcome::Unreadable);
    EXPECT_EQ(unreadable.message, "Problems with current Names Database \nNew empty DB created");
    EXPECT_NE(unreadable.readError, "");
    EXPECT_EQ(m_db.Groups(), Strings{"My profiles|2"});
    EXPECT_TRUE(fs::is_directory(File("folder.rec")));

    // The next explicit save keeps the unusable file as the backup.
    Load("garbage\n");
    ASSERT_TRUE(m_db.SaveToFile(File("db.rec")));
    EXPECT_EQ(ReadBytes(File("db.bak")), "garbage\n");
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
    EXPECT_EQ(FilesInFolder(), 3u);  // names, names.bak, x.bak: no temporary left
}

// OS layers that fail at a chosen step.
class FailingOps : public FileOps {
  public:
    int m_writesLeft = -1;       // writes that succeed before the disk is full (-1: all)
    int m_renamesLeft = -1;      // renames that succeed before one fails
    bool m_readOnly = false;     // every change fails as on a read-only mount
    bool m_noLinks = false;      // the file system cannot link
    std::string m_failRenameTo;  // a rename onto this path fails
    int Open(const char* path, int flags, mode_t mode) override {
        if (m_readOnly && (flags & O_CREAT)) {
            errno = EROFS;
            return -1;
        }
        return FileOps::Open(path, flags, mode);
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (m_writesLeft == 0) {
            errno = ENOSPC;
            return -1;
        }
        if (m_writesLeft > 0) {
            --m_writesLeft;
        }
        return FileOps::Write(fd, data, std::min<std::size_t>(size, 7));
    }
    int Rename(const char* from, const char* to) override {
        if (m_readOnly || m_renamesLeft == 0 || m_failRenameTo == to) {
            errno = m_readOnly ? EROFS : EIO;
            return -1;
        }
        if (m_renamesLeft > 0) {
            --m_renamesLeft;
        }
        return FileOps::Rename(from, to);
    }
    int Link(const char* from, const char* to) override {
        if (m_readOnly || m_noLinks) {
            errno = m_readOnly ? EROFS : EPERM;
            return -1;
        }
        return FileOps::Link(from, to);
    }
    int Unlink(const char* path) override {
        if (m_readOnly) {
            errno = EROFS;
            return -1;
        }
        return FileOps::Unlink(path);
    }
};

TEST_F(DatabaseFile, AFailingSaveLeavesFileAndBackupAsTheyWere) {
    WriteBytes(File("db.rec"), "#Current|2\r\nA|01.01.1990|M\r\n");
    WriteBytes(File("db.bak"), "#Older|2\r\nB|01.01.1990|M\r\n");
    Load(ReadBytes(File("db.rec")));
    m_db.AddPerson(0, "C|01.01.1990|M");
    const std::string file = ReadBytes(File("db.rec"));
    const std::string backup = ReadBytes(File("db.bak"));
    auto unchanged = [&](const char* what) {
        EXPECT_EQ(ReadBytes(File("db.rec")), file) << what;
        EXPECT_EQ(ReadBytes(File("db.bak")), backup) << what;
        EXPECT_EQ(FilesInFolder(), 2u) << what;
    };

    FailingOps fullDisk;
    fullDisk.m_writesLeft = 3;  // part of the new content, then no room
    FileResult result = m_db.SaveToFile(File("db.rec"), &fullDisk);
    EXPECT_FALSE(result);
    EXPECT_NE(result.error.find("No space left"), std::string::npos) << result.error;
    unchanged("full disk");

    FailingOps readOnly;
    readOnly.m_readOnly = true;
    EXPECT_FALSE(m_db.SaveToFile(File("db.rec"), &readOnly));
    unchanged("read-only");

    FailingOps noBackup;  // the new backup cannot be put in place
    noBackup.m_renamesLeft = 0;
    EXPECT_FALSE(m_db.SaveToFile(File("db.rec"), &noBackup));
    unchanged("backup rename");

    FailingOps noReplace;  // the backup is made, then the new file cannot replace the old
    noReplace.m_failRenameTo = File("db.rec").string();
    EXPECT_FALSE(m_db.SaveToFile(File("db.rec"), &noReplace));
    unchanged("replacing rename");

    // Without links the backup is a copy; the save still works.
    FailingOps noLinks;
    noLinks.m_noLinks = true;
    ASSERT_TRUE(m_db.SaveToFile(File("db.rec"), &noLinks));
    EXPECT_EQ(ReadBytes(File("db.bak")), file);
    EXPECT_EQ(ReadBytes(File("db.rec")), m_db.FileContent());
    EXPECT_EQ(FilesInFolder(), 2u);
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
    EXPECT_EQ(result.droppedLines, 2u);
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
