#include "core/reports/Reminder.h"

#include <gtest/gtest.h>

#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/engine/Date.h"
#include "support/RecordingStore.h"

namespace vitalune {
namespace {

const std::int32_t kToday = EncodeDate(2026, 12, 8);

// Days since birth decide: on day 0 every rhythm starts (all critical), day 23 starts the
// 23-day physical rhythm again, day 14 is half of the 28-day emotional one.
GroupForecastMember BornDaysAgo(const char* name, std::int32_t days) {
    return {name, static_cast<DateTime>(kToday - days)};
}

TEST(Reminder, NamesWhoIsCriticalTodayAndTomorrow) {
    const ReminderNotice notice =
        MakeReminderNotice({BornDaysAgo("Ann", 0), BornDaysAgo("Bob", 22), BornDaysAgo("Cy", 14),
                            BornDaysAgo("Dan", 100)},
                           kToday);
    EXPECT_EQ(notice.summary, "A critical day today");
    EXPECT_EQ(notice.body,
              "Today: Ann (physical, emotional, intellectual, intuitive), Cy (emotional)\n"
              "Tomorrow: Bob (physical)");

    const ReminderNotice tomorrow = MakeReminderNotice({BornDaysAgo("Bob", 22)}, kToday);
    EXPECT_EQ(tomorrow.summary, "A critical day tomorrow");
    EXPECT_EQ(tomorrow.body, "Tomorrow: Bob (physical)");

    const ReminderNotice nobody = MakeReminderNotice({BornDaysAgo("Dan", 100)}, kToday);
    EXPECT_TRUE(nobody.summary.empty());
    EXPECT_TRUE(nobody.body.empty());
}

TEST(Reminder, SettingsKeepTheirOwnKeyWithMyProfilesByDefault) {
    test::RecordingStore store;
    EXPECT_EQ(LoadReminderSettings(store), (ReminderSettings{false, "My profiles", ""}));
    const ReminderSettings chosen{true, "Family", "Ann"};
    ASSERT_TRUE(SaveReminderSettings(store, chosen));
    EXPECT_EQ(store.written,
              "Reminder/On = 1\nReminder/Group = \"Family\"\nReminder/Person = \"Ann\"\n");
    EXPECT_EQ(LoadReminderSettings(store), chosen);
}

TEST(Reminder, WatchesAGroupOrOnePersonOfIt) {
    const FixedClock clock(kToday);
    NamesDatabase db(clock);
    ASSERT_EQ(db.LoadFromBytes("#Family|1\r\nAnn|08.12.2026|F\r\nBob|16.11.2026|M\r\n"
                               "Bob|01.01.1990|M\r\n")
                  .outcome,
              LoadResult::Outcome::Loaded);
    db.SetFileName("names.rec");

    struct Row {
        ReminderSettings watch;
        std::vector<std::string> names;
        std::string error;
    };
    const Row rows[] = {
        {{true, "Family", ""}, {"Ann", "Bob", "Bob"}, ""},
        {{true, "Family", "Bob"}, {"Bob"}, ""},
        {{true, "Friends", ""}, {}, "no group \"Friends\" in names.rec"},
        {{true, "Family", "Cy"}, {}, "no person \"Cy\" in the group \"Family\" of names.rec"},
    };
    for (const Row& row : rows) {
        const WatchedPersons watched = FindWatchedPersons(db, row.watch);
        std::vector<std::string> names;
        for (const GroupForecastMember& p : watched.persons) {
            names.push_back(p.name);
        }
        EXPECT_EQ(names, row.names) << row.watch.group << "/" << row.watch.person;
        EXPECT_EQ(watched.error, row.error);
    }
}

}  // namespace
}  // namespace vitalune
