#include "core/db/Birthdays.h"

#include <gtest/gtest.h>

#include "DbTestSupport.h"

namespace vitalune {
namespace {

using Kind = BirthdayEntry::Kind;

NamesDatabase Sample() {
    NamesDatabase db(test::TestClock());
    db.MakeEmpty();
    db.EditGroup(0, "Friends", 4);
    db.AddPerson(0, "Leap|29.02.1980|F");
    db.AddPerson(0, "Ann Smith|05.01.1980|F");
    db.AddGroup("Work", 7);
    db.AddPerson(1, "Bob|05.01.1975|M");
    db.AddPerson(1, "Odd|xx.yy.zzzz|M");   // unreadable: counts as 30 December
    for (std::size_t g = 0; g < 2; ++g) {  // the placeholders were born "today", 5 January
        db.RemovePerson(g, *db.Persons(g).Find(test::kPlaceholder));
    }
    return db;
}

std::vector<Kind> Kinds(const std::vector<BirthdayEntry>& entries) {
    std::vector<Kind> kinds;
    for (const auto& e : entries) {
        kinds.push_back(e.kind);
    }
    return kinds;
}

TEST(Birthdays, GroupedWithAHeadingAndAGapEach) {
    const NamesDatabase db = Sample();
    const auto entries = FindBirthdays(db, EncodeDate(2030, 1, 5));
    ASSERT_EQ(Kinds(entries), (std::vector<Kind>{Kind::GroupHeading, Kind::Person, Kind::Gap,
                                                 Kind::GroupHeading, Kind::Person, Kind::Gap}));
    EXPECT_EQ(entries[0].text, "Friends|4");
    EXPECT_EQ(entries[1].text, "Ann Smith");
    EXPECT_EQ(entries[1].sex, "F");
    EXPECT_EQ(entries[1].dateText, "05 Jan 1980");
    EXPECT_EQ(entries[1].dateOfBirth, EncodeDate(1980, 1, 5));
    EXPECT_EQ(entries[3].text, "Work|7");
    EXPECT_EQ(entries[4].text, "Bob");
    EXPECT_EQ(entries[4].group, 1u);
    EXPECT_EQ(db.Persons(entries[4].group)[entries[4].person], "Bob|05.01.1975|M");
}

TEST(Birthdays, LeapDaysNobodyAndUnreadableDates) {
    const NamesDatabase db = Sample();
    auto leap = FindBirthdays(db, EncodeDate(2024, 2, 29));
    ASSERT_EQ(leap.size(), 3u);
    EXPECT_EQ(leap[1].text, "Leap");
    for (int year = 2021; year <= 2023; ++year) {  // no 29 February: never listed
        for (const auto& e : FindBirthdays(db, EncodeDate(year, 2, 28))) {
            EXPECT_NE(e.text, "Leap");
        }
        EXPECT_EQ(Kinds(FindBirthdays(db, EncodeDate(year, 3, 1))),
                  std::vector<Kind>{Kind::NobodyFound});
    }
    const auto december = FindBirthdays(db, EncodeDate(2030, 12, 30));
    ASSERT_EQ(december.size(), 3u);
    EXPECT_EQ(december[1].text, "Odd");
    EXPECT_EQ(december[1].dateOfBirth, 0);
}

}  // namespace
}  // namespace vitalune
