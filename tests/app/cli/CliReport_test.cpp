#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "core/files/AtomicFile.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune::cli {
namespace {

namespace fs = std::filesystem;
using test::RunCliCaptured;

// `forecast --birth 1980-01-05 --start 2024-01-01` with more options.
test::CliRun Forecast(const std::vector<std::string>& more) {
    std::vector<std::string> args{"forecast", "--birth", "1980-01-05", "--start", "2024-01-01"};
    args.insert(args.end(), more.begin(), more.end());
    return RunCliCaptured(args);
}

std::size_t HitCount(const test::CliRun& run) {
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::size_t n = 0;
    for (auto at = run.out.find("\"date\""); at != std::string::npos;
         at = run.out.find("\"date\"", at + 1)) {
        ++n;
    }
    return n;
}

TEST(CliDayInfo, ViewsAsJsonTextAndErrors) {
    const std::vector<std::string> args{"dayinfo", "--birth", "1980-01-05", "--date", "1980-01-05",
                                        "--name",  "Anna",    "--seed",     "7",      "--json"};
    const auto run = RunCliCaptured(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with(
        "{\"reportDate\":\"1980-01-05\",\"daysLived\":0,\"views\":[{\"mode\":1,\"view\":"
        "\"Primary\",\"headings\":[\"Primary rhythms on 05 Jan 1980\",\"for Anna\"],\"groups\":"
        "[{\"title\":\"\",\"rows\":[{\"label\":\"Physical\",\"value\":57,\"cycle\":\"1/23\","
        "\"tide\":\"rising\",\"critical\":1,\"weather\":1},"))
        << run.out;
    EXPECT_NE(run.out.find("\"notes\":[{\"heading\":\"+ + + +\"},{\"body\":"), std::string::npos);
    EXPECT_EQ(run.out.find("\"mode\":4"), std::string::npos);  // no second person
    EXPECT_EQ(RunCliCaptured(args).out, run.out);              // the same seed, the same text

    const auto pair = RunCliCaptured({"dayinfo", "--birth", "2000-01-01", "--date", "2024-03-01",
                                      "--birth2", "2000-01-11", "--json", "--seed", "1"});
    ASSERT_EQ(pair.exitCode, 0) << pair.err;
    EXPECT_NE(pair.out.find("{\"mode\":4,\"view\":\"Compatibility\",\"headings\":[\"Compatibility "
                            "report\",\"for \",\"and \"],\"groups\":[{\"title\":\"Basic rhythms\","
                            "\"rows\":[{\"label\":\"Physical\",\"value\":13,\"rating\":\"None\"}"),
              std::string::npos)
        << pair.out;
    EXPECT_NE(pair.out.find("\"mode\":5,\"view\":\"Interaction\""), std::string::npos);
    EXPECT_NE(pair.out.find("\"compatibilityNotes\":[{\"heading\":"), std::string::npos);

    const auto text =
        RunCliCaptured({"dayinfo", "--birth", "1980-01-05", "--date", "1980-01-16", "--seed", "3"});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("Primary rhythms on 16 Jan 1980"), std::string::npos);
    EXPECT_NE(text.out.find("[Physical instability]"), std::string::npos);
    const auto seed = RunCliCaptured(
        {"dayinfo", "--birth", "1980-01-05", "--date", "1980-01-05", "--seed", "-1"});
    EXPECT_EQ(seed.exitCode, 2);
    EXPECT_NE(seed.err.find("--seed"), std::string::npos);
}

