#include "core/reports/ReportPictureFiles.h"

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

std::string_view WeatherPictureFile(int band) {
    return kReportPictureFiles[static_cast<std::size_t>(band >= 0 && band < 4 ? band : 3)];
}

std::string_view TidePictureFile(bool rising) {
    return kReportPictureFiles[rising ? 4 : 5];
}

std::string_view RatingPictureFile(CompatRating rating, PictureScheme scheme) {
    // Excellent, Good, Weak, None in the list's order; the stars share the hearts' None.
    const auto r = static_cast<std::size_t>(rating);
    if (rating == CompatRating::None || scheme == PictureScheme::Hearts) {
        return kReportPictureFiles[6 + r];
    }
    return kReportPictureFiles[10 + r];
}

std::string WeatherPicturePath(int band) {
    return PicturePath(WeatherPictureFile(band));
}

std::string TidePicturePath(bool rising) {
    return PicturePath(TidePictureFile(rising));
}

std::string ReportPictureFile(CompatRating rating, PictureScheme scheme) {
    return PicturePath(RatingPictureFile(rating, scheme));
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
