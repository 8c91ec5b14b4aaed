// Each command's arguments, exit code and output; what the output says is the core's and
// is tested there.
#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "app/cli/Json.h"
#include "core/files/AtomicFile.h"
#include "support/TempFolder.h"

namespace vitalune::cli {
namespace {

using test::RunCliCaptured;

struct Case {
    std::vector<std::string> args;  // %names and %bad stand for the two files below
    int exitCode;
    std::string_view out;  // the output holds this
    std::string_view err;  // and the error output this
    std::string_view input = {};
};

const Case kCases[] = {
    {{"--version"}, 0, "vitalune-cli 3.04\n", ""},
    {{"--help"}, 0, "  compat", ""},
    {{"day", "--help"}, 0, "Usage: vitalune-cli day", ""},
    {{"dance"}, 2, "", "unknown command \"dance\""},
    {{}, 2, "", ""},
    // day
    {{"day", "--birth", "1980-01-05", "--date", "05.01.1980", "--json"},
     0,
     "{\"daysLived\":0,\"percent\":[57,56,55,54],\"overall\":56,"
     "\"critical\":[true,true,true,true],\"criticalCount\":4}\n",
     ""},
    {{"day", "--birth=1980-01-05", "--date=1980-01-16", "--json", "--iching"},
     0,
     ",\"criticalCount\":1,\"ichingPercent\":[100,100,99]}\n",
     ""},
    {{"day", "--birth", "1980-01-05", "--date", "1980-01-16"},
     0,
     "Physical           50%  yes",
     ""},
    {{"day", "--birth", "1990-04-31", "--date", "2020-01-01"},
     2,
     "",
     "vitalune-cli day: --birth: \"1990-04-31\" is not a date: there is no day 31 in April "
     "1990\n"},
    {{"day", "--birth", "1990-04-01"}, 2, "", "--date is required"},
    {{"day", "--birth"}, 2, "", "vitalune-cli day: --birth needs a value\n"},
    {{"day", "--colour", "red"}, 2, "", "unknown option --colour"},
    {{"day", "--json=yes"}, 2, "", "--json takes no value"},
    // A bad line of a batch is reported in its place and the rest goes on.
    {{"day", "--json"},
     1,
     "{\"daysLived\":0,\"percent\":[57,56,55,54],\"overall\":56,\"critical\":[true,true,true,true],"
     "\"criticalCount\":4}\n{\"error\":\"birth: \\\"not-a-date\\\" is not a date: expected "
     "YYYY-MM-DD or DD.MM.YYYY\"}\n{\"daysLived\":12,",
     "",
     "1980-01-05 1980-01-05\n\r\nnot-a-date 1980-01-01\n1980-01-05 1980-01-17\r\n1980-01-05\n"},
    {{"day", "--json"}, 0, "{\"daysLived\":31,", "", "2000-01-01 2000-02-01\n"},
    // compat
    {{"compat", "--birth", "2000-01-01", "--birth2", "2000-01-11", "--json"},
     0,
     "{\"values\":[13,29,39,47,27,53,58,62],\"ratings\":[\"None\",\"Weak\",\"Weak\",\"Weak\"],"
     "\"combination\":0,\"title\":\"All three primary rhythms are incompatible\",\"body\":\"",
     ""},
    {{"compat", "--json"},
     1,
     "\n{\"error\":\"birth2: \\\"x\\\" is not a date",
     "",
     "2000-01-01 2000-01-11\n2000-01-01 x\n"},
    {{"compat", "--birth", "2000-01-01"}, 2, "", "--birth2 is required"},
    // dayinfo
    {{"dayinfo", "--birth", "1980-01-05", "--date", "1980-01-05", "--name", "Anna", "--json"},
     0,
     "{\"reportDate\":\"1980-01-05\",\"daysLived\":0,\"views\":[{\"mode\":1,\"view\":\"Primary\","
     "\"headings\":[\"Primary rhythms on 05 Jan 1980\",\"for Anna\"],\"groups\":[{\"title\":\"\","
     "\"rows\":[{\"label\":\"Physical\",\"value\":57,\"cycle\":\"1/23\",\"tide\":\"rising\","
     "\"critical\":1,\"weather\":1},",
     ""},
    {{"dayinfo", "--birth", "2000-01-01", "--date", "2024-03-01", "--birth2", "2000-01-11",
      "--json"},
     0,
     "{\"mode\":4,\"view\":\"Compatibility\",\"headings\":[\"Compatibility report\",\"for \","
     "\"and \"],\"groups\":[{\"title\":\"Basic rhythms\",\"rows\":[{\"label\":\"Physical\","
     "\"value\":13,\"rating\":\"None\"}",
     ""},
    {{"dayinfo", "--birth", "1980-01-05", "--date", "1980-01-16", "--seed", "3"},
     0,
     "[Physical instability]",
     ""},
    {{"dayinfo", "--birth", "1980-01-05", "--date", "x"}, 2, "", "--date: \"x\" is not a date"},
    {{"dayinfo", "--birth", "1980-01-05", "--date", "1980-01-05", "--seed", "-1"}, 2, "", "--seed"},
    // forecast
    {{"forecast", "--birth", "1980-01-05", "--start", "1980-01-05", "--kind", "critical",
      "--results", "2", "--json"},
     0,
     "{\"hits\":[{\"date\":\"1980-01-05\",\"percent\":[57,56,55,54],\"overall\":56,\"critical\":"
     "[true,true,true,true]},{\"date\":\"1980-01-16\",\"percent\":[50,76,91,97],\"overall\":72,"
     "\"critical\":[true,false,false,false]}],\"endDate\":\"1980-01-16\"}\n",
     ""},
    {{"forecast", "--birth", "1980-01-05", "--start", "1980-01-05", "--kind", "stress", "--months",
      "1"},
     0,
     "Nothing was found. Try to change the search options.\n",
     ""},
    {{"forecast", "--birth", "1980-01-05", "--start", "9999-12-20", "--kind", "sunny",
      "--overall-level", "2", "--json"},
     0,
     "\"endDate\":\"9999-12-31\"}\n",
     "31 Dec 9999"},
    {{"forecast", "--birth", "1980-01-05", "--start", "2024-01-01"}, 2, "", "--kind is required"},
    // birthdays, db
    {{"birthdays", "%names", "--date", "2030-01-05"},
     0,
     "Friends\n  F  Bea  05 Jan 2000\n  M  Old  05 Jan 1950\n\n",
     ""},
    {{"birthdays", "%names", "--date", "05.01.2030", "--json"},
     0,
     "{\"date\":\"2030-01-05\",\"groups\":[{\"entry\":\"Friends|3\",\"persons\":[{\"name\":\"Bea\","
     "\"sex\":\"F\",\"birth\":\"2000-01-05\"},",
     ""},
    {{"birthdays", "%names", "--date", "2030-03-01"}, 0, "Nobody found\n", ""},
    {{"birthdays", "%names", "--date", "2030-03-01", "--json"},
     0,
     "{\"date\":\"2030-03-01\",\"groups\":[]}\n",
     ""},
    {{"birthdays", "%names"}, 2, "", "--date is required"},
    {{"db", "check", "%names"},
     0,
     "Groups: 2, persons: 6\n  Friends|3: 4 persons\n  Work|5: 2 persons\nDropped lines: 0\n",
     ""},
    {{"db", "check", "%bad"},
     1,
     "Groups: 1, persons: 1\n  Friends|2: 1 person\nDropped lines: 2\n"
     "  line 1: before the first group header: stray\n"
     "  line 3: no valid date of birth: Eve|31.04.1990|F\n",
     ""},
    {{"db", "check", "%names.none"}, 1, "", "no file"},
    {{"db", "check"}, 2, "", ""},
    {{"db", "frobnicate"}, 2, "", ""},
    {{"db", "list", "%names", "--json"},
     0,
     "{\"groups\":[{\"entry\":\"Friends|3\",\"persons\":[\"Ada|02.01.2000|F\",",
     ""},
    {{"db", "list", "%names", "--group", "Work"},
     0,
     "#Work|5\nBase|01.01.2000|M\nJo|22.12.1999|F\n",
     ""},
    {{"db", "list", "%names", "--group", "work"}, 1, "", "no group \"work\""},
    // match
    {{"match", "%names", "--group", "0", "--person", "1", "--pattern", "8", "--sort",
      "compatibility", "--json"},
     0,
     "{\"entries\":[{\"kind\":\"0\",\"name\":\"Friends|3\"},{\"kind\":\"F\",\"name\":\"Ada\","
     "\"dob\":\"02.01.2000\",\"compat\":[91,93,94,95,93,95,96,96]},",
     ""},
    {{"match", "%names", "--group", "0", "--person", "1", "--pattern", "8", "--in-group", "1"},
     0,
     "Main person: Base, 01 Jan 2000\n\nWork\n  Base (M, 01 Jan 2000): Physical 100%, Emotional "
     "100%, Intellectual 100%, Overall 100%\n  Jo (F, 22 Dec 1999): Physical 13%, Emotional 29%, "
     "Intellectual 39%, Overall 27%\n\nFound 2 results\n",
     ""},
    {{"match", "%names", "--group", "0", "--person", "1", "--ratings", "4,4,4", "--json"},
     0,
     "{\"entries\":[{\"kind\":\"2\",\"name\":\"Nobody found\"}],\"found\":0}\n",
     ""},
    {{"match", "%names.none", "--group", "0", "--person", "0"}, 1, "", "no file"},
    {{"match", "--group", "0", "--person", "0"}, 2, "", "FILE"},
    {{"match", "%names", "--person", "0"}, 2, "", "--group is required"},
    // report
    {{"report", "--help"}, 0, "Usage: vitalune-cli report KIND", ""},
    {{"report"}, 2, "", ""},
    {{"report", "group"}, 2, "", ""},
    {{"report", "dayinfo", "--birth", "1970-01-05", "--date", "2024-04-01"},
     2,
     "",
     "vitalune-cli report: --name is required\n"},
};

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(WriteFileAtomically(m_names,
                                        "#Friends|3\r\nAda|02.01.2000|F\r\nBase|01.01.2000|M\r\n"
                                        "Bea|05.01.2000|F\r\nOld|05.01.1950|M\r\n"
                                        "#Work|5\r\nBase|01.01.2000|M\r\nJo|22.12.1999|F\r\n"));
        ASSERT_TRUE(
            WriteFileAtomically(m_bad, "stray\n#Friends\nEve|31.04.1990|F\nAnn|05.01.1980|F\n"));
    }
    test::CliRun Run(std::vector<std::string> args, std::string_view input = {}) {
        for (std::string& arg : args) {
            if (arg.starts_with("%names")) {
                arg = m_names + arg.substr(6);
            } else if (arg == "%bad") {
                arg = m_bad;
            }
        }
        return RunCliCaptured(args, std::string{input});
    }
    static std::string Line(const std::vector<std::string>& args) {
        std::string line;
        for (const std::string& arg : args) {
            line += arg + " ";
        }
        return line;
    }
    vitalune::test::TempFolder m_folder;
    std::string m_names = (m_folder.path() / "names.rec").string();
    std::string m_bad = (m_folder.path() / "bad.rec").string();
};

