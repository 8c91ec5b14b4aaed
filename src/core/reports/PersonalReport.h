#pragma once
// The personal compatibility report "personal.htm" of a pair: both persons, the eight
// compatibility values with their ratings and rating pictures, and the texts that explain the
// pair's combination. Builds the page and writes it; opening it is the caller's business.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/engine/Compatibility.h"
#include "core/matching/Matching.h"
#include "core/reports/HtmlWriter.h"
#include "core/settings/ChartAttrib.h"

namespace vitalune {

inline constexpr std::string_view kPersonalReportFileName = "personal.htm";

struct PersonalReportInput {
    std::filesystem::path dataFolder;  // the rating pictures are referred to in its Pict folder
    std::string firstName;             // UTF-8
    std::string firstDateOfBirthText;  // as stored, "DD.MM.YYYY"
    // The second person with the pair's compatibility; only a person entry makes a report.
    MatchEntry second;
    ChartAttribTable pens{};  // rhythm colours
    PictureScheme scheme = PictureScheme::Hearts;
};

// The title of the text block: the combination's title, and for the perfect match the title
// of all three compatible followed by ". Perfect match!".
std::string PersonalReportTitle(const CompatibilityResult& compat);

// The page as windows-1252 bytes.
std::string PersonalReportHtml(const PersonalReportInput& input);

// Writes the page to `file`, normally dataFolder / kPersonalReportFileName. An entry that is
// not a person writes nothing and fails without a message.
ReportResult WritePersonalReport(const PersonalReportInput& input,
                                 const std::filesystem::path& file, FileOps* ops = nullptr);

}  // namespace vitalune
