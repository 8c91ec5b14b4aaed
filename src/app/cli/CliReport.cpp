#include "app/cli/CliReport.h"

#include <array>
#include <ostream>

#include "core/files/DataFolder.h"
#include "core/reports/ReportPictureFiles.h"

namespace vitalune::cli {

namespace {

struct ReportKind {
    std::string_view name;
    std::string_view usage;
    CommandFn run;
};

// One entry per report the program writes.
const std::array kReportKinds = {
    ReportKind{
        "dayinfo",
        "       vitalune-cli report dayinfo --birth DATE --date DATE --name NAME [--seed N]\n"
        "                               [--data-dir DIR] [-o FILE]\n",
        RunDayInfoReport},
    ReportKind{"forecast",
               "       vitalune-cli report forecast --birth DATE --start DATE --kind KIND "
               "--name NAME\n"
               "                               [forecast options] [--data-dir DIR] [-o FILE]\n",
               RunForecastReport},
    ReportKind{"group",
               "       vitalune-cli report group FILE --group N --person N [match options]\n"
               "                               [--data-dir DIR] [-o FILE]\n",
               RunGroupReport},
    ReportKind{"personal",
               "       vitalune-cli report personal FILE --group N --person N --with-group N\n"
               "                               --with-person N [--scheme hearts|stars]\n"
               "                               [--data-dir DIR] [-o FILE]\n"
               "       vitalune-cli report personal --name NAME --birth DATE --name2 NAME\n"
               "                               --birth2 DATE [--scheme hearts|stars] ...\n",
               RunPersonalReport},
};

}  // namespace

std::string_view ReportUsage() {
    static const std::string usage = [] {
        std::string text = "Usage: vitalune-cli report KIND OPTIONS\n";
        for (const auto& kind : kReportKinds) {
            text += kind.usage;
        }
        return text +
               "Writes the report as the program does, into the data folder (or FILE). Its\n"
               "pictures are those of the data folder's Pict, where missing ones are copied.\n"
               "The forecast options are those of \"vitalune-cli forecast\", the match options\n"
               "those of \"vitalune-cli match\" but --json.\n";
    }();
    return usage;
}

int RunReport(const std::vector<std::string>& args, CliIo& io) {
    if (args.empty()) {
        throw UsageError("which report? (dayinfo, forecast, group or personal)");
    }
    for (const auto& kind : kReportKinds) {
        if (kind.name == args.front()) {
            return kind.run(std::vector<std::string>(args.begin() + 1, args.end()), io);
        }
    }
    throw UsageError("unknown report \"" + args.front() + "\"");
}

std::filesystem::path CliDataFolder(const CliArgs& args) {
    if (const auto dir = args.Option("--data-dir")) {
        if (dir->empty()) {
            throw UsageError("--data-dir needs a folder");
        }
        return *dir;
    }
    return ResolveDataFolder(ProcessDataFolderInputs(std::nullopt));
}

ReportTarget ResolveReportTarget(const CliArgs& args, std::string_view defaultFileName) {
    ReportTarget target;
    target.dataFolder = CliDataFolder(args);
    const auto output = args.Option("-o");
    if (output && output->empty()) {
        throw UsageError("-o needs a file name");
    }
    target.file = output ? std::filesystem::path{*output} : target.dataFolder / defaultFileName;
    return target;
}

int WriteCliReport(const ReportTarget& target, CliIo& io, const CliReportJob& job) {
    const std::string prefix = "vitalune-cli report " + std::string{job.kind} + ": ";
    if (job.usesPictures) {
        const PictureCopyResult pictures =
            CopyMissingReportPictures(target.dataFolder, ExecutableFolder());
        if (!pictures.ok()) {
            io.err << prefix << "warning: " << pictures.problems.front();
            if (pictures.problems.size() > 1) {
                io.err << " (and " << pictures.problems.size() - 1 << " more pictures)";
            }
            io.err << '\n';
        }
    }
    const ReportResult written = job.write(target.file);
    if (!written) {
        io.err << prefix << written.message;
        if (!written.reason.empty()) {
            io.err << " (" << written.reason << ")";
        }
        io.err << '\n';
        return kExitFailed;
    }
    io.out << written.path.string() << '\n';
    return kExitOk;
}

}  // namespace vitalune::cli
