#include "core/reports/ForecastCalendar.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <ctime>
#include <set>

#include "support/ExpectedFile.h"
#include "support/FileOpsFakes.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kStamp = 1796632200;  // 7 Dec 2026 08:30 UTC
const std::string kOddName = "Smith, Ann; J\xC3\xBCrgen \xE6\x97\xA5\xE6\x9C\xAC";

ForecastReportInput Search(ForecastKind kind, std::string name, int months) {
    ForecastReportInput input;
    input.name = std::move(name);
    input.birth = EncodeDate(1980, 1, 5);
    input.criteria.kind = kind;
    input.criteria.sunny = {false, 0, {true, true, false, false}, {0, 1, 0, 0}, false};
    input.criteria.monthsAmount = months;
    input.criteria.startDate = EncodeDate(2024, 1, 1);
    input.result = RunForecast(input.criteria, input.birth);
    return input;
}

struct Event {
    std::int32_t start = 0;
    std::int32_t end = 0;  // 0: none
    std::string summary;
    std::string uid;
    std::time_t stamp = 0;
};

std::int32_t Day(icaltimetype t) {
    return t.is_date ? TryEncodeDate(t.year, t.month, t.day).value_or(0) : 0;
}

// The events as a calendar program reads them, and the calendar's name.
std::vector<Event> ReadBack(const std::string& ics, std::string* calendarName = nullptr) {
    icalcomponent* calendar = icalparser_parse_string(ics.c_str());
    std::vector<Event> events;
    for (auto* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const auto* end = icalcomponent_get_first_property(e, ICAL_DTEND_PROPERTY);
        events.push_back({Day(icalcomponent_get_dtstart(e)),
                          end ? Day(icalproperty_get_dtend(end)) : 0, icalcomponent_get_summary(e),
                          icalcomponent_get_uid(e),
                          icaltime_as_timet(icalcomponent_get_dtstamp(e))});
    }
    if (calendarName) {
        auto* name = icalcomponent_get_first_property(calendar, ICAL_X_PROPERTY);
        *calendarName = icalproperty_get_x(name);
    }
    icalcomponent_free(calendar);
    return events;
}

TEST(ForecastCalendar, WholeFilesForAFixedSearch) {
    const ForecastReportInput sunny = Search(ForecastKind::Sunny, "Anna", 1);
    ASSERT_EQ(sunny.result.hits.size(), 15u);
    test::ExpectSameAsFile(ForecastCsvText(sunny), "forecast.csv");
    ForecastReportInput critical = Search(ForecastKind::Critical, "", 1);
    critical.result.hits.resize(3);
    test::ExpectSameAsFile(ForecastICalendarText(critical, kStamp), "forecast.ics");
}

TEST(ForecastCalendar, CalendarReadsBackDayByDay) {
    const ForecastReportInput input = Search(ForecastKind::Critical, kOddName, 6);
    std::string calendarName;
    const std::vector<Event> events = ReadBack(ForecastICalendarText(input, kStamp), &calendarName);
    EXPECT_EQ(calendarName, "Vitalune forecast: " + kOddName);
    ASSERT_EQ(events.size(), input.result.hits.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].start, input.result.hits[i].date);
        EXPECT_EQ(events[i].end, input.result.hits[i].date + 1);
        EXPECT_TRUE(events[i].summary.starts_with("Critical day for " + kOddName + ": "));
        EXPECT_EQ(events[i].stamp, kStamp);
    }
}

// One UID per person, kind and day: the same forecast made again names its events alike (a
// calendar updates them), anyone or anything else differently.
TEST(ForecastCalendar, UidsBelongToOnePersonKindAndDay) {
    const ForecastReportInput base = Search(ForecastKind::Sunny, "Anna", 1);
    ForecastReportInput otherName = base, otherBirth = base, otherKind = base;
    otherName.name = "Anne";
    otherBirth.birth += 1;
    otherKind.criteria.kind = ForecastKind::Rainy;
    std::set<std::string> uids;
    for (const auto& [input, stamp] :
         {std::pair{base, kStamp}, std::pair{base, kStamp + 86400}, std::pair{otherName, kStamp},
          std::pair{otherBirth, kStamp}, std::pair{otherKind, kStamp}}) {
        for (const Event& e : ReadBack(ForecastICalendarText(input, stamp))) {
            uids.insert(e.uid);
        }
    }
    EXPECT_EQ(uids.size(), 4 * base.result.hits.size());
}

