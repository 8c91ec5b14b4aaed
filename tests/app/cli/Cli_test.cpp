// Each command's arguments, exit code and output; what the output says is the core's and
// is tested there.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <regex>
#include <set>

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
    // The named fields beside the bare numbers, which the transcript cuts off.
    const std::pair<std::vector<std::string>, std::string> shapes[] = {
        {{"match", dir + "/names.rec", "--group", "0", "--person", "1", "--json"},
         R"("compat":[91,93,94,95,93,95,96,96],"ratings":["Excellent","Excellent","Excellent",)"
         R"("Excellent"],"compatibility":{"physical":91,"emotional":93,"intellectual":94,)"
         R"("intuitive":95,"overall":93,"aesthetic":95,"awareness":96,"spiritual":96}})"},
        {{"day", "--birth", "1980-01-05", "--date", "1980-01-16", "--json"},
         R"("rhythms":{"physical":{"percent":50,"critical":true},"emotional":{"percent":76,)"
         R"("critical":false},"intellectual":{"percent":91,"critical":false},"intuitive":)"
         R"({"percent":97,"critical":false}}})"},
    };
    for (const auto& [args, text] : shapes) {
        EXPECT_NE(RunCliCaptured(args).out.find(text), std::string::npos) << args[0];
    }
    // Pictures put into the page, or referred to where they are installed; a report written
    // elsewhere makes nothing in the data folder.
    for (const char* file : {"/e.htm", "/de.htm"}) {
        const std::string page = vitalune::test::ReadTestFile(dir + file);
        EXPECT_NE(page.find("src=\"data:image/gif;base64,R0lGOD"), std::string::npos) << file;
        EXPECT_EQ(page.find("Pict/"), std::string::npos) << file;
    }
    EXPECT_EQ(vitalune::test::ReadTestFile(dir + "/r.htm").find(dir + "/nodata"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir + "/nodata"));
}

// Groups and persons by name, the index forms unchanged; a name of digits only where no such
// index exists.
TEST(Cli, MatchChoosesByNameOrIndex) {
    vitalune::test::TempFolder folder;
    const std::string file = folder.path().string() + "/names.rec";
    ASSERT_TRUE(WriteFileAtomically(file,
                                    "#Celebrities|1\nAlbert Einstein|14.03.1879|M\n"
                                    "Marie Curie|07.11.1867|F\n#7|2\nBo|01.01.2000|M\n"));
    const auto match = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"match", file, "--pattern", "8"});
        return RunCliCaptured(args);
    };
    const std::pair<std::vector<std::string>, std::vector<std::string>> same[] = {
        {{"--group", "Celebrities", "--person", "Albert Einstein"},
         {"--group", "0", "--person", "0"}},
        {{"--group", "7", "--person", "Bo", "--in-group", "Celebrities"},
         {"--group", "1", "--person", "0", "--in-group", "0"}},
    };
    for (const auto& [byName, byIndex] : same) {
        const auto named = match(byName);
        EXPECT_EQ(named.exitCode, 0) << named.err;
        EXPECT_EQ(named.out, match(byIndex).out);
    }
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"--group", "Celebs", "--person", "0"},
          {"--group", "0", "--person", "Albert"},
          {"--group", "2", "--person", "0"}}) {
        EXPECT_EQ(match(wrong).exitCode, 2) << wrong[1] << ' ' << wrong[3];
    }
}

// Every command and option the help texts name is in the manual page and the completion.
TEST(Cli, ManualAndCompletionNameEveryOption) {
    const std::string manual =
        vitalune::test::ReadTestFile(VITALUNE_RESOURCES_DIR "/man/vitalune-cli.1");
    const std::string completion =
        vitalune::test::ReadTestFile(VITALUNE_RESOURCES_DIR "/completion/vitalune-cli.bash");
    std::set<std::string> words;
    std::string help = RunCliCaptured({"--help"}).out;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line) && line != "Options:";) {
        if (line.starts_with("  ")) {
            const std::string command = line.substr(2, line.find(' ', 2) - 2);
            words.insert(command);
            help += RunCliCaptured({command, "--help"}).out;
        }
    }
    const std::regex option(R"((^|[\s\[|(])(--?[a-z][a-z0-9-]*))");
    for (std::sregex_iterator it(help.begin(), help.end(), option), end; it != end; ++it) {
        words.insert((*it)[2]);
    }
    EXPECT_GT(words.size(), 40u);
    for (const std::string& word : words) {
        std::string roff;
        for (const char c : word) {
            roff += c == '-' ? "\\-" : std::string(1, c);
        }
        EXPECT_NE(manual.find(roff), std::string::npos) << word;
        EXPECT_NE(completion.find(word), std::string::npos) << word;
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
