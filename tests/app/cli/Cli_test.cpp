#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "app/cli/Json.h"
#include "core/engine/Date.h"
#include "core/engine/DateInput.h"

namespace vitalune::cli {
namespace {

using Captured = test::CliRun;
Captured Cli(const std::vector<std::string>& args, const std::string& input = {}) {
    return test::RunCliCaptured(args, input);
}

TEST(CliDate, BothFormsAndTheirErrors) {
    EXPECT_EQ(std::get<std::int32_t>(ParseDateInput("2008-01-05")), EncodeDate(2008, 1, 5));
    EXPECT_EQ(std::get<std::int32_t>(ParseDateInput("05.01.2008")), EncodeDate(2008, 1, 5));
    EXPECT_EQ(std::get<std::int32_t>(ParseDateInput("0001-01-01")), kMinDay);
    EXPECT_EQ(std::get<std::int32_t>(ParseDateInput("31.12.9999")), kMaxDay);
    EXPECT_EQ(std::get<std::string>(ParseDateInput("2008-1-5")),
              "expected YYYY-MM-DD or DD.MM.YYYY");
    EXPECT_EQ(std::get<std::string>(ParseDateInput("0000-01-01")),
              "the year must lie between 0001 and 9999");
    EXPECT_EQ(std::get<std::string>(ParseDateInput("2008-13-01")), "there is no month 13");
    EXPECT_EQ(std::get<std::string>(ParseDateInput("29.02.2023")),
              "there is no day 29 in February 2023");
    EXPECT_TRUE(std::holds_alternative<std::string>(ParseDateInput("2008-01-05 ")));
    EXPECT_TRUE(std::holds_alternative<std::string>(ParseDateInput("+008-01-05")));
    EXPECT_EQ(IsoDateText(kMinDay), "0001-01-01");
    EXPECT_EQ(IsoDateText(EncodeDate(2026, 12, 7)), "2026-12-07");
}

TEST(CliDay, JsonOfTheDayOfBirth) {
    const auto run = Cli({"day", "--birth", "1980-01-05", "--date", "05.01.1980", "--json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "{\"daysLived\":0,\"percent\":[57,56,55,54],\"overall\":56,"
              "\"critical\":[true,true,true,true],\"criticalCount\":4}\n");
    const auto iching =
        Cli({"day", "--birth=1980-01-05", "--date=1980-01-16", "--json", "--iching"});
    EXPECT_EQ(iching.out,
              "{\"daysLived\":11,\"percent\":[50,76,91,97],\"overall\":72,"
              "\"critical\":[true,false,false,false],\"criticalCount\":1,"
              "\"ichingPercent\":["
              "100,100,99]}\n");
}

TEST(CliDay, ReadableTable) {
    const auto run = Cli({"day", "--birth", "1980-01-05", "--date", "1980-01-16"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("Days lived     11"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Physical           50%  yes"), std::string::npos) << run.out;
}

TEST(CliDay, BatchGoesOnAfterABadLine) {
    const auto run = Cli({"day", "--json"},
                         "1980-01-05 1980-01-05\n\r\nnot-a-date 1980-01-01\n"
                         "1980-01-05 1980-01-17\r\n1980-01-05\n");
    EXPECT_EQ(run.exitCode, 1);
    std::istringstream lines(run.out);
    std::vector<std::string> out;
    for (std::string line; std::getline(lines, line);) {
        out.push_back(line);
    }
    ASSERT_EQ(out.size(), 4u) << run.out;
    EXPECT_TRUE(out[0].starts_with("{\"daysLived\":0,"));
    EXPECT_TRUE(out[1].starts_with("{\"error\":\"birth: \\\"not-a-date\\\" is not a date"));
    EXPECT_TRUE(out[2].starts_with("{\"daysLived\":12,"));
    EXPECT_TRUE(out[3].starts_with("{\"error\":"));
    EXPECT_EQ(Cli({"day", "--json"}, "2000-01-01 2000-02-01\n").exitCode, 0);
}

TEST(CliDay, BadArgumentsSayWhichAndWhy) {
    auto run = Cli({"day", "--birth", "1990-04-31", "--date", "2020-01-01"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err,
              "vitalune-cli day: --birth: \"1990-04-31\" is not a date: there is no day 31 in "
              "April 1990\n");
    EXPECT_TRUE(run.out.empty());
    run = Cli({"day", "--birth", "1990-04-01", "--date", "10000-01-01"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--date"), std::string::npos);
    EXPECT_EQ(Cli({"day", "--birth", "1990-04-01"}).exitCode, 2);
    EXPECT_EQ(Cli({"day", "--birth"}).err, "vitalune-cli day: --birth needs a value\n");
    EXPECT_EQ(Cli({"day", "--colour", "red"}).err, "vitalune-cli day: unknown option --colour\n");
    EXPECT_EQ(Cli({"day"}).exitCode, 2);
}

TEST(CliCompat, JsonShape) {
    const auto run = Cli({"compat", "--birth", "2000-01-01", "--birth2", "2000-01-11", "--json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.starts_with(
        "{\"values\":[13,29,39,47,27,53,58,62],\"ratings\":[\"None\",\"Weak\",\"Weak\",\"Weak\"],"
        "\"combination\":0,\"title\":\"All three primary rhythms are incompatible\","
        "\"body\":\"External appeal,"))
        << run.out;
    EXPECT_NE(run.out.find("\"paragraphs\":[\"Incompatible physical"), std::string::npos);
    EXPECT_TRUE(run.out.ends_with("\"]}\n"));

    const auto same = Cli({"compat", "--birth", "2000-01-01", "--birth2", "2000-01-01", "--json"});
    EXPECT_NE(same.out.find("\"combination\":8,\"title\":\"All primary rhythms are compatible "
                            "\\n Perfect match!\""),
              std::string::npos);
    EXPECT_NE(same.out.find("\"paragraphs\":[\"Compatible physical"), std::string::npos);
}

TEST(CliCompat, BatchAndErrors) {
    const auto run = Cli({"compat", "--json"}, "2000-01-01 2000-01-11\n2000-01-01 x\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("\n{\"error\":\"birth2: \\\"x\\\" is not a date"), std::string::npos);
    EXPECT_EQ(Cli({"compat", "--birth", "2000-01-01"}).exitCode, 2);
}

TEST(Cli, HelpVersionAndUnknownCommands) {
    auto run = Cli({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("compat"), std::string::npos);
    run = Cli({"--version"});
    EXPECT_EQ(run.out, "vitalune-cli 3.04\n");
    run = Cli({"day", "--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.starts_with("Usage: vitalune-cli day"));
    run = Cli({"dance"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("unknown command"), std::string::npos);
    EXPECT_EQ(Cli({}).exitCode, 2);
}

TEST(Json, StringsStayValid) {
    EXPECT_EQ(JsonString("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
    EXPECT_EQ(JsonString("Jos\xC3\xA9"), "\"Jos\xC3\xA9\"");
    EXPECT_EQ(JsonString("Jos\xE9"), "\"Jos\xEF\xBF\xBD\"");  // a lone windows-1252 byte
    EXPECT_EQ(JsonString("\xED\xA0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
}

}  // namespace
}  // namespace vitalune::cli
