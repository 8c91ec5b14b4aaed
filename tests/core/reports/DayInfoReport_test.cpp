#include "core/reports/DayInfoReport.h"

#include <gtest/gtest.h>

#include "ExpectedFile.h"
#include "core/dayreport/DayTexts.h"
#include "core/files/AtomicFile.h"
#include "support/TempFolder.h"

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

std::size_t Count(const std::string& text, std::string_view part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

TEST(DayInfoReport, WholePageForAFixedDay) {
    // 1 Apr 2024: Physical 94, Emotional 44 and critical, Intellectual 95, Intuitive 94.
    DayReportInput input = Anna("Anna <Smith> & \xD0\x96\xD0\xB0\xD0\xBD\xD0\xBD\xD0\xB0",
                                EncodeDate(2024, 4, 1) + 0.6);
    input.choice = {11, 1};
    test::ExpectSameAsFile(DayReportHtml(input), "dayinfo.htm");
}

TEST(DayInfoReport, HeadTablesAndLegend) {
    const std::string page = DayReportHtml(Anna("Anna", EncodeDate(2024, 4, 1)));
    EXPECT_NE(page.find("<b>Report date: 01 Apr 2024</b>"), std::string::npos);
    EXPECT_NE(page.find("<b>Created for: Anna, 05 Jan 1970</b>"), std::string::npos);
    EXPECT_NE(page.find("charset=windows-1252"), std::string::npos);
    EXPECT_TRUE(page.ends_with("<hr></td></tr></table></body></html>"));
    // Compassion repeats the 38-day rhythm in the Intuitive pen's colour.
    const std::string intuitive = HtmlColour(DefaultChartAttribs()[3].colour);
    EXPECT_NE(page.find("<font color=\"#" + intuitive +
                        "\">&nbsp;&nbsp;Compassion</font></td>"
                        "<td width=\"59\">13/38</td>"),
              std::string::npos);
    EXPECT_NE(page.find("<font color=\"#" + intuitive +
                        "\">&nbsp;&nbsp;Intuitive</font></td>"
                        "<td width=\"53\">13/38</td>"),
              std::string::npos);
    EXPECT_EQ(Count(page, ">94%</td>"), 4u);  // Physical, Intuitive, Compassion, Perception
    // Every picture points into the data folder's Pict.
    EXPECT_EQ(Count(page, "<img border=\"0\" src=\"/home/anna/.local/share/Qor/Vitalune/Pict/"),
              Count(page, "<img "));
    EXPECT_EQ(Count(page, "<img "), 8u * 2 + 1 + 6 + 2);  // rows, overall, composites, legend
}

TEST(DayInfoReport, NotesFollowTheDay) {
    // 2 Jun 2024: Emotional 1 and Intellectual 97 (stressful for women), Physical critical.
    const std::string page = DayReportHtml(Anna("Anna", EncodeDate(2024, 6, 2)));
    const std::string expectedNotes =
        "<p style=\"margin-top: 1\">" + std::string{DayTexts::Text(10, 0)} +
        "</p><p style=\"margin-top: 10; margin-bottom: 3\"><b>Physical instability</b></p><p "
        "style=\"margin-top: 1\">" +
        std::string{InstabilityTexts::Body(0)} +
        "</p><p style=\"margin-top: 10; margin-bottom: 3\"><b>Critical combination</b></p><p "
        "style=\"margin-top: 1\">" +
        std::string{ExtremeTexts::Body(0)} + "</p><hr>";
    EXPECT_NE(page.find(expectedNotes), std::string::npos);
    EXPECT_EQ(page.find("\n"), std::string::npos);  // no line feeds of the notes box
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

TEST(DayInfoReport, WritesIntoTheDataFolderOrFails) {
    test::TempFolder folder;
    DayReportInput input = Anna("Anna", EncodeDate(2024, 4, 1));
    input.dataFolder = folder.path();
    const fs::path file = folder.path() / kDayReportFileName;
    ASSERT_TRUE(WriteDayReport(input, file));
    std::string written;
    ASSERT_TRUE(ReadWholeFile(file, written));
    EXPECT_EQ(written, DayReportHtml(input));
    EXPECT_NE(written.find("src=\"" + folder.path().string() + "/Pict/sun"), std::string::npos);

    const fs::path blocked = file / "dayinfo.htm";
    const ReportResult failed = WriteDayReport(input, blocked);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.message, "Unable to create a file" + blocked.string());
}

}  // namespace
}  // namespace vitalune
