// "vitalune-cli today": every person's day at a glance, for scripts and reminder tools.
#include <optional>
#include <ostream>

#include "app/cli/Cli.h"
#include "app/cli/CliArgs.h"
#include "app/cli/CliNamesFile.h"
#include "app/cli/Json.h"
#include "core/engine/Clock.h"
#include "core/engine/DateInput.h"
#include "core/engine/DateText.h"
#include "core/engine/Rhythm.h"
#include "core/reports/ForecastReport.h"

namespace vitalune::cli {

namespace {

constexpr std::string_view kRhythmNames[4] = {"Physical", "Emotional", "Intellectual", "Intuitive"};

void PrintDay(std::ostream& out, std::string_view group, const GroupForecastMember& member,
              const DayRhythms& day) {
    out << group << " / " << member.name << ":";
    for (std::size_t i = 0; i < 4; ++i) {
        out << ' ' << kRhythmNames[i] << ' ' << day.percent[i] << '%';
    }
    out << ", Overall " << day.overall << '%';
    std::string critical;
    for (std::size_t i = 0; i < 4; ++i) {
        if (day.critical[i]) {
            critical += (critical.empty() ? "" : ", ") + std::string{kRhythmNames[i]};
        }
    }
    if (!critical.empty()) {
        out << "; critical: " << critical;
    }
    out << '\n';
}

}  // namespace

int RunToday(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(args, {"--group", "--date"}, {"--json"});
    const std::string file = OneFile(parsed, "FILE");
    const SystemClock clock;
    const std::int32_t date =
        parsed.Has("--date") ? RequireDate("--date", parsed.Required("--date")) : clock.Today();
    NamesDatabase database(clock);
    if (!LoadNamesFile(database, file, io, "today")) {
        return kExitFailed;
    }
    std::vector<std::size_t> groups;
    if (const auto name = parsed.Option("--group")) {
        const auto found = database.FindGroup(*name);
        if (!found) {
            throw UsageError("no group \"" + *name + "\" in " + file);
        }
        groups.push_back(*found);
    } else {
        for (std::size_t g = 0; g < database.GroupCount(); ++g) {
            groups.push_back(g);
        }
    }
    const bool json = parsed.Has("--json");
    std::optional<JsonArrayWriter> persons;
    if (json) {
        io.out << "{\"date\":" << JsonString(IsoDateText(date)) << ",\"persons\":";
        persons.emplace(io.out);
    }
    for (const std::size_t g : groups) {
        const std::string group = ParseGroupEntry(database.GroupEntry(g)).name;
        for (const GroupForecastMember& member : GroupForecastMembers(database, g)) {
            DayRhythms day;
            ComputeDayRhythms(member.birth, date, day, false);
            if (!json) {
                PrintDay(io.out, group, member, day);
                continue;
            }
            persons->Add(
                AddDayFields(JsonObject{}
                                 .Add("group", JsonString(group))
                                 .Add("name", JsonString(member.name))
                                 .Add("birth", JsonString(IsoDateText(WholeDay(member.birth)))),
                             day)
                    .Str());
        }
    }
    if (json) {
        persons->Close();
        io.out << "}\n";
    }
    return kExitOk;
}

}  // namespace vitalune::cli
