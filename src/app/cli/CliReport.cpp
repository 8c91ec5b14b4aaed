#include "app/cli/CliReport.h"

#include <array>
#include <ostream>

#include "core/files/AtomicFile.h"
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
        "                               [--data-dir DIR] [-o FILE] [--embed-pictures]\n",
        RunDayInfoReport},
    ReportKind{"forecast",
               "       vitalune-cli report forecast --birth DATE --start DATE --kind KIND "
               "--name NAME\n"
               "                               [forecast options] [--data-dir DIR] [-o FILE]\n"
               "                               [--embed-pictures]\n",
               RunForecastReport},
    ReportKind{"group",
               "       vitalune-cli report group FILE --group G --person P [match options]\n"
               "                               [--data-dir DIR] [-o FILE] [--embed-pictures]\n",
               RunGroupReport},
    ReportKind{"personal",
               "       vitalune-cli report personal FILE --group G --person P --with-group G\n"
               "                               --with-person P [--scheme hearts|stars]\n"
               "                               [--data-dir DIR] [-o FILE] [--embed-pictures]\n"
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
               "A report written elsewhere (-o) makes nothing in the data folder: without a\n"
               "Pict there it refers to the installed pictures. --embed-pictures puts the\n"
               "pictures into the page (data: URLs), so that it can be moved or mailed alone.\n"
               "The forecast options are those of \"vitalune-cli forecast\", the match options\n"
               "those of \"vitalune-cli match\" but --json; G and P as there.\n";
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
    target.embedPictures = args.Has("--embed-pictures");
    // A page written elsewhere makes nothing in the data folder: without pictures there, it
    // refers to the installed ones.
    std::error_code ec;
    target.pictureFolder = target.dataFolder;
    target.fillPictures =
        !output || std::filesystem::is_directory(target.dataFolder / kReportPictureFolder, ec);
    if (!target.fillPictures) {
        if (const auto installed = FindResource(ExecutableFolder(), kReportPictureFolder)) {
            target.pictureFolder = installed->parent_path();
        }
    }
    return target;
}

namespace {

std::string Base64(std::string_view bytes) {
    constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t chunk = static_cast<std::uint8_t>(bytes[i]) << 16;
        const std::size_t left = bytes.size() - i;
        if (left > 1) {
            chunk |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[i + 1])) << 8;
        }
        if (left > 2) {
            chunk |= static_cast<std::uint8_t>(bytes[i + 2]);
        }
        for (std::size_t k = 0; k < 4; ++k) {
            out += k <= left ? kDigits[(chunk >> (18 - 6 * k)) & 63] : '=';
        }
    }
    return out;
}

// Puts every report picture the page refers to into it as a data: URL, so that the page can
// be moved or mailed alone. Pictures that cannot be read stay referred to (a warning each).
FileResult EmbedPictures(const std::filesystem::path& file, const ReportTarget& target,
                         std::vector<std::string>& problems) {
    std::string page;
    if (FileResult read = ReadWholeFile(file, page); !read) {
        return read;
    }
    for (std::string_view name : kReportPictureFiles) {
        const std::string relative =
            "/" + std::string{kReportPictureFolder} + "/" + std::string{name};
        HtmlWriter ref;
        ref.Raw("\"").Text(DataFolderFileRef(target.pictureFolder, relative)).Raw("\"");
        if (page.find(ref.Bytes()) == std::string::npos) {
            continue;
        }
        std::string bytes;
        const auto installed = FindResource(ExecutableFolder(), relative.substr(1));
        if (!ReadWholeFile(target.pictureFolder / relative.substr(1), bytes) &&
            !(installed && ReadWholeFile(*installed, bytes))) {
            problems.push_back("report picture " + relative.substr(1) + " cannot be read");
            continue;
        }
        const std::string url = "\"data:image/gif;base64," + Base64(bytes) + "\"";
        for (auto at = page.find(ref.Bytes()); at != std::string::npos;
             at = page.find(ref.Bytes(), at + url.size())) {
            page.replace(at, ref.Bytes().size(), url);
        }
    }
    return WriteFileAtomically(file, page);
}

void WarnPictures(CliIo& io, std::string_view prefix, const std::vector<std::string>& problems) {
    if (problems.empty()) {
        return;
    }
    io.err << prefix << "warning: " << problems.front();
    if (problems.size() > 1) {
        io.err << " (and " << Counted(problems.size() - 1, "more picture", "more pictures") << ")";
    }
    io.err << '\n';
}

}  // namespace

int WriteCliReport(const ReportTarget& target, CliIo& io, const CliReportJob& job) {
    const std::string prefix = "vitalune-cli report " + std::string{job.kind} + ": ";
    if (job.usesPictures && target.fillPictures) {
        WarnPictures(io, prefix,
                     CopyMissingReportPictures(target.dataFolder, ExecutableFolder()).problems);
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
    if (target.embedPictures) {
        std::vector<std::string> problems;
        if (const FileResult embedded = EmbedPictures(written.path, target, problems); !embedded) {
            io.err << prefix << "cannot put the pictures into the page: " << embedded.error << '\n';
            return kExitFailed;
        }
        WarnPictures(io, prefix, problems);
    }
    io.out << written.path.string() << '\n';
    return kExitOk;
}

}  // namespace vitalune::cli
