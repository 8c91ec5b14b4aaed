// "vitalune-cli birthdays": who of a names database has a birthday on a date.
#include <optional>
#include <ostream>

#include "app/cli/Cli.h"
#include "app/cli/CliArgs.h"
#include "app/cli/Json.h"
#include "core/db/Birthdays.h"
#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/engine/DateInput.h"

namespace vitalune::cli {

namespace {

// Written as it goes, each person as it comes from the list.
void PrintBirthdaysJson(std::ostream& out, const std::vector<BirthdayEntry>& entries,
                        std::int32_t day) {
    out << "{\"date\":" << JsonString(IsoDateText(day)) << ",\"groups\":";
    JsonArrayWriter groups(out);
    std::optional<JsonArrayWriter> persons;
    const auto closeGroup = [&] {
        if (persons) {
            persons->Close();
            out << '}';
            persons.reset();
        }
    };
    for (const BirthdayEntry& e : entries) {
        if (e.kind == BirthdayEntry::Kind::GroupHeading) {
            closeGroup();
            groups.Add("{\"entry\":" + JsonString(e.text) + ",\"persons\":");
            persons.emplace(out);
        } else if (e.kind == BirthdayEntry::Kind::Person && persons) {
            persons->Add(JsonObject{}
                             .Add("name", JsonString(e.text))
                             .Add("sex", JsonString(e.sex))
                             .Add("birth", JsonString(IsoDateText(e.dateOfBirth)))
                             .Str());
        }
    }
    closeGroup();
    groups.Close();
    out << "}\n";
}

}  // namespace

int RunBirthdays(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(args, {"--date"}, {"--json"});
    if (parsed.Positionals().size() != 1) {
        throw UsageError("expected one FILE");
    }
    const std::int32_t day = RequireDate("--date", parsed.Required("--date"));
    const std::string& file = parsed.Positionals().front();
    const SystemClock clock;
    NamesDatabase database(clock);
    LoadOptions options;
    options.createMissing = false;
    const LoadResult result = database.LoadFromFile(file, options);
    if (result.outcome == LoadResult::Outcome::Missing) {
        io.err << "vitalune-cli birthdays: no file " << file << '\n';
        return kExitFailed;
    }
    if (result.outcome == LoadResult::Outcome::Unreadable) {
        io.err << "vitalune-cli birthdays: " << result.readError << '\n';
        return kExitFailed;
    }
    const std::vector<BirthdayEntry> entries = FindBirthdays(database, day);
    if (parsed.Has("--json")) {
        PrintBirthdaysJson(io.out, entries, day);
        return kExitOk;
    }
    for (const BirthdayEntry& e : entries) {
        switch (e.kind) {
            case BirthdayEntry::Kind::GroupHeading:
                io.out << ParseGroupEntry(e.text).name << '\n';
                break;
            case BirthdayEntry::Kind::Person:
                io.out << "  " << e.sex << "  " << e.text << "  " << e.dateText << '\n';
                break;
            case BirthdayEntry::Kind::Gap:
                io.out << '\n';
                break;
            case BirthdayEntry::Kind::NobodyFound:
                io.out << "Nobody found\n";
                break;
        }
    }
    return kExitOk;
}

}  // namespace vitalune::cli
