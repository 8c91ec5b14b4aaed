#include "core/db/ImportTarget.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "DbTestSupport.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
using test::WriteBytes;

struct ImportCase {
    const char* chosen;
    std::vector<std::string> present;  // names already in the data folder
    const char* expected;
};

TEST(ImportTargetTest, TakesTheFirstFreeNameInTheDataFolder) {
    std::vector<std::string> allTen = {"names.rec"};
    for (int i = 0; i <= 9; ++i) {
        allTen.push_back("names" + std::to_string(i) + ".rec");
    }
    std::vector<std::string> allTenAndTen = allTen;
    allTenAndTen.push_back("names10.rec");
    const std::vector<ImportCase> cases = {
        {"names.rec", {}, "names.rec"},
        {"names.rec", {"names.rec"}, "names0.rec"},
        {"names.rec", {"names.rec", "names0.rec"}, "names1.rec"},
        {"names.rec", {"names.rec", "names0.rec", "names2.rec"}, "names1.rec"},
        // All of names0..9 there: counting goes on rather than taking names9.rec again.
        {"names.rec", allTen, "names10.rec"},
        {"names.rec", allTenAndTen, "names11.rec"},
        // Before the first ".", with no "." at the end; a folder counts as taken.
        {"my.names.rec", {"my.names.rec"}, "my0.names.rec"},
        {"names", {"names"}, "names0"},
        {"db.rec", {"db.rec/"}, "db0.rec"},
    };
    for (const ImportCase& c : cases) {
        TempFolder folder;
        for (const std::string& name : c.present) {
            if (name.ends_with('/')) {
                fs::create_directory(folder.path() / name.substr(0, name.size() - 1));
            } else {
                WriteBytes(folder.path() / name, "#Old|2\r\n");
            }
        }
        // The chosen file lives elsewhere; only its name counts.
        const fs::path chosen = fs::path("/media/stick/backup") / c.chosen;
        EXPECT_EQ(ImportTargetPath(folder.path(), chosen), folder.path() / c.expected)
            << c.chosen << " with " << c.present.size() << " names present";
        EXPECT_EQ(folder.Entries(), c.present.size()) << "the import itself writes nothing";
    }
}

TEST(ImportTargetTest, ADanglingLinkIsTakenToo) {
    TempFolder folder;
    fs::create_symlink(folder.path() / "nowhere.rec", folder.path() / "names.rec");
    EXPECT_EQ(ImportTargetPath(folder.path(), "names.rec"), folder.path() / "names0.rec");
}

TEST(ImportTargetTest, CountsOnPastAnyNumberOfTakenNames) {
    // A folder full of earlier imports, told by a predicate rather than 5,000 files.
    std::set<fs::path> taken = {"/data/names.rec"};
    for (int i = 0; i < 5000; ++i) {
        taken.insert(fs::path("/data") / NumberedFileName("names.rec", i));
    }
    const auto isTaken = [&taken](const fs::path& p) { return taken.count(p) > 0; };
    EXPECT_EQ(ImportTargetPath("/data", "names.rec", isTaken), fs::path("/data/names5000.rec"));
    EXPECT_EQ(NumberedFileName("/elsewhere/names.rec", 12), fs::path("names12.rec"));
}

}  // namespace
}  // namespace vitalune
