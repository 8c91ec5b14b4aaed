#pragma once
// vitalune-cli: the program's figures for scripts. Each command lives in its own file and is
// listed once in the command table of Cli.cpp.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace vitalune::cli {

struct CliIo {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// Exit codes: 0 success, 1 the command ran but something in its input failed, 2 bad usage.
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
// the handler rejects (UsageError) prints {"error":"..."} and the run goes on with exit 1.
// Blank lines are skipped.
int RunJsonBatch(CliIo& io,
                 const std::function<std::string(std::string_view, std::string_view)>& handle);

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
