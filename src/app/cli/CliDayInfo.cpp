#include <charconv>
#include <memory>
#include <ostream>

#include "app/cli/Cli.h"
#include "app/cli/CliArgs.h"
#include "app/cli/CliReport.h"
#include "app/cli/Json.h"
#include "core/dayreport/DayNotes.h"
#include "core/dayreport/DayReportModel.h"
#include "core/engine/Clock.h"
#include "core/engine/DateInput.h"
#include "core/reports/DayInfoReport.h"

namespace vitalune::cli {

namespace {

constexpr std::string_view kWeatherWords[4] = {"sun", "sun and cloud", "clouds", "rain"};

std::string_view ViewName(DayInfoMode mode) {
    switch (mode) {
        case DayInfoMode::Primary:
            return "Primary";
        case DayInfoMode::Secondary:
            return "Secondary";
        case DayInfoMode::IChing:
            return "I-Ching";
        case DayInfoMode::Compatibility:
            return "Compatibility";
        case DayInfoMode::Interaction:
            return "Interaction";
        case DayInfoMode::Extra:
            return "Extra";
    }
    return {};
}

std::unique_ptr<RandomSource> RandomFromArgs(const CliArgs& args) {
    const auto seed = args.Option("--seed");
    if (!seed) {
        return std::make_unique<SystemRandom>();
    }
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(seed->data(), seed->data() + seed->size(), value);
    if (error != std::errc{} || end != seed->data() + seed->size() || seed->empty()) {
        throw UsageError("--seed: \"" + *seed + "\" is not a number from 0 to 4294967295");
    }
    return std::make_unique<SeededRandom>(value);
}

std::string RowJson(const ViewRow& row) {
    JsonObject json;
    json.Add("label", JsonString(row.label)).Add("value", row.value);
    if (row.cycle) {
        json.Add("cycle", JsonString(row.cycle->Text()))
            .Add("tide",
                 JsonString(row.cycle->tide == TideDirection::Rising ? "rising" : "falling"));
    }
    if (row.criticalMarks > 0) {
        json.Add("critical", row.criticalMarks);
    }
    if (row.weather) {
        json.Add("weather", *row.weather);
    }
    if (row.rating) {
        json.Add("rating", JsonString(RatingLabel(*row.rating)));
    }
    return json.Str();
}

template <typename T, typename F>
std::string JsonArray(const std::vector<T>& items, F toJson) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += toJson(items[i]);
    }
    return out + "]";
}

std::string ViewJson(const DayView& view) {
    const auto group = [](const ViewGroup& g) {
        return JsonObject{}
            .Add("title", JsonString(g.title))
            .Add("rows", JsonArray(g.rows, RowJson))
            .Str();
    };
    return JsonObject{}
        .Add("mode", static_cast<int>(view.mode))
        .Add("view", JsonString(ViewName(view.mode)))
        .Add("headings",
             JsonArray(view.headings, [](const std::string& s) { return JsonString(s); }))
        .Add("groups", JsonArray(view.groups, group))
        .Add("compositionLines",
             JsonArray(view.compositionLines, [](std::string_view s) { return JsonString(s); }))
        .Str();
}

std::string NotesJson(const DayNotes& notes) {
    return JsonArray(notes, [](const NoteParagraph& p) {
        return JsonObject{}
            .Add(p.kind == NoteParagraph::Kind::Heading ? "heading" : "body", JsonString(p.text))
            .Str();
    });
}

void PrintView(std::ostream& out, const DayView& view) {
    for (const std::string& heading : view.headings) {
        out << heading << '\n';
    }
    for (const ViewGroup& group : view.groups) {
        if (!group.title.empty()) {
            out << "  " << group.title << '\n';
        }
        for (const ViewRow& row : group.rows) {
            std::string line = "    " + std::string{row.label};
            line.resize(20, ' ');
            if (row.cycle) {
                const std::string cycle = row.cycle->Text();
                line += std::string(cycle.size() < 5 ? 5 - cycle.size() : 0, ' ') + cycle +
                        (row.cycle->tide == TideDirection::Rising ? "  rising " : "  falling");
            }
            line.resize(38, ' ');
            line += std::string(static_cast<std::size_t>(row.criticalMarks), '*');
            line.resize(44, ' ');
            line += std::to_string(row.value) + "%";
            line.resize(50, ' ');
            if (row.weather) {
                line += kWeatherWords[*row.weather];
            }
            if (row.rating) {
                line += RatingLabel(*row.rating);
            }
            out << line << '\n';
        }
    }
    for (std::string_view composition : view.compositionLines) {
        out << "  " << composition << '\n';
    }
    out << '\n';
}

