#pragma once
// The GIF pictures the HTML reports refer to. They are generated at build time and installed
// with the program; the reports point into the data folder's Pict, so before a report is
// written each picture missing there is copied from the installed ones.

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/Compatibility.h"

namespace vitalune {

class FileOps;

inline constexpr std::string_view kReportPictureFolder = "Pict";

// Every picture any report refers to, each file once: the four weather bands, the rising and
// falling tide, then the rating pictures of the hearts and the stars (None is one file for
// both). The build reads this list to write the files, so it is the only place they are named.
inline constexpr std::array<std::string_view, 13> kReportPictureFiles = {
    "sun.gif",     "suncloud.gif", "clouds.gif", "rain.gif",  // weather bands 0..3
    "up.gif",      "down.gif",                                // tide rising, falling
    "three.gif",   "two.gif",      "one.gif",    "none.gif",  // hearts: Excellent .. None
    "three_2.gif", "two_2.gif",    "one_2.gif",               // stars: Excellent .. Weak
};

// The file of weather band 0..3 (sun, sun with cloud, clouds, rain), "sun.gif".
std::string_view WeatherPictureFile(int band);
// "up.gif" or "down.gif".
std::string_view TidePictureFile(bool rising);
// "three.gif", "two_2.gif" and so on.
std::string_view RatingPictureFile(CompatRating rating, PictureScheme scheme);

// The same as the reports name them, "/Pict/sun.gif", to be prefixed with the data folder.
std::string WeatherPicturePath(int band);
std::string TidePicturePath(bool rising);
std::string ReportPictureFile(CompatRating rating, PictureScheme scheme);

struct PictureCopyResult {
    int copied = 0;
    std::vector<std::string> problems;  // one line per picture that could not be provided
    bool ok() const { return problems.empty(); }
};

// Finds an installed file by its path relative to the resource folders ("Pict/sun.gif").
using ResourceFinder =
    std::function<std::optional<std::filesystem::path>(const std::filesystem::path& relative)>;

// Copies every report picture the data folder's Pict lacks, creating the folder. Pictures
// already there are left alone, so a user's own artwork stays.
PictureCopyResult CopyMissingReportPictures(const std::filesystem::path& dataFolder,
                                            const ResourceFinder& find, FileOps* ops = nullptr);
// The same from the files installed with the program (FindResource).
PictureCopyResult CopyMissingReportPictures(const std::filesystem::path& dataFolder,
                                            const std::filesystem::path& executableFolder);

}  // namespace vitalune