TEST(CliForecast, JsonAndOptionsMirrorTheCriteria) {
    const auto run = RunCliCaptured({"forecast", "--birth", "1980-01-05", "--start", "1980-01-05",
                                     "--kind", "critical", "--results", "2", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "{\"hits\":[{\"date\":\"1980-01-05\",\"percent\":[57,56,55,54],\"overall\":56,"
              "\"critical\":[true,true,true,true]},{\"date\":\"1980-01-16\",\"percent\":[50,76,91,"
              "97],\"overall\":72,\"critical\":[true,false,false,false]}],"
              "\"endDate\":\"1980-01-16\"}\n");

    const std::vector<std::string> sunny{"--json",      "--kind",   "sunny",
                                         "--rhythm",    "physical", "--rhythm",
                                         "emotional:1", "--months", "6"};
    std::vector<std::string> sunnyAnd = sunny;
    sunnyAnd.push_back("--and");
    const std::size_t orHits = HitCount(Forecast(sunny));
    EXPECT_GT(orHits, HitCount(Forecast(sunnyAnd)));
    EXPECT_GT(HitCount(Forecast(sunnyAnd)), 0u);
    EXPECT_EQ(
        HitCount(Forecast({"--json", "--kind", "stress", "--stress", "women", "--results", "5"})),
        5u);

    EXPECT_EQ(RunCliCaptured({"forecast", "--birth", "1980-01-05", "--start", "1980-01-05",
                              "--kind", "stress", "--months", "1"})
                  .out,
              "Nothing was found. Try to change the search options.\n");
    const auto last = RunCliCaptured({"forecast", "--birth", "1980-01-05", "--start", "9999-12-20",
                                      "--kind", "sunny", "--overall-level", "2", "--json"});
    EXPECT_TRUE(last.out.ends_with("\"endDate\":\"9999-12-31\"}\n")) << last.out;
    EXPECT_NE(last.err.find("31 Dec 9999"), std::string::npos);
}

TEST(CliForecast, BadOptionsSayWhy) {
    const std::pair<std::vector<std::string>, std::string_view> cases[] = {
        {{"--kind", "cloudy"}, "not one of sunny"},
        {{"--kind", "critical", "--rhythm", "physical:1"}, "takes no level"},
        {{"--kind", "sunny", "--rhythm", "physical:3"}, "level item"},
        {{"--kind", "sunny", "--rhythm", "wisdom"}, "wisdom"},
        {{"--kind", "sunny", "--and", "--or"}, "exclude"},
        {{"--kind", "sunny", "--results", "5", "--months", "2"}, "exclude"},
        {{"--kind", "sunny", "--stress", "men"}, "--stress"},
        {{"--kind", "stress", "--rhythm", "physical"}, "stress"},
        {{"--kind", "critical", "--overall-level", "1"}, "--overall-level"},
        {{"--kind", "sunny", "--months", "-2"}, "--months"},
        {{}, "--kind is required"},
    };
    for (const auto& [args, says] : cases) {
        const auto run = Forecast(args);
        EXPECT_EQ(run.exitCode, 2) << says;
        EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
    }
}

TEST(CliReport, WritesTheReportsAsTheProgramDoes) {
    vitalune::test::TempFolder folder;
    const fs::path data = folder.path() / "data";
    const auto day =
        RunCliCaptured({"report", "dayinfo", "--birth", "1970-01-05", "--date", "2024-04-01",
                        "--name", "Anna <&>", "--seed", "2", "--data-dir", data.string()});
    ASSERT_EQ(day.exitCode, 0) << day.err;
    EXPECT_EQ(day.out, (data / "dayinfo.htm").string() + "\n");
    const std::string page = vitalune::test::ReadTestFile(data / "dayinfo.htm");
    EXPECT_NE(page.find("Created for: Anna &lt;&amp;&gt;, 05 Jan 1970"), std::string::npos);
    EXPECT_NE(page.find("src=\"" + data.string() + "/Pict/"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(data / "Pict"));

    // -o FILE puts the page elsewhere; its pictures stay in the data folder.
    const fs::path out = folder.path() / "elsewhere.htm";
    const auto forecast =
        RunCliCaptured({"report", "forecast", "--birth", "1970-01-05", "--start", "2024-01-01",
                        "--kind", "critical", "--results", "4", "--name", "Anna", "--data-dir",
                        data.string(), "-o", out.string()});
    ASSERT_EQ(forecast.exitCode, 0) << forecast.err;
    EXPECT_NE(
        vitalune::test::ReadTestFile(out).find("Results shown:&nbsp;</b></td><td width=\"534\">4<"),
        std::string::npos);
    EXPECT_FALSE(fs::exists(data / "forecast.htm"));
}

TEST(CliReport, FailuresAreReported) {
    vitalune::test::TempFolder folder;
    const std::string data = (folder.path() / "data").string();
    const auto nothing =
        RunCliCaptured({"report", "forecast", "--birth", "1980-01-05", "--start", "1980-01-05",
                        "--kind", "stress", "--months", "1", "--name", "Anna", "--data-dir", data});
    EXPECT_EQ(nothing.exitCode, 1);
    EXPECT_EQ(nothing.err,
              "vitalune-cli report forecast: Nothing was found. Try to change the search "
              "options.\n");
    EXPECT_FALSE(fs::exists(fs::path{data} / "forecast.htm"));

    ASSERT_TRUE(WriteFileAtomically(folder.path() / "file", "x"));
    const std::string blocked = (folder.path() / "file" / "day.htm").string();
    const auto failed =
        RunCliCaptured({"report", "dayinfo", "--birth", "1970-01-05", "--date", "2024-04-01",
                        "--name", "Anna", "--data-dir", data, "-o", blocked});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("Unable to create a file" + blocked), std::string::npos);

    EXPECT_EQ(RunCliCaptured({"report", "group"}).exitCode, 2);
    EXPECT_EQ(RunCliCaptured({"report"}).exitCode, 2);
    EXPECT_EQ(
        RunCliCaptured({"report", "dayinfo", "--birth", "1970-01-05", "--date", "2024-04-01"}).err,
        "vitalune-cli report: --name is required\n");
    const auto help = RunCliCaptured({"report", "--help"});
    EXPECT_TRUE(help.out.starts_with("Usage: vitalune-cli report KIND"));
}

}  // namespace
}  // namespace vitalune::cli
