// Editing the database in memory: the operations the editor and the dialogs use.
#include "core/db/NamesDatabase.h"

#include <gtest/gtest.h>

#include <functional>

#include "DbTestSupport.h"

namespace vitalune {
namespace {

using test::kPlaceholder;
using test::Lines;
using test::TestClock;
using Strings = std::vector<std::string>;

NamesDatabase TwoGroups() {
    NamesDatabase db(TestClock());
    db.MakeEmpty();
    db.EditGroup(0, "Friends", 2);
    db.AddPerson(0, "Bob|01.02.1990|M");
    db.AddPerson(0, "Ann|05.01.1980|F");
    db.RemovePerson(0, *db.Persons(0).Find(kPlaceholder));
    db.AddGroup("Work", 5);
    return db;
}

TEST(NamesDatabase, AddingPersons) {
    NamesDatabase db = TwoGroups();
    EXPECT_EQ(Lines(db.Persons(0)), (Strings{"Ann|05.01.1980|F", "Bob|01.02.1990|M"}));
    AddResult again = db.AddPerson(0, "ann|05.01.1980|F");
    EXPECT_EQ(again.status, AddResult::Status::AlreadyThere);
    EXPECT_EQ(again.index, 0u);
    EXPECT_EQ(db.Persons(0).size(), 2u);
    const AddResult added = db.AddPerson(0, "Ann|05.01.1980|M");
    EXPECT_TRUE(added.added());
    EXPECT_EQ(added.index, 1u);
    // Lines that would not read back are refused.
    EXPECT_EQ(db.AddPerson(0, "#Sneaky|01.01.1990|M").status, AddResult::Status::Refused);
    EXPECT_EQ(db.AddPerson(0, "Two\nLines|01.01.1990|M").status, AddResult::Status::Refused);
    EXPECT_THROW(db.AddPerson(7, "Bob|01.02.1990|M"), std::out_of_range);
}

// Which lines go is the list's; the database refills what is left empty.
TEST(NamesDatabase, RemovingEveryPersonLeavesThePlaceholder) {
    NamesDatabase db = TwoGroups();
    const std::vector<std::size_t> both = {0, 1};
    db.RemovePersons(0, both);
    EXPECT_EQ(Lines(db.Persons(0)), Strings{kPlaceholder});
}

TEST(NamesDatabase, EditingAPersonMovesItToItsPlace) {
    NamesDatabase db = TwoGroups();
    // Only the sex changes: one line for the person remains.
    AddResult edited = db.ReplacePerson(0, 1, "Bob|01.02.1990|F");
    EXPECT_TRUE(edited.added());
    EXPECT_EQ(Lines(db.Persons(0)), (Strings{"Ann|05.01.1980|F", "Bob|01.02.1990|F"}));
    edited = db.ReplacePerson(0, 0, "Zed|05.01.1980|F");
    EXPECT_EQ(edited.index, 1u);
    EXPECT_EQ(Lines(db.Persons(0)), (Strings{"Bob|01.02.1990|F", "Zed|05.01.1980|F"}));
    // Replacing by a line equal to another leaves that one.
    edited = db.ReplacePerson(0, 1, "BOB|01.02.1990|F");
    EXPECT_EQ(edited.status, AddResult::Status::AlreadyThere);
    EXPECT_EQ(Lines(db.Persons(0)), Strings{"Bob|01.02.1990|F"});
    // A line that is a view into the list itself.
    edited = db.ReplacePerson(0, 0, db.Persons(0)[0]);
    EXPECT_TRUE(edited.added());
    EXPECT_EQ(db.ReplacePerson(0, 5, "X|01.01.1990|M").status, AddResult::Status::Refused);
}

TEST(NamesDatabase, MovingAndCopyingPersons) {
    NamesDatabase db = TwoGroups();
    const std::vector<std::size_t> both = {0, 1};
    db.CopyPersons(0, both, 1);
    EXPECT_EQ(Lines(db.Persons(1)),
              (Strings{"Ann|05.01.1980|F", "Bob|01.02.1990|M", kPlaceholder}));
    db.AddPerson(0, "Cid|01.01.1990|M");
    const std::vector<std::size_t> all = {0, 1, 2};
    db.MovePersons(0, all, 1);
    EXPECT_EQ(Lines(db.Persons(0)), Strings{kPlaceholder});  // nothing empty behind a move
    EXPECT_EQ(db.Persons(1).size(), 4u);                     // the equal lines came once
    const auto revision = db.Revision();
    db.MovePersons(1, all, 1);  // into its own group: nothing
    EXPECT_EQ(db.Persons(1).size(), 4u);
    EXPECT_EQ(db.Revision(), revision);
}

TEST(NamesDatabase, GroupOperations) {
    NamesDatabase db = TwoGroups();
    EXPECT_FALSE(db.AddGroup("Work", 1));  // the same name, same case
    const auto lower = db.AddGroup("work", 1);
    ASSERT_TRUE(lower);
    EXPECT_EQ(db.GroupEntry(*lower), "work|1");
    EXPECT_EQ(Lines(db.Persons(*lower)), Strings{kPlaceholder});
    EXPECT_FALSE(db.AddGroup("a|b", 1));
    EXPECT_EQ(db.FindGroup("work"), lower);
    EXPECT_EQ(db.FindGroup("Work"), 1u);
    EXPECT_FALSE(db.FindGroup("WORK"));

    EXPECT_TRUE(db.EditGroup(1, "Work", 9));  // own name, new icon
    EXPECT_EQ(db.GroupEntry(1), "Work|9");
    EXPECT_FALSE(db.EditGroup(1, "Friends", 9));  // another group's name
    EXPECT_TRUE(db.EditGroup(1, "Office", 9));

    EXPECT_FALSE(db.MoveGroup(0, 0));
    EXPECT_FALSE(db.MoveGroup(0, 3));
    EXPECT_TRUE(db.MoveGroup(0, 2));  // entry and persons move together
    EXPECT_EQ(db.Groups(), (Strings{"Office|9", "work|1", "Friends|2"}));
    EXPECT_EQ(db.Persons(2).size(), 2u);
    EXPECT_TRUE(db.MoveGroup(2, 0));
    EXPECT_EQ(db.Groups(), (Strings{"Friends|2", "Office|9", "work|1"}));

    db.DeleteGroup(1);
    EXPECT_EQ(db.Groups(), (Strings{"Friends|2", "work|1"}));
    db.DeleteGroup(0);
    db.DeleteGroup(0);
    EXPECT_EQ(db.Groups(), Strings{"My profiles|2"});  // never without a group
    EXPECT_EQ(Lines(db.Persons(0)), Strings{kPlaceholder});
}

TEST(NamesDatabase, RevisionChangesWithEveryModification) {
    NamesDatabase db = TwoGroups();
    const std::pair<std::function<void()>, bool> steps[] = {
        {[&] { db.AddPerson(0, "Cid|01.01.1990|M"); }, true},
        {[&] { db.AddPerson(0, "cid|01.01.1990|M"); }, false},  // nothing added
        {[&] { db.RemovePerson(0, 0); }, true},
        {[&] { db.ReplacePerson(0, 0, "Dan|01.01.1990|M"); }, true},
        {[&] { db.AddGroup("New", 3); }, true},
        {[&] { db.EditGroup(2, "Newer", 3); }, true},
        {[&] { db.MoveGroup(0, 1); }, true},
        {[&] { db.DeleteGroup(2); }, true},
        {[&] { db.MakeEmpty(); }, true},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const auto before = db.Revision();
        steps[i].first();
        EXPECT_EQ(db.Revision() != before, steps[i].second) << "step " << i;
    }
    // Putting a snapshot back (the editor's Cancel) is a change too.
    const NamesDatabase snapshot = TwoGroups();
    const auto before = db.Revision();
    db = snapshot;
    EXPECT_NE(db.Revision(), before);
    EXPECT_TRUE(db == snapshot);
    EXPECT_NE(db.Revision(), snapshot.Revision());
}

}  // namespace
}  // namespace vitalune
