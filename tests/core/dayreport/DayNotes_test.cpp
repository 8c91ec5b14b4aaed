#include "core/dayreport/DayNotes.h"

#include <gtest/gtest.h>

#include "core/dayreport/DayTexts.h"
#include "core/engine/CompatTexts.h"
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

NoteParagraph H(std::string_view text) {
    return {Kind::Heading, std::string{text}};
}
NoteParagraph B(std::string_view text) {
    return {Kind::Body, std::string{text}};
}

// The notes after the sign heading, day text and state lines.
DayNotes WarningNotes(const DayRhythms& day) {
    DayTextChoice choice;
    ScriptedRandom random{0};
    DayNotes notes = ComposeDayNotes(day, choice, random);
    return DayNotes(notes.begin() + 3, notes.end());
}

TEST(DayNotes, SignCombinationAndHeading) {
    EXPECT_EQ(SignCombination(Day(49, 0, 10, 49)), 0);
    EXPECT_EQ(SignHeading(Day(49, 0, 10, 49)), "- - - -");
    EXPECT_EQ(SignCombination(Day(50, 50, 50, 50)), 15);  // exactly 50 is positive
    EXPECT_EQ(SignHeading(Day(50, 50, 50, 50)), "+ + + +");
    EXPECT_EQ(SignCombination(Day(80, 20, 60, 40)), 10);
    EXPECT_EQ(SignHeading(Day(80, 20, 60, 40)), "+ - + -");
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

TEST(DayNotes, PrimaryNotesInOrderOnTheDayOfBirth) {
    // Day of birth: 57, 56, 55, 54, all four critical.
    DayRhythms day;
    ComputeDayRhythms(0, 0, day, false);
    DayTextChoice choice{15, 1};
    ScriptedRandom random{45};  // variant 1, shown last: becomes 2
    const DayNotes notes = ComposeDayNotes(day, choice, random);
    EXPECT_EQ(choice, (DayTextChoice{15, 2}));
    const DayNotes expected = {
        H("+ + + +"),
        B(DayTexts::Text(14, 2)),  // combination 15 shares its third variant with 14
        B("\nPhysical state: Positive \nEmotional state: Positive \nIntellectual state: "
          "Positive \nIntuitive state: Positive \n"),
        H("Physical instability"),
        B(std::string{InstabilityTexts::Body(0)} + "\n"),
        H("Emotional instability"),
        B(std::string{InstabilityTexts::Body(1)} + "\n"),
        H("Intellectual instability"),
        B(std::string{InstabilityTexts::Body(2)} + "\n"),
        H("Intuitive instability"),
        B(std::string{InstabilityTexts::Body(3)} + "\n"),
    };
    EXPECT_EQ(notes, expected);
}

TEST(DayNotes, StateLinesAndInstabilityFollowTheDay) {
    const DayRhythms day = Critical(Day(80, 20, 60, 40), {false, true, false, false});
    DayTextChoice choice;
    ScriptedRandom random{85};
    const DayNotes notes = ComposeDayNotes(day, choice, random);
    ASSERT_EQ(notes.size(), 5u);
    EXPECT_EQ(notes[0], H("+ - + -"));
    EXPECT_EQ(notes[1], B(DayTexts::Text(10, 2)));
    EXPECT_EQ(notes[2].text,
              "\nPhysical state: Positive \nEmotional state: Negative \nIntellectual state: "
              "Positive \nIntuitive state: Negative \n");
    EXPECT_EQ(notes[3], H("Emotional instability"));
    // A flag without a count is not a critical day.
    DayRhythms flagOnly = Day(80, 20, 60, 40);
    flagOnly.critical[0] = true;
    EXPECT_TRUE(InstabilityNoteIndexes(flagOnly).empty());
}

TEST(DayNotes, CombinationExtremesWinOverSingleOnes) {
    // Intellectual maximum with Emotional minimum: only the stressful-for-women note, even
    // with Physical at its maximum too.
    EXPECT_EQ(WarningNotes(Day(95, 5, 95, 50)),
              (DayNotes{H("Critical combination"), B(ExtremeTexts::Body(0))}));
    EXPECT_EQ(WarningNotes(Day(50, 95, 5, 50)),
              (DayNotes{H("Critical combination"), B(ExtremeTexts::Body(1))}));
    // Intuitive plays no part in the two triple rules and is then not listed either.
    EXPECT_EQ(WarningNotes(Day(90, 90, 90, 95)),
              (DayNotes{H("Three maxima"), B(ExtremeTexts::Body(2))}));
    EXPECT_EQ(WarningNotes(Day(9, 9, 9, 3)),
              (DayNotes{H("Three minima"), B(ExtremeTexts::Body(3))}));
    EXPECT_EQ(ExtremeNoteIndexes(Day(9, 9, 9, 3)), (std::vector<int>{3}));
}

TEST(DayNotes, SingleExtremesInRhythmOrder) {
    EXPECT_EQ(WarningNotes(Day(90, 10, 50, 9)),
              (DayNotes{H("Physical maximum"), B(std::string{ExtremeTexts::Body(8)} + " \n"),
                        H("Intuitive minimum"), B(std::string{ExtremeTexts::Body(7)} + " \n")}));
    EXPECT_EQ(ExtremeNoteIndexes(Day(9, 95, 89, 96)), (std::vector<int>{4, 9, 11}));
    EXPECT_EQ(ExtremeNoteIndexes(Day(89, 10, 50, 10)), (std::vector<int>{}));  // 10 is no minimum
    // Instability comes before the extremes.
    const DayNotes notes = WarningNotes(Critical(Day(95, 50, 50, 50), {false, false, true, false}));
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[0], H("Intellectual instability"));
    EXPECT_EQ(notes[2], H("Physical maximum"));
}

TEST(DayNotes, CompatibilityNotes) {
    const CompatibilityResult same = ComputeCompatibility(1000, 1000);  // 100 everywhere
    const DayNotes notes = ComposeCompatibilityNotes(same);
    const DayNotes expected = {
        H(CompatTexts::Title(8)),
        B(CompatTexts::Body(8)),
        B("\n" + std::string{CompatTexts::Paragraph(0, true)} + "\n"),
        B(std::string{CompatTexts::Paragraph(1, true)} + "\n"),
        B(CompatTexts::Paragraph(2, true)),
    };
    EXPECT_EQ(notes, expected);

    const DayNotes apart = ComposeCompatibilityNotes(ComputeCompatibility(1000, 1010));
    EXPECT_EQ(apart[0], H("All three primary rhythms are incompatible"));
    EXPECT_EQ(apart[2].text, "\n" + std::string{CompatTexts::Paragraph(0, false)} + "\n");
    EXPECT_EQ(apart[4].text, CompatTexts::Paragraph(2, false));
}

}  // namespace
}  // namespace vitalune
