#include "core/files/DataFolder.h"

#include <cstdlib>
#include <system_error>

namespace vitalune {

namespace fs = std::filesystem;

namespace {
bool NonEmpty(const std::optional<std::string>& s) {
    return s && !s->empty();
}
std::optional<std::string> Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>{value} : std::nullopt;
}
}  // namespace

fs::path ResolveDataFolder(const DataFolderInputs& inputs) {
    if (DataFolderGiven(inputs)) {
        return inputs.commandLine && !inputs.commandLine->empty() ? *inputs.commandLine
                                                                  : fs::path(*inputs.environment);
    }
    std::error_code ec;
    if (!inputs.executableFolder.empty() && fs::exists(inputs.executableFolder / "portable", ec)) {
        return inputs.executableFolder;
    }
    fs::path base;
    if (NonEmpty(inputs.xdgDataHome) && fs::path(*inputs.xdgDataHome).is_absolute()) {
        base = *inputs.xdgDataHome;
    } else if (NonEmpty(inputs.home)) {
        base = fs::path(*inputs.home) / ".local" / "share";
    } else {
        base = fs::temp_directory_path(ec);
    }
    return base / "Qor" / "Vitalune";
}

bool DataFolderGiven(const DataFolderInputs& inputs) {
    return (inputs.commandLine && !inputs.commandLine->empty()) || NonEmpty(inputs.environment);
}

DataFolderInputs ProcessDataFolderInputs(std::optional<fs::path> commandLine) {
    return {std::move(commandLine), Env("VITALUNE_DATA_DIR"), ExecutableFolder(),
            Env("XDG_DATA_HOME"), Env("HOME")};
}

std::vector<fs::path> ResourceFolders(const fs::path& executableFolder) {
    std::vector<fs::path> folders;
    if (!executableFolder.empty()) {
        folders.push_back((executableFolder / ".." / "share" / "vitalune").lexically_normal());
    }
#ifdef VITALUNE_INSTALL_DATA_DIR
    const fs::path installed{VITALUNE_INSTALL_DATA_DIR};
    if (folders.empty() || folders.front() != installed) {
        folders.push_back(installed);
    }
#endif
    return folders;
}

std::optional<fs::path> FindResource(const fs::path& executableFolder, const fs::path& relative) {
    std::error_code ec;
    for (const fs::path& folder : ResourceFolders(executableFolder)) {
        if (fs::exists(folder / relative, ec)) {
            return folder / relative;
        }
    }
    return std::nullopt;
}

fs::path ExecutableFolder() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path{} : self.parent_path();
}

}  // namespace vitalune