TEST(ForecastCalendar, FirstAndLastDaysOfTheCalendar) {
    ForecastReportInput input;
    for (const std::int32_t day : {kMinDay, EncodeDate(3000, 12, 31), kMaxDay - 1, kMaxDay}) {
        input.result.hits.push_back({day, {}});
    }
    const std::vector<Event> events = ReadBack(ForecastICalendarText(input, kStamp));
    ASSERT_EQ(events.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(events[i].start, input.result.hits[i].date);
        EXPECT_EQ(events[i].end, i < 3 ? input.result.hits[i].date + 1 : 0);
    }
}

TEST(ForecastCalendar, WritesSyncedOrLeavesTheOldFile) {
    struct CountingSyncs : FileOps {
        int Fsync(int fd) override {
            ++syncs;
            return FileOps::Fsync(fd);
        }
        int syncs = 0;
    } counting;
    test::TempFolder folder;
    const fs::path ics = folder.path() / kForecastCalendarFileName;
    const fs::path csv = folder.path() / "forecast.csv";
    const ForecastReportInput input = Search(ForecastKind::Sunny, "Anna", 1);
    const std::time_t before = std::time(nullptr);
    ASSERT_TRUE(WriteForecastICalendar(input, ics, &counting));
    EXPECT_GT(counting.syncs, 0);
    const std::time_t stamp = ReadBack(test::ReadTestFile(ics)).front().stamp;
    EXPECT_TRUE(stamp >= before && stamp <= std::time(nullptr));

    ASSERT_TRUE(WriteForecastCsv(input, csv));
    test::FullDisk full;
    const ReportResult failed = WriteForecastCsv(Search(ForecastKind::Rainy, "B", 2), csv, &full);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.message, "Unable to create the file " + csv.string());
    EXPECT_NE(failed.reason.find("No space left"), std::string::npos) << failed.reason;
    EXPECT_EQ(test::ReadTestFile(csv), ForecastCsvText(input));

    ForecastReportInput nothing = input;
    nothing.result.hits.clear();
    for (const ReportResult& r : {WriteForecastICalendar(nothing, folder.path() / "n.ics"),
                                  WriteForecastCsv(nothing, folder.path() / "n.csv")}) {
        EXPECT_EQ(r.message, kNothingFoundMessage);
    }
    EXPECT_EQ(folder.Entries(), 2u);
}

// A group's critical days: the members in one named in the summary, user text quoted in the
// CSV, nothing written without a day.
TEST(GroupForecastCalendar, WholeFilesForAFixedSearch) {
    GroupForecastReportInput input;
    input.groupName = "Team, \"A\"";
    input.members = {{"Anna", static_cast<DateTime>(EncodeDate(1980, 1, 5))},
                     {kOddName, static_cast<DateTime>(EncodeDate(1984, 7, 30))}};
    input.criteria.kind = ForecastKind::Critical;
    input.criteria.startDate = EncodeDate(2024, 1, 1);
    input.criteria.limitByResults = true;
    input.criteria.resultsAmount = 3;
    input.mode = GroupMembers::Any;
    const std::vector<DateTime> births = {input.members[0].birth, input.members[1].birth};
    input.result = RunGroupForecast(input.criteria, births, input.mode);
    ASSERT_EQ(input.result.hits.size(), 3u);
    test::ExpectSameAsFile(GroupForecastCsvText(input), "groupforecast.csv");
    const std::string ics = GroupForecastICalendarText(input, kStamp);
    test::ExpectSameAsFile(ics, "groupforecast.ics");
    std::string calendarName;
    EXPECT_EQ(ReadBack(ics, &calendarName).size(), 3u);
    EXPECT_EQ(calendarName, "Vitalune forecast: Team, \"A\"");
    input.result.hits.clear();
    test::TempFolder folder;
    EXPECT_FALSE(WriteGroupForecastCsv(input, folder.path() / "days.csv"));
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

}  // namespace
}  // namespace vitalune
