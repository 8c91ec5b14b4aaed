#include "core/db/PersonList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "DbTestSupport.h"
#include "core/db/PersonCollator.h"

namespace vitalune {
namespace {

using test::Lines;

// Inserting in order and refusing equal lines are checked through the database's AddPerson.
TEST(PersonList, FindEraseAndItsOwnLines) {
    PersonList list;
    list.Insert("John Smith|17.11.1977|M");
    list.Insert("Bob|01.02.1990|M");
    EXPECT_EQ(list.Find("BOB|01.02.1990|m"), 0u);
    EXPECT_FALSE(list.Find("Bob|01.02.1991|M"));
    list.Erase(0);
    EXPECT_EQ(Lines(list), std::vector<std::string>{"John Smith|17.11.1977|M"});
    // A line of the list itself may be inserted again (its bytes move while the list grows).
    EXPECT_FALSE(list.Insert(list[0]).second);
}

TEST(PersonList, BulkSortEqualsInsertingOneByOne) {
    std::mt19937 random(7);
    const std::vector<std::string> names = {"ann", "Ann",          "ANNA",  "Zo\xC3\xAB",
                                            "zoe", "Bj\xC3\xB6rn", "bjorn", "L\xC2\xB7l",
                                            "Ll",  "\xC3\x89mile", "Emile"};
    std::vector<std::string> lines;
    for (int i = 0; i < 3000; ++i) {
        lines.push_back(names[random() % names.size()] + "|0" + std::to_string(1 + random() % 9) +
                        ".01.1980|" + (random() % 2 ? "M" : "F"));
    }
    PersonList one;
    PersonList bulk;
    for (const std::string& line : lines) {
        one.Insert(line);
        bulk.Append(line);
    }
    std::vector<PersonList::Duplicate> dropped;
    bulk.SortAndDropDuplicates(&dropped);
    EXPECT_EQ(Lines(bulk), Lines(one));  // the same lines: the first of equal ones stays
    EXPECT_EQ(dropped.size(), lines.size() - bulk.size());
    for (const auto& d : dropped) {
        EXPECT_LT(d.kept, d.dropped);
        EXPECT_EQ(d.text, lines[d.dropped]);
        EXPECT_TRUE(PersonCollator::Instance().Equal(lines[d.kept], lines[d.dropped]));
    }
    EXPECT_TRUE(std::is_sorted(bulk.begin(), bulk.end(), [](auto a, auto b) {
        return PersonCollator::Instance().CompareByIcu(a, b) < 0;
    }));
}

TEST(PersonList, InsertAllLetsTheLinesAlreadyThereWin) {
    for (const std::size_t count : {3u, 200u}) {  // binary inserts and one sort
        PersonList list;
        list.Insert("Ann|05.01.1980|F");
        PersonList more;
        more.Append("ANN|05.01.1980|F");
        for (std::size_t i = 0; i < count; ++i) {
            more.Append("P" + std::to_string(i) + "|01.01.1990|M");
        }
        list.InsertAll(more);
        EXPECT_EQ(list.size(), count + 1);
        EXPECT_EQ(list[0], "Ann|05.01.1980|F");
    }
}

TEST(PersonList, ErasingManyKeepsTheRightLines) {
    PersonList list;
    for (int i = 0; i < 5000; ++i) {
        list.Insert("Person " + std::to_string(10000 + i) + "|01.01.1990|M");
    }
    std::vector<std::size_t> gone;
    for (std::size_t i = 0; i < 5000; ++i) {
        if (i % 3 != 1) {
            gone.push_back(i);
        }
    }
    gone.push_back(0);  // repeats and indexes past the end are ignored
    gone.push_back(99999);
    list.Erase(gone);  // frees most of the text: the buffer is compacted
    ASSERT_EQ(list.size(), 1667u);
    EXPECT_EQ(list[0], "Person 10001|01.01.1990|M");
    EXPECT_EQ(list[1], "Person 10004|01.01.1990|M");
    EXPECT_EQ(list[list.size() - 1], "Person 14999|01.01.1990|M");
    const std::vector<std::size_t> two = {0, 1};
    list.Erase(two);
    EXPECT_EQ(list[0], "Person 10007|01.01.1990|M");
    EXPECT_TRUE(list.Insert("Person 10004|01.01.1990|M").second);
    EXPECT_EQ(list[0], "Person 10004|01.01.1990|M");
}

}  // namespace
}  // namespace vitalune
