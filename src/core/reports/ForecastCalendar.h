#pragma once
// The forecast's days for other programs: an iCalendar file that a calendar imports as one
// all-day event per day found, and a CSV table for spreadsheets. The HTML report is
// ForecastReport.h; these take the same input.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/reports/ForecastReport.h"

namespace vitalune {

inline constexpr std::string_view kForecastCalendarFileName = "forecast.ics";

// RFC 5545 text of the hits: one all-day VEVENT per hit.
std::string ForecastICalendarText(const ForecastReportInput& input, std::int64_t stampUnixSeconds);

// The hits as a table for spreadsheets, one line per hit after a header line.
std::string ForecastCsvText(const ForecastReportInput& input);

// Atomic writes (WriteFileAtomically, sync on); a result without hits writes nothing and fails
// with kNothingFoundMessage; a failure's ReportResult names the user's file and the system's
// reason. The calendar's DTSTAMP is the current UTC time.
ReportResult WriteForecastICalendar(const ForecastReportInput& input,
                                    const std::filesystem::path& file, FileOps* ops = nullptr);
ReportResult WriteForecastCsv(const ForecastReportInput& input, const std::filesystem::path& file,
                              FileOps* ops = nullptr);

// The same for a group's days: one event per day naming the group (and, for critical days,
// the members in one) with each member's values in the description; a CSV line per day with
// each member's overall value and critical rhythms.
inline constexpr std::string_view kGroupForecastCalendarFileName = "groupforecast.ics";
std::string GroupForecastICalendarText(const GroupForecastReportInput& input,
                                       std::int64_t stampUnixSeconds);
std::string GroupForecastCsvText(const GroupForecastReportInput& input);
ReportResult WriteGroupForecastICalendar(const GroupForecastReportInput& input,
                                         const std::filesystem::path& file, FileOps* ops = nullptr);
ReportResult WriteGroupForecastCsv(const GroupForecastReportInput& input,
                                   const std::filesystem::path& file, FileOps* ops = nullptr);

}  // namespace vitalune
