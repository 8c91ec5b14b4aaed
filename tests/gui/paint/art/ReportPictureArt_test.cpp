#include "gui/paint/art/ReportPictureArt.h"

#include <gtest/gtest.h>

#include <set>

#include "core/reports/ReportPictureFiles.h"

namespace vitalune::art {
namespace {

TEST(ReportPictures, NamesTheFilesTheReportsUse) {
    std::set<std::string> names;
    for (const ReportPicture& p : ReportPictureArt()) {
        EXPECT_TRUE(names.insert(p.fileName).second) << p.fileName << " twice";
        EXPECT_GE(p.index, 0);
        EXPECT_LT(p.index, ImageCount(p.list));
    }
    EXPECT_EQ(names, (std::set<std::string>{"sun.gif", "suncloud.gif", "clouds.gif", "rain.gif",
                                            "up.gif", "down.gif", "one.gif", "two.gif", "three.gif",
                                            "none.gif", "one_2.gif", "two_2.gif", "three_2.gif"}));
}

// The files the build writes are the ones the reports copy into the data folder.
TEST(ReportPictures, AreTheFilesTheReportWritersCopy) {
    std::set<std::string> generated;
    for (const ReportPicture& p : ReportPictureArt()) {
        generated.insert(p.fileName);
    }
    EXPECT_EQ(generated,
              std::set<std::string>(kReportPictureFiles.begin(), kReportPictureFiles.end()));
}

TEST(ReportPictures, EachFileIsMadeFromItsPicture) {
    using namespace SmallWeatherIndex;
    for (const ReportPicture& p : ReportPictureArt()) {
        const auto expect = [&](const char* name, ImageList list, int index) {
            if (p.fileName == name) {
                EXPECT_EQ(p.list, list) << name;
                EXPECT_EQ(p.index, index) << name;
            }
        };
        expect("sun.gif", ImageList::SmallWeather, Sun);
        expect("suncloud.gif", ImageList::SmallWeather, SunCloud);
        expect("clouds.gif", ImageList::SmallWeather, Clouds);
        expect("rain.gif", ImageList::SmallWeather, Rain);
        expect("up.gif", ImageList::SmallWeather, Rising);
        expect("down.gif", ImageList::SmallWeather, Falling);
        expect("one.gif", ImageList::CompatPict, 1);
        expect("two.gif", ImageList::CompatPict, 2);
        expect("three.gif", ImageList::CompatPict, 3);
        expect("none.gif", ImageList::CompatPict, 4);
        expect("one_2.gif", ImageList::CompatPict, 6);
        expect("two_2.gif", ImageList::CompatPict, 7);
        expect("three_2.gif", ImageList::CompatPict, 8);
    }
}

}  // namespace
}  // namespace vitalune::art