void PrintNotes(std::ostream& out, std::string_view title, const DayNotes& notes) {
    out << title << '\n';
    for (const NoteParagraph& p : notes) {
        out << (p.kind == NoteParagraph::Kind::Heading ? "[" + p.text + "]" : p.text) << '\n';
    }
    out << '\n';
}

}  // namespace

int RunDayInfo(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(args, {"--birth", "--date", "--birth2", "--name", "--name2", "--seed"},
                         {"--json"});
    if (!parsed.Positionals().empty()) {
        throw UsageError("unexpected argument \"" + parsed.Positionals().front() + "\"");
    }
    const DayPerson first{
        RequireName("--name", parsed.Option("--name").value_or("")),
        static_cast<DateTime>(RequireDate("--birth", parsed.Required("--birth")))};
    const DateTime date = RequireDate("--date", parsed.Required("--date"));
    const auto birth2 = parsed.Option("--birth2");
    const DayPerson second{RequireName("--name2", parsed.Option("--name2").value_or("")),
                           birth2 ? static_cast<DateTime>(RequireDate("--birth2", *birth2)) : 0};
    const auto random = RandomFromArgs(parsed);

    std::vector<DayView> views;
    for (int mode = 1; mode <= 6; ++mode) {
        const auto m = static_cast<DayInfoMode>(mode);
        if (birth2 || (m != DayInfoMode::Compatibility && m != DayInfoMode::Interaction)) {
            views.push_back(ViewValues(m, first, second, date));
        }
    }
    DayRhythms day;
    ComputeDayRhythms(first.birth, date, day, false);
    DayTextChoice choice;  // as in a window just opened
    const DayNotes notes = ComposeDayNotes(day, choice, *random);
    DayNotes compatibilityNotes;
    if (birth2) {
        compatibilityNotes =
            ComposeCompatibilityNotes(ComputeCompatibility(first.birth, second.birth));
    }

    if (parsed.Has("--json")) {
        JsonObject json;
        json.Add("reportDate", JsonString(IsoDateText(WholeDay(date))))
            .Add("daysLived", DaysLived(first.birth, date))
            .Add("views", JsonArray(views, ViewJson))
            .Add("notes", NotesJson(notes))
            .Add("dayTextChoice", JsonObject{}
                                      .Add("combination", choice.combination)
                                      .Add("variant", choice.variant)
                                      .Str());
        if (birth2) {
            json.Add("compatibilityNotes", NotesJson(compatibilityNotes));
        }
        io.out << json.Str() << '\n';
        return kExitOk;
    }
    for (const DayView& view : views) {
        PrintView(io.out, view);
    }
    PrintNotes(io.out, "Day notes", notes);
    if (birth2) {
        PrintNotes(io.out, "Compatibility notes", compatibilityNotes);
    }
    return kExitOk;
}

int RunDayInfoReport(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(args, {"--birth", "--date", "--name", "--seed", "--data-dir", "-o"},
                         {"--embed-pictures"});
    if (!parsed.Positionals().empty()) {
        throw UsageError("unexpected argument \"" + parsed.Positionals().front() + "\"");
    }
    DayReportInput input;
    input.person = {RequireName("--name", parsed.Required("--name")),
                    static_cast<DateTime>(RequireDate("--birth", parsed.Required("--birth")))};
    input.reportDate = RequireDate("--date", parsed.Required("--date"));
    input.pens = DefaultChartAttribs();
    const auto random = RandomFromArgs(parsed);
    const ReportTarget target = ResolveReportTarget(parsed, kDayReportFileName);
    input.dataFolder = target.pictureFolder;
    // The report shows the day text the Primary view chose when it was drawn for this day.
    DayRhythms day;
    ComputeDayRhythms(input.person.birth, input.reportDate, day, false);
    ChooseDayVariant(SignCombination(day), input.choice, *random);
    return WriteCliReport(target, io, {"dayinfo", true, [&](const std::filesystem::path& file) {
                                           return WriteDayReport(input, file);
                                       }});
}

}  // namespace vitalune::cli
