#include "core/reports/ReportPictureFiles.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "core/engine/Compatibility.h"
#include "support/FileOpsFakes.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
const auto Slurp = test::ReadTestFile;

// An installed share folder holding fake pictures, each with its own content.
class Installed {
  public:
    Installed() {
        fs::create_directories(m_folder.path() / "Pict");
        for (std::string_view file : kReportPictureFiles) {
            Put(file);
        }
    }
    void Put(std::string_view file) {
        EXPECT_TRUE(WriteFileAtomically(m_folder.path() / "Pict" / file, Content(file)));
    }
    void Remove(std::string_view file) { fs::remove(m_folder.path() / "Pict" / file); }
    static std::string Content(std::string_view file) { return "GIF89a fake " + std::string{file}; }
    ResourceFinder Finder() const {
        return [this](const fs::path& relative) -> std::optional<fs::path> {
            const fs::path path = m_folder.path() / relative;
            return fs::exists(path) ? std::optional<fs::path>{path} : std::nullopt;
        };
    }

  private:
    TempFolder m_folder;
};

// The pictures the whole pages of the report tests show, and the hearts of an excellent pair
// (which none of them shows), are exactly the files the build writes and the reports copy.
TEST(ReportPictures, TheListHoldsEveryPictureThePagesShow) {
    std::set<std::string> shown{
        ReportPictureFile(CompatRating::Excellent, PictureScheme::Hearts).substr(6)};
    EXPECT_EQ(*shown.begin(), "three.gif");
    static const std::regex kPicture(R"re(/Pict/([a-z_0-9]+\.gif))re");
    for (const auto& page : fs::directory_iterator(VITALUNE_EXPECTED_DIR)) {
        const std::string html = Slurp(page.path());
        for (auto it = std::sregex_iterator(html.begin(), html.end(), kPicture);
             it != std::sregex_iterator(); ++it) {
            shown.insert((*it)[1].str());
        }
    }
    EXPECT_EQ(shown, std::set<std::string>(kReportPictureFiles.begin(), kReportPictureFiles.end()));
    EXPECT_EQ(shown.size(), kReportPictureFiles.size());
}

TEST(ReportPictures, CopiesWhatIsMissingAndKeepsWhatIsThere) {
    Installed installed;
    TempFolder data;
    PictureCopyResult result = CopyMissingReportPictures(data.path(), installed.Finder());
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.copied, 13);
    for (std::string_view file : kReportPictureFiles) {
        EXPECT_EQ(Slurp(data.path() / "Pict" / file), Installed::Content(file));
    }
    // The user's own picture stays; only the missing one comes back.
    ASSERT_TRUE(WriteFileAtomically(data.path() / "Pict" / "sun.gif", "mine"));
    fs::remove(data.path() / "Pict" / "rain.gif");
    result = CopyMissingReportPictures(data.path(), installed.Finder());
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.copied, 1);
    EXPECT_EQ(Slurp(data.path() / "Pict" / "sun.gif"), "mine");
    EXPECT_EQ(Slurp(data.path() / "Pict" / "rain.gif"), Installed::Content("rain.gif"));
}

TEST(ReportPictures, ProblemsAreReportedAndTheRestIsCopied) {
    Installed installed;
    installed.Remove("two_2.gif");
    TempFolder data;
    const fs::path folder = data.path() / "not yet" / "there";
    PictureCopyResult result = CopyMissingReportPictures(folder, installed.Finder());
    EXPECT_EQ(result.copied, 12);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_NE(result.problems[0].find("two_2.gif"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "Pict" / "two_2.gif"));

    // The data folder is a file: nothing can be copied.
    ASSERT_TRUE(WriteFileAtomically(data.path() / "file", "x"));
    result = CopyMissingReportPictures(data.path() / "file", installed.Finder());
    EXPECT_EQ(result.copied, 0);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_NE(result.problems[0].find("cannot create"), std::string::npos);

    // A disk that fills up leaves no half-written picture.
    test::FullDisk full;
    TempFolder other;
    result = CopyMissingReportPictures(other.path(), installed.Finder(), &full);
    EXPECT_EQ(result.copied, 0);
    EXPECT_EQ(result.problems.size(), 13u);  // twelve full-disk failures, one missing file
    EXPECT_TRUE(fs::is_empty(other.path() / "Pict"));
}

}  // namespace
}  // namespace vitalune
