#include <cctype>
#include <filesystem>
#include <ostream>
#include <utility>

#include "app/cli/Cli.h"
#include "app/cli/CliArgs.h"
#include "app/cli/CliCriteria.h"
#include "app/cli/CliNamesFile.h"
#include "app/cli/CliReport.h"
#include "app/cli/Json.h"
#include "core/engine/Clock.h"
#include "core/engine/DateInput.h"
#include "core/engine/DateText.h"
#include "core/forecast/ForecastSearch.h"
#include "core/reports/ForecastCalendar.h"
#include "core/reports/ForecastReport.h"
#include "core/text/DecimalText.h"

namespace vitalune::cli {

namespace {

constexpr std::string_view kRhythmNames[4] = {"physical", "emotional", "intellectual", "intuitive"};
constexpr std::string_view kStoppedNote =
    "the search stopped at 31 Dec 9999, the last day the program can reckon with";

std::string Lower(std::string_view text) {
    std::string out{text};
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

ForecastKind ParseKind(std::string_view text) {
    const std::string kind = Lower(text);
    if (kind == "sunny") {
        return ForecastKind::Sunny;
    }
    if (kind == "rainy") {
        return ForecastKind::Rainy;
    }
    if (kind == "critical") {
        return ForecastKind::Critical;
    }
    if (kind == "stress") {
        return ForecastKind::Stress;
    }
    throw UsageError("--kind: \"" + std::string{text} +
                     "\" is not one of sunny, rainy, critical, stress");
}

int ParseLevel(std::string_view option, std::string_view text) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '2') {
        throw UsageError(std::string{option} + ": the level item \"" + std::string{text} +
                         "\" is not 0, 1 or 2");
    }
    return text[0] - '0';
}

int ParseAmountOption(std::string_view option, const std::string& text) {
    const auto value = ParseDecimal(text);
    if (!value || *value < 0) {
        throw UsageError(std::string{option} + ": \"" + text + "\" is not a number of 0 or more");
    }
    return *value;
}

// "--rhythm NAME[:K]" chooses a rhythm of the page; levels belong to sunny and rainy only.
void ApplyRhythm(ForecastCriteria& c, const std::string& value) {
    const auto colon = value.find(':');
    const std::string name = Lower(value.substr(0, colon));
    std::size_t index = 4;
    for (std::size_t i = 0; i < 4; ++i) {
        if (name == kRhythmNames[i]) {
            index = i;
        }
    }
    if (index == 4) {
        throw UsageError("--rhythm: \"" + name +
                         "\" is not physical, emotional, intellectual or intuitive");
    }
    const bool hasLevel = colon != std::string::npos;
    switch (c.kind) {
        case ForecastKind::Sunny:
        case ForecastKind::Rainy: {
            LevelCriteria& page = c.kind == ForecastKind::Sunny ? c.sunny : c.rainy;
            page.rhythm[index] = true;
            page.level[index] = hasLevel ? ParseLevel("--rhythm", value.substr(colon + 1)) : 0;
            break;
        }
        case ForecastKind::Critical:
            if (hasLevel) {
                throw UsageError("--rhythm: a critical rhythm takes no level");
            }
            c.criticalRhythm[index] = true;
            break;
        case ForecastKind::Stress:
            throw UsageError("--rhythm does not apply to --kind stress");
    }
}

StressMode ParseStress(std::string_view text) {
    const std::string mode = Lower(text);
    if (mode == "all") {
        return StressMode::All;
    }
    if (mode == "women") {
        return StressMode::Women;
    }
    if (mode == "men") {
        return StressMode::Men;
    }
    throw UsageError("--stress: \"" + std::string{text} + "\" is not one of all, women, men");
}

}  // namespace

