#include "core/reports/Reminder.h"

#include <array>

#include "core/db/NamesDatabase.h"
#include "core/db/PersonLine.h"
#include "core/engine/Rhythm.h"
#include "core/settings/SettingsStore.h"

namespace vitalune {

namespace {

constexpr std::array<std::string_view, 4> kRhythmWords = {"physical", "emotional", "intellectual",
                                                          "intuitive"};

// "Ann (physical), Bob (emotional, intuitive)", empty when nobody is critical on `date`.
std::string CriticalList(const std::vector<GroupForecastMember>& persons, std::int32_t date) {
    std::string list;
    for (const GroupForecastMember& person : persons) {
        DayRhythms day;
        ComputeDayRhythms(person.birth, date, day, false);
        std::string rhythms;
        for (std::size_t i = 0; i < kRhythmWords.size(); ++i) {
            if (day.critical[i]) {
                rhythms += (rhythms.empty() ? "" : ", ") + std::string{kRhythmWords[i]};
            }
        }
        if (!rhythms.empty()) {
            list += (list.empty() ? "" : ", ") + person.name + " (" + rhythms + ")";
        }
    }
    return list;
}

}  // namespace

ReminderSettings LoadReminderSettings(const SettingsStore& store) {
    ReminderSettings settings;
    settings.on = ReadBool(store, kReminderKey, "On", false);
    settings.group = ReadString(store, kReminderKey, "Group", kDefaultReminderGroup);
    settings.person = ReadString(store, kReminderKey, "Person").value_or("");
    return settings;
}

bool SaveReminderSettings(SettingsStore& store, const ReminderSettings& settings) {
    bool ok = WriteBool(store, kReminderKey, "On", settings.on);
    ok = WriteString(store, kReminderKey, "Group", settings.group) && ok;
    ok = WriteString(store, kReminderKey, "Person", settings.person) && ok;
    return store.Flush() && ok;
}

WatchedPersons FindWatchedPersons(const NamesDatabase& db, const ReminderSettings& settings) {
    WatchedPersons watched;
    const auto group = db.FindGroup(settings.group);
    if (!group) {
        watched.error = "no group \"" + settings.group + "\" in " + db.FileName();
        return watched;
    }
    watched.persons = GroupForecastMembers(db, *group);
    if (settings.person.empty()) {
        return watched;
    }
    std::erase_if(watched.persons, [&](const GroupForecastMember& member) {
        return member.name != settings.person;
    });
    if (watched.persons.empty()) {
        watched.error = "no person \"" + settings.person + "\" in the group \"" + settings.group +
                        "\" of " + db.FileName();
    }
    // The same name twice in a group is one person to the user.
    watched.persons.resize(std::min<std::size_t>(watched.persons.size(), 1));
    return watched;
}

ReminderNotice MakeReminderNotice(const std::vector<GroupForecastMember>& persons,
                                  std::int32_t today) {
    ReminderNotice notice;
    const std::string now = CriticalList(persons, today);
    const std::string next = CriticalList(persons, today + 1);
    if (now.empty() && next.empty()) {
        return notice;
    }
    notice.summary = now.empty() ? "A critical day tomorrow" : "A critical day today";
    if (!now.empty()) {
        notice.body = "Today: " + now;
    }
    if (!next.empty()) {
        notice.body += (notice.body.empty() ? "" : "\n") + std::string{"Tomorrow: "} + next;
    }
    return notice;
}

}  // namespace vitalune
