#pragma once
// The help pages: which page each topic number opens, the ten pages in the order the
// contents list shows them, and where the pages are found. Plain data and file look-ups; the
// viewer window is THelpViewer.

#include <array>
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/dayreport/DayReportModel.h"

namespace vitalune {

// Topic numbers the windows ask for (the help menu, F1 and the windows' help buttons).
namespace help_topic {
inline constexpr int kIndex = 0;
inline constexpr int kTheory = 1;
inline constexpr int kCalendar = 3;
inline constexpr int kOverview = 4;
inline constexpr int kDayInfo = 5;
inline constexpr int kForecast = 6;
inline constexpr int kNamesDatabase = 7;
inline constexpr int kMatching = 8;
inline constexpr int kCompatibility = 9;
inline constexpr int kGettingStarted = 10;
}  // namespace help_topic

struct HelpPage {
    std::string_view file;   // "Overview.htm"
    std::string_view title;  // the page's <title>, shown in the contents list
};

// Contents order: the start page, then from first steps to the windows one by one.
inline constexpr std::array<HelpPage, 10> kHelpPages = {{
    {"About.htm", "Welcome to Vitalune"},
    {"GettingStartedNew.htm", "Getting started"},
    {"WhatAreBiorhythms.htm", "What are biorhythms?"},
    {"Overview.htm", "The main window"},
    {"GetDayInfo.htm", "Day information"},
    {"MakeMonthCalendar.htm", "The month calendar"},
    {"CreateReport.htm", "Personal forecast"},
    {"SaveYourName.htm", "The names database"},
    {"UseBioMatch.htm", "Matching"},
    {"SeeCompatibility.htm", "Compatibility"},
}};

// The page file a topic opens; an unknown topic opens the start page.
std::string_view HelpTopicPage(int topic);

// The help button and F1 of the day information window: the pair views explain compatibility.
int DayInfoHelpTopic(DayInfoMode mode);

inline constexpr std::string_view kHelpFolderName = "help";

// Where the pages are read from: the data folder's "help" when it holds the start page (a
// user's own or a portable copy), else the first installed copy (share/vitalune/help beside
// the program, then the build tree's). When none exists, the data folder's "help", so that the
// message about the missing pages names the first place looked in.
std::filesystem::path FindHelpFolder(const std::filesystem::path& dataFolder,
                                     const std::filesystem::path& executableFolder);
// The same choice among the given installed resource folders (each holding "help").
std::filesystem::path ChooseHelpFolder(const std::filesystem::path& dataFolder,
                                       const std::vector<std::filesystem::path>& resourceFolders);

}  // namespace vitalune
