#include <cstdio>
#include <ostream>

#include "app/cli/Cli.h"
#include "app/cli/CliArgs.h"
#include "app/cli/Json.h"
#include "core/engine/DateInput.h"
#include "core/engine/DateText.h"
#include "core/engine/Rhythm.h"

namespace vitalune::cli {

namespace {

std::string DayJson(const DayRhythms& day, std::int32_t daysLived, bool withIChing) {
    JsonObject json;
    json.Add("daysLived", daysLived)
        .Add("percent", JsonIntArray(day.percent))
        .Add("overall", day.overall)
        .Add("critical", JsonBoolArray(day.critical))
        .Add("criticalCount", day.criticalCount);
    if (withIChing) {
        json.Add("ichingPercent", JsonIntArray(day.ichingPercent));
    }
    json.Add("rhythms", JsonRhythms(day.percent, day.critical));
    return json.Str();
}

void PrintDayTable(std::ostream& out, std::int32_t birth, std::int32_t date, const DayRhythms& day,
                   bool withIChing) {
    char line[96];
    out << "Date of birth  " << DateText(birth) << "\nDate           " << DateText(date)
        << "\nDays lived     " << DaysLived(birth, date) << "\n\n";
    std::snprintf(line, sizeof line, "%-14s %7s  %s\n", "Rhythm", "Percent", "Critical");
    out << line;
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        std::snprintf(line, sizeof line, "%-14s %6d%%  %s\n",
                      std::string{RhythmName(static_cast<RhythmId>(i))}.c_str(), day.percent[k],
                      day.critical[k] ? "yes" : "");
        out << line;
    }
    std::snprintf(line, sizeof line, "%-14s %6d%%\n", "Overall", day.overall);
    out << line;
    if (withIChing) {
        for (int i = 0; i < 3; ++i) {
            const auto id = static_cast<RhythmId>(static_cast<int>(RhythmId::Aesthetic) + i);
            std::snprintf(line, sizeof line, "%-14s %6d%%\n", std::string{RhythmName(id)}.c_str(),
                          day.ichingPercent[static_cast<std::size_t>(i)]);
            out << line;
        }
    }
    out << "Critical days  " << day.criticalCount << '\n';
}

}  // namespace

int RunDay(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(args, {"--birth", "--date"}, {"--iching", "--json"});
    if (!parsed.Positionals().empty()) {
        throw UsageError("unexpected argument \"" + parsed.Positionals().front() + "\"");
    }
    const bool withIChing = parsed.Has("--iching");
    const bool json = parsed.Has("--json");
    auto compute = [&](std::int32_t birth, std::int32_t date) {
        DayRhythms day;
        ComputeDayRhythms(birth, date, day, withIChing);
        return day;
    };

    if (!parsed.Has("--birth") && !parsed.Has("--date")) {
        if (!json) {
            throw UsageError(
                "--birth and --date are required (or --json to read lines of "
                "\"BIRTH DATE\" from standard input)");
        }
        return RunJsonBatch(io, [&](std::string_view first, std::string_view second) {
            const auto birth = RequireDate("birth", first);
            const auto date = RequireDate("date", second);
            return DayJson(compute(birth, date), DaysLived(birth, date), withIChing);
        });
    }
    const auto birth = RequireDate("--birth", parsed.Required("--birth"));
    const auto date = RequireDate("--date", parsed.Required("--date"));
    const DayRhythms day = compute(birth, date);
    if (json) {
        io.out << DayJson(day, DaysLived(birth, date), withIChing) << '\n';
    } else {
        PrintDayTable(io.out, birth, date, day, withIChing);
    }
    return kExitOk;
}

}  // namespace vitalune::cli
