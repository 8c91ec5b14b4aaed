#include "core/reports/HtmlWriter.h"

#include <gtest/gtest.h>

#include "support/FileOpsFakes.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
const auto Slurp = test::ReadTestFile;

TEST(HtmlWriter, EscapesTextAndEncodesWindows1252) {
    HtmlWriter html;
    html.Raw("<b>").Text("Anna <Smith> & \"Jo\" ").Text("\xC3\xA9\xE2\x82\xAC\xD0\x96").Raw("</b>");
    html.Number(-42);
    // é and the euro sign have windows-1252 bytes; Ж becomes a reference.
    EXPECT_EQ(html.Bytes(), "<b>Anna &lt;Smith&gt; &amp; &quot;Jo&quot; \xE9\x80&#1046;</b>-42");
    EXPECT_EQ(EscapeHtml("a&b<c>d\"e'f"), "a&amp;b&lt;c&gt;d&quot;e'f");
    // Control characters in a name show as the replacement character, never raw nor as the
    // letters a browser makes of C1 references.
    HtmlWriter names;
    names.Text(
        "Bo\x01"
        "b\tX\x7F \xC2\x85<");
    EXPECT_EQ(names.Bytes(), "Bo&#65533;b&#65533;X&#65533; &#65533;&lt;");
}

TEST(HtmlWriter, ColoursAreRedGreenBlue) {
    EXPECT_EQ(HtmlColour(0x0000FF), "FF0000");  // clRed
    EXPECT_EQ(HtmlColour(0x808000), "008080");  // clTeal
    EXPECT_EQ(HtmlColour(0x00112233), "332211");
    EXPECT_EQ(HtmlColour(0xFFABCDEF), "EFCDAB");  // the unused top byte is ignored
}

TEST(HtmlWriter, PicturePathsUnderTheDataFolder) {
    EXPECT_EQ(DataFolderFileRef("/data/Vitalune", "\\Pict\\sun.gif"),
              "/data/Vitalune/Pict/sun.gif");
    EXPECT_EQ(DataFolderFileRef("/data/Vitalune/", "/Pict/three.gif"),
              "/data/Vitalune/Pict/three.gif");
    EXPECT_EQ(DataFolderFileRef("/home/j\xC3\xB6rg/My Data", "\\Pict\\up.gif"),
              "/home/j\xC3\xB6rg/My Data/Pict/up.gif");
    // Characters a browser reads as URL syntax need the URL form.
    EXPECT_EQ(DataFolderFileRef("/data/50% #1?", "\\Pict\\up.gif"),
              "file:///data/50%25%20%231%3F/Pict/up.gif");
    EXPECT_EQ(DataFolderFileRef("/data/j\xC3\xB6rg#", "Pict/up.gif"),
              "file:///data/j%C3%B6rg%23/Pict/up.gif");
    // A relative data folder becomes absolute.
    EXPECT_EQ(DataFolderFileRef("rel", "\\Pict\\up.gif"),
              (fs::current_path() / "rel/Pict/up.gif").lexically_normal().generic_string());
}

TEST(HtmlWriter, WritesTheFileAndCreatesItsFolder) {
    TempFolder folder;
    HtmlWriter page;
    page.Raw("<html>").Text("\xD0\x96").Raw("</html>");
    const fs::path file = folder.path() / "new" / "dayinfo.htm";
    const ReportResult result = WriteReportFile(file, page);
    ASSERT_TRUE(result) << result.message << " " << result.reason;
    EXPECT_EQ(result.path, file);
    EXPECT_EQ(Slurp(file), "<html>&#1046;</html>");
}

TEST(HtmlWriter, AFailedWriteIsReportedWithThePathAndKeepsTheOldFile) {
    TempFolder folder;
    const fs::path file = folder.path() / "forecast.htm";
    ASSERT_TRUE(WriteReportFile(file, HtmlWriter{}.Raw("old")));

    test::ReadOnlyMount readOnly;
    ReportResult result = WriteReportFile(file, HtmlWriter{}.Raw("new"), &readOnly);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "Unable to create a file" + file.string());
    EXPECT_NE(result.reason.find("Read-only file system"), std::string::npos) << result.reason;
    EXPECT_EQ(Slurp(file), "old");

    EXPECT_EQ(folder.Entries(), 1u);

    // A folder that cannot exist: its parent is a file.
    const fs::path blocked = file / "dayinfo.htm";
    result = WriteReportFile(blocked, HtmlWriter{}.Raw("x"));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "Unable to create a file" + blocked.string());
    EXPECT_FALSE(result.reason.empty());
}

}  // namespace
}  // namespace vitalune
