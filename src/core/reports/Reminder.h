#pragma once
// Reminders of critical days: whom the user watches (a group, or one person of it), who of
// them has a critical day today or tomorrow, and the notice that says so. The notice is plain
// text; how it reaches the desktop and when it runs are the program's business.

#include <cstdint>
#include <string>
#include <vector>

#include "core/reports/ForecastReport.h"

namespace vitalune {

class SettingsStore;

inline constexpr std::string_view kReminderKey = "Reminder";
inline constexpr std::string_view kDefaultReminderGroup = "My profiles";

struct ReminderSettings {
    bool on = false;
    std::string group{kDefaultReminderGroup};  // UTF-8
    std::string person;                        // empty: every member of the group
    friend bool operator==(const ReminderSettings&, const ReminderSettings&) = default;
};

ReminderSettings LoadReminderSettings(const SettingsStore& store);
// False when the store could not be written.
bool SaveReminderSettings(SettingsStore& store, const ReminderSettings& settings);

// The persons watched, with a readable date of birth; an error text when the group or person
// is no longer in the database.
struct WatchedPersons {
    std::vector<GroupForecastMember> persons;
    std::string error;
};
WatchedPersons FindWatchedPersons(const NamesDatabase& db, const ReminderSettings& settings);

struct ReminderNotice {
    std::string summary;  // empty: nobody has a critical day, nothing to tell
    std::string body;     // one line for today, one for tomorrow, as far as they have someone
};

// Who of `persons` is in a critical day (any of the four primary rhythms) on `today` and on
// the day after, with the rhythms named: "Today: Ann (physical), Bob (emotional, intuitive)".
ReminderNotice MakeReminderNotice(const std::vector<GroupForecastMember>& persons,
                                  std::int32_t today);

}  // namespace vitalune
