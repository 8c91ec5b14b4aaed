#pragma once
// Where the program keeps the user's files (names database, reports, report pictures) and
// where the files installed with it are found.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vitalune {

struct DataFolderInputs {
    std::optional<std::filesystem::path> commandLine;  // --data-dir
    std::optional<std::string> environment;            // VITALUNE_DATA_DIR
    std::filesystem::path executableFolder;
    std::optional<std::string> xdgDataHome;  // XDG_DATA_HOME
    std::optional<std::string> home;         // HOME
};

// --data-dir, else VITALUNE_DATA_DIR, else the executable's folder when it holds a file named
// "portable", else the per-user data folder ($XDG_DATA_HOME or ~/.local/share, then
// "Qor/Vitalune", the same place the desktop's standard paths give).
std::filesystem::path ResolveDataFolder(const DataFolderInputs& inputs);

// The inputs of this process: its environment and executable.
DataFolderInputs ProcessDataFolderInputs(std::optional<std::filesystem::path> commandLine);

// Folders holding the files installed with the program (empty.rec, Pict/, help/), most
// specific first: beside the executable in an installed tree (../share/vitalune), then the
// build tree's share folder for a program run from where it was built.
std::vector<std::filesystem::path> ResourceFolders(const std::filesystem::path& executableFolder);
// The first resource folder holding `relative`, or nothing.
std::optional<std::filesystem::path> FindResource(const std::filesystem::path& executableFolder,
                                                  const std::filesystem::path& relative);

// Folder of the running executable.
std::filesystem::path ExecutableFolder();

}  // namespace vitalune
