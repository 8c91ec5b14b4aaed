#include "core/reports/GroupReport.h"

#include <gtest/gtest.h>

#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "support/ExpectedFile.h"
#include "support/FileOpsFakes.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;

const FixedClock kClock(EncodeDate(2030, 6, 15));

// Names that need escaping and characters outside windows-1252 (Cyrillic, Greek).
const std::string kDatabase =
    "#Friends & <Co>|3\r\n"
    "Anna <Smith> & \xD0\x96\xD0\xB0\xD0\xBD\xD0\xBD\xD0\xB0|01.01.2000|F\r\n"  // base
    "Bob \"B\"|02.01.2000|M\r\n"
    "Zo\xC3\xAB|05.01.2000|F\r\n"
    "\xCE\x91\xCE\xBB\xCE\xAD\xCE\xBE\xCE\xB7\xCF\x82|29.01.2000|M\r\n"
    "#Work|5\r\n"
    "Gus|03.01.2000|M\r\n"
    "Ian|11.01.2000|M\r\n"
    "Jo|22.12.1999|F\r\n";

struct Fixture {
    NamesDatabase db{kClock};
    MatchCriteria criteria;
    GroupReportInput input;
    MatchResult result;

    Fixture() {
        db.LoadFromBytes(kDatabase);
        criteria.currentYear = 2030;
        ApplyPattern(criteria, kSpecialSearchPattern);
        criteria.sort = MatchSort::Compatibility;
        Run();
    }
    void Run() {
        result = RunMatching(criteria, db);
        const Person base = SplitPersonLine(db.Persons(criteria.baseGroup)[criteria.basePerson]);
        input.baseName = base.name;
        input.baseBirth = ParseDob(base.dateText);
        input.searchAmong = SearchAmongCaption(criteria, db);
        input.criteria = criteria;
    }
};

TEST(GroupReport, WholePageForAFixedList) {
    Fixture f;
    ASSERT_EQ(f.result.found, 6u);
    test::ExpectSameAsFile(GroupReportHtml(f.input, f.result), "group.htm");
}

// Women of one group, exact, by name, of an age: each choice in words.
TEST(GroupReport, WholePageForAnotherSearch) {
    Fixture f;
    MatchCriteria& c = f.criteria;
    c.searchItem = 2;
    c.sex = SexFilter::Female;
    c.exact = true;
    c.sort = MatchSort::Name;
    c.ageCheck = true;
    c.ageBegin = 4;
    c.ageEnd = 6;
    f.Run();
    ASSERT_EQ(f.result.found, 1u);
    test::ExpectSameAsFile(GroupReportHtml(f.input, f.result), "group-work.htm");
    c.ratings = {WantedRating::Excellent, WantedRating::Weak, WantedRating::None};
    EXPECT_EQ(ParametersText(c), "Physical - Excellent, Emotional - Weak, Intellectual - None");
}

TEST(GroupReport, WritingAndItsFailures) {
    test::TempFolder folder;
    const fs::path file = folder.path() / kGroupReportFileName;
    Fixture f;
    const ReportResult written = WriteGroupReport(f.input, f.result, file);
    ASSERT_TRUE(written) << written.reason;
    EXPECT_EQ(test::ReadTestFile(file), GroupReportHtml(f.input, f.result));

    test::FullDisk full;
    const ReportResult failed = WriteGroupReport(f.input, f.result, file, &full);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.message, "Unable to create file");
    EXPECT_FALSE(failed.reason.empty());
    // The earlier report is still whole.
    EXPECT_EQ(test::ReadTestFile(file), GroupReportHtml(f.input, f.result));

    // Nobody found: nothing is written and nothing is said.
    f.criteria.ratings = {WantedRating::None, WantedRating::None, WantedRating::Excellent};
    f.Run();
    ASSERT_EQ(f.result.found, 0u);
    const fs::path other = folder.path() / "other.htm";
    const ReportResult nothing = WriteGroupReport(f.input, f.result, other);
    EXPECT_FALSE(nothing);
    EXPECT_TRUE(nothing.message.empty());
    EXPECT_FALSE(fs::exists(other));
}

}  // namespace
}  // namespace vitalune