TEST_F(CliTest, CommandsAnswerWithTheirExitCodeAndOutput) {
    for (const Case& c : kCases) {
        const auto run = Run(c.args, c.input);
        EXPECT_EQ(run.exitCode, c.exitCode) << Line(c.args) << "\n" << run.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << Line(c.args) << "\n" << run.out;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << Line(c.args) << "\n" << run.err;
        if (c.exitCode == kExitUsage) {
            EXPECT_TRUE(run.out.empty()) << Line(c.args);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(m_names + ".none"));  // checking creates nothing
}

// Each option reaches the search: the number found changes with it.
TEST_F(CliTest, OptionsMirrorTheCriteria) {
    const auto found = [&](std::vector<std::string> more) {
        std::vector<std::string> args{"match", "%names", "--group", "0", "--person", "1", "--json"};
        args.insert(args.end(), more.begin(), more.end());
        const auto run = Run(args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        const auto at = run.out.rfind("\"found\":");
        return at == std::string::npos ? -1 : std::stoi(run.out.substr(at + 8));
    };
    EXPECT_EQ(found({}), 2);  // Ideal match: Ada and Work's Base
    EXPECT_EQ(found({"--pattern", "1", "--exact"}), 1);
    EXPECT_EQ(found({"--pattern", "8", "--sex", "female"}), 3);
    EXPECT_EQ(found({"--pattern", "8", "--in-group", "1", "--sex", "Female"}), 1);
    EXPECT_EQ(found({"--pattern", "7", "--ratings", "2,1,0"}), 3);  // the ratings win
    EXPECT_EQ(found({"--pattern", "8", "--age", "75-80", "--today", "2030-06-01"}), 1);
    EXPECT_EQ(found({"--pattern", "8", "--age", "75-80", "--today", "2031-01-01"}), 0);

    const auto hits = [&](std::vector<std::string> more) {
        std::vector<std::string> args{"forecast", "--birth",    "1980-01-05",
                                      "--start",  "2024-01-01", "--json"};
        args.insert(args.end(), more.begin(), more.end());
        const auto run = Run(args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        std::size_t n = 0;
        for (auto at = run.out.find("\"date\""); at != std::string::npos;
             at = run.out.find("\"date\"", at + 1)) {
            ++n;
        }
        return n;
    };
    const std::vector<std::string> sunny{"--kind",   "sunny",       "--rhythm", "physical",
                                         "--rhythm", "emotional:1", "--months", "6"};
    std::vector<std::string> sunnyAnd = sunny;
    sunnyAnd.push_back("--and");
    EXPECT_GT(hits(sunny), hits(sunnyAnd));
    EXPECT_GT(hits(sunnyAnd), 0u);
    EXPECT_EQ(hits({"--kind", "stress", "--stress", "women", "--results", "5"}), 5u);
}

TEST_F(CliTest, BadOptionsSayWhy) {
    const std::vector<std::string> forecast{"forecast", "--birth", "1980-01-05", "--start",
                                            "2024-01-01"};
    const std::vector<std::string> match{"match", "%names", "--group", "0", "--person", "1"};
    const std::tuple<const std::vector<std::string>&, std::vector<std::string>, std::string_view>
        cases[] = {
            {forecast, {"--kind", "cloudy"}, "not one of sunny"},
            {forecast, {"--kind", "critical", "--rhythm", "physical:1"}, "takes no level"},
            {forecast, {"--kind", "sunny", "--rhythm", "physical:3"}, "level item"},
            {forecast, {"--kind", "sunny", "--rhythm", "wisdom"}, "wisdom"},
            {forecast, {"--kind", "sunny", "--and", "--or"}, "exclude"},
            {forecast, {"--kind", "sunny", "--results", "5", "--months", "2"}, "exclude"},
            {forecast, {"--kind", "sunny", "--stress", "men"}, "--stress"},
            {forecast, {"--kind", "stress", "--rhythm", "physical"}, "stress"},
            {forecast, {"--kind", "critical", "--overall-level", "1"}, "--overall-level"},
            {forecast, {"--kind", "sunny", "--months", "-2"}, "--months"},
            {match, {"--pattern", "9"}, "--pattern"},
            {match, {"--ratings", "1,2"}, "--ratings"},
            {match, {"--ratings", "1,2,5"}, "--ratings"},
            {match, {"--ratings", "1,2,3,4"}, "--ratings"},
            {match, {"--age", "20-20"}, "--age"},
            {match, {"--age", "21-30"}, "--age"},
            {match, {"--age", "0-100"}, "--age"},
            {match, {"--age", "30"}, "--age"},
            {match, {"--sex", "x"}, "--sex"},
            {match, {"--sort", "age"}, "--sort"},
            {match, {"--in-group", "2"}, "--in-group"},
            {match, {"--today", "2030-02-30"}, "--today"},
            {match, {"--group", "2"}, "--group"},
            {match, {"--person", "4"}, "--person"},
            {match, {"--group", "-1"}, "--group"},
        };
    for (const auto& [start, more, says] : cases) {
        std::vector<std::string> args = start;
        args.insert(args.end(), more.begin(), more.end());
        const auto run = Run(args);
        EXPECT_EQ(run.exitCode, 2) << Line(args);
        EXPECT_NE(run.err.find(says), std::string::npos) << Line(args) << "\n" << run.err;
    }
}

TEST(Json, StringsStayValid) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"\n\r\t", "\"\\n\\r\\t\""},
        {std::string_view{"\0", 1}, "\"\\u0000\""},
        {"\x01", "\"\\u0001\""},
        {"\b", "\"\\u0008\""},
        {"\x1F", "\"\\u001f\""},
        {" ~\x7F", "\" ~\x7F\""},
        {"Jos\xC3\xA9", "\"Jos\xC3\xA9\""},
        {"Jos\xE9", "\"Jos\xEF\xBF\xBD\""},                            // a lone windows-1252 byte
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // a surrogate
    };
    for (const auto& [text, json] : cases) {
        EXPECT_EQ(JsonString(text), json);
    }
}

}  // namespace
}  // namespace vitalune::cli
