// A merge or an import saves with a backup or elsewhere, and a failure leaves what was there.
#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "core/files/AtomicFile.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune::cli {
namespace {

namespace fs = std::filesystem;
using test::RunCliCaptured;
using vitalune::test::ReadTestFile;

class CliFiles : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path path = m_folder.path() / name;
        EXPECT_TRUE(WriteFileAtomically(path, bytes));
        return path.string();
    }
    std::string Path(const std::string& name) const { return (m_folder.path() / name).string(); }
    vitalune::test::TempFolder m_folder;
    const std::string m_names = Write("names.rec",
                                      "#Friends|3\r\nBase|01.01.2000|M\r\nOld|05.01.1950|M\r\n"
                                      "#Work|5\r\nJo|22.12.1999|F\r\n");
};

TEST_F(CliFiles, MergeSavesWithTheBackupOrElsewhere) {
    const std::string before = ReadTestFile(m_names);
    const std::string other = Write("other.rec", "#New|3\nCid|03.03.1990|M\nbad\n");
    auto run = RunCliCaptured({"db", "merge", m_names, other});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("1 new group, 1 invalid line dropped"), std::string::npos) << run.out;
    EXPECT_EQ(ReadTestFile(m_names), before + "#New|3\r\nCid|03.03.1990|M\r\n");
    EXPECT_EQ(ReadTestFile(Path("names.bak")), before);

    run = RunCliCaptured({"db", "merge", other, m_names, "-o", Path("out.rec")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::exists(Path("out.rec")));
    EXPECT_EQ(ReadTestFile(other), "#New|3\nCid|03.03.1990|M\nbad\n");

    const std::string noGroups = Write("plain.txt", "just text\n");
    EXPECT_EQ(RunCliCaptured({"db", "merge", noGroups, other}).exitCode, 1);
    EXPECT_EQ(ReadTestFile(noGroups), "just text\n");  // never replaced
    EXPECT_EQ(RunCliCaptured({"db", "merge", m_names, Path("missing.rec")}).exitCode, 1);
}

TEST_F(CliFiles, ImportSavesWithTheBackupOrNotAtAll) {
    const std::string before = ReadTestFile(m_names);
    const std::string cards = Write("cards.vcf",
                                    "BEGIN:VCARD\nFN:Cid\nBDAY:19900303\nEND:VCARD\n"
                                    "BEGIN:VCARD\nFN:Jo\nBDAY:19991222\nGENDER:F\nEND:VCARD\n");
    auto run = RunCliCaptured({"db", "import", m_names, "--from", cards, "--group", "Work"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadTestFile(m_names),
              "#Friends|3\r\nBase|01.01.2000|M\r\nOld|05.01.1950|M\r\n"
              "#Work|5\r\nCid|03.03.1990|M\r\nJo|22.12.1999|F\r\n");
    EXPECT_EQ(ReadTestFile(Path("names.bak")), before);

    // Nothing new: neither the file nor its backup changes.
    const std::string after = ReadTestFile(m_names);
    run = RunCliCaptured({"db", "import", m_names, "--from", cards, "--group", "Work"});
    EXPECT_EQ(run.out,
              "0 imported, 0 skipped (no year of birth), 2 already there\nNothing imported; " +
                  m_names + " not written\n");
    EXPECT_EQ(ReadTestFile(m_names), after);
    EXPECT_EQ(ReadTestFile(Path("names.bak")), before);

    // What is exported comes back whole.
    for (const std::string name : {"all.vcf", "all.csv"}) {
        run = RunCliCaptured({"db", "export", m_names, "--to", Path(name)});
        EXPECT_EQ(run.out, "Exported 4 persons to " + Path(name) + "\n");
        run = RunCliCaptured({"db", "import", m_names, "--from", Path(name), "--group", "Back",
                              "-o", Path("back.rec")});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(ReadTestFile(Path("back.rec")),
                  after +
                      "#Back|0\r\nBase|01.01.2000|M\r\nCid|03.03.1990|M\r\nJo|22.12.1999|F\r\n"
                      "Old|05.01.1950|M\r\n");
    }
}

}  // namespace
}  // namespace vitalune::cli
