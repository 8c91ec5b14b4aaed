#include "core/files/AtomicFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;

using test::TempFolder;
const auto Slurp = test::ReadTestFile;

std::size_t FilesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

// Writes only part of the data and then fails, like a disk that fills up.
class FullDisk : public FileOps {
  public:
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (m_left == 0) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = std::min(size, m_left);
        m_left -= n;
        return FileOps::Write(fd, data, n);
    }
    std::size_t m_left = 5;
};

class FailingRename : public FileOps {
  public:
    int Rename(const char*, const char*) override {
        errno = EXDEV;
        return -1;
    }
};

TEST(AtomicFile, WritesAndReplaces) {
    TempFolder folder;
    const fs::path target = folder.path() / "db.rec";
    ASSERT_TRUE(WriteFileAtomically(target, "first"));
    EXPECT_EQ(Slurp(target), "first");
    ::chmod(target.c_str(), 0600);
    ASSERT_TRUE(WriteFileAtomically(target, std::string(200000, 'x')));
    EXPECT_EQ(Slurp(target).size(), 200000u);
    struct stat info {};
    ::stat(target.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0600u);  // permissions kept
    EXPECT_EQ(FilesIn(folder.path()), 1u);  // no temporary left behind
}

class CountingSyncs : public FileOps {
  public:
    int Fsync(int fd) override {
        ++m_syncs;
        return FileOps::Fsync(fd);
    }
    int m_syncs = 0;
};

TEST(AtomicFile, SyncingCanBeLeftOut) {
    TempFolder folder;
    const fs::path target = folder.path() / "forecast.htm";
    CountingSyncs ops;
    ASSERT_TRUE(WriteFileAtomically(target, "first", {&ops, {}}));
    EXPECT_EQ(ops.m_syncs, 2);  // the file and its folder
    AtomicWriteOptions options;
    options.ops = &ops;
    options.sync = false;
    ASSERT_TRUE(WriteFileAtomically(target, "second", options));
    EXPECT_EQ(ops.m_syncs, 2);
    EXPECT_EQ(Slurp(target), "second");
    EXPECT_EQ(FilesIn(folder.path()), 1u);
}

TEST(AtomicFile, AFullDiskLeavesTheOldFile) {
    TempFolder folder;
    const fs::path target = folder.path() / "db.rec";
    ASSERT_TRUE(WriteFileAtomically(target, "old content"));
    FullDisk disk;
    const FileResult result =
        WriteFileAtomically(target, "new content that does not fit", {&disk, {}});
    EXPECT_FALSE(result);
    EXPECT_NE(result.error.find("cannot write " + target.string()), std::string::npos);
    EXPECT_NE(result.error.find("No space left"), std::string::npos) << result.error;
    EXPECT_EQ(Slurp(target), "old content");
    EXPECT_EQ(FilesIn(folder.path()), 1u);
}

TEST(AtomicFile, FailedRenameAndFailedPreparationLeaveTheOldFile) {
    TempFolder folder;
    const fs::path target = folder.path() / "report.htm";
    ASSERT_TRUE(WriteFileAtomically(target, "old"));
    FailingRename rename;
    EXPECT_FALSE(WriteFileAtomically(target, "new", {&rename, {}}));
    EXPECT_EQ(Slurp(target), "old");

    bool ran = false;
    AtomicWriteOptions options;
    options.beforeReplace = [&] {
        ran = true;
        EXPECT_EQ(FilesIn(folder.path()), 2u);  // the synced temporary is there already
        return FileResult::Failure("backup failed");
    };
    const FileResult result = WriteFileAtomically(target, "new", options);
    EXPECT_TRUE(ran);
    EXPECT_EQ(result.error, "backup failed");
    EXPECT_EQ(Slurp(target), "old");
    EXPECT_EQ(FilesIn(folder.path()), 1u);
}

// What a read-only mount answers; root runs cannot make a folder read-only for themselves.
class ReadOnlyMount : public FileOps {
  public:
    int Open(const char* path, int flags, mode_t mode) override {
        if (flags & O_CREAT) {
            errno = EROFS;
            return -1;
        }
        return FileOps::Open(path, flags, mode);
    }
};

TEST(AtomicFile, ReadOnlyMount) {
    TempFolder folder;
    const fs::path target = folder.path() / "db.rec";
    ASSERT_TRUE(WriteFileAtomically(target, "kept"));
    ReadOnlyMount mount;
    const FileResult result = WriteFileAtomically(target, "lost", {&mount, {}});
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, "cannot write " + target.string() + ": Read-only file system");
    EXPECT_EQ(Slurp(target), "kept");
}

TEST(AtomicFile, ReadOnlyFolder) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write into read-only folders";
    }
    TempFolder folder;
    const fs::path target = folder.path() / "db.rec";
    ASSERT_TRUE(WriteFileAtomically(target, "kept"));
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const FileResult result = WriteFileAtomically(target, "lost");
    EXPECT_FALSE(result);
    EXPECT_NE(result.error.find("Permission denied"), std::string::npos);
    EXPECT_EQ(Slurp(target), "kept");
}

TEST(AtomicFile, ReadErrors) {
    TempFolder folder;
    std::string content = "unchanged?";
    EXPECT_FALSE(ReadWholeFile(folder.path() / "missing", content));
    const FileResult folderRead = ReadWholeFile(folder.path(), content);
    EXPECT_FALSE(folderRead);
    EXPECT_NE(folderRead.error.find("Is a directory"), std::string::npos);
}

}  // namespace
}  // namespace vitalune
