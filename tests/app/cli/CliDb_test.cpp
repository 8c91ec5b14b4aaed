#include <gtest/gtest.h>

#include <filesystem>

#include "CliTestSupport.h"
#include "core/files/AtomicFile.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune::cli {
namespace {

namespace fs = std::filesystem;
using test::RunCliCaptured;
using vitalune::test::ReadTestFile;

class CliDb : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path path = m_folder.path() / name;
        EXPECT_TRUE(WriteFileAtomically(path, bytes));
        return path.string();
    }
    vitalune::test::TempFolder m_folder;
};

TEST_F(CliDb, CheckReportsEveryDroppedLine) {
    const std::string good =
        Write("good.rec", "#Friends\r\nBob|01.02.1990|M\r\nAnn|05.01.1980|F\r\n");
    auto run = RunCliCaptured({"db", "check", good});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Groups: 1, persons: 2\n  Friends|2: 2 persons\nDropped lines: 0\n");

    const std::string badBytes = "stray\n#Friends\nEve|31.04.1990|F\nAnn|05.01.1980|F\n";
    const std::string bad = Write("bad.rec", badBytes);
    run = RunCliCaptured({"db", "check", bad});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
              "Groups: 1, persons: 1\n  Friends|2: 1 person\nDropped lines: 2\n"
              "  line 1: before the first group header: stray\n"
              "  line 3: no valid date of birth: Eve|31.04.1990|F\n");
    EXPECT_EQ(ReadTestFile(bad), badBytes);  // checking changes nothing

    run = RunCliCaptured({"db", "check", (m_folder.path() / "none.rec").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("no file"), std::string::npos);
    EXPECT_FALSE(fs::exists(m_folder.path() / "none.rec"));
    EXPECT_EQ(RunCliCaptured({"db", "check"}).exitCode, 2);
    EXPECT_EQ(RunCliCaptured({"db", "frobnicate"}).exitCode, 2);
}

TEST_F(CliDb, ListAsTextAndJson) {
    const std::string file =
        Write("db.rec", "#Fr\xE9res|3\nZo\xEB|05.01.1980|F\n#Work|1\nBob \"B\"|01.02.1990|M\n");
    auto run = RunCliCaptured({"db", "list", file, "--json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(
        run.out,
        "{\"groups\":[{\"entry\":\"Fr\xC3\xA9res|3\",\"persons\":[\"Zo\xC3\xAB|05.01.1980|F\"]},"
        "{\"entry\":\"Work|1\",\"persons\":[\"Bob \\\"B\\\"|01.02.1990|M\"]}]}\n");
    run = RunCliCaptured({"db", "list", file, "--group", "Work"});
    EXPECT_EQ(run.out, "#Work|1\nBob \"B\"|01.02.1990|M\n");
    run = RunCliCaptured({"db", "list", file, "--group", "work"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("no group \"work\""), std::string::npos);
}

TEST_F(CliDb, MergeSavesWithTheBackupOrElsewhere) {
    const std::string before = "#Friends|5\r\nAnn|05.01.1980|F\r\n";
    const std::string file = Write("db.rec", before);
    const std::string other = Write("other.rec", "#New|3\nCid|03.03.1990|M\nbad\n");
    auto run = RunCliCaptured({"db", "merge", file, other});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("1 new groups, 1 invalid lines dropped"), std::string::npos) << run.out;
    EXPECT_EQ(ReadTestFile(file), before + "#New|3\r\nCid|03.03.1990|M\r\n");
    EXPECT_EQ(ReadTestFile(m_folder.path() / "db.bak"), before);

    const std::string out = (m_folder.path() / "out.rec").string();
    run = RunCliCaptured({"db", "merge", other, file, "-o", out});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::exists(out));

    const std::string noGroups = Write("plain.txt", "just text\n");
    EXPECT_EQ(RunCliCaptured({"db", "merge", noGroups, other}).exitCode, 1);
    EXPECT_EQ(ReadTestFile(noGroups), "just text\n");  // never replaced
    EXPECT_EQ(RunCliCaptured({"db", "merge", file, "missing.rec"}).exitCode, 1);
}

TEST_F(CliDb, Birthdays) {
    const std::string file =
        Write("db.rec", "#Friends|4\nAnn Smith|05.01.1980|F\n#Work|7\nBob|05.01.1975|M\n");
    auto run = RunCliCaptured({"birthdays", file, "--date", "2030-01-05"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Friends\n  F  Ann Smith  05 Jan 1980\n\nWork\n  M  Bob  05 Jan 1975\n\n");
    run = RunCliCaptured({"birthdays", file, "--date", "05.01.2030", "--json"});
    EXPECT_EQ(
        run.out,
        "{\"date\":\"2030-01-05\",\"groups\":[{\"entry\":\"Friends|4\",\"persons\":"
        "[{\"name\":\"Ann Smith\",\"sex\":\"F\",\"birth\":\"1980-01-05\"}]},{\"entry\":"
        "\"Work|7\",\"persons\":[{\"name\":\"Bob\",\"sex\":\"M\",\"birth\":\"1975-01-05\"}]}]}\n");
    EXPECT_EQ(RunCliCaptured({"birthdays", file, "--date", "2030-03-01"}).out, "Nobody found\n");
    EXPECT_EQ(RunCliCaptured({"birthdays", file, "--date", "2030-03-01", "--json"}).out,
              "{\"date\":\"2030-03-01\",\"groups\":[]}\n");
    EXPECT_EQ(RunCliCaptured({"birthdays", file}).exitCode, 2);
}

}  // namespace
}  // namespace vitalune::cli
