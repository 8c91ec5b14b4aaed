#pragma once
// Which database file the program opens at start-up, and the first-start work with the
// template "empty.rec": a missing database is made from the template, and a database stored
// outside the program's folder is brought into it on a fresh installation.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/files/AtomicFile.h"

namespace vitalune {

struct StartupOptions {
    // The template installed with the program, used when the program's folder holds neither
    // empty.rec nor empty.bak; it is only read.
    std::optional<std::filesystem::path> installedTemplate;
    FileOps* ops = nullptr;
};

struct StartupFile {
    std::filesystem::path path;       // the file to load
    std::vector<std::string> errors;  // copies or renames that failed on the way
};

// `programFolder` is the folder of db.rec and empty.rec; `storedName` the remembered path of
// the database (may be empty). Never loses a file: a copy that fails leaves its source.
StartupFile FindAtStartup(const std::filesystem::path& programFolder, const std::string& storedName,
                          const StartupOptions& options = {});

}  // namespace vitalune
