// The database file and its backup through failures and links.
#include "core/db/BackupFile.h"

#include <gtest/gtest.h>

#include "support/FileOpsFakes.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
const auto Slurp = test::ReadTestFile;

// Renames fail from each step of the save on (a second failure hits whatever would undo the
// first): a failed save never loses the previous backup, a finished one makes the old file
// the backup.
TEST(BackupFile, NoRenameFailureLosesThePreviousBackup) {
    for (int allowed = 0; allowed < 5; ++allowed) {
        TempFolder folder;
        const fs::path file = folder.path() / "db.rec";
        const fs::path backup = folder.path() / "db.bak";
        ASSERT_TRUE(WriteFileAtomically(file, "current"));
        ASSERT_TRUE(WriteFileAtomically(backup, "previous"));
        test::RenamesFailAfter ops(allowed);
        const FileResult result = WriteWithBackup(file, "new", &ops);
        const std::string now = Slurp(file);
        if (result) {
            EXPECT_EQ(now, "new") << allowed;
            EXPECT_EQ(Slurp(backup), "current") << allowed;
        } else {
            EXPECT_TRUE(now == "current" || now == "new") << allowed;
            EXPECT_EQ(Slurp(backup), "previous") << allowed << ": " << result.error;
        }
        EXPECT_EQ(folder.Entries(), 2u) << allowed;
    }
}

// A database reached through a link keeps its backup beside the file the link points to.
TEST(BackupFile, LinkedFileKeepsItsBackupBesideIt) {
    TempFolder folder;
    fs::create_directory(folder.path() / "data");
    ASSERT_TRUE(WriteFileAtomically(folder.path() / "data/names.rec", "first"));
    fs::create_symlink("data/names.rec", folder.path() / "db.rec");
    // A leftover of an earlier killed save that made the backup through a second name.
    ASSERT_TRUE(WriteFileAtomically(folder.path() / "data/.names.bak.link-999999999-1", "x"));
    ASSERT_TRUE(WriteWithBackup(folder.path() / "db.rec", "second"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "db.rec"));
    EXPECT_EQ(Slurp(folder.path() / "data/names.rec"), "second");
    EXPECT_EQ(Slurp(folder.path() / "data/names.bak"), "first");
    EXPECT_FALSE(fs::exists(folder.path() / "db.bak"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path() / "data"), {}), 2);
}

// A database the user may not write is refused, not replaced by a writable copy.
TEST(BackupFile, ReadOnlyDatabaseIsRefused) {
    TempFolder folder;
    const fs::path file = folder.path() / "db.rec";
    ASSERT_TRUE(WriteFileAtomically(file, "kept"));
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    const FileResult result = WriteWithBackup(file, "new");
    EXPECT_EQ(result.error, "cannot write " + file.string() + ": the file is read-only");
    EXPECT_EQ(Slurp(file), "kept");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(folder.Entries(), 1u);  // and no backup made
}

}  // namespace
}  // namespace vitalune
