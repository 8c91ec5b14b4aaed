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

// Whether the user named the folder (--data-dir or VITALUNE_DATA_DIR): its database is then
// the one used, whatever database file the settings remember.
bool DataFolderGiven(const DataFolderInputs& inputs);

// The inputs of this process: its environment and executable.
DataFolderInputs ProcessDataFolderInputs(std::optional<std::filesystem::path> commandLine);

// Folders holding the files installed with the program (empty.rec, Pict/, help/), most
// specific first: beside the executable's folder (../share/vitalune, which is also where the
// build tree keeps them), then the data directory the program was configured to install to.
std::vector<std::filesystem::path> ResourceFolders(const std::filesystem::path& executableFolder);
// The first resource folder holding `relative`, or nothing.
std::optional<std::filesystem::path> FindResource(const std::filesystem::path& executableFolder,
                                                  const std::filesystem::path& relative);

// Folder of the running executable.
std::filesystem::path ExecutableFolder();

}  // namespace vitalune
