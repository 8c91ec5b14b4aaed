#include "core/reports/DayInfoReport.h"

#include <gtest/gtest.h>

#include "core/dayreport/DayTexts.h"
#include "support/ExpectedFile.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;

DayReportInput Anna(std::string name, std::int32_t reportDate) {
    DayReportInput input;
    input.dataFolder = "/home/anna/.local/share/Qor/Vitalune";
    input.person = {std::move(name), static_cast<DateTime>(EncodeDate(1970, 1, 5))};
    input.reportDate = reportDate;
    input.pens = DefaultChartAttribs();
    return input;
}

TEST(DayInfoReport, WholePageForAFixedDay) {
    // 1 Apr 2024: Physical 94, Emotional 44 and critical, Intellectual 95, Intuitive 94.
    DayReportInput input = Anna("Anna <Smith> & \xD0\x96\xD0\xB0\xD0\xBD\xD0\xBD\xD0\xB0",
                                EncodeDate(2024, 4, 1) + 0.6);
    input.choice = {11, 1};
    test::ExpectSameAsFile(DayReportHtml(input), "dayinfo.htm");
}

TEST(DayInfoReport, DayTextComesFromTheStoredChoice) {
    DayRhythms day;
    ComputeDayRhythms(EncodeDate(1970, 1, 5), EncodeDate(2024, 4, 1), day, false);
    ASSERT_EQ(SignCombination(day), 11);
    EXPECT_EQ(ReportDayText(day, {11, 2}), DayTexts::Text(11, 2));
    EXPECT_EQ(ReportDayText(day, {11, 0}), DayTexts::Text(11, 0));
    // A choice left from a day of other signs keeps its variant but not its combination.
    EXPECT_EQ(ReportDayText(day, {3, 1}), DayTexts::Text(11, 1));
    EXPECT_EQ(ReportDayText(day, {0, 7}), DayTexts::Text(11, 0));
}

TEST(DayInfoReport, WritesIntoTheDataFolder) {
    test::TempFolder folder;
    DayReportInput input = Anna("Anna", EncodeDate(2024, 4, 1));
    input.dataFolder = folder.path();
    const fs::path file = folder.path() / kDayReportFileName;
    ASSERT_TRUE(WriteDayReport(input, file));
    EXPECT_EQ(test::ReadTestFile(file), DayReportHtml(input));
}

}  // namespace
}  // namespace vitalune
