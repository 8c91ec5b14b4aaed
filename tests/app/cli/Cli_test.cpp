#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "app/cli/Json.h"

namespace vitalune::cli {
namespace {

using test::RunCliCaptured;

std::vector<std::string> LinesOf(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(Cli, HelpVersionAndUnknownCommands) {
    auto run = RunCliCaptured({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("compat"), std::string::npos);
    EXPECT_EQ(RunCliCaptured({"--version"}).out, "vitalune-cli 3.04\n");
    run = RunCliCaptured({"day", "--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.starts_with("Usage: vitalune-cli day"));
    run = RunCliCaptured({"dance"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("unknown command"), std::string::npos);
    EXPECT_EQ(RunCliCaptured({}).exitCode, 2);
}

TEST(CliDay, JsonLineAndTable) {
    auto run = RunCliCaptured({"day", "--birth", "1980-01-05", "--date", "05.01.1980", "--json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "{\"daysLived\":0,\"percent\":[57,56,55,54],\"overall\":56,"
              "\"critical\":[true,true,true,true],\"criticalCount\":4}\n");
    run = RunCliCaptured({"day", "--birth=1980-01-05", "--date=1980-01-16", "--json", "--iching"});
    EXPECT_TRUE(run.out.starts_with("{\"daysLived\":11,")) << run.out;
    EXPECT_TRUE(run.out.ends_with(",\"ichingPercent\":[100,100,99]}\n")) << run.out;
    run = RunCliCaptured({"day", "--birth", "1980-01-05", "--date", "1980-01-16"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("Days lived     11"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Physical           50%  yes"), std::string::npos) << run.out;
}

TEST(CliDay, BatchGoesOnAfterABadLine) {
    const auto run = RunCliCaptured({"day", "--json"},
                                    "1980-01-05 1980-01-05\n\r\nnot-a-date 1980-01-01\n"
                                    "1980-01-05 1980-01-17\r\n1980-01-05\n");
    EXPECT_EQ(run.exitCode, 1);
    const auto out = LinesOf(run.out);
    ASSERT_EQ(out.size(), 4u) << run.out;
    EXPECT_TRUE(out[0].starts_with("{\"daysLived\":0,"));
    EXPECT_TRUE(out[1].starts_with("{\"error\":\"birth: \\\"not-a-date\\\" is not a date"));
    EXPECT_TRUE(out[2].starts_with("{\"daysLived\":12,"));
    EXPECT_TRUE(out[3].starts_with("{\"error\":"));
    EXPECT_EQ(RunCliCaptured({"day", "--json"}, "2000-01-01 2000-02-01\n").exitCode, 0);
}

TEST(CliDay, BadArgumentsSayWhichAndWhy) {
    auto run = RunCliCaptured({"day", "--birth", "1990-04-31", "--date", "2020-01-01"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err,
              "vitalune-cli day: --birth: \"1990-04-31\" is not a date: there is no day 31 in "
              "April 1990\n");
    EXPECT_TRUE(run.out.empty());
    const std::pair<std::vector<std::string>, std::string> usage[] = {
        {{"--birth", "1990-04-01", "--date", "10000-01-01"}, "--date: "},
        {{"--birth", "1990-04-01"}, "--date is required"},
        {{"--birth"}, "--birth needs a value"},
        {{"--colour", "red"}, "unknown option --colour"},
        {{"--json=yes"}, "--json takes no value"},
    };
    for (const auto& [args, says] : usage) {
        std::vector<std::string> full{"day"};
        full.insert(full.end(), args.begin(), args.end());
        run = RunCliCaptured(full);
        EXPECT_EQ(run.exitCode, 2) << says;
        EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
    }
}

TEST(CliCompat, JsonShapeBatchAndErrors) {
    auto run =
        RunCliCaptured({"compat", "--birth", "2000-01-01", "--birth2", "2000-01-11", "--json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.starts_with(
        "{\"values\":[13,29,39,47,27,53,58,62],\"ratings\":[\"None\",\"Weak\",\"Weak\",\"Weak\"],"
        "\"combination\":0,\"title\":\"All three primary rhythms are incompatible\",\"body\":\""))
        << run.out;
    EXPECT_NE(run.out.find("\",\"paragraphs\":[\"Incompatible physical"), std::string::npos);
    EXPECT_TRUE(run.out.ends_with("\"]}\n"));

    run = RunCliCaptured({"compat", "--json"}, "2000-01-01 2000-01-11\n2000-01-01 x\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("\n{\"error\":\"birth2: \\\"x\\\" is not a date"), std::string::npos);
    EXPECT_EQ(RunCliCaptured({"compat", "--birth", "2000-01-01"}).exitCode, 2);
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
