// "vitalune-cli birthdays": who of a names database has a birthday on a date.
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

// Appends one item of a JSON array's inside, with the comma it needs.
void AppendItem(std::string& items, const std::string& item) {
    if (!items.empty()) {
        items += ',';
    }
    items += item;
}

std::string BirthdaysJson(const std::vector<BirthdayEntry>& entries, std::int32_t day) {
    std::string groups;
    std::string persons;
    std::string entry;
    auto closeGroup = [&] {
        if (!entry.empty()) {
            AppendItem(groups, JsonObject{}
                                   .Add("entry", JsonString(entry))
                                   .Add("persons", "[" + persons + "]")
                                   .Str());
        }
        entry.clear();
        persons.clear();
    };
    for (const BirthdayEntry& e : entries) {
        if (e.kind == BirthdayEntry::Kind::GroupHeading) {
            closeGroup();
            entry = e.text;
        } else if (e.kind == BirthdayEntry::Kind::Person) {
            AppendItem(persons, JsonObject{}
                                    .Add("name", JsonString(e.text))
                                    .Add("sex", JsonString(e.sex))
                                    .Add("birth", JsonString(IsoDateText(e.dateOfBirth)))
                                    .Str());
        }
    }
    closeGroup();
    return JsonObject{}
        .Add("date", JsonString(IsoDateText(day)))
        .Add("groups", "[" + groups + "]")
        .Str();
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
        io.out << BirthdaysJson(entries, day) << '\n';
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
