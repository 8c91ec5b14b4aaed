#pragma once
// vitalune-cli: the program's figures for scripts. Each command lives in its own file and is
// listed once in the command table of Cli.cpp.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace vitalune {
struct CompatibilityResult;
}

namespace vitalune::cli {

struct CliIo {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// Exit codes, the same in every command: 0 success; 1 some input could not be used (a file
// that cannot be read or written, bad input lines, nothing found to write); 2 bad arguments,
// an unknown group or person of a file included.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// args excludes the program name.
int RunCli(const std::vector<std::string>& args, CliIo& io);

using CommandFn = int (*)(const std::vector<std::string>& args, CliIo& io);

struct CliCommand {
    std::string_view name;
    std::string_view summary;
    std::string_view usage;  // shown by "vitalune-cli COMMAND --help"
    CommandFn run;
};

// Reads "FIRST SECOND" lines from standard input and prints one JSON line per line; a line
// the handler rejects (UsageError), a blank one included, prints {"error":"...","line":N}
// and the run goes on with exit 1.
int RunJsonBatch(CliIo& io,
                 const std::function<std::string(std::string_view, std::string_view)>& handle);

// "1 new group", "2 new groups".
std::string Counted(std::size_t count, std::string_view one, std::string_view many);

// "ratings" and "compatibility", the named fields beside a compatibility's bare "values" (or
// "compat"): the rating labels of Physical, Emotional, Intellectual and Intuitive, and every
// value by its field's name.
// Both are appended to `out`.
void AppendCompatRatings(std::string& out, const CompatibilityResult& result);
void AppendCompatNamed(std::string& out, const CompatibilityResult& result);

int RunDay(const std::vector<std::string>& args, CliIo& io);
int RunCompat(const std::vector<std::string>& args, CliIo& io);
int RunDb(const std::vector<std::string>& args, CliIo& io);
// "db import" and "db export", in CliContacts.cpp.
int RunDbImport(const std::vector<std::string>& args, CliIo& io);
int RunDbExport(const std::vector<std::string>& args, CliIo& io);
int RunBirthdays(const std::vector<std::string>& args, CliIo& io);
int RunToday(const std::vector<std::string>& args, CliIo& io);
int RunDayInfo(const std::vector<std::string>& args, CliIo& io);
int RunForecast(const std::vector<std::string>& args, CliIo& io);
int RunReport(const std::vector<std::string>& args, CliIo& io);
int RunMatch(const std::vector<std::string>& args, CliIo& io);

// The kinds of "report", listed in CliReport.cpp.
int RunDayInfoReport(const std::vector<std::string>& args, CliIo& io);
int RunForecastReport(const std::vector<std::string>& args, CliIo& io);
int RunGroupReport(const std::vector<std::string>& args, CliIo& io);
int RunPersonalReport(const std::vector<std::string>& args, CliIo& io);
std::string_view ReportUsage();

}  // namespace vitalune::cli
