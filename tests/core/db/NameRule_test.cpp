// The rule for typed names: what the dialogs refuse and why, and that every name they accept
// comes back unchanged from the database file.
#include "core/db/NameRule.h"

#include <gtest/gtest.h>

#include "DbTestSupport.h"
#include "support/Transcript.h"

namespace vitalune {
namespace {

std::string Verdict(const std::string& name, NameUse use) {
    return NameFault(name, use).value_or("ok");
}

TEST(NameRule, TypedNamesAsTheTranscriptSays) {
    test::ExpectTranscript("names.txt", [](const std::string& typed) {
        const std::string name = TrimName(typed);
        return "  \"" + test::Escaped(name) + "\"\n  person: " + Verdict(name, NameUse::Person) +
               "\n  group: " + Verdict(name, NameUse::Group) + "\n";
    });
}

// A name the rule lets through is stored and read back as typed, in a person line and as a
// group; the ones it stops would not have been.
TEST(NameRule, AcceptedNamesSurviveTheFile) {
    const std::string names[] = {"Ann Smith", "Zoë Ærø", "Дмитрий", "O'Neil & Sons",
                                 "a#b;c",     "李小龍",  "#group",  ";group",
                                 "x",         "Jean-Luc"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        NamesDatabase db(test::TestClock());
        db.MakeEmpty();
        const bool person = !NameFault(name, NameUse::Person);
        const bool group = !NameFault(name, NameUse::Group);
        ASSERT_TRUE(group);
        const std::string line = name + "|05.01.1980|F";
        if (person) {
            ASSERT_TRUE(db.AddPerson(0, line).added());
        }
        ASSERT_TRUE(db.AddGroup(name, 7).has_value());
        NamesDatabase back(test::TestClock());
        back.LoadFromBytes(db.FileContent());
        ASSERT_EQ(back.GroupCount(), 2u);
        EXPECT_EQ(back.GroupEntry(1), name + "|7");
        EXPECT_EQ(back.Persons(0).Find(line).has_value(), person);
    }
    // What the rule refuses: the database would take these lines in as something else or not
    // at all.
    for (const std::string bad : {"#Sneaky", ";Quiet"}) {
        NamesDatabase db(test::TestClock());
        db.MakeEmpty();
        EXPECT_FALSE(db.AddPerson(0, bad + "|05.01.1980|F").added()) << bad;
    }
    // Control characters (C0, DEL, C1) never reach a stored line, whoever asks to store it.
    for (const std::string bad : {"Tab\tbed", "Bell\x07", "Del\x7F", "C1\xC2\x85"}) {
        NamesDatabase db(test::TestClock());
        db.MakeEmpty();
        EXPECT_EQ(db.AddPerson(0, bad + "|05.01.1980|F").status, AddResult::Status::Refused)
            << test::Escaped(bad);
        EXPECT_FALSE(db.AddGroup(bad, 3)) << test::Escaped(bad);
        EXPECT_FALSE(db.EditGroup(0, bad, 3)) << test::Escaped(bad);
    }
    // A bar in the name splits it: the line loses its person at the next load.
    EXPECT_EQ(SplitPersonLine("A|B|05.01.1980|F").name, "A");
    EXPECT_FALSE(IsValidPersonLine("A|B|05.01.1980|F"));
}

}  // namespace
}  // namespace vitalune
