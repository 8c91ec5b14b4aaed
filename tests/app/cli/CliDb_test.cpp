#include <gtest/gtest.h>

#include <filesystem>

#include "CliTestSupport.h"
#include "core/files/AtomicFile.h"
#include "support/TempFolder.h"

namespace vitalune::cli {
namespace {

namespace fs = std::filesystem;
using test::RunCliCaptured;

class CliDb : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path path = m_folder.path() / name;
        EXPECT_TRUE(WriteFileAtomically(path, bytes));
        return path.string();
    }
    std::string Read(const std::string& path) {
        std::string content;
        EXPECT_TRUE(ReadWholeFile(path, content));
        return content;
    }
    vitalune::test::TempFolder m_folder;
};

TEST_F(CliDb, CheckReportsEveryDroppedLine) {
    const std::string good =
        Write("good.rec", "#Friends\r\nBob|01.02.1990|M\r\nAnn|05.01.1980|F\r\n");
    auto run = RunCliCaptured({"db", "check", good});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Groups: 1, persons: 2\n  Friends|2: 2 persons\nDropped lines: 0\n");

    const std::string bad =
        Write("bad.rec", "stray\n#Friends\nEve|31.04.1990|F\nAnn|05.01.1980|F\nANN|05.01.1980|F\n");
    run = RunCliCaptured({"db", "check", bad});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
              "Groups: 1, persons: 1\n  Friends|2: 1 person\nDropped lines: 3\n"
              "  line 1: before the first group header: stray\n"
              "  line 3: no valid date of birth: Eve|31.04.1990|F\n"
              "  line 5: same person as line 4: ANN|05.01.1980|F\n");
    EXPECT_EQ(Read(bad), "stray\n#Friends\nEve|31.04.1990|F\nAnn|05.01.1980|F\nANN|05.01.1980|F\n");

    run = RunCliCaptured({"db", "check", (m_folder.path() / "none.rec").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("no file"), std::string::npos);
    EXPECT_FALSE(fs::exists(m_folder.path() / "none.rec"));  // checking creates nothing
    EXPECT_EQ(RunCliCaptured({"db", "check"}).exitCode, 2);
    EXPECT_EQ(RunCliCaptured({"db", "frobnicate"}).exitCode, 2);
}

TEST_F(CliDb, ListAsTextAndJson) {
    const std::string file =
        Write("db.rec",
              "#Fr\xE9res|3\nZo\xEB|05.01.1980|F\nad\xE8le|01.01.1990|F\n#Work|1\n"
              "Bob \"B\"|01.02.1990|M\n");
    auto run = RunCliCaptured({"db", "list", file, "--json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(
        run.out,
        "{\"groups\":[{\"entry\":\"Fr\xC3\xA9res|3\",\"persons\":[\"ad\xC3\xA8le|01.01.1990|F\","
        "\"Zo\xC3\xAB|05.01.1980|F\"]},{\"entry\":\"Work|1\",\"persons\":"
        "[\"Bob \\\"B\\\"|01.02.1990|M\"]}]}\n");
    run = RunCliCaptured({"db", "list", file, "--group", "Work"});
    EXPECT_EQ(run.out, "#Work|1\nBob \"B\"|01.02.1990|M\n");
    run = RunCliCaptured({"db", "list", file, "--group", "work"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("no group \"work\""), std::string::npos);
}

TEST_F(CliDb, MergeSavesWithTheBackup) {
    const std::string file = Write("db.rec", "#Friends|5\r\nAnn|05.01.1980|F\r\n");
    const std::string other =
        Write("other.rec",
              "#Friends\nann|05.01.1980|F\nBob|01.02.1990|M\nbad\n#New|3\nCid|03.03.1990|M\n");
    auto run = RunCliCaptured({"db", "merge", file, other});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("1 new groups, 1 invalid lines dropped"), std::string::npos) << run.out;
    EXPECT_EQ(
        Read(file),
        "#Friends|5\r\nAnn|05.01.1980|F\r\nBob|01.02.1990|M\r\n#New|3\r\nCid|03.03.1990|M\r\n");
    EXPECT_EQ(Read((m_folder.path() / "db.bak").string()), "#Friends|5\r\nAnn|05.01.1980|F\r\n");

    const std::string out = (m_folder.path() / "out.rec").string();
    run = RunCliCaptured({"db", "merge", other, file, "-o", out});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::exists(out));

    const std::string noGroups = Write("plain.txt", "just text\n");
    run = RunCliCaptured({"db", "merge", noGroups, other});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Read(noGroups), "just text\n");  // never replaced
    EXPECT_EQ(RunCliCaptured({"db", "merge", file, "missing.rec"}).exitCode, 1);
}

TEST_F(CliDb, Birthdays) {
    const std::string file = Write("db.rec",
                                   "#Friends|4\nAnn Smith|05.01.1980|F\nLeap|29.02.1980|M\n"
                                   "#Work|7\nBob|05.01.1975|M\n");
    auto run = RunCliCaptured({"birthdays", file, "--date", "2030-01-05"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Friends\n  F  Ann Smith  05 Jan 1980\n\nWork\n  M  Bob  05 Jan 1975\n\n");
    run = RunCliCaptured({"birthdays", file, "--date", "29.02.2024", "--json"});
    EXPECT_EQ(run.out,
              "{\"date\":\"2024-02-29\",\"groups\":[{\"entry\":\"Friends|4\",\"persons\":"
              "[{\"name\":\"Leap\",\"sex\":\"M\",\"birth\":\"1980-02-29\"}]}]}\n");
    run = RunCliCaptured({"birthdays", file, "--date", "2030-03-01"});
    EXPECT_EQ(run.out, "Nobody found\n");
    run = RunCliCaptured({"birthdays", file, "--date", "2030-03-01", "--json"});
    EXPECT_EQ(run.out, "{\"date\":\"2030-03-01\",\"groups\":[]}\n");
    EXPECT_EQ(RunCliCaptured({"birthdays", file}).exitCode, 2);
    EXPECT_EQ(RunCliCaptured({"birthdays", file, "--date", "2030-02-30"}).exitCode, 2);
}

}  // namespace
}  // namespace vitalune::cli
