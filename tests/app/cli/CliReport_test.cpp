#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "core/files/AtomicFile.h"
#include "support/TempFolder.h"

namespace vitalune::cli {
namespace {

namespace fs = std::filesystem;
using test::RunCliCaptured;

TEST(CliDayInfo, ViewsAndNotesAsJson) {
    const auto run = RunCliCaptured({"dayinfo", "--birth", "1980-01-05", "--date", "1980-01-05",
                                     "--name", "Anna", "--seed", "7", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with(
        "{\"reportDate\":\"1980-01-05\",\"daysLived\":0,\"views\":[{\"mode\":1,\"view\":"
        "\"Primary\",\"headings\":[\"Primary rhythms on 05 Jan 1980\",\"for Anna\"],\"groups\":"
        "[{\"title\":\"\",\"rows\":[{\"label\":\"Physical\",\"value\":57,\"cycle\":\"1/23\","
        "\"tide\":\"rising\",\"critical\":1,\"weather\":1},"))
        << run.out;
    EXPECT_NE(run.out.find("{\"label\":\"Overall\",\"value\":56,\"critical\":4,\"weather\":1}"),
              std::string::npos);
    EXPECT_NE(run.out.find("\"notes\":[{\"heading\":\"+ + + +\"},{\"body\":"), std::string::npos);
    EXPECT_NE(run.out.find("{\"heading\":\"Intuitive instability\"}"), std::string::npos);
    EXPECT_EQ(run.out.find("Compatibility"), std::string::npos);  // no second person
    EXPECT_EQ(run.out.find("\"mode\":5"), std::string::npos);
    // The same seed gives the same choice.
    EXPECT_EQ(RunCliCaptured({"dayinfo", "--birth", "1980-01-05", "--date", "1980-01-05", "--name",
                              "Anna", "--seed", "7", "--json"})
                  .out,
              run.out);

    const auto pair = RunCliCaptured({"dayinfo", "--birth", "2000-01-01", "--date", "2024-03-01",
                                      "--birth2", "2000-01-11", "--json", "--seed", "1"});
    ASSERT_EQ(pair.exitCode, 0) << pair.err;
    EXPECT_NE(pair.out.find("{\"mode\":4,\"view\":\"Compatibility\",\"headings\":[\"Compatibility "
                            "report\",\"for \",\"and \"],\"groups\":[{\"title\":\"Basic rhythms\","
                            "\"rows\":[{\"label\":\"Physical\",\"value\":13,\"rating\":\"None\"}"),
              std::string::npos)
        << pair.out;
    EXPECT_NE(pair.out.find("\"mode\":5,\"view\":\"Interaction\""), std::string::npos);
    EXPECT_NE(pair.out.find("\"compatibilityNotes\":[{\"heading\":\"All three primary rhythms "
                            "are incompatible\"}"),
              std::string::npos);
}

TEST(CliDayInfo, TextAndErrors) {
    const auto run =
        RunCliCaptured({"dayinfo", "--birth", "1980-01-05", "--date", "1980-01-16", "--seed", "3"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("Primary rhythms on 16 Jan 1980"), std::string::npos);
    EXPECT_NE(run.out.find("Wisdom = Emotional + Intellectual"), std::string::npos);
    EXPECT_NE(run.out.find("[Physical instability]"), std::string::npos);
    EXPECT_EQ(RunCliCaptured({"dayinfo", "--birth", "1980-01-05", "--date", "x"}).exitCode, 2);
    const auto seed = RunCliCaptured(
        {"dayinfo", "--birth", "1980-01-05", "--date", "1980-01-05", "--seed", "-1"});
    EXPECT_EQ(seed.exitCode, 2);
    EXPECT_NE(seed.err.find("--seed"), std::string::npos);
}

TEST(CliForecast, JsonOfKnownCriticalDays) {
    const auto run = RunCliCaptured({"forecast", "--birth", "1980-01-05", "--start", "1980-01-05",
                                     "--kind", "critical", "--results", "3", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "{\"hits\":[{\"date\":\"1980-01-05\",\"percent\":[57,56,55,54],\"overall\":56,"
              "\"critical\":[true,true,true,true]},{\"date\":\"1980-01-16\",\"percent\":[50,76,91,"
              "97],\"overall\":72,\"critical\":[true,false,false,false]},{\"date\":\"1980-01-19\","
              "\"percent\":[14,44,68,84],\"overall\":42,\"critical\":[false,true,false,false]}],"
              "\"endDate\":\"1980-01-19\"}\n");
}

TEST(CliForecast, OptionsMirrorTheCriteria) {
    const auto count = [](const std::vector<std::string>& args) {
        auto full = std::vector<std::string>{"forecast", "--birth",    "1980-01-05",
                                             "--start",  "2024-01-01", "--json"};
        full.insert(full.end(), args.begin(), args.end());
        const auto run = RunCliCaptured(full);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        std::size_t n = 0;
        for (auto at = run.out.find("\"date\""); at != std::string::npos;
             at = run.out.find("\"date\"", at + 1)) {
            ++n;
        }
        return n;
    };
    const std::size_t sunnyOr = count(
        {"--kind", "sunny", "--rhythm", "physical", "--rhythm", "emotional:1", "--months", "6"});
    const std::size_t sunnyAnd = count({"--kind", "sunny", "--rhythm", "physical", "--rhythm",
                                        "emotional:1", "--and", "--months", "6"});
    EXPECT_GT(sunnyOr, sunnyAnd);
    EXPECT_GT(sunnyAnd, 0u);
    // Amounts are normalised: 0 results gives one, 150 gives the cap.
    EXPECT_EQ(count({"--kind", "rainy", "--results", "0"}), 1u);
    EXPECT_EQ(count({"--kind", "rainy", "--overall-level", "2", "--results", "150"}), 100u);
    EXPECT_EQ(count({"--kind", "stress", "--stress", "women", "--results", "5"}), 5u);

    const auto empty = RunCliCaptured({"forecast", "--birth", "1980-01-05", "--start", "1980-01-05",
                                       "--kind", "stress", "--months", "1"});
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, "Nothing was found. Try to change the search options.\n");

    const auto last = RunCliCaptured({"forecast", "--birth", "1980-01-05", "--start", "9999-12-20",
                                      "--kind", "sunny", "--overall-level", "2", "--json"});
    EXPECT_TRUE(last.out.ends_with("\"endDate\":\"9999-12-31\"}\n")) << last.out;
    EXPECT_NE(last.err.find("31 Dec 9999"), std::string::npos);
}

TEST(CliForecast, BadOptionsSayWhy) {
    const auto usage = [](const std::vector<std::string>& extra) {
        auto args =
            std::vector<std::string>{"forecast", "--birth", "1980-01-05", "--start", "2024-01-01"};
        args.insert(args.end(), extra.begin(), extra.end());
        const auto run = RunCliCaptured(args);
        EXPECT_EQ(run.exitCode, 2) << run.out;
        return run.err;
    };
    EXPECT_NE(usage({"--kind", "cloudy"}).find("not one of sunny"), std::string::npos);
    EXPECT_NE(usage({"--kind", "critical", "--rhythm", "physical:1"}).find("takes no level"),
              std::string::npos);
    EXPECT_NE(usage({"--kind", "sunny", "--rhythm", "physical:3"}).find("level item"),
              std::string::npos);
    EXPECT_NE(usage({"--kind", "sunny", "--rhythm", "wisdom"}).find("wisdom"), std::string::npos);
    EXPECT_NE(usage({"--kind", "sunny", "--and", "--or"}).find("exclude"), std::string::npos);
    EXPECT_NE(usage({"--kind", "sunny", "--results", "5", "--months", "2"}).find("exclude"),
              std::string::npos);
    EXPECT_NE(usage({"--kind", "sunny", "--stress", "men"}).find("--stress"), std::string::npos);
    EXPECT_NE(usage({"--kind", "stress", "--rhythm", "physical"}).find("stress"),
              std::string::npos);
    EXPECT_NE(usage({"--kind", "sunny", "--months", "-2"}).find("--months"), std::string::npos);
    EXPECT_NE(usage({}).find("--kind is required"), std::string::npos);
}

TEST(CliReport, WritesTheReportsAsTheProgramDoes) {
    vitalune::test::TempFolder folder;
    const fs::path data = folder.path() / "data";
    const auto day =
        RunCliCaptured({"report", "dayinfo", "--birth", "1970-01-05", "--date", "2024-04-01",
                        "--name", "Anna <&>", "--seed", "2", "--data-dir", data.string()});
    ASSERT_EQ(day.exitCode, 0) << day.err;
    EXPECT_EQ(day.out, (data / "dayinfo.htm").string() + "\n");
    std::string page;
    ASSERT_TRUE(ReadWholeFile(data / "dayinfo.htm", page));
    EXPECT_NE(page.find("Created for: Anna &lt;&amp;&gt;, 05 Jan 1970"), std::string::npos);
    EXPECT_NE(page.find("src=\"" + data.string() + "/Pict/"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(data / "Pict"));

    // -o FILE puts the page elsewhere; its pictures stay in the data folder.
    const fs::path out = folder.path() / "elsewhere.htm";
    const auto forecast =
        RunCliCaptured({"report", "forecast", "--birth", "1970-01-05", "--start", "2024-01-01",
                        "--kind", "critical", "--rhythm", "physical", "--results", "4", "--name",
                        "Anna", "--data-dir", data.string(), "-o", out.string()});
    ASSERT_EQ(forecast.exitCode, 0) << forecast.err;
    ASSERT_TRUE(ReadWholeFile(out, page));
    EXPECT_NE(page.find("<b>Results shown:&nbsp;</b></td><td width=\"534\">4</td>"),
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
    EXPECT_NE(failed.err.find("Unable to create a file" + blocked), std::string::npos)
        << failed.err;

    EXPECT_EQ(RunCliCaptured({"report", "group"}).exitCode, 2);
    EXPECT_EQ(RunCliCaptured({"report"}).exitCode, 2);
    EXPECT_EQ(
        RunCliCaptured({"report", "dayinfo", "--birth", "1970-01-05", "--date", "2024-04-01"}).err,
        "vitalune-cli report: --name is required\n");
    const auto help = RunCliCaptured({"report", "--help"});
    EXPECT_TRUE(help.out.starts_with("Usage: vitalune-cli report KIND"));
    EXPECT_NE(help.out.find("report forecast"), std::string::npos);
}

}  // namespace
}  // namespace vitalune::cli
