#include "core/dayreport/DayNotes.h"

#include <gtest/gtest.h>

#include "support/ExpectedFile.h"
#include "support/ScriptedRandom.h"

namespace vitalune {
namespace {

using test::ScriptedRandom;
using Kind = NoteParagraph::Kind;

DayRhythms Day(int p, int e, int i, int u) {
    DayRhythms day;
    day.percent = {p, e, i, u};
    return day;
}

DayRhythms Critical(DayRhythms day, std::array<bool, 4> flags) {
    day.critical = flags;
    day.criticalCount = 0;
    for (bool flag : flags) {
        day.criticalCount += flag ? 1 : 0;
    }
    return day;
}

// The headings are in notes.txt.
TEST(DayNotes, SignCombination) {
    EXPECT_EQ(SignCombination(Day(49, 0, 10, 49)), 0);
    EXPECT_EQ(SignCombination(Day(50, 50, 50, 50)), 15);  // exactly 50 is positive
    EXPECT_EQ(SignCombination(Day(80, 20, 60, 40)), 10);
    EXPECT_EQ(SignCombination(Day(0, 0, 0, 99)), 1);
}

TEST(DayNotes, VariantsAreDrawnFortyFortyTwenty) {
    const std::pair<std::uint32_t, int> draws[] = {{0, 0},   {39, 0},         {40, 1},  {79, 1},
                                                   {80, 2},  {99, 2},         {100, 0}, {139, 0},
                                                   {180, 2}, {4294967295u, 2}};  // 95
    for (const auto& [r, variant] : draws) {
        DayTextChoice choice{7, 0};  // another combination: no bump
        ScriptedRandom random{r};
        EXPECT_EQ(ChooseDayVariant(3, choice, random), variant) << r;
        EXPECT_EQ(choice, (DayTextChoice{3, variant}));
    }
}

TEST(DayNotes, TheSameTextNeverShowsTwiceInARowForACombination) {
    DayTextChoice choice;  // a new window: combination 0, variant 0
    ScriptedRandom random{10, 10, 90, 90, 50, 50};
    EXPECT_EQ(ChooseDayVariant(0, choice, random), 1);  // 0 was shown last
    EXPECT_EQ(ChooseDayVariant(0, choice, random), 0);  // 0 again is fine after 1
    EXPECT_EQ(ChooseDayVariant(0, choice, random), 2);
    EXPECT_EQ(ChooseDayVariant(0, choice, random), 0);  // after variant 2 a repeated 2 gives 0
    EXPECT_EQ(ChooseDayVariant(5, choice, random), 1);
    EXPECT_EQ(ChooseDayVariant(6, choice, random), 1);  // other combination: 1 stays
    EXPECT_EQ(choice, (DayTextChoice{6, 1}));
}

// Notes as notes.txt writes them: headings in brackets, paragraphs by their start and end
// ("\n" for a line end).
std::string Written(const DayNotes& notes) {
    std::string text;
    for (const NoteParagraph& note : notes) {
        std::string line = note.text.size() <= 120 ? note.text
                                                   : note.text.substr(0, 80) + "..." +
                                                         note.text.substr(note.text.size() - 12);
        for (auto at = line.find('\n'); at != std::string::npos; at = line.find('\n', at)) {
            line.replace(at, 1, "\\n");
        }
        text += note.kind == Kind::Heading ? "  [" + line + "]\n" : "  " + line + "\n";
    }
    return text;
}

// The notes of days chosen for their signs, extremes and critical rhythms, and of two pairs.
TEST(DayNotes, NotesAsWritten) {
    DayRhythms birth;  // 57, 56, 55, 54, all four critical
    ComputeDayRhythms(0, 0, birth, false);
    const std::pair<const char*, DayRhythms> days[] = {
        {"day of birth", birth},
        {"emotional instability", Critical(Day(80, 20, 60, 40), {false, true, false, false})},
        {"stressful for women, physical maximum left out", Day(95, 5, 95, 50)},
        {"stressful for men", Day(50, 95, 5, 50)},
        {"three maxima, intuitive left out", Day(90, 90, 90, 95)},
        {"three minima", Day(9, 9, 9, 3)},
        {"single extremes in rhythm order", Day(90, 10, 50, 9)},
        {"physical minimum, intuitive maximum", Day(5, 50, 50, 95)},
        {"instability before extremes", Critical(Day(95, 50, 50, 50), {false, false, true, false})},
    };
    std::string written;
    for (const auto& [what, day] : days) {
        DayTextChoice choice{15, 1};  // the day of birth's combination, variant 1 shown last
        ScriptedRandom random{45};    // variant 1 again: the next one shows instead
        written += std::string{what} + "\n" + Written(ComposeDayNotes(day, choice, random));
    }
    written +=
        "compatible\n" + Written(ComposeCompatibilityNotes(ComputeCompatibility(1000, 1000)));
    written +=
        "ten days apart\n" + Written(ComposeCompatibilityNotes(ComputeCompatibility(1000, 1010)));
    test::ExpectSameAsFile(written, "notes.txt");
    DayTextChoice choice{15, 1};
    ScriptedRandom random{45};
    ComposeDayNotes(birth, choice, random);
    EXPECT_EQ(choice, (DayTextChoice{15, 2}));  // the variant shown is kept

    EXPECT_EQ(ExtremeNoteIndexes(Day(9, 95, 89, 96)), (std::vector<int>{4, 9, 11}));
    EXPECT_EQ(ExtremeNoteIndexes(Day(89, 10, 50, 10)), (std::vector<int>{}));  // 10 is no minimum
    DayRhythms flagOnly = Day(80, 20, 60, 40);  // a flag without a count is no critical day
    flagOnly.critical[0] = true;
    EXPECT_TRUE(InstabilityNoteIndexes(flagOnly).empty());
}

}  // namespace
}  // namespace vitalune
