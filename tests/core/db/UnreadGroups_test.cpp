// Groups whose lines are read only when first asked for: what callers see is what a database
// read whole at load would show, whatever is asked first and whatever happens to it meanwhile.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "DbTestSupport.h"
#include "core/db/NamesDatabase.h"

namespace vitalune {
namespace {

using test::Lines;
using test::TestClock;
using Strings = std::vector<std::string>;

// Unsorted lines, duplicates by case, bad lines, a repeated header, windows-1252 bytes, a
// control character, CR alone and CR LF line ends.
const std::string kFile =
    "stray|01.01.1990|M\r\n"
    "#Friends|3\r\n"
    "zoe|01.01.1990|F\r\nAnn|05.01.1980|F\r\nann|05.01.1980|F\r\nbad\r\n"
    "#Work|5\r"
    "Ren\xE9|02.02.1970|M\rBob|31.04.1990|M\rBob|01.02.1990|M\r"
    "#Empty\n;a comment\n\n"
    "#Friends|7\n"
    "Cid|03.03.1990|M\nANN|05.01.1980|F\nT\x01m|04.04.1990|M\n";

// The same file read whole, as loading with a report does.
NamesDatabase ReadWhole(const std::string& bytes) {
    NamesDatabase db(TestClock());
    std::vector<DroppedLine> dropped;
    LoadOptions options;
    options.dropped = &dropped;
    db.LoadFromBytes(bytes, options);
    return db;
}

NamesDatabase Unread(const std::string& bytes) {
    NamesDatabase db(TestClock());
    db.LoadFromBytes(bytes);
    return db;
}

TEST(UnreadGroups, AGroupReadLateEqualsOneReadAtLoad) {
    const NamesDatabase whole = ReadWhole(kFile);
    for (const std::string& bytes :
         {kFile, std::string{"\xEF\xBB\xBF#A\nb|01.01.1990|M\n"}, whole.FileContent()}) {
        const NamesDatabase eager = ReadWhole(bytes);
        const NamesDatabase late = Unread(bytes);
        ASSERT_EQ(late.Groups(), eager.Groups());
        for (std::size_t g = late.GroupCount(); g-- > 0;) {
            EXPECT_EQ(Lines(late.Persons(g)), Lines(eager.Persons(g))) << g;
        }
    }
    EXPECT_EQ(Lines(whole.Persons(0)),
              (Strings{"Ann|05.01.1980|F", "Cid|03.03.1990|M", "T\xEF\xBF\xBDm|04.04.1990|M",
                       "zoe|01.01.1990|F"}));
    EXPECT_EQ(Lines(whole.Persons(1)), (Strings{"Bob|01.02.1990|M", "Ren\xC3\xA9|02.02.1970|M"}));
    EXPECT_EQ(Lines(whole.Persons(2)), Strings{test::kPlaceholder});
}

// Headers land at every offset of the loader's 64-byte steps, right after accented names.
// In a file that is not UTF-8 the mark's bytes are text, so the first header is no header.
TEST(UnreadGroups, HeadersAreFoundWhereverTheyFall) {
    for (const std::string accent : {"\xC3\xA9", "\xE9"}) {  // UTF-8, windows-1252
        std::string file = "\xEF\xBB\xBF";
        Strings groups;
        Strings persons;
        for (std::size_t g = 0; g < 130; ++g) {
            file += "#G" + std::to_string(g) + "|1\n";
            const std::string line = "N" + std::string(g % 64, 'x') + "|01.01.1990|M";
            file += line.substr(0, 1) + accent + line.substr(1) + "\n";
            if (g > 0 || accent.size() == 2) {
                groups.push_back("G" + std::to_string(g) + "|1");
                persons.push_back("N\xC3\xA9" + line.substr(1));
            }
        }
        const NamesDatabase db = Unread(file);
        ASSERT_EQ(db.Groups(), groups) << accent.size();
        for (std::size_t g = 0; g < groups.size(); ++g) {
            EXPECT_EQ(Lines(db.Persons(g)), Strings{persons[g]}) << groups[g];
        }
    }
}

TEST(UnreadGroups, SavingMergingAndEditingLoseNoUnreadGroup) {
    const std::string other = "#Work\nZed|01.01.2000|M\n#New|4\nNed|02.02.2000|M\n";
    const auto bothWays = [&](const std::function<void(NamesDatabase&)>& change) {
        NamesDatabase eager = ReadWhole(kFile);
        NamesDatabase late = Unread(kFile);
        const NamesDatabase snapshot = late;
        const auto revision = late.Revision();
        change(eager);
        change(late);
        EXPECT_NE(late.Revision(), revision);
        EXPECT_EQ(late.FileContent(), eager.FileContent());
        EXPECT_TRUE(late == eager);
        EXPECT_TRUE(snapshot == ReadWhole(kFile));
    };
    bothWays([](NamesDatabase& db) { db.AddPerson(0, "Dan|01.01.1990|M"); });
    bothWays([&](NamesDatabase& db) { db.MergeFromBytes(other); });
    bothWays([](NamesDatabase& db) { db.MoveGroup(0, 2); });
    bothWays([](NamesDatabase& db) { db.DeleteGroup(0); });
    bothWays([](NamesDatabase& db) {
        const std::size_t first[] = {0};
        db.MovePersons(1, first, 0);
    });

    // A file saved with only its first group read loads as the database read whole.
    test::TempFolder folder;
    NamesDatabase late = Unread(kFile);
    late.Persons(0);
    ASSERT_TRUE(late.SaveToFile(folder.path() / "db.rec"));
    NamesDatabase back(TestClock());
    back.LoadFromFile(folder.path() / "db.rec");
    EXPECT_TRUE(back == ReadWhole(kFile));
}

TEST(UnreadGroups, TheReportListsBadLinesOfEveryGroupInFileOrder) {
    std::vector<DroppedLine> dropped;
    LoadOptions options;
    options.dropped = &dropped;
    NamesDatabase db(TestClock());
    db.LoadFromBytes(kFile, options);
    Strings report;
    for (const DroppedLine& d : dropped) {
        report.push_back(std::to_string(d.lineNumber) + " " + d.text + ": " + d.reason);
    }
    EXPECT_EQ(report,
              (Strings{"1 stray|01.01.1990|M: before the first group header",
                       "5 ann|05.01.1980|F: same person as line 4", "6 bad: fewer than two \"|\"",
                       "9 Bob|31.04.1990|M: no valid date of birth",
                       "16 ANN|05.01.1980|F: same person as line 4"}));
}

TEST(UnreadGroups, ThreadsAskingForGroupsAtOnceSeeThemRead) {
    const NamesDatabase eager = ReadWhole(kFile);
    const NamesDatabase late = Unread(kFile);
    std::vector<Strings> seen(4);
    {
        std::vector<std::jthread> threads;
        for (std::size_t t = 0; t < seen.size(); ++t) {
            threads.emplace_back([&, t] { seen[t] = Lines(late.Persons(t % late.GroupCount())); });
        }
    }
    for (std::size_t t = 0; t < seen.size(); ++t) {
        EXPECT_EQ(seen[t], Lines(eager.Persons(t % eager.GroupCount())));
    }
}

}  // namespace
}  // namespace vitalune
