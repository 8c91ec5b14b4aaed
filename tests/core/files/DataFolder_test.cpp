#include "core/files/DataFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vitalune {
namespace {

namespace fs = std::filesystem;

TEST(DataFolder, OrderOfChoices) {
    const fs::path exe = fs::temp_directory_path() / "vitalune-exe-folder-test";
    fs::remove_all(exe);
    fs::create_directories(exe);
    DataFolderInputs in{fs::path("/opt/data"), "/env/data", exe, "/xdg", "/home/ann"};
    EXPECT_EQ(ResolveDataFolder(in), "/opt/data");
    in.commandLine.reset();
    EXPECT_EQ(ResolveDataFolder(in), "/env/data");
    in.environment = "";
    EXPECT_EQ(ResolveDataFolder(in), "/xdg/Qor/Vitalune");
    std::ofstream(exe / "portable").put('\n');
    EXPECT_EQ(ResolveDataFolder(in), exe);
    fs::remove(exe / "portable");
    in.xdgDataHome = "relative/ignored";
    EXPECT_EQ(ResolveDataFolder(in), "/home/ann/.local/share/Qor/Vitalune");
    fs::remove_all(exe);
}

TEST(DataFolder, ResourcesBesideAnInstalledProgram) {
    const auto folders = ResourceFolders("/usr/bin");
    ASSERT_FALSE(folders.empty());
    EXPECT_EQ(folders.front(), "/usr/share/vitalune");
    EXPECT_FALSE(FindResource("/nonexistent/bin", "no-such-file.txt"));
}

}  // namespace
}  // namespace vitalune
