#pragma once
// The group compatibility report "group.htm": the base person, the criteria that produced the
// matching result list, and one row per found person grouped as in the list. Builds the page
// and writes it; opening it in a browser is the caller's business.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/engine/Date.h"
#include "core/matching/Matching.h"
#include "core/reports/HtmlWriter.h"

namespace vitalune {

inline constexpr std::string_view kGroupReportFileName = "group.htm";
inline constexpr std::string_view kGroupReportFailure = "Unable to create file";

struct GroupReportInput {
    std::string baseName;  // UTF-8
    DateTime baseBirth = 0;
    std::string searchAmong;  // the caption of the chosen Group2 item
    MatchCriteria criteria;   // the controls the list was made with
};

// The value of the "Limit age" row: "No" or "From 20 to 35 years".
std::string LimitAgeText(const MatchCriteria& criteria);
// "Physical - Excellent, Emotional - Good, Intellectual - Any".
std::string ParametersText(const MatchCriteria& criteria);

// The page as windows-1252 bytes.
std::string GroupReportHtml(const GroupReportInput& input, const MatchResult& result);

// Writes the page to `file`, normally dataFolder / kGroupReportFileName. A list without a found
// person writes nothing and fails without a message (the window does nothing then); a failed
// write carries kGroupReportFailure.
ReportResult WriteGroupReport(const GroupReportInput& input, const MatchResult& result,
                              const std::filesystem::path& file, FileOps* ops = nullptr);

}  // namespace vitalune
