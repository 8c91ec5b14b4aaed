// "vitalune-cli db import|export": birthdays from and to address books' vCard and CSV files.
#include <ostream>

#include "app/cli/Cli.h"
#include "app/cli/CliArgs.h"
#include "app/cli/CliNamesFile.h"
#include "app/cli/Json.h"
#include "core/contacts/Contacts.h"
#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"

namespace vitalune::cli {

namespace {

std::string OutputOption(const CliArgs& parsed, const std::string& fallback) {
    return parsed.Option("-o").value_or(parsed.Option("--output").value_or(fallback));
}

}  // namespace

int RunDbImport(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(args, {"--from", "--group", "-o", "--output"}, {"--json"});
    const std::string file = OneFile(parsed, "FILE");
    const std::string from = parsed.Required("--from");
    const std::string group = RequireName("--group", parsed.Required("--group"));
    if (group.empty()) {
        throw UsageError("--group must name a group");
    }
    const std::string output = OutputOption(parsed, file);
    const SystemClock clock;
    NamesDatabase database(clock);
    const auto loaded = LoadNamesFile(database, file, io, "db import");
    if (!loaded) {
        return kExitFailed;
    }
    if (loaded->outcome == LoadResult::Outcome::NoGroups) {
        io.err << "vitalune-cli db import: no group header in " << file << "; nothing written\n";
        return kExitFailed;
    }
    const ContactsRead read = ReadContactsFile(from);
    if (!read.error.empty()) {
        io.err << "vitalune-cli db import: " << read.error << '\n';
        return kExitFailed;
    }
    const ContactsImport result = ImportContacts(database, read, group);
    // Nothing to add leaves the files alone, rather than writing a new group holding only the
    // placeholder person.
    const bool save = result.imported > 0;
    if (save) {
        if (const FileResult saved = database.SaveToFile(output); !saved) {
            io.err << "vitalune-cli db import: " << saved.error << '\n';
            return kExitFailed;
        }
    }
    if (parsed.Has("--json")) {
        std::vector<std::string_view> names(read.skippedNames.begin(), read.skippedNames.end());
        io.out << JsonObject{}
                      .Add("imported", static_cast<std::int64_t>(result.imported))
                      .Add("skipped", static_cast<std::int64_t>(result.skipped))
                      .Add("alreadyThere", static_cast<std::int64_t>(result.alreadyThere))
                      .Add("group",
                           JsonString(ParseGroupEntry(database.GroupEntry(result.group)).name))
                      .Add("skippedNames", JsonStringArray(names))
                      .Str()
               << '\n';
        return kExitOk;
    }
    io.out << ImportSummary(result) << '\n';
    for (const std::string& name : read.skippedNames) {
        io.out << "  skipped: " << name << '\n';
    }
    if (save) {
        io.out << "Saved to " << output << '\n';
    } else {
        io.out << "Nothing imported; " << output << " not written\n";
    }
    return kExitOk;
}

int RunDbExport(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(args, {"--group", "--to"}, {"--json"});
    const std::string file = OneFile(parsed, "FILE");
    const std::string to = parsed.Required("--to");
    if (!ContactsFormatOf(to)) {
        throw UsageError("--to must name a .vcf or .csv file");
    }
    const SystemClock clock;
    NamesDatabase database(clock);
    const auto loaded = LoadNamesFile(database, file, io, "db export");
    if (!loaded) {
        return kExitFailed;
    }
    std::optional<std::size_t> group;
    if (const auto name = parsed.Option("--group")) {
        group = database.FindGroup(*name);
        if (!group) {
            io.err << "vitalune-cli db export: no group \"" << *name << "\"\n";
            return kExitUsage;
        }
    }
    if (const FileResult written = WriteContactsFile(database, group, to); !written) {
        io.err << "vitalune-cli db export: " << written.error << '\n';
        return kExitFailed;
    }
    const std::size_t count = ExportedContactCount(database, group);
    if (parsed.Has("--json")) {
        io.out << JsonObject{}
                      .Add("exported", static_cast<std::int64_t>(count))
                      .Add("file", JsonString(to))
                      .Str()
               << '\n';
    } else {
        io.out << "Exported " << Counted(count, "person", "persons") << " to " << to << '\n';
    }
    return kExitOk;
}

}  // namespace vitalune::cli
