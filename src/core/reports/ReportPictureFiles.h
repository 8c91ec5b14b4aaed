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

namespace vitalune {

class FileOps;

inline constexpr std::string_view kReportPictureFolder = "Pict";

// Every picture any report refers to: weather, tide arrows, rating hearts and stars.
inline constexpr std::array<std::string_view, 13> kReportPictureFiles = {
    "sun.gif", "suncloud.gif", "clouds.gif", "rain.gif",  "up.gif",    "down.gif",    "one.gif",
    "two.gif", "three.gif",    "none.gif",   "one_2.gif", "two_2.gif", "three_2.gif",
};

// Weather band 0..3 (sun, sun with cloud, clouds, rain) as its report picture, "/Pict/sun.gif".
std::string WeatherPicturePath(int band);
// "/Pict/up.gif" or "/Pict/down.gif".
std::string TidePicturePath(bool rising);

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
