#include "core/db/StartupFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "DbTestSupport.h"
#include "support/FileOpsFakes.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

const std::string kTemplate = "#My profiles|0\r\n";
const std::string kUsed = "#Used template|0\r\n";
const std::string kMine = "#Mine|3\r\nMe|01.01.1970|M\r\n";

class StartupFileTest : public ::testing::Test {
  protected:
    StartupFileTest() { fs::create_directory(Program()); }
    fs::path Program() const { return m_root.path() / "program"; }
    fs::path Program(const std::string& name) const { return Program() / name; }
    fs::path Elsewhere(const std::string& name) const { return m_root.path() / name; }

    TempFolder m_root;
};

TEST_F(StartupFileTest, TheStoredFileWhenItExists) {
    WriteBytes(Program("db.rec"), kMine);
    WriteBytes(Elsewhere("names.rec"), kMine);
    EXPECT_EQ(FindAtStartup(Program(), Elsewhere("names.rec").string()).path,
              Elsewhere("names.rec"));
    EXPECT_EQ(FindAtStartup(Program(), "").path, Program("db.rec"));
    EXPECT_EQ(FindAtStartup(Program(), Elsewhere("gone.rec").string()).path, Program("db.rec"));
}

// A stored name that is no file to read is refused with a message, never opened.
TEST_F(StartupFileTest, AStoredFolderPipeOrDeviceIsRefused) {
    WriteBytes(Program("db.rec"), kMine);
    ASSERT_EQ(::mkfifo(Elsewhere("fifo").c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {Elsewhere("").string(), "it is a folder"},
        {Elsewhere("fifo").string(), "it is a pipe (FIFO)"},
        {"/dev/zero", "it is a device"},
    };
    for (const auto& [stored, why] : cases) {
        const StartupFile found = FindAtStartup(Program(), stored);
        EXPECT_EQ(found.path, Program("db.rec")) << stored;
        ASSERT_EQ(found.errors.size(), 1u) << stored;
        EXPECT_EQ(found.errors[0], "cannot read " + stored + ": " + why + ", not a file; " +
                                       Program("db.rec").string() + " is used instead");
    }
}

TEST_F(StartupFileTest, AMissingDatabaseComesFromTheTemplate) {
    WriteBytes(Program("empty.rec"), kTemplate);
    WriteBytes(Program("empty.bak"), kUsed);
    const StartupFile found = FindAtStartup(Program(), Elsewhere("gone.rec").string());
    EXPECT_TRUE(found.errors.empty());
    EXPECT_EQ(found.path, Program("db.rec"));
    EXPECT_EQ(ReadBytes(Program("db.rec")), kTemplate);
    EXPECT_FALSE(fs::exists(Program("empty.rec")));  // used once
    EXPECT_EQ(ReadBytes(Program("empty.bak")), kTemplate);

    // Next time the used template serves.
    fs::remove(Program("db.rec"));
    EXPECT_EQ(FindAtStartup(Program(), "").path, Program("db.rec"));
    EXPECT_EQ(ReadBytes(Program("db.rec")), kTemplate);
    EXPECT_TRUE(fs::exists(Program("empty.bak")));

    // Without either, the installed template (only read).
    fs::remove(Program("db.rec"));
    fs::remove(Program("empty.bak"));
    WriteBytes(Elsewhere("installed.rec"), kUsed);
    StartupOptions options;
    options.installedTemplate = Elsewhere("installed.rec");
    EXPECT_EQ(FindAtStartup(Program(), "", options).path, Program("db.rec"));
    EXPECT_EQ(ReadBytes(Program("db.rec")), kUsed);
    EXPECT_TRUE(fs::exists(Elsewhere("installed.rec")));

    // Nothing at all: loading will create the file.
    fs::remove(Program("db.rec"));
    EXPECT_EQ(FindAtStartup(Program(), "").path, Program("db.rec"));
    EXPECT_FALSE(fs::exists(Program("db.rec")));
}

TEST_F(StartupFileTest, AFreshInstallationBringsTheDatabaseHome) {
    WriteBytes(Program("empty.rec"), kTemplate);
    WriteBytes(Program("names.rec"), "#Old copy|1\r\n");
    WriteBytes(Elsewhere("names.rec"), kMine);
    const StartupFile found = FindAtStartup(Program(), Elsewhere("names.rec").string());
    EXPECT_TRUE(found.errors.empty());
    EXPECT_EQ(found.path, Program("names.rec"));
    EXPECT_EQ(ReadBytes(Program("names.rec")), kMine);
    EXPECT_EQ(ReadBytes(Program("names.bak")), "#Old copy|1\r\n");
    EXPECT_EQ(ReadBytes(Elsewhere("names.rec")), kMine);  // the original stays
    EXPECT_EQ(ReadBytes(Program("empty.bak")), kTemplate);
    EXPECT_FALSE(fs::exists(Program("empty.rec")));
}

TEST_F(StartupFileTest, ADatabaseAlreadyHomeIsNotCopiedOntoItself) {
    WriteBytes(Program("db.rec"), kMine);
    for (const fs::path& stored : {Program("db.rec"), Program() / "." / "db.rec"}) {
        WriteBytes(Program("empty.rec"), kTemplate);
        const StartupFile found = FindAtStartup(Program(), stored.string());
        EXPECT_TRUE(found.errors.empty());
        EXPECT_EQ(ReadBytes(found.path), kMine) << stored;
        EXPECT_EQ(ReadBytes(Program("db.rec")), kMine);
        EXPECT_FALSE(fs::exists(Program("db.bak")));
        EXPECT_FALSE(fs::exists(Program("empty.rec")));
    }
}

TEST_F(StartupFileTest, FailedCopiesLoseNothing) {
    test::ReadOnlyMount ops;
    StartupOptions options;
    options.ops = &ops;
    WriteBytes(Program("empty.rec"), kTemplate);
    StartupFile found = FindAtStartup(Program(), "", options);
    EXPECT_EQ(found.errors.size(), 1u);
    EXPECT_EQ(ReadBytes(Program("empty.rec")), kTemplate);  // kept for the next start

    WriteBytes(Elsewhere("names.rec"), kMine);
    found = FindAtStartup(Program(), Elsewhere("names.rec").string(), options);
    EXPECT_EQ(found.errors.size(), 1u);
    EXPECT_EQ(found.path, Elsewhere("names.rec"));  // the database that is really there
}

}  // namespace
}  // namespace vitalune