ForecastCriteria ForecastCriteriaFromArgs(const CliArgs& args) {
    ForecastCriteria c;
    c.kind = ParseKind(args.Required("--kind"));
    c.startDate = RequireDate("--start", args.Required("--start"));
    const bool levelled = c.kind == ForecastKind::Sunny || c.kind == ForecastKind::Rainy;
    if (args.Has("--and") && args.Has("--or")) {
        throw UsageError("--and and --or exclude each other");
    }
    if (args.Has("--results") && args.Has("--months")) {
        throw UsageError("--results and --months exclude each other");
    }
    if (c.kind == ForecastKind::Stress) {
        for (std::string_view option : {"--show-all", "--and", "--or", "--overall-level"}) {
            if (args.Has(option)) {
                throw UsageError(std::string{option} + " does not apply to --kind stress");
            }
        }
    }
    if (args.Has("--overall-level") && !levelled) {
        throw UsageError("--overall-level applies to sunny and rainy only");
    }
    if (args.Has("--stress") && c.kind != ForecastKind::Stress) {
        throw UsageError("--stress applies to --kind stress only");
    }
    for (const std::string& rhythm : args.Options("--rhythm")) {
        ApplyRhythm(c, rhythm);
    }
    const bool useAnd = args.Has("--and");
    LevelCriteria& page = c.kind == ForecastKind::Rainy ? c.rainy : c.sunny;
    if (levelled) {
        page.overallLevel =
            ParseLevel("--overall-level", args.Option("--overall-level").value_or("0"));
        page.useAnd = useAnd;
        page.showAll = ShowsAll(args.Has("--show-all"), page.rhythm);
    } else if (c.kind == ForecastKind::Critical) {
        c.criticalAnd = useAnd;
        c.criticalShowAll = ShowsAll(args.Has("--show-all"), c.criticalRhythm);
    } else if (const auto stress = args.Option("--stress")) {
        c.stressMode = ParseStress(*stress);
    }
    if (const auto results = args.Option("--results")) {
        c.limitByResults = true;
        c.resultsAmount = ParseAmountOption("--results", *results);
    } else if (const auto months = args.Option("--months")) {
        c.monthsAmount = ParseAmountOption("--months", *months);
    }
    NormaliseAmounts(c);
    return c;
}

