// "vitalune-cli db check|list|merge": the names database files as the program reads them.
#include <ostream>
#include <vector>

#include "app/cli/Cli.h"
#include "app/cli/CliArgs.h"
#include "app/cli/CliNamesFile.h"
#include "app/cli/Json.h"
#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"

namespace vitalune::cli {

namespace {

int RunCheck(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(args, {}, {});
    const std::string file = OneFile(parsed, "FILE");
    const SystemClock clock;
    NamesDatabase database(clock);
    std::vector<DroppedLine> dropped;
    const auto result = LoadNamesFile(database, file, io, "db check", &dropped);
    if (!result) {
        return kExitFailed;
    }
    if (result->outcome == LoadResult::Outcome::NoGroups) {
        io.out << "No group header: the file holds no database.\n";
    } else {
        io.out << "Groups: " << database.GroupCount() << ", persons: " << database.PersonCount()
               << '\n';
        for (std::size_t g = 0; g < database.GroupCount(); ++g) {
            const std::size_t count = database.Persons(g).size();
            io.out << "  " << database.GroupEntry(g) << ": " << Counted(count, "person", "persons")
                   << '\n';
        }
    }
    io.out << "Dropped lines: " << dropped.size() << '\n';
    for (const DroppedLine& line : dropped) {
        io.out << "  line " << line.lineNumber << ": " << line.reason << ": " << line.text << '\n';
    }
    return dropped.empty() && result->outcome == LoadResult::Outcome::Loaded ? kExitOk
                                                                             : kExitFailed;
}

int RunList(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(args, {"--group"}, {"--json"});
    const std::string file = OneFile(parsed, "FILE");
    const SystemClock clock;
    NamesDatabase database(clock);
    const auto result = LoadNamesFile(database, file, io, "db list");
    if (!result) {
        return kExitFailed;
    }
    if (result->outcome == LoadResult::Outcome::NoGroups) {
        io.err << "vitalune-cli db list: no group header in " << file
               << "; showing the empty database\n";
    }
    std::vector<std::size_t> groups;
    if (const auto name = parsed.Option("--group")) {
        const auto found = database.FindGroup(*name);
        if (!found) {
            io.err << "vitalune-cli db list: no group \"" << *name << "\"\n";
            return kExitUsage;
        }
        groups.push_back(*found);
    } else {
        for (std::size_t g = 0; g < database.GroupCount(); ++g) {
            groups.push_back(g);
        }
    }
    if (!parsed.Has("--json")) {
        for (const std::size_t g : groups) {
            io.out << '#' << database.GroupEntry(g) << '\n';
            for (const std::string_view line : database.Persons(g)) {
                io.out << line << '\n';
            }
        }
        return kExitOk;
    }
    // Written as it goes: a file of a million persons never sits in memory twice.
    io.out << "{\"groups\":[";
    for (std::size_t k = 0; k < groups.size(); ++k) {
        const std::size_t g = groups[k];
        io.out << (k > 0 ? "," : "") << "{\"entry\":" << JsonString(database.GroupEntry(g))
               << ",\"persons\":";
        JsonArrayWriter persons(io.out);
        for (const std::string_view line : database.Persons(g)) {
            persons.Add(JsonString(line));
        }
        persons.Close();
        io.out << '}';
    }
    io.out << "]}\n";
    return kExitOk;
}

int RunMerge(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(args, {"-o", "--output"}, {});
    if (parsed.Positionals().size() != 2) {
        throw UsageError("expected FILE and OTHER");
    }
    const std::string& file = parsed.Positionals()[0];
    const std::string& other = parsed.Positionals()[1];
    const std::string output =
        parsed.Option("-o").value_or(parsed.Option("--output").value_or(file));
    const SystemClock clock;
    NamesDatabase database(clock);
    const auto result = LoadNamesFile(database, file, io, "db merge");
    if (!result) {
        return kExitFailed;
    }
    if (result->outcome == LoadResult::Outcome::NoGroups) {
        io.err << "vitalune-cli db merge: no group header in " << file << "; nothing written\n";
        return kExitFailed;
    }
    std::error_code ec;
    if (!std::filesystem::exists(other, ec)) {
        io.err << "vitalune-cli db merge: no file " << other << '\n';
        return kExitFailed;
    }
    const MergeResult merged = database.MergeFromFile(other);
    if (!merged.read) {
        io.err << "vitalune-cli db merge: " << merged.read.error << '\n';
        return kExitFailed;
    }
    if (const FileResult saved = database.SaveToFile(output); !saved) {
        io.err << "vitalune-cli db merge: " << saved.error << '\n';
        return kExitFailed;
    }
    io.out << "Merged " << other << " into " << file << ": "
           << Counted(merged.addedGroups, "new group", "new groups") << ", "
           << Counted(merged.droppedLines, "invalid line dropped", "invalid lines dropped")
           << "; saved to " << output << '\n';
    return kExitOk;
}

}  // namespace

int RunDb(const std::vector<std::string>& args, CliIo& io) {
    if (args.empty()) {
        throw UsageError("expected check, list, merge, import or export");
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args.front() == "check") {
        return RunCheck(rest, io);
    }
    if (args.front() == "list") {
        return RunList(rest, io);
    }
    if (args.front() == "merge") {
        return RunMerge(rest, io);
    }
    if (args.front() == "import") {
        return RunDbImport(rest, io);
    }
    if (args.front() == "export") {
        return RunDbExport(rest, io);
    }
    throw UsageError("unknown db command \"" + args.front() +
                     "\" (check, list, merge, import or export)");
}

}  // namespace vitalune::cli
