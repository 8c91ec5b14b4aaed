// Commands that write files: where they go, and that a failure leaves what was there.
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
    EXPECT_NE(run.out.find("1 new groups, 1 invalid lines dropped"), std::string::npos) << run.out;
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

TEST_F(CliFiles, ReportsGoToTheDataFolderOrElsewhere) {
    const std::string data = Path("data");
    const struct {
        std::vector<std::string> args;
        std::string file;
        std::string_view holds;
    } reports[] = {
        {{"report", "dayinfo", "--birth", "1970-01-05", "--date", "2024-04-01", "--name",
          "Anna <&>", "--data-dir", data},
         data + "/dayinfo.htm",
         "Created for: Anna &lt;&amp;&gt;, 05 Jan 1970"},
        {{"report", "forecast", "--birth", "1970-01-05", "--start", "2024-01-01", "--kind",
          "critical", "--results", "4", "--name", "Anna", "--data-dir", data, "-o", Path("f.htm")},
         Path("f.htm"),
         "Results shown:&nbsp;</b></td><td width=\"534\">4<"},
        {{"report", "group", m_names, "--group", "0", "--person", "0", "--pattern", "8", "--age",
          "20-35", "--today", "2030-01-01", "-o", Path("g.htm")},
         Path("g.htm"),
         "Limit age:&nbsp;</b></td><td width=\"534\">From 20 to 35 years<"},
        {{"report", "personal", m_names, "--group", "0", "--person", "0", "--with-group", "1",
          "--with-person", "0", "--scheme", "stars", "--data-dir", data, "-o", Path("p.htm")},
         Path("p.htm"),
         "and Jo, 22 Dec 1999"},
        {{"report", "personal", "--name", "Ann", "--birth", "2000-01-01", "--name2", "Bo",
          "--birth2", "11.01.2000", "--data-dir", data, "-o", Path("d.htm")},
         Path("d.htm"),
         "and Bo, 11 Jan 2000"},
    };
    for (const auto& report : reports) {
        const auto run = RunCliCaptured(report.args);
        ASSERT_EQ(run.exitCode, 0) << report.file << ": " << run.err;
        EXPECT_EQ(run.out, report.file + "\n");
        EXPECT_NE(ReadTestFile(report.file).find(report.holds), std::string::npos) << report.file;
    }
    // The pictures stay in the data folder, wherever the page goes.
    EXPECT_NE(ReadTestFile(data + "/dayinfo.htm").find("src=\"" + data + "/Pict/"),
              std::string::npos);
    EXPECT_NE(ReadTestFile(Path("p.htm")).find(data + "/Pict/one_2.gif"), std::string::npos);
    EXPECT_FALSE(fs::exists(data + "/forecast.htm"));
    EXPECT_EQ(ReadTestFile(Path("g.htm")).find("Old"), std::string::npos);
}

}  // namespace
}  // namespace vitalune::cli
