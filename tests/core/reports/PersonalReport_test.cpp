#include "core/reports/PersonalReport.h"

#include <gtest/gtest.h>

#include "core/engine/CompatTexts.h"
#include "support/ExpectedFile.h"
#include "support/FileOpsFakes.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;

MatchEntry Person(std::string name, std::string dateText, const CompatibilityResult& compat) {
    MatchEntry entry;
    entry.name = std::move(name);
    entry.dateOfBirthText = std::move(dateText);
    entry.kind = "F";
    entry.compat = compat;
    return entry;
}

CompatibilityResult Values(std::array<std::int32_t, 8> values) {
    CompatibilityResult c;
    c.values = values;
    return c;
}

PersonalReportInput Pair() {
    PersonalReportInput input;
    input.dataFolder = "/data/vitalune";
    input.firstName = "Anna <Smith> & \xD0\x96\xD0\xB0\xD0\xBD\xD0\xBD\xD0\xB0";
    input.firstDateOfBirthText = "01.01.2000";
    // Ten days apart.
    input.second = Person("Zo\xC3\xAB \"Z\"", "11.01.2000",
                          ComputeCompatibility(EncodeDate(2000, 1, 1), EncodeDate(2000, 1, 11)));
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

TEST(PersonalReport, WholePageForAFixedPair) {
    PersonalReportInput input = Pair();
    input.pens[static_cast<std::size_t>(RhythmId::Physical)].colour = 0x0000FF;  // pure red
    ASSERT_EQ(input.second.compat.values,
              (std::array<std::int32_t, 8>{13, 29, 39, 47, 27, 53, 58, 62}));
    test::ExpectSameAsFile(PersonalReportHtml(input), "personal.htm");
}

TEST(PersonalReport, PerfectMatchTitleAndTexts) {
    PersonalReportInput input = Pair();
    input.second.compat = Values({85, 82, 90, 50, 86, 10, 20, 30});
    EXPECT_EQ(PersonalReportTitle(input.second.compat),
              "All primary rhythms are compatible. Perfect match!");
    const std::string page = PersonalReportHtml(input);
    EXPECT_NE(page.find("size=\"3\">All primary rhythms are compatible. Perfect match!</font>"),
              std::string::npos);
    EXPECT_NE(page.find(CompatTexts::Body(8).substr(0, 40)), std::string::npos);
    for (int primary = 0; primary < 3; ++primary) {
        EXPECT_NE(page.find(CompatTexts::Paragraph(primary, true).substr(0, 40)),
                  std::string::npos);
        EXPECT_EQ(page.find(CompatTexts::Paragraph(primary, false).substr(0, 40)),
                  std::string::npos);
    }
    // The stored title of the perfect match carries a line break the page must not show.
    EXPECT_EQ(page.find("Perfect match!\n"), std::string::npos);
    EXPECT_EQ(page.find(" \n "), std::string::npos);
}

TEST(PersonalReport, MixedPairTakesEachParagraphByItsValue) {
    PersonalReportInput input = Pair();
    input.second.compat = Values({60, 59, 10, 0, 43, 0, 0, 0});
    EXPECT_EQ(PersonalReportTitle(input.second.compat), "Physical biorhythms are compatible");
    const std::string page = PersonalReportHtml(input);
    EXPECT_NE(page.find(CompatTexts::Body(1).substr(0, 40)), std::string::npos);
    EXPECT_NE(page.find(CompatTexts::Paragraph(0, true).substr(0, 40)), std::string::npos);
    EXPECT_NE(page.find(CompatTexts::Paragraph(1, false).substr(0, 40)), std::string::npos);
    EXPECT_NE(page.find(CompatTexts::Paragraph(2, false).substr(0, 40)), std::string::npos);
    EXPECT_EQ(page.find(CompatTexts::Paragraph(1, true).substr(0, 40)), std::string::npos);
    // Value cells and rating words.
    EXPECT_NE(page.find("<b>60%</b>"), std::string::npos);
    EXPECT_NE(page.find("<b><font color=\"#008080\">Good</font></b>"), std::string::npos);
    EXPECT_NE(page.find("<b><font color=\"#800000\">Weak</font></b>"), std::string::npos);
    EXPECT_EQ(Count(page, "<b><font color=\"#000000\">None</font></b>"), 5u);
}

TEST(PersonalReport, PicturesOfTheChosenSchemeAndTheOverallAlwaysBlack) {
    PersonalReportInput input = Pair();
    input.second.compat = Values({90, 70, 30, 10, 63, 90, 70, 30});
    input.pens[static_cast<std::size_t>(RhythmId::PrimaryOverall)].colour = 0x00FF00;
    for (const auto& [scheme, suffix] :
         {std::pair{PictureScheme::Hearts, ""}, std::pair{PictureScheme::Stars, "_2"}}) {
        input.scheme = scheme;
        const std::string page = PersonalReportHtml(input);
        const auto pictures = [&](std::string name) {
            return Count(page, "src=\"/data/vitalune/Pict/" + name + ".gif\"");
        };
        EXPECT_EQ(pictures("three" + std::string{suffix}), 2u) << suffix;
        EXPECT_EQ(pictures("two" + std::string{suffix}), 3u) << suffix;
        EXPECT_EQ(pictures("one" + std::string{suffix}), 2u) << suffix;
        EXPECT_EQ(pictures("none"), 1u) << suffix;
        EXPECT_NE(page.find("<font color=\"#000000\"><b>&nbsp;&nbsp;Overall</b></font>"),
                  std::string::npos);
    }
}

TEST(PersonalReport, WritingAndItsFailures) {
    test::TempFolder folder;
    const fs::path file = folder.path() / kPersonalReportFileName;
    const PersonalReportInput input = Pair();
    ASSERT_TRUE(WritePersonalReport(input, file));
    EXPECT_EQ(test::ReadTestFile(file), PersonalReportHtml(input));

    test::FullDisk broken;
    const ReportResult failed = WritePersonalReport(input, file, &broken);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.message, "Unable to create a file" + file.string());
    EXPECT_EQ(test::ReadTestFile(file), PersonalReportHtml(input));

    PersonalReportInput header = input;
    header.second.kind = "0";
    const fs::path other = folder.path() / "other.htm";
    const ReportResult nothing = WritePersonalReport(header, other);
    EXPECT_FALSE(nothing);
    EXPECT_TRUE(nothing.message.empty());
    EXPECT_FALSE(fs::exists(other));
}

}  // namespace
}  // namespace vitalune
