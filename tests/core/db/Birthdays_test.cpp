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

// "[heading] name sex date (group, person) ... /" for each group, or "nobody".
std::string Written(const NamesDatabase& db, int year, int month, int day) {
    std::string text;
    for (const BirthdayEntry& e : FindBirthdays(db, EncodeDate(year, month, day))) {
        text += e.kind == Kind::GroupHeading ? "[" + e.text + "]"
                : e.kind == Kind::Gap        ? " /"
                : e.kind == Kind::Person
                    ? " " + e.text + " " + e.sex + " " + e.dateText + " (" +
                          std::to_string(e.group) + ", " + std::to_string(e.person) + ")"
                    : "nobody";
    }
    return text;
}

TEST(Birthdays, GroupedWithAHeadingAndAGapEach) {
    const NamesDatabase db = Sample();
    EXPECT_EQ(Written(db, 2030, 1, 5),
              "[Friends|4] Ann Smith F 05 Jan 1980 (0, 0) /[Work|7] Bob M 05 Jan 1975 (1, 0) /");
    EXPECT_EQ(FindBirthdays(db, EncodeDate(2030, 1, 5))[1].dateOfBirth, EncodeDate(1980, 1, 5));
}

TEST(Birthdays, LeapDaysNobodyAndUnreadableDates) {
    const NamesDatabase db = Sample();
    EXPECT_EQ(Written(db, 2024, 2, 29), "[Friends|4] Leap F 29 Feb 1980 (0, 1) /");
    for (int year = 2021; year <= 2023; ++year) {  // no 29 February: never listed
        EXPECT_EQ(Written(db, year, 2, 28), "nobody");
        EXPECT_EQ(Written(db, year, 3, 1), "nobody");
    }
    const auto december = FindBirthdays(db, EncodeDate(2030, 12, 30));
    ASSERT_EQ(december.size(), 3u);
    EXPECT_EQ(december[1].text, "Odd");
    EXPECT_EQ(december[1].dateOfBirth, 0);
}

}  // namespace
}  // namespace vitalune
