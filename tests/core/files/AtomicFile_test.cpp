#include "core/files/AtomicFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <regex>

#include "support/FileOpsFakes.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;

using test::TempFolder;
const auto Slurp = test::ReadTestFile;

// Notes each call, so that the order of the steps can be checked.
class RecordingOps : public FileOps {
  public:
    int Open(const char* path, int flags, mode_t mode) override {
        Note((flags & O_DIRECTORY) ? "open-folder" : "open");
        return FileOps::Open(path, flags, mode);
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        Note("write");
        return FileOps::Write(fd, data, size);
    }
    int Fsync(int fd) override {
        Note("fsync");
        return FileOps::Fsync(fd);
    }
    int Close(int fd) override {
        Note("close");
        return FileOps::Close(fd);
    }
    int Rename(const char* from, const char* to) override {
        Note("rename");
        return FileOps::Rename(from, to);
    }
    void Note(const char* call) { calls += calls.empty() ? call : std::string{" "} + call; }
    std::string calls;
};

TEST(AtomicFile, WritesAndReplacesKeepingPermissions) {
    TempFolder folder;
    const fs::path target = folder.path() / "db.rec";
    ASSERT_TRUE(WriteFileAtomically(target, "first"));
    EXPECT_EQ(Slurp(target), "first");
    ::chmod(target.c_str(), 0600);
    ASSERT_TRUE(WriteFileAtomically(target, std::string(200000, 'x')));
    EXPECT_EQ(Slurp(target).size(), 200000u);
    struct stat info {};
    ::stat(target.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(folder.Entries(), 1u);  // no temporary left behind
}

// The content must be on disk before the rename makes it the file, or a crash could leave
// an empty file under the old name.
TEST(AtomicFile, StepsComeInOrder) {
    struct Case {
        bool sync;
        std::string calls;
    };
    const Case cases[] = {
        {true, "open write fsync close prepare rename open-folder fsync close"},
        {false, "open write close prepare rename"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        RecordingOps ops;
        AtomicWriteOptions options;
        options.ops = &ops;
        options.sync = c.sync;
        options.beforeReplace = [&] {
            ops.Note("prepare");
            EXPECT_EQ(folder.Entries(), 1u);  // the temporary, already closed
            return FileResult{};
        };
        ASSERT_TRUE(WriteFileAtomically(folder.path() / "db.rec", "content", options));
        EXPECT_EQ(ops.calls, c.calls) << "sync " << c.sync;
        EXPECT_EQ(Slurp(folder.path() / "db.rec"), "content");
    }
}

TEST(AtomicFile, EveryFailureLeavesTheOldFile) {
    test::FullDisk fullDisk(5);
    test::FailingRename failingRename;
    test::ReadOnlyMount readOnly;
    struct Case {
        FileOps* ops;
        bool preparationFails;
        std::string error;  // % stands for the path
    };
    const Case cases[] = {
        {&fullDisk, false, "cannot write %: No space left on device"},
        {&failingRename, false, "cannot replace %: Invalid cross-device link"},
        {&readOnly, false, "cannot write %: Read-only file system"},
        {nullptr, true, "backup failed"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const fs::path target = folder.path() / "db.rec";
        ASSERT_TRUE(WriteFileAtomically(target, "old content"));
        AtomicWriteOptions options;
        options.ops = c.ops;
        if (c.preparationFails) {
            options.beforeReplace = [] { return FileResult::Failure("backup failed"); };
        }
        const FileResult result = WriteFileAtomically(target, "new content, longer", options);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.error, std::regex_replace(c.error, std::regex("%"), target.string()));
        EXPECT_EQ(Slurp(target), "old content");
        EXPECT_EQ(folder.Entries(), 1u) << result.error;
    }
}

// A link stays a link and its file gets the content; what is not a regular file, or is
// read-only, is refused and left as it was.
TEST(AtomicFile, LinksAreWrittenThroughAndOtherFilesRefused) {
    TempFolder folder;
    const fs::path real = folder.path() / "real";
    fs::create_directory(real);
    ASSERT_TRUE(WriteFileAtomically(real / "db.rec", "old"));
    fs::create_symlink("real/db.rec", folder.path() / "link.rec");
    fs::create_symlink(folder.path() / "link.rec", folder.path() / "chain.rec");
    ASSERT_TRUE(WriteFileAtomically(folder.path() / "chain.rec", "new"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "chain.rec"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "link.rec"));
    EXPECT_EQ(Slurp(real / "db.rec"), "new");

    ::mkfifo((folder.path() / "fifo").c_str(), 0644);
    fs::create_symlink("fifo", folder.path() / "to-fifo");
    ASSERT_TRUE(WriteFileAtomically(folder.path() / "locked", "kept"));
    ::chmod((folder.path() / "locked").c_str(), 0444);
    const struct {
        const char* name;
        const char* reason;
    } refused[] = {
        {"fifo", "not a regular file"},
        {"to-fifo", "not a regular file"},
        {"real", "Is a directory"},
        {"locked", "the file is read-only"},
    };
    for (const auto& c : refused) {
        const fs::path target = folder.path() / c.name;
        const FileResult result = WriteFileAtomically(target, "x");
        EXPECT_EQ(result.error, "cannot write " + target.string() + ": " + c.reason);
    }
    EXPECT_TRUE(fs::is_fifo(folder.path() / "fifo"));
    EXPECT_EQ(Slurp(folder.path() / "locked"), "kept");
    EXPECT_EQ(folder.Entries(), 6u);
}

// The leftovers of a killed save are removed by the next save of the same file; those of a
// save still running, and of other files, stay.
TEST(AtomicFile, TheNextSaveRemovesLeftovers) {
    const pid_t gone = ::fork();
    if (gone == 0) {
        ::_exit(0);
    }
    ::waitpid(gone, nullptr, 0);
    const std::string dead = std::to_string(gone);
    const std::string alive = std::to_string(::getppid());
    const struct {
        std::string name;
        bool old;
        bool removed;
    } cases[] = {
        {".db.rec.tmp-" + dead + "-12", false, true},
        {".db.rec.bak-" + dead + "-3", false, true},
        {".db.rec.tmp-" + alive + "-7", false, false},
        {".db.rec.tmp-" + alive + "-8", true, true},  // the id was given to another process
        {".db.rec.tmp-" + std::to_string(::getpid()) + "-9", false, false},
        {".other.rec.tmp-" + dead + "-1", false, false},
        {".db.rec.notes", false, false},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        const fs::path path = folder.path() / c.name;
        ASSERT_TRUE(WriteFileAtomically(path, "leftover"));
        if (c.old) {
            const ::utimbuf twoDaysAgo{::time(nullptr) - 2 * 86400, ::time(nullptr) - 2 * 86400};
            ::utime(path.c_str(), &twoDaysAgo);
        }
    }
    ASSERT_TRUE(WriteFileAtomically(folder.path() / "db.rec", "content"));
    for (const auto& c : cases) {
        EXPECT_EQ(fs::exists(folder.path() / c.name), !c.removed) << c.name;
    }
}

}  // namespace
}  // namespace vitalune
