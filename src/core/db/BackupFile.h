#pragma once
// Replacing a database file while keeping its previous version as the ".bak" file, so that a
// complete database exists under the file's name at every moment and a failed write leaves
// both the file and the old backup as they were.

#include <filesystem>
#include <string_view>

#include "core/files/AtomicFile.h"

namespace vitalune {

// The backup of a database file: its path up to the last "." of the file name, then ".bak"
// ("names" gives "names.bak"; a "." in a folder name does not count).
std::filesystem::path BackupNameFor(const std::filesystem::path& path);

// Writes `content` to `path` atomically; an existing file first becomes the backup (linked, or
// copied where the file system cannot link), replacing the older backup.
FileResult WriteWithBackup(const std::filesystem::path& path, std::string_view content,
                           FileOps* ops = nullptr);

}  // namespace vitalune
