#pragma once
// Writes month calendar pages for scripts, without a window: one month or several, as one
// PDF with a page per month or as a picture file per month, for the person the main window
// would show (or the one named), with the calendar's stored fonts and switches.

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "app/gui/ExportChart.h"

namespace vitalune::app {

struct CalendarExportRequest {
    QString output;                     // its suffix gives the type: png, bmp, pdf, svg, ...
    std::optional<std::int32_t> month;  // any day of the first month; none: this month
    int months = 1;                     // 1 to 120
    std::optional<std::string> person;  // "GROUP/NAME"; none: the stored person one
    qreal devicePixelRatio = 1.0;
};

ExportResult ExportCalendar(const CalendarExportRequest& request, const ExportContext& context);

// "2026-12": the first day of that month.
std::optional<std::int32_t> ParseMonth(const QString& text);
// Where month `first + index` goes when several months are written as pictures:
// "year.png" -> "year-2027-01.png".
QString MonthFileName(const QString& output, std::int32_t month);

}  // namespace vitalune::app
