#include "core/db/PersonLine.h"

#include <gtest/gtest.h>

#include "core/engine/DateInput.h"
#include "support/Transcript.h"

namespace vitalune {
namespace {

using test::Escaped;

std::string Quoted(std::string_view text) {
    return "\"" + Escaped(text) + "\"";
}

TEST(PersonLine, DatesLinesAndGroupsAsTheTranscriptsSay) {
    test::ExpectTranscript("dates.txt", [](const std::string& text) {
        const std::int32_t day = ParseDob(text);
        return "  " + (day == 0 ? std::string{"none"} : IsoDateText(day)) + "\n";
    });
    test::ExpectTranscript("person-lines.txt", [](const std::string& line) {
        const Person p = SplitPersonLine(line);
        const PersonLineFault fault = CheckPersonLine(line);
        EXPECT_EQ(IsValidPersonLine(line), fault == PersonLineFault::None);
        return "  name " + Quoted(p.name) + ", date " + Quoted(p.dateText) + ", sex " +
               Quoted(p.sex) + "\n  " +
               (fault == PersonLineFault::None ? "kept" : std::string{PersonLineFaultText(fault)}) +
               (IsStorablePersonLine(line) ? ", storable\n" : ", not storable\n");
    });
    test::ExpectTranscript("groups.txt", [](const std::string& text) {
        const PersonGroup entry = ParseGroupEntry(text);
        return "  " + Quoted(entry.name) + " icon " + std::to_string(entry.icon) +
               ", as a header " + std::to_string(ParseGroupHeader(text).icon) +
               (IsStorableGroupName(text) ? ", a storable name\n" : "\n");
    });
}

TEST(PersonLine, FormatDobPadsDayAndMonthOnly) {
    EXPECT_EQ(FormatDob(EncodeDate(1980, 1, 5)), "05.01.1980");
    EXPECT_EQ(FormatDob(EncodeDate(2026, 12, 31)), "31.12.2026");
    EXPECT_EQ(FormatDob(EncodeDate(987, 3, 4)), "04.03.987");
    EXPECT_EQ(ParseDob(FormatDob(EncodeDate(2024, 2, 29))), EncodeDate(2024, 2, 29));
    EXPECT_EQ(PlaceholderPerson(EncodeDate(2008, 1, 5)), "New person|05.01.2008|M");
    EXPECT_EQ(MakeGroupEntry("Friends", 2), "Friends|2");
}

}  // namespace
}  // namespace vitalune
