#include "core/files/AtomicFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

}  // namespace
}  // namespace vitalune
