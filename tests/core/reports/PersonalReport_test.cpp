#include "core/reports/PersonalReport.h"

#include <gtest/gtest.h>

#include "core/engine/CompatTexts.h"
#include "support/ExpectedFile.h"
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

TEST(PersonalReport, WholePageForAFixedPair) {
    PersonalReportInput input = Pair();
    input.pens[static_cast<std::size_t>(RhythmId::Physical)].colour = 0x0000FF;  // pure red
    ASSERT_EQ(input.second.compat.values,
              (std::array<std::int32_t, 8>{13, 29, 39, 47, 27, 53, 58, 62}));
    test::ExpectSameAsFile(PersonalReportHtml(input), "personal.htm");
}

// Physical compatible, the other two not: each paragraph follows its own value. Stars, and
// pens of the user's colours (Overall stays black).
TEST(PersonalReport, WholePageForAMixedPair) {
    PersonalReportInput input = Pair();
    input.second.compat = Values({90, 59, 10, 70, 53, 85, 20, 5});
    input.scheme = PictureScheme::Stars;
    input.pens[static_cast<std::size_t>(RhythmId::Emotional)].colour = 0x0000FF;
    input.pens[static_cast<std::size_t>(RhythmId::Spiritual)].colour = 0x123456;
    input.pens[static_cast<std::size_t>(RhythmId::PrimaryOverall)].colour = 0x00FF00;
    test::ExpectSameAsFile(PersonalReportHtml(input), "personal-mixed.htm");
}

// The stored title of the perfect match carries a line break the page must not show.
TEST(PersonalReport, PerfectMatchTitle) {
    PersonalReportInput input = Pair();
    input.second.compat = Values({85, 82, 90, 50, 86, 10, 20, 30});
    const std::string page = PersonalReportHtml(input);
    EXPECT_NE(page.find("size=\"3\">All primary rhythms are compatible. Perfect match!</font>"),
              std::string::npos);
    EXPECT_NE(page.find(CompatTexts::Body(8).substr(0, 40)), std::string::npos);
    EXPECT_EQ(page.find('\n'), std::string::npos);
}

TEST(PersonalReport, WrittenOnlyForAPerson) {
    test::TempFolder folder;
    const fs::path file = folder.path() / kPersonalReportFileName;
    const PersonalReportInput input = Pair();
    ASSERT_TRUE(WritePersonalReport(input, file));
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
