#include "core/help/HelpTopics.h"

#include <system_error>

#include "core/files/DataFolder.h"

namespace vitalune {

namespace fs = std::filesystem;

std::string_view HelpTopicPage(int topic) {
    switch (topic) {
        case help_topic::kTheory:
            return "WhatAreBiorhythms.htm";
        case 2:  // 2 and 4 both name the main window's page
        case help_topic::kOverview:
            return "Overview.htm";
        case help_topic::kCalendar:
            return "MakeMonthCalendar.htm";
        case help_topic::kDayInfo:
            return "GetDayInfo.htm";
        case help_topic::kForecast:
            return "CreateReport.htm";
        case help_topic::kNamesDatabase:
            return "SaveYourName.htm";
        case help_topic::kMatching:
            return "UseBioMatch.htm";
        case help_topic::kCompatibility:
            return "SeeCompatibility.htm";
        case help_topic::kGettingStarted:
            return "GettingStartedNew.htm";
        default:
            return "About.htm";
    }
}

int DayInfoHelpTopic(DayInfoMode mode) {
    const bool pair = mode == DayInfoMode::Compatibility || mode == DayInfoMode::Interaction;
    return pair ? help_topic::kCompatibility : help_topic::kDayInfo;
}

fs::path ChooseHelpFolder(const fs::path& dataFolder,
                          const std::vector<fs::path>& resourceFolders) {
    const fs::path startPage{kHelpPages.front().file};
    std::error_code ec;
    const fs::path own = dataFolder / kHelpFolderName;
    if (fs::is_regular_file(own / startPage, ec)) {
        return own;
    }
    for (const fs::path& folder : resourceFolders) {
        if (fs::is_regular_file(folder / kHelpFolderName / startPage, ec)) {
            return folder / kHelpFolderName;
        }
    }
    return own;
}

fs::path FindHelpFolder(const fs::path& dataFolder, const fs::path& executableFolder) {
    return ChooseHelpFolder(dataFolder, ResourceFolders(executableFolder));
}

}  // namespace vitalune
