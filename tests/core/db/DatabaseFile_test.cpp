// Loading, saving and merging database files.
#include <fcntl.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <sstream>

#include "DbTestSupport.h"
#include "core/db/NamesDatabase.h"
#include "support/ExpectedFile.h"
#include "support/TestFiles.h"

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

// Bytes as load.txt writes them: "\r", "\n", "\\" and "\xNN" for the bytes not printable.
std::string Escaped(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r' || c == '\n' || c == '\\') {
            text += c == '\r' ? "\\r" : c == '\n' ? "\\n" : "\\\\";
        } else if (u < 0x20 || u >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            text += hex;
        } else {
            text += c;
        }
    }
    return text;
}

std::string Unescaped(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes += text[i];
        } else if (text[++i] == 'x') {
            bytes += static_cast<char>(std::stoi(std::string{text.substr(i + 1, 2)}, nullptr, 16));
            i += 2;
        } else {
            bytes += text[i] == 'r' ? '\r' : text[i] == 'n' ? '\n' : text[i];
        }
    }
    return bytes;
}

// Loads each file of expected/load.txt and writes down what loading and saving make of it;
// what is saved must load to the same database and save to the same bytes again.
TEST(DatabaseFileLoad, EachFileOfTheTranscript) {
    std::istringstream expected(test::ReadTestFile(fs::path{VITALUNE_EXPECTED_DIR} / "load.txt"));
    std::string transcript;
    for (std::string line; std::getline(expected, line);) {
        if (line.empty() || line.starts_with("#")) {
            transcript += line + "\n";
        }
        if (!line.starts_with("<")) {
            continue;
        }
        transcript += line + "\n";
        std::vector<DroppedLine> dropped;
        LoadOptions options;
        options.dropped = &dropped;
        NamesDatabase db(TestClock());
        const std::string bytes = Unescaped(line.substr(std::min<std::size_t>(line.size(), 2)));
        if (db.LoadFromBytes(bytes, options).outcome != Outcome::Loaded) {
            transcript += "  no groups\n";
        }
        for (std::size_t g = 0; g < db.GroupCount(); ++g) {
            transcript += "  #" + Escaped(db.GroupEntry(g)) + "\n";
            for (const std::string_view person : db.Persons(g)) {
                transcript += "    " + Escaped(person) + "\n";
            }
        }
        for (const DroppedLine& d : dropped) {
            transcript += "- line " + std::to_string(d.lineNumber) + ": " + d.reason + ": " +
                          Escaped(d.text) + "\n";
        }
        const std::string saved = db.FileContent();
        transcript += "> " + Escaped(saved) + "\n";
        NamesDatabase again(TestClock());
        again.LoadFromBytes(saved);
        EXPECT_TRUE(again == db) << line;
        EXPECT_EQ(again.FileContent(), saved) << line;
    }
    test::ExpectSameAsFile(transcript, "load.txt");
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
