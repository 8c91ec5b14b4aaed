#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "core/files/AtomicFile.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune::cli {
namespace {

namespace fs = std::filesystem;
using test::RunCliCaptured;

class CliMatch : public ::testing::Test {
  protected:
    void SetUp() override {
        m_file = (m_folder.path() / "names.rec").string();
        ASSERT_TRUE(WriteFileAtomically(m_file,
                                        "#Friends|3\r\n"
                                        "Ada|02.01.2000|F\r\n"
                                        "Base|01.01.2000|M\r\n"
                                        "Bea|05.01.2000|F\r\n"
                                        "Old|05.01.1950|M\r\n"
                                        "#Work|5\r\n"
                                        "Base|01.01.2000|M\r\n"
                                        "Jo|22.12.1999|F\r\n"));
    }
    std::vector<std::string> Match(std::initializer_list<std::string> more) {
        std::vector<std::string> args{"match", m_file, "--group", "0", "--person", "1"};
        args.insert(args.end(), more);
        return args;
    }
    vitalune::test::TempFolder m_folder;
    std::string m_file;
};

TEST_F(CliMatch, JsonListsEveryEntryInDisplayOrder) {
    const auto run = RunCliCaptured(Match({"--pattern", "8", "--sort", "compatibility", "--json"}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "{\"entries\":[{\"kind\":\"0\",\"name\":\"Friends|3\"},"
              "{\"kind\":\"F\",\"name\":\"Ada\",\"dob\":\"02.01.2000\",\"compat\":[91,93,94,95,93,"
              "95,96,96]},"
              "{\"kind\":\"F\",\"name\":\"Bea\",\"dob\":\"05.01.2000\",\"compat\":[65,71,76,79,71,"
              "81,83,85]},"
              "{\"kind\":\"M\",\"name\":\"Old\",\"dob\":\"05.01.1950\",\"compat\":[65,86,45,5,65,"
              "21,25,2]},"
              "{\"kind\":\"1\",\"name\":\"\"},{\"kind\":\"0\",\"name\":\"Work|5\"},"
              "{\"kind\":\"M\",\"name\":\"Base\",\"dob\":\"01.01.2000\",\"compat\":[100,100,100,"
              "100,100,100,100,100]},"
              "{\"kind\":\"F\",\"name\":\"Jo\",\"dob\":\"22.12.1999\",\"compat\":[13,29,39,47,27,"
              "53,58,62]},"
              "{\"kind\":\"1\",\"name\":\"\"}],\"found\":5}\n");
    const auto nobody = RunCliCaptured(Match({"--ratings", "4,4,4", "--json"}));
    ASSERT_EQ(nobody.exitCode, 0);
    EXPECT_EQ(nobody.out,
              "{\"entries\":[{\"kind\":\"2\",\"name\":\"Nobody found\"}],\"found\":0}\n");
}

TEST_F(CliMatch, OptionsMirrorTheCriteria) {
    const auto names = [&](std::initializer_list<std::string> more) {
        const auto run = RunCliCaptured(Match(more));
        EXPECT_EQ(run.exitCode, 0) << run.err;
        std::string found;
        for (std::string_view name : {"Ada", "Bea", "Old", "Base", "Jo"}) {
            if (run.out.find("  " + std::string{name} + " (") != std::string::npos) {
                found += std::string{name} + " ";
            }
        }
        return found;
    };
    EXPECT_EQ(names({}), "Ada Base ");  // Ideal match
    EXPECT_EQ(names({"--pattern", "1", "--exact"}), "Bea ");
    EXPECT_EQ(names({"--pattern", "8", "--in-group", "all", "--sex", "male"}), "Old Base ");
    EXPECT_EQ(names({"--pattern", "8", "--in-group", "1", "--sex", "Female"}), "Jo ");
    // The ratings override the pattern: Physical at least Good, Emotional Excellent.
    EXPECT_EQ(names({"--pattern", "7", "--ratings", "2,1,0"}), "Ada Old Base ");
    EXPECT_EQ(names({"--pattern", "8", "--age", "75-80", "--today", "2030-06-01"}), "Old ");
    EXPECT_EQ(names({"--pattern", "8", "--age", "75-80", "--today", "2031-01-01"}), "");
    const auto text = RunCliCaptured(Match({"--pattern", "8", "--in-group", "1"}));
    EXPECT_EQ(text.out,
              "Main person: Base, 01 Jan 2000\n\nWork\n"
              "  Base (M, 01 Jan 2000): Physical 100%, Emotional 100%, Intellectual 100%, Overall "
              "100%\n"
              "  Jo (F, 22 Dec 1999): Physical 13%, Emotional 29%, Intellectual 39%, Overall 27%\n"
              "\nFound 2 results\n");
    EXPECT_EQ(RunCliCaptured(Match({"--ratings", "4,4,4"})).out,
              "Main person: Base, 01 Jan 2000\n\nNobody found\n");
}

TEST_F(CliMatch, BadArgumentsAreUsageErrors) {
    const std::pair<std::vector<std::string>, std::string_view> cases[] = {
        {Match({"--pattern", "9"}), "--pattern"},
        {Match({"--ratings", "1,2"}), "--ratings"},
        {Match({"--ratings", "1,2,5"}), "--ratings"},
        {Match({"--ratings", "1,2,3,4"}), "--ratings"},
        {Match({"--age", "20-20"}), "--age"},
        {Match({"--age", "21-30"}), "--age"},
        {Match({"--age", "0-100"}), "--age"},
        {Match({"--age", "30"}), "--age"},
        {Match({"--sex", "x"}), "--sex"},
        {Match({"--sort", "age"}), "--sort"},
        {Match({"--in-group", "2"}), "--in-group"},
        {Match({"--today", "2030-02-30"}), "--today"},
        {{"match", m_file, "--group", "2", "--person", "0"}, "--group"},
        {{"match", m_file, "--group", "1", "--person", "2"}, "--person"},
        {{"match", m_file, "--group", "-1", "--person", "0"}, "--group"},
        {{"match", m_file, "--person", "0"}, "--group"},
        {{"match", "--group", "0", "--person", "0"}, "FILE"},
    };
    for (const auto& [args, says] : cases) {
        const auto run = RunCliCaptured(args);
        EXPECT_EQ(run.exitCode, 2) << says;
        EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
    }
    const auto missing =
        RunCliCaptured({"match", m_file + ".none", "--group", "0", "--person", "0"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("no file"), std::string::npos);
    EXPECT_FALSE(fs::exists(m_file + ".none"));
}

TEST_F(CliMatch, GroupReport) {
    const fs::path out = m_folder.path() / "g.htm";
    const auto run =
        RunCliCaptured({"report", "group", m_file, "--group", "0", "--person", "1", "--pattern",
                        "8", "--age", "20-35", "--today", "2030-01-01", "-o", out.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, out.string() + "\n");
    const std::string page = vitalune::test::ReadTestFile(out);
    EXPECT_NE(page.find("Limit age:&nbsp;</b></td><td width=\"534\">From 20 to 35 years</td>"),
              std::string::npos);
    EXPECT_EQ(page.find("Old"), std::string::npos);

    const fs::path none = m_folder.path() / "none.htm";
    const auto nobody = RunCliCaptured({"report", "group", m_file, "--group", "0", "--person", "1",
                                        "--ratings", "4,4,4", "-o", none.string()});
    EXPECT_EQ(nobody.exitCode, 1);
    EXPECT_NE(nobody.err.find("Group report is not available"), std::string::npos);
    EXPECT_FALSE(fs::exists(none));

    const auto failed = RunCliCaptured({"report", "group", m_file, "--group", "0", "--person", "1",
                                        "-o", (out / "x.htm").string()});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("Unable to create file"), std::string::npos);
}

TEST_F(CliMatch, PersonalReportFromTheFileOrFromDates) {
    const fs::path out = m_folder.path() / "p.htm";
    const auto run = RunCliCaptured({"report", "personal", m_file, "--group", "0", "--person", "1",
                                     "--with-group", "1", "--with-person", "1", "--scheme", "stars",
                                     "--data-dir", m_folder.path().string(), "-o", out.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string page = vitalune::test::ReadTestFile(out);
    EXPECT_NE(page.find("and Jo, 22 Dec 1999"), std::string::npos);
    EXPECT_NE(page.find((m_folder.path() / "Pict/one_2.gif").string()), std::string::npos);

    const fs::path dates = m_folder.path() / "d.htm";
    const auto byDates = RunCliCaptured(
        {"report", "personal", "--name", "Ann", "--birth", "2000-01-01", "--name2", "Bo",
         "--birth2", "11.01.2000", "--data-dir", m_folder.path().string(), "-o", dates.string()});
    ASSERT_EQ(byDates.exitCode, 0) << byDates.err;
    EXPECT_NE(vitalune::test::ReadTestFile(dates).find("and Bo, 11 Jan 2000"), std::string::npos);

    EXPECT_EQ(RunCliCaptured({"report", "personal", m_file, "--group", "0", "--person", "1",
                              "--with-group", "1", "--with-person", "0", "--name", "x"})
                  .exitCode,
              2);
    EXPECT_EQ(
        RunCliCaptured({"report", "personal", "--name", "Ann", "--birth", "2000-01-01"}).exitCode,
        2);
    EXPECT_EQ(RunCliCaptured({"report", "personal", "--name", "A", "--birth", "2000-01-01",
                              "--name2", "B", "--birth2", "2000-01-02", "--scheme", "moons"})
                  .exitCode,
              2);
}

}  // namespace
}  // namespace vitalune::cli
