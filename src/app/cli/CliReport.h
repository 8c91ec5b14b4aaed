#pragma once
// What the "report" sub-kinds share: where the page goes (the data folder or -o FILE), the
// report pictures it refers to, and how a write is reported.

#include <filesystem>
#include <functional>
#include <string_view>

#include "app/cli/Cli.h"
#include "app/cli/CliArgs.h"
#include "core/reports/HtmlWriter.h"

namespace vitalune::cli {

struct ReportTarget {
    std::filesystem::path dataFolder;  // --data-dir, else the program's data folder
    std::filesystem::path file;        // -o FILE, else the data folder's report file
    // The folder whose Pict the page refers to: the data folder, or for a page written
    // elsewhere into a data folder without pictures, the installed pictures' folder.
    std::filesystem::path pictureFolder;
    bool fillPictures = false;   // copy the pictures the data folder's Pict lacks
    bool embedPictures = false;  // --embed-pictures: data: URLs in the page instead
};
ReportTarget ResolveReportTarget(const CliArgs& args, std::string_view defaultFileName);

// The data folder of the tool's other commands: --data-dir, else the program's.
std::filesystem::path CliDataFolder(const CliArgs& args);

struct CliReportJob {
    std::string_view kind;      // "dayinfo", for messages
    bool usesPictures = false;  // copy the report pictures missing from the data folder first
    std::function<ReportResult(const std::filesystem::path& file)> write;
};

// Runs the job (picture problems are warnings on stderr), then puts the pictures into the page
// when asked; prints the file written or the failure.
int WriteCliReport(const ReportTarget& target, CliIo& io, const CliReportJob& job);

}  // namespace vitalune::cli
