#include "core/reports/ForecastReport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/forecast/ForecastSettings.h"
#include "support/RecordingStore.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;

const std::int32_t kBirth = EncodeDate(1970, 1, 5);

ForecastReportInput Search(const ForecastCriteria& criteria) {
    ForecastReportInput input;
    input.name = "Anna <Smith> & \xD0\x96\xD0\xB0\xD0\xBD\xD0\xBD\xD0\xB0";
    input.birth = kBirth;
    input.criteria = criteria;
    input.result = RunForecast(criteria, kBirth);
    return input;
}

ForecastHit Hit(std::int32_t date, std::array<bool, 4> critical) {
    ForecastHit hit;
    hit.date = date;
    hit.day.percent = {50, 60, 70, 80};
    hit.day.overall = 60;
    hit.day.critical = critical;
    for (bool c : critical) {
        hit.day.criticalCount += c ? 1 : 0;
    }
    return hit;
}

TEST(ForecastReport, WholePageForAFixedSearch) {
    ForecastCriteria c;
    c.kind = ForecastKind::Critical;
    c.criticalShowAll = false;
    c.criticalRhythm = {true, false, false, true};
    c.limitByResults = true;
    c.resultsAmount = 6;
    c.startDate = EncodeDate(2024, 1, 1);
    const ForecastReportInput input = Search(c);
    ASSERT_EQ(input.result.hits.size(), 6u);
    test::ExpectSameAsFile(ForecastReportHtml(input), "forecast.htm");
}

// The options in words for the kind of search and the forecast settings of each input of
// expected/search-options.txt.
TEST(ForecastReport, SearchOptionsInWords) {
    test::ExpectTranscript("search-options.txt", [](const std::string& line) {
        constexpr std::string_view kinds[] = {"sunny", "rainy", "critical", "stress"};
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        MemorySettingsStore store;
        test::WriteValues(store, kForecastSettingsKey, words);
        ForecastChoices choices;
        choices.kind = static_cast<ForecastKind>(std::ranges::find(kinds, kind) - kinds);
        const auto made = MakeForecastCriteria(LoadForecastSettings(store), choices);
        std::string answer;
        for (const std::string& option : SearchOptionLines(std::get<ForecastCriteria>(made))) {
            answer += "  " + option + "\n";
        }
        return answer;
    });
}

TEST(ForecastReport, SearchModeOnlyWhereRhythmsAreChosen) {
    ForecastReportInput input;
    input.result.hits = {Hit(EncodeDate(2024, 1, 1), {})};
    EXPECT_EQ(ForecastReportHtml(input).find("Search mode"), std::string::npos);
    input.criteria.sunny.showAll = false;
    input.criteria.sunny.rhythm = {true, false, false, false};
    input.criteria.sunny.useAnd = true;
    EXPECT_NE(
        ForecastReportHtml(input).find("<b>Search mode:&nbsp;</b></td><td width=\"534\">AND</td>"),
        std::string::npos);
    input.criteria.kind = ForecastKind::Stress;
    EXPECT_EQ(ForecastReportHtml(input).find("Search mode"), std::string::npos);
}

TEST(ForecastReport, NothingFoundWritesNothing) {
    test::TempFolder folder;
    ForecastReportInput input;
    const fs::path file = folder.path() / kForecastReportFileName;
    const ReportResult result = WriteForecastReport(input, file);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "Nothing was found. Try to change the search options.");
    EXPECT_FALSE(fs::exists(file));

    input.result.hits = {Hit(EncodeDate(2024, 1, 1), {})};
    ASSERT_TRUE(WriteForecastReport(input, file));
    // A day with no critical rhythm marks none.
    EXPECT_NE(test::ReadTestFile(file).find("<td width=\"24\">&nbsp;</td><td width=\"109\">60%</td>"
                                            "<td width=\"108\"></td></tr>"),
              std::string::npos);
}

// Any member with a critical day lists the day; the page names the group, the mode and each
// member, escaped, with a weather picture and a star for the critical ones.
TEST(GroupForecastReport, WholePageForAFixedSearch) {
    ForecastCriteria c;
    c.kind = ForecastKind::Critical;
    c.limitByResults = true;
    c.resultsAmount = 4;
    c.startDate = EncodeDate(2024, 1, 1);
    GroupForecastReportInput input;
    input.groupName = "Team <A>";
    input.members = {{"Anna & Bob", static_cast<DateTime>(kBirth)},
                     {"\xD0\x96\xD0\xB0\xD0\xBD\xD0\xBD\xD0\xB0",
                      static_cast<DateTime>(EncodeDate(1984, 7, 30))}};
    input.criteria = c;
    input.mode = GroupMembers::Any;
    input.dataFolder = "/home/anna/Vitalune";
    const std::vector<DateTime> births = {input.members[0].birth, input.members[1].birth};
    input.result = RunGroupForecast(c, births, input.mode);
    ASSERT_EQ(input.result.hits.size(), 4u);
    test::ExpectSameAsFile(GroupForecastReportHtml(input), "groupforecast.htm");
    input.result.hits.clear();
    test::TempFolder folder;
    EXPECT_FALSE(WriteGroupForecastReport(input, folder.path() / kGroupForecastReportFileName));
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

}  // namespace
}  // namespace vitalune