namespace {

std::string HitsJson(const ForecastResult& result) {
    std::string hits = "[";
    for (std::size_t i = 0; i < result.hits.size(); ++i) {
        const ForecastHit& hit = result.hits[i];
        if (i > 0) {
            hits += ',';
        }
        hits += AddDayFields(JsonObject{}.Add("date", JsonString(IsoDateText(hit.date))), hit.day)
                    .Str();
    }
    return JsonObject{}
        .Add("hits", hits + "]")
        .Add("endDate", JsonString(IsoDateText(result.endDate)))
        .Str();
}

void PrintHits(std::ostream& out, const ForecastCriteria& c, const ForecastResult& result) {
    for (const std::string& line : SearchOptionLines(c)) {
        out << line << '\n';
    }
    out << "From " << DateText(c.startDate) << " to " << DateText(result.endDate) << ": "
        << Counted(result.hits.size(), "day", "days") << "\n\n";
    constexpr std::string_view kColumns[5] = {"Physical", "Emotional", "Intellectual", "Intuitive",
                                              "Overall"};
    const auto cell = [](std::string_view column, std::int32_t value, char mark) {
        std::string text = std::to_string(value) + "%" + mark;
        return std::string(column.size() + 3 - text.size(), ' ') + text;
    };
    out << "Date       ";
    for (std::string_view column : kColumns) {
        out << "  " << column << ' ';
    }
    out << " Critical\n";
    for (const ForecastHit& hit : result.hits) {
        out << DateText(hit.date);
        for (std::size_t i = 0; i < 4; ++i) {
            out << cell(kColumns[i], hit.day.percent[i], hit.day.critical[i] ? '*' : ' ');
        }
        out << cell(kColumns[4], hit.day.overall, ' ') << ' '
            << std::string(static_cast<std::size_t>(hit.day.criticalCount), '*') << '\n';
    }
}

// A file the days go to: --ics or --csv.
template <typename Input>
struct ForecastExport {
    std::filesystem::path file;
    ReportResult (*write)(const Input&, const std::filesystem::path&, FileOps*);
};

template <typename Input>
using ExportWriter = ReportResult (*)(const Input&, const std::filesystem::path&, FileOps*);

template <typename Input>
std::vector<ForecastExport<Input>> ExportsFromArgs(const CliArgs& args, ExportWriter<Input> ics,
                                                   ExportWriter<Input> csv) {
    std::vector<ForecastExport<Input>> exports;
    for (const auto& [option, write] : {std::pair{"--ics", ics}, std::pair{"--csv", csv}}) {
        if (const auto file = args.Option(option)) {
            if (file->empty()) {
                throw UsageError(std::string{option} + " needs a file name");
            }
            exports.push_back({*file, write});
        }
    }
    if (exports.size() == 2 && std::filesystem::absolute(exports[0].file).lexically_normal() ==
                                   std::filesystem::absolute(exports[1].file).lexically_normal()) {
        throw UsageError("--ics and --csv name the same file");
    }
    if (exports.empty() && args.Has("--name")) {
        throw UsageError("--name applies to --ics and --csv only");
    }
    return exports;
}

// Writes each file asked for; a failure of one does not keep the other from being written.
template <typename Input>
int WriteExports(const std::vector<ForecastExport<Input>>& exports, const Input& input, CliIo& io) {
    constexpr std::string_view kPrefix = "vitalune-cli forecast: ";
    if (input.result.hits.empty()) {
        io.err << kPrefix << kNothingFoundMessage << '\n';
        return kExitFailed;
    }
    int exitCode = kExitOk;
    for (const ForecastExport<Input>& target : exports) {
        const ReportResult written = target.write(input, target.file, nullptr);
        if (written) {
            io.err << kPrefix << "wrote " << written.path.string() << '\n';
        } else {
            io.err << kPrefix << written.message << " (" << written.reason << ")\n";
            exitCode = kExitFailed;
        }
    }
    return exitCode;
}

std::string GroupHitsJson(const GroupForecastReportInput& input) {
    std::string hits;
    for (const GroupForecastHit& hit : input.result.hits) {
        std::string members;
        for (std::size_t m = 0; m < hit.members.size(); ++m) {
            const DayRhythms& day = hit.members[m];
            members +=
                (m > 0 ? "," : "") +
                AddDayFields(JsonObject{}.Add("name", JsonString(input.members[m].name)), day)
                    .Str();
        }
        hits += (hits.empty() ? "" : ",") + JsonObject{}
                                                .Add("date", JsonString(IsoDateText(hit.date)))
                                                .Add("members", "[" + members + "]")
                                                .Str();
    }
    return JsonObject{}
        .Add("group", JsonString(input.groupName))
        .Add("hits", "[" + hits + "]")
        .Add("endDate", JsonString(IsoDateText(input.result.endDate)))
        .Str();
}

// One line per day: each member's overall value, starred on a critical day.
void PrintGroupHits(std::ostream& out, const GroupForecastReportInput& input) {
    for (const std::string& line : SearchOptionLines(input.criteria)) {
        out << line << '\n';
    }
    const std::size_t days = input.result.hits.size();
    out << "From " << DateText(input.criteria.startDate) << " to " << DateText(input.result.endDate)
        << ": " << Counted(days, "day", "days") << " (overall values; * a critical day)\n\n";
    for (const GroupForecastHit& hit : input.result.hits) {
        out << DateText(hit.date);
        for (std::size_t m = 0; m < hit.members.size(); ++m) {
            out << "  " << input.members[m].name << ' ' << hit.members[m].overall << '%'
                << (hit.members[m].criticalCount > 0 ? "*" : "");
        }
        out << '\n';
    }
}

int RunForGroup(const CliArgs& parsed, CliIo& io) {
    for (std::string_view option : {"--birth", "--name"}) {
        if (parsed.Has(option)) {
            throw UsageError(std::string{option} + " applies to one person; a group's forecast " +
                             "takes FILE and --group");
        }
    }
    const std::string file = OneFile(parsed, "FILE");
    const std::string groupName = parsed.Required("--group");
    GroupForecastReportInput input;
    input.criteria = ForecastCriteriaFromArgs(parsed);
    const std::string members = parsed.Option("--members").value_or("all");
    if (members != "all" && members != "any") {
        throw UsageError("--members: \"" + members + "\" is not all or any");
    }
    if (members == "any" && !MembersModeApplies(input.criteria.kind)) {
        throw UsageError("--members any applies to critical and stress days only");
    }
    input.mode = members == "any" ? GroupMembers::Any : GroupMembers::All;
    const auto exports = ExportsFromArgs<GroupForecastReportInput>(
        parsed, WriteGroupForecastICalendar, WriteGroupForecastCsv);
    const SystemClock clock;
    NamesDatabase database(clock);
    if (!LoadNamesFile(database, file, io, "forecast")) {
        return kExitFailed;
    }
    const auto group = database.FindGroup(groupName);
    if (!group) {
        throw UsageError("no group \"" + groupName + "\" in " + file);
    }
    input.groupName = groupName;
    input.members = GroupForecastMembers(database, *group);
    if (input.members.empty()) {
        io.err << "vitalune-cli forecast: the group \"" << groupName
               << "\" has nobody with a date of birth\n";
        return kExitFailed;
    }
    std::vector<DateTime> births;
    for (const GroupForecastMember& member : input.members) {
        births.push_back(member.birth);
    }
    input.result = vitalune::RunGroupForecast(input.criteria, births, input.mode);
    if (input.result.stoppedAtLastDay) {
        io.err << "vitalune-cli forecast: " << kStoppedNote << '\n';
    }
    if (parsed.Has("--json")) {
        io.out << GroupHitsJson(input) << '\n';
    } else if (input.result.hits.empty()) {
        io.out << kNothingFoundMessage << '\n';
    } else {
        PrintGroupHits(io.out, input);
    }
    return exports.empty() ? kExitOk : WriteExports(exports, input, io);
}

}  // namespace

