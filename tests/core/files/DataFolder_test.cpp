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
    // Elsewhere, the configured data directory follows; nothing of the build tree is baked in.
    const auto moved = ResourceFolders("/opt/tools/bin");
    ASSERT_EQ(moved.size(), 2u);
    EXPECT_EQ(moved[0], "/opt/tools/share/vitalune");
    EXPECT_EQ(moved[1], fs::path(VITALUNE_TEST_INSTALL_DATA_DIR));
    EXPECT_EQ(moved[1].string().find(VITALUNE_TEST_BUILD_DIR), std::string::npos);
}

}  // namespace
}  // namespace vitalune
