#include "core/reports/ForecastCalendar.h"

#include <libical/ical.h>

#include <cstdio>
#include <ctime>
#include <memory>

#include "core/engine/DateInput.h"
#include "core/engine/DateText.h"

namespace vitalune {

namespace {

constexpr std::string_view kRhythmNames[4] = {"Physical", "Emotional", "Intellectual", "Intuitive"};
constexpr std::string_view kFailureText = "Unable to create the file ";

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// A string libical made for the caller, freed once copied.
std::string TakeIcalString(char* text) {
    std::string copy = text != nullptr ? text : "";
    icalmemory_free_buffer(text);
    return copy;
}

// Without a name the person is told by the date of birth, which is all the search knows.
std::string PersonText(const ForecastReportInput& input) {
    return input.name.empty() ? "the person born " + DateText(input.birth) : input.name;
}

std::string_view KindText(ForecastKind kind) {
    switch (kind) {
        case ForecastKind::Sunny:
            return "Sunny day";
        case ForecastKind::Rainy:
            return "Rainy day";
        case ForecastKind::Critical:
            return "Critical day";
        case ForecastKind::Stress:
            break;
    }
    return "Stressful day";
}

std::string CriticalNames(const DayRhythms& day, std::string_view separator) {
    std::string names;
    for (std::size_t i = 0; i < 4; ++i) {
        if (day.critical[i]) {
            names += (names.empty() ? "" : std::string{separator}) + std::string{kRhythmNames[i]};
        }
    }
    return names;
}

std::string Summary(const ForecastReportInput& input, const std::string& person,
                    const DayRhythms& day) {
    std::string summary = std::string{KindText(input.criteria.kind)} + " for " + person;
    if (input.criteria.kind == ForecastKind::Critical && day.criticalCount > 0) {
        summary += ": " + CriticalNames(day, ", ");
    }
    return summary;
}

// "Physical 87%, Emotional 12% (critical), Intellectual 50%, Intuitive -3%, Overall 64%".
std::string Description(const DayRhythms& day) {
    std::string text;
    for (std::size_t i = 0; i < 4; ++i) {
        text += std::string{kRhythmNames[i]} + " " + std::to_string(day.percent[i]) + "%" +
                (day.critical[i] ? " (critical)" : "") + ", ";
    }
    return text + "Overall " + std::to_string(day.overall) + "%";
}

// "YYYYMMDD", the basic form iCalendar writes dates in.
std::string BasicDateText(std::int32_t day) {
    const CivilDate c = DecodeDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", c.year, c.month, c.day);
    return text;
}

// FNV-1a, 64 bits: the same on every run and machine (std::hash is not), so importing a
// forecast again updates its events instead of doubling them.
std::uint64_t Fnv1a(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3u;
    }
    return hash;
}

// Who and what kind of day, in hex. Each name's length goes first so that no name can pass for
// another name and date.
std::string PersonKindKey(const std::vector<std::pair<std::string, DateTime>>& people,
                          ForecastKind kind) {
    std::string bytes;
    for (const auto& [name, birth] : people) {
        bytes +=
            std::to_string(name.size()) + ":" + name + "|" + IsoDateText(WholeDay(birth)) + "|";
    }
    const std::uint64_t hash = Fnv1a(bytes + std::string{KindText(kind)});
    char hex[24];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

// libical's date constructor turns any year after 3000 into 00000000, while its value parser
// keeps every four-digit year: the forecast reaches 9999, so dates go in as text.
icalproperty* DateProperty(icalproperty_kind kind, std::int32_t day) {
    icalproperty* property = icalproperty_new(kind);
    icalproperty_set_value(property,
                           icalvalue_new_from_string(ICAL_DATE_VALUE, BasicDateText(day).c_str()));
    return property;
}

// libical escapes an X- property's value as TEXT itself: "Smith, Ann" stays one name.
icalproperty* CalendarNameProperty(const std::string& name) {
    icalproperty* property = icalproperty_new_x(name.c_str());
    icalproperty_set_x_name(property, "X-WR-CALNAME");
    return property;
}

icalcomponent* DayEvent(const std::string& key, const icaltimetype& stamp, std::int32_t date,
                        const std::string& summary, const std::string& description) {
    icalcomponent* event = icalcomponent_new_vevent();
    const std::string uid = key + "-" + BasicDateText(date) + "@vitalune";
    icalcomponent_add_property(event, icalproperty_new_uid(uid.c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event, DateProperty(ICAL_DTSTART_PROPERTY, date));
    // 31 Dec 9999 has no next day to end on; an all-day event without an end lasts its day.
    if (date < kMaxDay) {
        icalcomponent_add_property(event, DateProperty(ICAL_DTEND_PROPERTY, date + 1));
    }
    icalcomponent_add_property(event, icalproperty_new_summary(summary.c_str()));
    icalcomponent_add_property(event, icalproperty_new_description(description.c_str()));
    icalcomponent_add_property(event, icalproperty_new_categories("Biorhythm"));
    // A forecast day is no appointment: it leaves the person's free time free.
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return event;
}

// A calendar of all-day events, one per day `event` is called for.
template <typename AddEvents>
std::string CalendarText(const std::string& calendarName, std::int64_t stampUnixSeconds,
                         AddEvents&& addEvents) {
    const icaltimetype stamp = icaltime_from_timet_with_zone(static_cast<time_t>(stampUnixSeconds),
                                                             0, icaltimezone_get_utc_timezone());
    const Component calendar{icalcomponent_new_vcalendar()};
    icalcomponent* cal = calendar.get();
    icalcomponent_add_property(
        cal, icalproperty_new_prodid("-//Qor//Vitalune " VITALUNE_VERSION "//EN"));
    icalcomponent_add_property(cal, icalproperty_new_version("2.0"));
    icalcomponent_add_property(cal, icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(cal, icalproperty_new_method(ICAL_METHOD_PUBLISH));
    icalcomponent_add_property(cal, CalendarNameProperty(calendarName));
    addEvents([&](std::int32_t date, const std::string& summary, const std::string& description,
                  const std::string& key) {
        icalcomponent_add_component(cal, DayEvent(key, stamp, date, summary, description));
    });
    return TakeIcalString(icalcomponent_as_ical_string_r(cal));
}

// A CSV field of the user's text: quoted, with its quotes doubled.
std::string CsvField(std::string_view text) {
    std::string field = "\"";
    for (const char c : text) {
        field += c == '"' ? std::string{"\"\""} : std::string{c};
    }
    return field + "\"";
}

ReportResult WriteForecastFile(const ForecastReportInput& input, const std::filesystem::path& file,
                               FileOps* ops, std::string (*text)(const ForecastReportInput&)) {
    if (input.result.hits.empty()) {
        return NothingFoundResult();
    }
    // Exported files are the user's to keep: synced, unlike the reports written on request.
    return WriteReportBytes(file, text(input), kFailureText, true, ops);
}

}  // namespace

std::string ForecastICalendarText(const ForecastReportInput& input, std::int64_t stampUnixSeconds) {
    const std::string person = PersonText(input);
    const std::string key = PersonKindKey({{input.name, input.birth}}, input.criteria.kind);
    return CalendarText("Vitalune forecast: " + person, stampUnixSeconds, [&](const auto& add) {
        for (const ForecastHit& hit : input.result.hits) {
            add(hit.date, Summary(input, person, hit.day), Description(hit.day), key);
        }
    });
}

std::string ForecastCsvText(const ForecastReportInput& input) {
    // Every field is the program's own (a date, a weekday, numbers, rhythm names): none holds a
    // comma, a quote or a line break, so none needs quoting.
    std::string csv = "Date,Weekday,Physical,Emotional,Intellectual,Intuitive,Overall,Critical\r\n";
    for (const ForecastHit& hit : input.result.hits) {
        csv += IsoDateText(hit.date) + "," +
               std::string{kWeekdayNames[static_cast<std::size_t>(DayOfWeek(hit.date))]};
        for (const std::int32_t percent : hit.day.percent) {
            csv += "," + std::to_string(percent);
        }
        csv += "," + std::to_string(hit.day.overall) + "," + CriticalNames(hit.day, " ") + "\r\n";
    }
    return csv;
}

ReportResult WriteForecastICalendar(const ForecastReportInput& input,
                                    const std::filesystem::path& file, FileOps* ops) {
    return WriteForecastFile(input, file, ops, [](const ForecastReportInput& in) {
        return ForecastICalendarText(in, static_cast<std::int64_t>(std::time(nullptr)));
    });
}

ReportResult WriteForecastCsv(const ForecastReportInput& input, const std::filesystem::path& file,
                              FileOps* ops) {
    return WriteForecastFile(input, file, ops, ForecastCsvText);
}

namespace {

// "Critical day for Team: Anna (Physical, Emotional), Bob (Intuitive)"; other kinds name the
// group alone.
std::string GroupSummary(const GroupForecastReportInput& input, const GroupForecastHit& hit) {
    std::string summary = std::string{KindText(input.criteria.kind)} + " for " + input.groupName;
    if (input.criteria.kind != ForecastKind::Critical) {
        return summary;
    }
    std::string critical;
    for (std::size_t m = 0; m < hit.members.size() && m < input.members.size(); ++m) {
        if (hit.members[m].criticalCount > 0) {
            critical += (critical.empty() ? "" : ", ") + input.members[m].name + " (" +
                        CriticalNames(hit.members[m], ", ") + ")";
        }
    }
    return critical.empty() ? summary : summary + ": " + critical;
}

// One line per member: "Anna: Physical 87%, ... Overall 64%".
std::string GroupDescription(const GroupForecastReportInput& input, const GroupForecastHit& hit) {
    std::string text;
    for (std::size_t m = 0; m < hit.members.size() && m < input.members.size(); ++m) {
        text +=
            (text.empty() ? "" : "\n") + input.members[m].name + ": " + Description(hit.members[m]);
    }
    return text;
}

}  // namespace

std::string GroupForecastICalendarText(const GroupForecastReportInput& input,
                                       std::int64_t stampUnixSeconds) {
    std::vector<std::pair<std::string, DateTime>> people{{input.groupName, 0}};
    for (const GroupForecastMember& member : input.members) {
        people.emplace_back(member.name, member.birth);
    }
    const std::string key = PersonKindKey(people, input.criteria.kind);
    return CalendarText(
        "Vitalune forecast: " + input.groupName, stampUnixSeconds, [&](const auto& add) {
            for (const GroupForecastHit& hit : input.result.hits) {
                add(hit.date, GroupSummary(input, hit), GroupDescription(input, hit), key);
            }
        });
}

std::string GroupForecastCsvText(const GroupForecastReportInput& input) {
    std::string csv = "Date,Weekday";
    for (const GroupForecastMember& member : input.members) {
        csv += "," + CsvField(member.name + " overall") + "," + CsvField(member.name + " critical");
    }
    csv += "\r\n";
    for (const GroupForecastHit& hit : input.result.hits) {
        csv += IsoDateText(hit.date) + "," +
               std::string{kWeekdayNames[static_cast<std::size_t>(DayOfWeek(hit.date))]};
        for (const DayRhythms& day : hit.members) {
            csv += "," + std::to_string(day.overall) + "," + CriticalNames(day, " ");
        }
        csv += "\r\n";
    }
    return csv;
}

ReportResult WriteGroupForecastICalendar(const GroupForecastReportInput& input,
                                         const std::filesystem::path& file, FileOps* ops) {
    if (input.result.hits.empty()) {
        return NothingFoundResult();
    }
    return WriteReportBytes(
        file, GroupForecastICalendarText(input, static_cast<std::int64_t>(std::time(nullptr))),
        kFailureText, true, ops);
}

ReportResult WriteGroupForecastCsv(const GroupForecastReportInput& input,
                                   const std::filesystem::path& file, FileOps* ops) {
    if (input.result.hits.empty()) {
        return NothingFoundResult();
    }
    return WriteReportBytes(file, GroupForecastCsvText(input), kFailureText, true, ops);
}

}  // namespace vitalune