int RunForecast(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(
        args,
        {"--birth", "--start", "--kind", "--overall-level", "--rhythm", "--stress", "--results",
         "--months", "--ics", "--csv", "--name", "--group", "--members"},
        {"--show-all", "--and", "--or", "--json"});
    if (!parsed.Positionals().empty() || parsed.Has("--group")) {
        return RunForGroup(parsed, io);
    }
    if (parsed.Has("--members")) {
        throw UsageError("--members applies to a group's forecast");
    }
    ForecastReportInput input;
    input.birth = RequireDate("--birth", parsed.Required("--birth"));
    input.name = RequireName("--name", parsed.Option("--name").value_or(""));
    input.criteria = ForecastCriteriaFromArgs(parsed);
    const auto exports =
        ExportsFromArgs<ForecastReportInput>(parsed, WriteForecastICalendar, WriteForecastCsv);
    input.result = vitalune::RunForecast(input.criteria, input.birth);
    const ForecastResult& result = input.result;
    if (result.stoppedAtLastDay) {
        io.err << "vitalune-cli forecast: " << kStoppedNote << '\n';
    }
    if (parsed.Has("--json")) {
        io.out << HitsJson(result) << '\n';
    } else if (result.hits.empty()) {
        io.out << kNothingFoundMessage << '\n';
    } else {
        PrintHits(io.out, input.criteria, result);
    }
    return exports.empty() ? kExitOk : WriteExports(exports, input, io);
}

int RunForecastReport(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(args,
                         {"--birth", "--start", "--kind", "--overall-level", "--rhythm", "--stress",
                          "--results", "--months", "--name", "--data-dir", "-o"},
                         {"--show-all", "--and", "--or", "--embed-pictures"});
    if (!parsed.Positionals().empty()) {
        throw UsageError("unexpected argument \"" + parsed.Positionals().front() + "\"");
    }
    ForecastReportInput input;
    input.name = RequireName("--name", parsed.Required("--name"));
    input.birth = RequireDate("--birth", parsed.Required("--birth"));
    input.criteria = ForecastCriteriaFromArgs(parsed);
    const ReportTarget target = ResolveReportTarget(parsed, kForecastReportFileName);
    input.result = vitalune::RunForecast(input.criteria, input.birth);
    if (input.result.stoppedAtLastDay) {
        io.err << "vitalune-cli report forecast: " << kStoppedNote << '\n';
    }
    if (input.result.hits.empty()) {
        io.err << "vitalune-cli report forecast: " << kNothingFoundMessage << '\n';
        return kExitFailed;
    }
    return WriteCliReport(target, io, {"forecast", false, [&](const std::filesystem::path& file) {
                                           return WriteForecastReport(input, file);
                                       }});
}

}  // namespace vitalune::cli
