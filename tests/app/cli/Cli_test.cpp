// Each command's arguments, exit code and output; what the output says is the core's and
// is tested there.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "CliTestSupport.h"
#include "app/cli/Json.h"
#include "core/files/AtomicFile.h"
#include "support/TempFolder.h"
#include "support/Transcript.h"

namespace vitalune::cli {
namespace {

using test::RunCliCaptured;

// The lines of a command's output as the transcript shows them.
std::string Shown(const std::string& text, std::string_view prefix, const std::string& folder) {
    std::string shown;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        for (auto at = line.find(folder); at != std::string::npos; at = line.find(folder)) {
            line.replace(at, folder.size(), "%dir");
        }
        if (line.size() > 160) {
            line = line.substr(0, 160) + "...";
        }
        shown += std::string{prefix} + line + "\n";
    }
    return shown;
}

// Runs the commands of expected/cli.txt and compares what they print with what it says.
TEST(Cli, TranscriptOfCommands) {
    vitalune::test::TempFolder folder;
    const std::string dir = folder.path().string();
    ASSERT_TRUE(WriteFileAtomically(dir + "/names.rec",
                                    "#Friends|3\r\nAda|02.01.2000|F\r\nBase|01.01.2000|M\r\n"
                                    "Bea|05.01.2000|F\r\nOld|05.01.1950|M\r\n"
                                    "#Work|5\r\nBase|01.01.2000|M\r\nJo|22.12.1999|F\r\n"));
    ASSERT_TRUE(WriteFileAtomically(dir + "/file", "x"));
    ASSERT_TRUE(WriteFileAtomically(dir + "/bad.rec",
                                    "stray\n#Friends\nEve|31.04.1990|F\nAnn|05.01.1980|F\n"));
    ASSERT_TRUE(WriteFileAtomically(dir + "/mac.rec",
                                    "#Friends|3\rAda|02.01.2000|F\rbad\rBo|03.01.2000|M\r"));
    ASSERT_EQ(::mkfifo((dir + "/fifo").c_str(), 0600), 0);
    ASSERT_TRUE(WriteFileAtomically(dir + "/contacts.vcf",
                                    "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann Lee\r\n"
                                    "BDAY:19800105\r\nGENDER:F\r\nEND:VCARD\r\nBEGIN:VCARD\r\n"
                                    "FN:Jo\r\nBDAY:1999-12-22\r\nGENDER:F\r\nEND:VCARD\r\n"
                                    "BEGIN:VCARD\r\nFN:Lars\r\nBDAY:--0105\r\nEND:VCARD\r\n"));
    ASSERT_TRUE(WriteFileAtomically(dir + "/contacts.csv",
                                    "Name;Date of birth\r\nBo;11.01.2000\r\nAnn Lee;05.01.1980\r\n"
                                    "Kim;\r\n"));
    const auto answer = [&](const std::string& line) {
        const auto at = line.find(" <<< ");
        std::vector<std::string> args;
        std::istringstream words(line.substr(0, at));
        for (std::string word; words >> word;) {
            args.push_back(word.starts_with("%dir") ? dir + word.substr(4) : word);
        }
        const auto run = RunCliCaptured(args, at == std::string::npos ? "" : line.substr(at + 5));
        return Shown(run.out, "  ", dir) + Shown(run.err, "! ", dir) + "-> " +
               std::to_string(run.exitCode) + "\n";
    };
    vitalune::test::ExpectTranscript("cli.txt", answer, "$");
    EXPECT_FALSE(std::filesystem::exists(dir + "/none.rec"));  // checking creates nothing
    EXPECT_FALSE(std::filesystem::exists(dir + "/none.htm"));  // nor does finding nothing
    EXPECT_FALSE(std::filesystem::exists(dir + "/data/forecast.htm"));
    for (const char* file : {"/none.ics", "/none.csv", "/f.x", "/never.rec", "/never.csv"}) {
        EXPECT_FALSE(std::filesystem::exists(dir + file)) << file;
    }
    // The options reach the reports, whose pictures stay in the data folder wherever they go.
    const std::pair<std::string, std::string> reports[] = {
        {"/data/dayinfo.htm", "Created for: &lt;Anna&amp;&gt;, 05 Jan 1970"},
        {"/data/dayinfo.htm", "src=\"" + dir + "/data/Pict/"},
        {"/f.htm", "Results shown:&nbsp;</b></td><td width=\"534\">4<"},
        {"/g.htm", "Limit age:&nbsp;</b></td><td width=\"534\">From 20 to 35 years<"},
        {"/p.htm", "and Jo, 22 Dec 1999"},
        {"/p.htm", dir + "/data/Pict/one_2.gif"},
        {"/d.htm", "and Bo, 11 Jan 2000"},
        {"/f.ics", "SUMMARY:Stressful day for Anna\r\nDESCRIPTION:Physical 57% (critical)\\, Emo"},
        {"/f.csv", "2024-03-22,Friday,81,1,91,38,57,\r\n"},
        {"/nameless.ics", "SUMMARY:Stressful day for the person born 05 Jan 1980\r\n"},
        {"/g.csv", "Date,Weekday,"},
    };
    for (const auto& [file, text] : reports) {
        EXPECT_NE(vitalune::test::ReadTestFile(dir + file).find(text), std::string::npos) << file;
    }
    EXPECT_EQ(vitalune::test::ReadTestFile(dir + "/g.htm").find("Old"), std::string::npos);
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
