#include "core/reports/ForecastReport.h"

#include <gtest/gtest.h>

#include "ExpectedFile.h"
#include "support/TempFolder.h"

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

std::size_t Count(const std::string& text, std::string_view part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
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

TEST(ForecastReport, SearchOptionsInWords) {
    ForecastCriteria c;
    EXPECT_EQ(SearchOptionLines(c),
              (std::vector<std::string>{"Show days when overall state is 75% or higher"}));
    c.sunny.showAll = false;
    c.sunny.rhythm = {true, false, true, false};
    c.sunny.level = {1, 0, 2, 0};
    EXPECT_EQ(SearchOptionLines(c),
              (std::vector<std::string>{"Show days when Physical rhythm is 50% or higher",
                                        "Show days when Intellectual rhythm is 25% or higher"}));
    c.kind = ForecastKind::Rainy;
    c.rainy.overallLevel = 1;
    EXPECT_EQ(SearchOptionLines(c),
              (std::vector<std::string>{"Show days when overall state is less than 50%"}));
    c.rainy.showAll = false;
    c.rainy.rhythm = {false, true, false, true};
    c.rainy.level = {0, 2, 0, 0};
    EXPECT_EQ(SearchOptionLines(c),
              (std::vector<std::string>{"Show days when Emotional rhythm is less than 75%",
                                        "Show days when Intuitive rhythm is less than 25%"}));
    c.kind = ForecastKind::Critical;
    EXPECT_EQ(SearchOptionLines(c), (std::vector<std::string>{"Show all critical days"}));
    c.criticalShowAll = false;
    c.criticalRhythm = {false, false, true, false};
    EXPECT_EQ(SearchOptionLines(c),
              (std::vector<std::string>{"Show days when Intellectual abilities are unstable"}));
    c.kind = ForecastKind::Stress;
    EXPECT_EQ(SearchOptionLines(c), (std::vector<std::string>{"Show all stressful days"}));
    c.stressMode = StressMode::Women;
    EXPECT_EQ(SearchOptionLines(c).at(0),
              "Show days, stressful for women (Intellectual maximum and Emotional minimum)");
    c.stressMode = StressMode::Men;
    EXPECT_EQ(SearchOptionLines(c).at(0),
              "Show days, stressful for men (Emotional maximum and Intellectual minimum)");
}

TEST(ForecastReport, InformationTable) {
    ForecastCriteria c;
    c.startDate = EncodeDate(2024, 1, 1);
    c.monthsAmount = 1;
    ForecastReportInput input = Search(c);
    input.name = "Anna";
    const std::string page = ForecastReportHtml(input);
    EXPECT_NE(page.find("<b>Report for:&nbsp;</b></td><td width=\"534\">Anna, 05 Jan 1970</td>"),
              std::string::npos);
    EXPECT_NE(page.find("From 01 Jan 2024 to 31 Jan 2024</td>"), std::string::npos);
    EXPECT_NE(page.find("<b>Results shown:&nbsp;</b></td><td width=\"534\">" +
                        std::to_string(input.result.hits.size()) + "</td>"),
              std::string::npos);
    EXPECT_EQ(page.find("Search mode"), std::string::npos);  // show all has no mode

    input.criteria.sunny.showAll = false;
    input.criteria.sunny.rhythm = {true, false, false, false};
    input.criteria.sunny.useAnd = true;
    EXPECT_NE(
        ForecastReportHtml(input).find("<b>Search mode:&nbsp;</b></td><td width=\"534\">AND</td>"),
        std::string::npos);
    input.criteria.kind = ForecastKind::Stress;
    EXPECT_EQ(ForecastReportHtml(input).find("Search mode"), std::string::npos);
}

TEST(ForecastReport, RowsAreShadedFromTheSecondAndMarkCriticalRhythms) {
    ForecastReportInput input;
    input.name = "Anna";
    input.birth = kBirth;
    input.result.hits = {Hit(EncodeDate(2024, 1, 1), {true, false, false, true})};
    input.result.endDate = EncodeDate(2024, 1, 1);
    std::string page = ForecastReportHtml(input);
    EXPECT_EQ(Count(page, "<tr bgcolor=\"#F0F1FF\">"), 0u);
    EXPECT_NE(page.find("<tr><td width=\"107\">01 Jan 2024</td><td width=\"83\" "
                        "align=\"right\">50%</td><td width=\"24\"><font "
                        "color=\"#FF0000\">*</font></td><td width=\"83\" "
                        "align=\"right\">60%</td><td width=\"24\">&nbsp;</td><td width=\"83\" "
                        "align=\"right\">70%</td><td width=\"24\">&nbsp;</td><td width=\"83\" "
                        "align=\"right\">80%</td><td width=\"24\"><font "
                        "color=\"#FF0000\">*</font></td><td width=\"109\">60%</td><td "
                        "width=\"108\"><font color=\"#FF0000\">**</font></td></tr>"),
              std::string::npos);

    input.result.hits.push_back(Hit(EncodeDate(2024, 1, 2), {}));
    input.result.hits.push_back(Hit(EncodeDate(2024, 1, 3), {}));
    input.result.hits.push_back(Hit(EncodeDate(2024, 1, 4), {}));
    page = ForecastReportHtml(input);
    EXPECT_EQ(Count(page, "<tr bgcolor=\"#F0F1FF\"><td width=\"107\">"), 2u);
    EXPECT_NE(page.find("<tr bgcolor=\"#F0F1FF\"><td width=\"107\">02 Jan 2024"),
              std::string::npos);
    EXPECT_NE(page.find("<tr><td width=\"107\">03 Jan 2024"), std::string::npos);
    EXPECT_NE(page.find("<td width=\"108\"></td></tr>"), std::string::npos);  // no critical
    EXPECT_TRUE(
        page.ends_with("<tr><td colspan=\"11\" height=\"22\" bgcolor=\"#C8C2FC\"></td></tr>"
                       "</table></center></body></html>"));
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
    EXPECT_TRUE(fs::exists(file));
    const ReportResult failed = WriteForecastReport(input, file / "x.htm");
    EXPECT_EQ(failed.message, "Unable to create a file" + (file / "x.htm").string());
}

}  // namespace
}  // namespace vitalune
