#include "core/help/HelpTopics.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <set>
#include <string>

#include "support/TempFolder.h"

namespace vitalune {
namespace {

namespace fs = std::filesystem;

TEST(HelpTopics, EveryTopicHasItsPageAndTheContentsHoldEachOnce) {
    const std::string_view pages[] = {
        "About.htm",       "WhatAreBiorhythms.htm", "Overview.htm",         "MakeMonthCalendar.htm",
        "Overview.htm",    "GetDayInfo.htm",        "CreateReport.htm",     "SaveYourName.htm",
        "UseBioMatch.htm", "SeeCompatibility.htm",  "GettingStartedNew.htm"};
    std::set<std::string_view> reached;
    for (int topic = 0; topic < static_cast<int>(std::size(pages)); ++topic) {
        EXPECT_EQ(HelpTopicPage(topic), pages[topic]) << "topic " << topic;
        reached.insert(HelpTopicPage(topic));
    }
    for (int topic : {11, -1, 100, INT_MIN, INT_MAX}) {  // anything else is the start page
        EXPECT_EQ(HelpTopicPage(topic), "About.htm") << "topic " << topic;
    }
    EXPECT_EQ(HelpTopicPage(help_topic::kForecast), "CreateReport.htm");
    std::set<std::string_view> files;
    for (const HelpPage& page : kHelpPages) {
        EXPECT_TRUE(files.insert(page.file).second) << page.file;
    }
    EXPECT_EQ(reached, files);
    EXPECT_EQ(kHelpPages.front().file, "About.htm") << "the start page comes first";
}

// The day views of a pair explain compatibility.
TEST(HelpTopics, DayInfoViews) {
    using M = DayInfoMode;
    for (const M mode : {M::Primary, M::Secondary, M::IChing, M::Extra}) {
        EXPECT_EQ(DayInfoHelpTopic(mode), 5);
    }
    EXPECT_EQ(DayInfoHelpTopic(M::Compatibility), 9);
    EXPECT_EQ(DayInfoHelpTopic(M::Interaction), 9);
}

void Touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "<html></html>\n";
}

TEST(HelpFolder, DataFolderFirstThenInstalledCopiesThenTheDataFolderAsTheMissingPlace) {
    test::TempFolder temp;
    const fs::path data = temp.path() / "data";
    const fs::path installed = temp.path() / "usr" / "share" / "vitalune";
    const fs::path build = temp.path() / "build" / "share" / "vitalune";
    const std::vector<fs::path> resources = {installed, build};

    // Nothing anywhere: the data folder's help is named, where the user would look first.
    EXPECT_EQ(ChooseHelpFolder(data, resources), data / "help");

    Touch(build / "help" / "About.htm");
    EXPECT_EQ(ChooseHelpFolder(data, resources), build / "help");
    Touch(installed / "help" / "About.htm");
    EXPECT_EQ(ChooseHelpFolder(data, resources), installed / "help");

    // A help folder without the start page does not count; a folder named like it neither.
    Touch(data / "help" / "Overview.htm");
    fs::create_directories(data / "help" / "About.htm.d");
    EXPECT_EQ(ChooseHelpFolder(data, resources), installed / "help");
    Touch(data / "help" / "About.htm");
    EXPECT_EQ(ChooseHelpFolder(data, resources), data / "help");
}

TEST(HelpFolder, InstalledBesideTheProgram) {
    test::TempFolder temp;
    const fs::path bin = temp.path() / "bin";
    fs::create_directories(bin);
    Touch(temp.path() / "share" / "vitalune" / "help" / "About.htm");
    const fs::path found = FindHelpFolder(temp.path() / "data", bin);
    EXPECT_EQ(found, (temp.path() / "share" / "vitalune" / "help").lexically_normal());
}

}  // namespace
}  // namespace vitalune
