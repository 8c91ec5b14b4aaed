#pragma once
// The printable day report "dayinfo.htm": all rhythms of one person on the report date with
// the day text of the window's last choice and the day's instability and extreme notes.
// Builds the page and writes it; opening it in a browser is the caller's business.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/dayreport/DayNotes.h"
#include "core/dayreport/DayReportModel.h"
#include "core/reports/HtmlWriter.h"
#include "core/settings/ChartAttrib.h"

namespace vitalune {

inline constexpr std::string_view kDayReportFileName = "dayinfo.htm";

struct DayReportInput {
    std::filesystem::path dataFolder;  // the pictures are referred to in its Pict folder
    DayPerson person;
    DateTime reportDate = 0;
    DayTextChoice choice;     // the window's last day text, read and never changed
    ChartAttribTable pens{};  // rhythm colours
};

// The day text the report shows: the stored choice when it belongs to the report day's sign
// combination, else the same variant of the day's own combination (a choice left from another
// day would describe the wrong signs).
std::string_view ReportDayText(const DayRhythms& day, const DayTextChoice& choice);

// The page as windows-1252 bytes.
std::string DayReportHtml(const DayReportInput& input);

// Writes the page to `file`, normally dataFolder / kDayReportFileName.
ReportResult WriteDayReport(const DayReportInput& input, const std::filesystem::path& file,
                            FileOps* ops = nullptr);

}  // namespace vitalune
