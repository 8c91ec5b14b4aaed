#include "core/db/ImportTarget.h"

#include <string>
#include <system_error>

namespace vitalune {

bool NameTakenOnDisk(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, ec);
    // A name that cannot even be looked at is not one to write to later.
    return ec ? ec != std::errc::no_such_file_or_directory
              : status.type() != std::filesystem::file_type::not_found;
}

std::filesystem::path NumberedFileName(const std::filesystem::path& fileName,
                                       unsigned long long number) {
    std::string name = fileName.filename().string();
    const std::size_t dot = name.find('.');
    name.insert(dot == std::string::npos ? name.size() : dot, std::to_string(number));
    return name;
}

std::filesystem::path ImportTargetPath(const std::filesystem::path& folder,
                                       const std::filesystem::path& fileName,
                                       const NameTaken& taken) {
    const std::filesystem::path bare = fileName.filename();
    std::filesystem::path candidate = folder / bare;
    // Counting on past nine: stopping there would hand back a name that is taken, and the
    // editor's OK would write over a file the user never chose. A folder holds finitely many
    // names, so a free one comes.
    for (unsigned long long number = 0; taken(candidate); ++number) {
        candidate = folder / NumberedFileName(bare, number);
    }
    return candidate;
}

}  // namespace vitalune
