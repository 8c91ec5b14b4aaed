#include "app/cli/Cli.h"

#include <array>
#include <istream>
#include <ostream>
#include <sstream>

#include "app/cli/CliArgs.h"
#include "app/cli/Json.h"

namespace vitalune::cli {

namespace {

const std::array kCommands = {
    CliCommand{"day", "Day percentages, overall value and critical days of one person",
               "Usage: vitalune-cli day --birth DATE --date DATE [--iching] [--json]\n"
               "       vitalune-cli day --json [--iching] < lines of \"BIRTH DATE\"\n",
               RunDay},
    CliCommand{"compat", "Compatibility of two persons and its texts",
               "Usage: vitalune-cli compat --birth DATE --birth2 DATE [--json]\n"
               "       vitalune-cli compat --json < lines of \"BIRTH BIRTH2\"\n",
               RunCompat},
    CliCommand{"db", "Check, list, merge, import or export names database files",
               "Usage: vitalune-cli db check FILE\n"
               "       vitalune-cli db list FILE [--group NAME] [--json]\n"
               "       vitalune-cli db merge FILE OTHER [-o OUT]\n"
               "       vitalune-cli db import FILE --from CONTACTS --group NAME [-o OUT] [--json]\n"
               "       vitalune-cli db export FILE [--group NAME] --to OUT [--json]\n"
               "check prints the groups, the persons and every line loading drops, with its\n"
               "line number and the reason (exit 1 when a line was dropped). merge adds OTHER's\n"
               "groups and valid persons to FILE and saves it (or OUT), keeping a .bak backup.\n"
               "import reads the birthdays of an address book's vCard (.vcf) or CSV file (a\n"
               "header row naming Name and Birthday columns) into the group NAME, made when\n"
               "there is none, and saves FILE (or OUT) as merge does; contacts without a year\n"
               "of birth are skipped and named. Nothing is written when nothing was imported.\n"
               "export writes the persons of the group NAME (or of all groups) as vCard 4.0\n"
               "or CSV, chosen by the suffix of OUT: .vcf or .csv.\n",
               RunDb},
    CliCommand{"birthdays", "Persons of a names database born on a day of the year",
               "Usage: vitalune-cli birthdays FILE --date DATE [--json]\n", RunBirthdays},
    CliCommand{"today", "Every person's percentages and critical rhythms on a day",
               "Usage: vitalune-cli today FILE [--group NAME] [--date DATE] [--json]\n"
               "Each person of the group NAME (or of every group) with a date of birth: the\n"
               "Physical, Emotional, Intellectual and Intuitive percentages, the overall value\n"
               "and the critical rhythms on DATE (default today). The JSON is one object:\n"
               "{\"date\":D,\"persons\":[{\"group\",\"name\",\"birth\",\"percent\":[P,E,I,U],\n"
               "\"overall\",\"critical\":[P,E,I,U],\"rhythms\"}]}. An unknown group is a bad\n"
               "argument.\n",
               RunToday},
    CliCommand{"dayinfo", "The day information views of one person (or a pair) and the notes",
               "Usage: vitalune-cli dayinfo --birth DATE --date DATE [--birth2 DATE]\n"
               "                            [--name NAME] [--name2 NAME] [--seed N] [--json]\n",
               RunDayInfo},
    CliCommand{"forecast", "Days from a start date that meet forecast criteria",
               "Usage: vitalune-cli forecast --birth DATE --start DATE\n"
               "           --kind sunny|rainy|critical|stress [--show-all] [--overall-level K]\n"
               "           [--rhythm NAME[:K]]... [--and|--or] [--stress all|women|men]\n"
               "           [--results N | --months N] [--json]\n"
               "           [--ics FILE] [--csv FILE] [--name PERSON]\n"
               "NAME is physical, emotional, intellectual or intuitive; K the level item 0..2\n"
               "(sunny: 75%, 50%, 25% or higher; rainy: less than 25%, 50%, 75%); a critical\n"
               "rhythm takes no level. Without a rhythm the overall value (or any critical\n"
               "rhythm) is tested. The default is --or --months 12.\n"
               "--ics writes the days found as all-day events of an iCalendar file, --csv as a\n"
               "table for spreadsheets; the events name PERSON (without --name, the date of\n"
               "birth). Nothing is written when no day is found (exit 1).\n"
               "       vitalune-cli forecast FILE --group NAME [--members all|any] --start DATE\n"
               "           --kind ... [--json] [--ics FILE] [--csv FILE]\n"
               "A group's forecast: the days on which every member of the names database's\n"
               "group NAME with a date of birth meets the criteria, or (--members any, for\n"
               "critical and stress days) any member. The JSON is {\"group\",\"hits\":[{\"date\",\n"
               "\"members\":[{\"name\",\"percent\",\"overall\",\"critical\",\"rhythms\"}]}],\n"
               "\"endDate\"}.\n",
               RunForecast},
    CliCommand{"match", "Persons of a names database ranked by compatibility with one of them",
               "Usage: vitalune-cli match FILE --group G --person P [--in-group all|G]\n"
               "           [--sex any|male|female] [--age A-B] [--pattern K] [--ratings P,E,I]\n"
               "           [--exact] [--sort name|compatibility] [--today DATE] [--json]\n"
               "--group and --person choose the base person, --in-group the group searched:\n"
               "each a name, or an index from 0 as the file lists them. A text of digits is\n"
               "an index when there are that many groups (persons), else a name; of persons\n"
               "of the same name the first listed is taken. K is the pattern item 0..8: Ideal\n"
               "match, Good match, Sex partner, Friend, Secretary, Somebody to talk (for man),\n"
               "(for woman), Complete antipode, Special search. --ratings overrides the\n"
               "pattern's Physical, Emotional, Intellectual items: 0 Any, 1 Excellent, 2 Good,\n"
               "3 Weak, 4 None. --age A-B takes ages 0, 5, ... 90 to 5, 10, ... 95 years counted\n"
               "in calendar years up to --today (default today). --exact tests the bands\n"
               "exactly instead of \"at least\". The default is --pattern 0 --sort name.\n",
               RunMatch},
    CliCommand{"report", "Writes dayinfo.htm, forecast.htm, group.htm or personal.htm",
               ReportUsage(), RunReport},
};

void PrintHelp(std::ostream& out) {
    out << "Usage: vitalune-cli COMMAND [OPTIONS]\n\n"
           "Biorhythm figures of Vitalune for scripts.\n\nCommands:\n";
    for (const auto& command : kCommands) {
        out << "  " << command.name << std::string(10 - command.name.size(), ' ') << command.summary
            << '\n';
    }
    out << "\nOptions:\n"
           "  --help    this text; \"COMMAND --help\" tells the options of a command\n"
           "  --version the program's version\n\n"
           "Dates are written YYYY-MM-DD or DD.MM.YYYY, years 0001 to 9999.\n"
           "Exit codes, the same in every command:\n"
           "  0 success\n"
           "  1 some input could not be used: a file that cannot be read or written, bad\n"
           "    input lines (each an {\"error\",\"line\"} object), nothing found to write\n"
           "  2 bad arguments, an unknown group or person of a names database included\n";
}

bool WantsHelp(const std::vector<std::string>& args) {
    for (const auto& arg : args) {
        if (arg == "--help" || arg == "-h") {
            return true;
        }
    }
    return false;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, CliIo& io) {
    if (args.empty()) {
        PrintHelp(io.err);
        return kExitUsage;
    }
    const std::string& name = args.front();
    if (name == "--help" || name == "-h" || name == "help") {
        PrintHelp(io.out);
        return kExitOk;
    }
    if (name == "--version") {
        io.out << "vitalune-cli " << VITALUNE_VERSION << '\n';
        return kExitOk;
    }
    for (const auto& command : kCommands) {
        if (command.name != name) {
            continue;
        }
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (WantsHelp(rest)) {
            io.out << command.usage;
            return kExitOk;
        }
        try {
            return command.run(rest, io);
        } catch (const UsageError& e) {
            io.err << "vitalune-cli " << name << ": " << e.what() << '\n';
            return kExitUsage;
        }
    }
    io.err << "vitalune-cli: unknown command \"" << name << "\" (see vitalune-cli --help)\n";
    return kExitUsage;
}

namespace {

// One line of input ended by LF, CR LF or a CR alone (old Mac files); false at the end.
bool ReadLine(std::istream& in, std::string& line) {
    line.clear();
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        if (c == '\r' && in.peek() == '\n') {
            in.get();
        }
        if (c == '\r' || c == '\n') {
            return true;
        }
        line += static_cast<char>(c);
    }
    return !line.empty();
}

}  // namespace

std::string Counted(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + ' ' + std::string{count == 1 ? one : many};
}

int RunJsonBatch(CliIo& io,
                 const std::function<std::string(std::string_view, std::string_view)>& handle) {
    int exitCode = kExitOk;
    std::string line;
    for (std::int64_t number = 1; ReadLine(io.in, line); ++number) {
        std::istringstream fields(line);
        std::string first;
        std::string second;
        std::string extra;
        try {
            if (!(fields >> first)) {
                throw UsageError("expected two dates on the line, got an empty line");
            }
            if (!(fields >> second) || (fields >> extra)) {
                throw UsageError("expected two dates on the line, got \"" + line + "\"");
            }
            io.out << handle(first, second) << '\n';
        } catch (const UsageError& e) {
            io.out << JsonObject{}.Add("error", JsonString(e.what())).Add("line", number).Str()
                   << '\n';
            exitCode = kExitFailed;
        }
    }
    return exitCode;
}

}  // namespace vitalune::cli
