#include "core/reports/GroupReport.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "ExpectedFile.h"
#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/files/AtomicFile.h"
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

std::size_t Count(const std::string& text, std::string_view part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

TEST(GroupReport, WholePageForAFixedList) {
    Fixture f;
    ASSERT_EQ(f.result.found, 6u);
    test::ExpectSameAsFile(GroupReportHtml(f.input, f.result), "group.htm");
}

TEST(GroupReport, CriteriaInWords) {
    Fixture f;
    MatchCriteria& c = f.criteria;
    EXPECT_EQ(LimitAgeText(c), "No");
    EXPECT_EQ(ParametersText(c), "Physical - Any, Emotional - Any, Intellectual - Any");
    c.ageCheck = true;
    c.ageBegin = 4;
    c.ageEnd = 6;
    EXPECT_EQ(LimitAgeText(c), "From 20 to 35 years");
    c.ratings = {WantedRating::Excellent, WantedRating::Weak, WantedRating::None};
    EXPECT_EQ(ParametersText(c), "Physical - Excellent, Emotional - Weak, Intellectual - None");

    c.ratings = PatternRatings(kSpecialSearchPattern);
    c.searchItem = 2;
    c.sex = SexFilter::Female;
    c.exact = true;
    c.sort = MatchSort::Name;
    c.ageCheck = false;
    f.Run();
    const std::string page = GroupReportHtml(f.input, f.result);
    const auto row = [](std::string_view label, std::string_view value) {
        return "<b>" + std::string{label} + ":&nbsp;</b></td><td width=\"534\">" +
               std::string{value} + "</td>";
    };
    EXPECT_NE(page.find(row("Search among", "Work")), std::string::npos);
    EXPECT_NE(page.find(row("Sex", "Female")), std::string::npos);
    EXPECT_NE(page.find(row("Limit age", "No")), std::string::npos);
    EXPECT_NE(page.find(row("Use pattern", "Special search")), std::string::npos);
    EXPECT_NE(page.find(row("Exact compliance", "Yes")), std::string::npos);
    EXPECT_NE(page.find(row("Results found", "1")), std::string::npos);
    EXPECT_NE(page.find(row("Sort by", "Name")), std::string::npos);
    EXPECT_NE(page.find(row("Report for",
                            "Anna &lt;Smith&gt; &amp; &#1046;&#1072;&#1085;&#1085;"
                            "&#1072;, 01 Jan 2000")),
              std::string::npos);
}

TEST(GroupReport, ShadingRestartsWithEachGroup) {
    Fixture f;
    f.criteria.sort = MatchSort::Name;
    f.Run();
    const std::string page = GroupReportHtml(f.input, f.result);
    // Friends: Bob, Zoë, Alexis (by the person order), Work: Gus, Ian, Jo.
    const std::string shaded =
        "<tr height=\"22\"><td bgcolor=\"#F0F1FF\" width=\"195\" "
        "align=\"left\">&nbsp;";
    const std::string plain = "<tr height=\"22\"><td width=\"195\" align=\"left\">&nbsp;";
    EXPECT_EQ(Count(page, shaded), 4u);
    EXPECT_EQ(Count(page, plain), 2u);
    EXPECT_NE(page.find("<b>Work</b></td></tr>" + shaded + "Gus</td>"), std::string::npos);
    EXPECT_NE(page.find(plain + "Ian</td>"), std::string::npos);
    EXPECT_NE(page.find(shaded + "Jo</td>"), std::string::npos);
    // Every cell of a shaded row is shaded.
    EXPECT_NE(page.find(shaded + "Gus</td><td bgcolor=\"#F0F1FF\" width=\"103\">03 Jan 2000</td>"
                                 "<td bgcolor=\"#F0F1FF\" width=\"103\">83%</td>"),
              std::string::npos);
    // Separators make no rows; the group header shows the name without its icon.
    EXPECT_EQ(Count(page, "<tr><td colspan=\"6\" width=\"710\""), 2u);
    EXPECT_NE(page.find("<b>Friends &amp; &lt;Co&gt;</b>"), std::string::npos);
    EXPECT_EQ(page.find("|3"), std::string::npos);
}

TEST(GroupReport, RowsFollowTheListOrder) {
    Fixture f;
    const std::string byCompat = GroupReportHtml(f.input, f.result);
    // Work by Overall: Gus 86, then Ian and Jo (27 each) in database order.
    const auto gus = byCompat.find("Gus</td>");
    const auto ian = byCompat.find("Ian</td>");
    const auto jo = byCompat.find("Jo</td>");
    EXPECT_LT(gus, ian);
    EXPECT_LT(ian, jo);
    // Friends: Bob 93 before Zoë 71 and Alexis 76 before Zoë.
    EXPECT_LT(byCompat.find("Bob &quot;B&quot;"), byCompat.find("&#913;"));
    EXPECT_LT(byCompat.find("&#913;"), byCompat.find("Zo\xEB"));
}

struct FailingOps : FileOps {
    ssize_t Write(int, const void*, std::size_t) override {
        errno = ENOSPC;
        return -1;
    }
};

TEST(GroupReport, WritingAndItsFailures) {
    test::TempFolder folder;
    const fs::path file = folder.path() / kGroupReportFileName;
    Fixture f;
    const ReportResult written = WriteGroupReport(f.input, f.result, file);
    ASSERT_TRUE(written) << written.reason;
    EXPECT_EQ(test::ReadTestFile(file), GroupReportHtml(f.input, f.result));

    FailingOps full;
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
