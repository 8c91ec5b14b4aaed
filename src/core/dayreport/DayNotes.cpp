#include "core/dayreport/DayNotes.h"

#include "core/dayreport/DayTexts.h"
#include "core/engine/CompatTexts.h"

namespace vitalune {

namespace {

constexpr std::string_view kStateNames[4] = {"Physical", "Emotional", "Intellectual", "Intuitive"};

bool Positive(std::int32_t percent) {
    return percent >= 50;
}
bool AtMaximum(std::int32_t percent) {
    return percent >= kMaximumFrom;
}
bool AtMinimum(std::int32_t percent) {
    return percent < kMinimumBelow;
}

NoteParagraph Heading(std::string_view text) {
    return {NoteParagraph::Kind::Heading, std::string{text}};
}
NoteParagraph Body(std::string text) {
    return {NoteParagraph::Kind::Body, std::move(text)};
}

// "\nPhysical state: Positive \nEmotional state: Negative \n..."; only the first line starts
// with a line feed.
std::string StateLines(const DayRhythms& day) {
    std::string text = "\n";
    for (std::size_t i = 0; i < 4; ++i) {
        text += std::string{kStateNames[i]} +
                " state: " + (Positive(day.percent[i]) ? "Positive" : "Negative") + " \n";
    }
    return text;
}

}  // namespace

int SignCombination(const DayRhythms& day) {
    const auto& p = day.percent;
    return (Positive(p[0]) ? 8 : 0) + (Positive(p[1]) ? 4 : 0) + (Positive(p[2]) ? 2 : 0) +
           (Positive(p[3]) ? 1 : 0);
}

std::string SignHeading(const DayRhythms& day) {
    std::string heading;
    for (std::size_t i = 0; i < 4; ++i) {
        heading += Positive(day.percent[i]) ? "+" : "-";
        if (i < 3) {
            heading += ' ';
        }
    }
    return heading;
}

int ChooseDayVariant(int combination, DayTextChoice& choice, RandomSource& random) {
    int variant = static_cast<int>(random.Next() % 100 / 40);
    if (combination == choice.combination && variant == choice.variant) {
        variant = (variant + 1) % kDayTextVariants;
    }
    choice = {combination, variant};
    return variant;
}

std::vector<int> InstabilityNoteIndexes(const DayRhythms& day) {
    std::vector<int> indexes;
    if (day.criticalCount > 0) {
        for (int i = 0; i < 4; ++i) {
            if (day.critical[static_cast<std::size_t>(i)]) {
                indexes.push_back(i);
            }
        }
    }
    return indexes;
}

std::vector<int> ExtremeNoteIndexes(const DayRhythms& day) {
    const auto& p = day.percent;
    if (AtMaximum(p[2]) && AtMinimum(p[1])) {
        return {0};
    }
    if (AtMinimum(p[2]) && AtMaximum(p[1])) {
        return {1};
    }
    if (AtMaximum(p[0]) && AtMaximum(p[1]) && AtMaximum(p[2])) {
        return {2};
    }
    if (AtMinimum(p[0]) && AtMinimum(p[1]) && AtMinimum(p[2])) {
        return {3};
    }
    std::vector<int> indexes;
    for (int i = 0; i < 4; ++i) {
        const std::int32_t value = p[static_cast<std::size_t>(i)];
        if (AtMinimum(value)) {
            indexes.push_back(4 + i);
        } else if (AtMaximum(value)) {
            indexes.push_back(8 + i);
        }
    }
    return indexes;
}

DayNotes ComposeDayNotes(const DayRhythms& day, DayTextChoice& choice, RandomSource& random) {
    const int combination = SignCombination(day);
    const int variant = ChooseDayVariant(combination, choice, random);
    DayNotes notes;
    notes.push_back(Heading(SignHeading(day)));
    notes.push_back(Body(std::string{DayTexts::Text(combination, variant)}));
    notes.push_back(Body(StateLines(day)));
    for (int i : InstabilityNoteIndexes(day)) {
        notes.push_back(Heading(InstabilityTexts::Title(i)));
        notes.push_back(Body(std::string{InstabilityTexts::Body(i)} + "\n"));
    }
    for (int i : ExtremeNoteIndexes(day)) {
        notes.push_back(Heading(ExtremeTexts::Title(i)));
        // The combination notes end the notes; the per-rhythm ones are spaced apart.
        notes.push_back(Body(std::string{ExtremeTexts::Body(i)} + (i >= 4 ? " \n" : "")));
    }
    return notes;
}

DayNotes ComposeCompatibilityNotes(const CompatibilityResult& result) {
    const CompatCombination combination =
        SelectCombination(result[CompatField::Physical], result[CompatField::Emotional],
                          result[CompatField::Intellectual]);
    const auto paragraph = [&](int primary) {
        return std::string{
            CompatTexts::ParagraphFor(primary, result.values[static_cast<std::size_t>(primary)])};
    };
    return {
        Heading(CompatTexts::Title(combination)),
        Body(std::string{CompatTexts::Body(combination)}),
        Body("\n" + paragraph(0) + "\n"),
        Body(paragraph(1) + "\n"),
        Body(paragraph(2)),
    };
}

}  // namespace vitalune
