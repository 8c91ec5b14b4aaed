#pragma once
// The forecast report "forecast.htm": who it is for, the search options in words, the term
// searched and one table row per hit. Builds the page and writes it; opening it in a browser
// is the caller's business.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/forecast/ForecastSearch.h"
#include "core/reports/HtmlWriter.h"

namespace vitalune {

class NamesDatabase;

inline constexpr std::string_view kForecastReportFileName = "forecast.htm";
inline constexpr std::string_view kNothingFoundMessage =
    "Nothing was found. Try to change the search options.";

struct ForecastReportInput {
    std::string name;  // UTF-8
    DateTime birth = 0;
    ForecastCriteria criteria;  // as searched (amounts normalised)
    ForecastResult result;
};

// The failure of a write asked for days when none was found: kNothingFoundMessage.
ReportResult NothingFoundResult();

// The "Search options" lines of the information table, one per criterion.
std::vector<std::string> SearchOptionLines(const ForecastCriteria& criteria);

// The page as windows-1252 bytes.
std::string ForecastReportHtml(const ForecastReportInput& input);

// Writes the page to `file`, normally dataFolder / kForecastReportFileName. A result without
// hits writes nothing and fails with kNothingFoundMessage.
ReportResult WriteForecastReport(const ForecastReportInput& input,
                                 const std::filesystem::path& file, FileOps* ops = nullptr);

inline constexpr std::string_view kGroupForecastReportFileName = "groupforecast.htm";

struct GroupForecastMember {
    std::string name;  // UTF-8
    DateTime birth = 0;
};

// A group's forecast, "groupforecast.htm": the same information table with the group's name,
// then one row per day found with each member's overall value, weather picture and a mark for
// a critical day.
struct GroupForecastReportInput {
    std::string groupName;  // UTF-8
    std::vector<GroupForecastMember> members;
    ForecastCriteria criteria;  // as searched (amounts normalised)
    GroupMembers mode = GroupMembers::All;
    GroupForecastResult result;
    std::filesystem::path dataFolder;  // where the weather pictures are
};

// The members of a database group a forecast can reckon with: every person with a readable
// date of birth, in the group's order.
std::vector<GroupForecastMember> GroupForecastMembers(const NamesDatabase& db, std::size_t group);

std::string GroupForecastReportHtml(const GroupForecastReportInput& input);
// As WriteForecastReport.
ReportResult WriteGroupForecastReport(const GroupForecastReportInput& input,
                                      const std::filesystem::path& file, FileOps* ops = nullptr);

}  // namespace vitalune
