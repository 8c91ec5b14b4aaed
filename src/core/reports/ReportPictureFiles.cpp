#include "core/reports/ReportPictures.h"

#include <system_error>

#include "core/files/AtomicFile.h"
#include "core/files/DataFolder.h"

namespace vitalune {

namespace fs = std::filesystem;

namespace {

std::string PicturePath(std::string_view file) {
    std::string path = "/";
    path.append(kReportPictureFolder).append("/").append(file);
    return path;
}

}  // namespace

std::string WeatherPicturePath(int band) {
    constexpr std::string_view kWeather[4] = {"sun.gif", "suncloud.gif", "clouds.gif", "rain.gif"};
    return PicturePath(kWeather[band >= 0 && band < 4 ? band : 3]);
}

std::string TidePicturePath(bool rising) {
    return PicturePath(rising ? "up.gif" : "down.gif");
}

PictureCopyResult CopyMissingReportPictures(const fs::path& dataFolder, const ResourceFinder& find,
                                            FileOps* ops) {
    PictureCopyResult result;
    const fs::path folder = dataFolder / kReportPictureFolder;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        result.problems.push_back("cannot create " + folder.string() + ": " + ec.message());
        return result;
    }
    AtomicWriteOptions options;
    options.ops = ops;
    for (std::string_view file : kReportPictureFiles) {
        const fs::path target = folder / file;
        if (fs::exists(target, ec)) {
            continue;
        }
        const fs::path relative = fs::path{kReportPictureFolder} / file;
        const auto source = find(relative);
        if (!source) {
            result.problems.push_back("report picture " + relative.string() +
                                      " is not among the installed files");
            continue;
        }
        std::string content;
        FileResult step = ReadWholeFile(*source, content);
        if (step) {
            step = WriteFileAtomically(target, content, options);
        }
        if (!step) {
            result.problems.push_back(step.error);
            continue;
        }
        ++result.copied;
    }
    return result;
}

PictureCopyResult CopyMissingReportPictures(const fs::path& dataFolder,
                                            const fs::path& executableFolder) {
    return CopyMissingReportPictures(dataFolder, [&](const fs::path& relative) {
        return FindResource(executableFolder, relative);
    });
}

}  // namespace vitalune
