#pragma once
// The calendar page as the window, the export and the outputs make it: the scene of a month
// for a person from the calendar's and the program's settings, and the page as a picture for
// printing, files and the clipboard.

#include <QFont>
#include <QString>
#include <cstdint>
#include <string>

#include "core/settings/AppSettings.h"
#include "core/settings/CalendarSettings.h"
#include "gui/paint/CalendarPainter.h"
#include "gui/widgets/PictureOutput.h"

namespace vitalune::ui {

struct CalendarPerson {
    std::string name;  // UTF-8
    DateTime birth = 0;
};

// `fallback` is the program's default font, for calendar fonts whose stored text was unreadable.
paint::CalendarScene MakeCalendarScene(std::int32_t month, const CalendarPerson& person,
                                       const CalendarSettings& calendar,
                                       const AppSettings& settings, const QFont& pictureFont,
                                       const QFont& fallback);

// The bare page, 680 x 932, as every output draws it.
Picture CalendarPicture(const paint::CalendarScene& scene);

// The first day of the month of `day`.
std::int32_t FirstOfMonth(std::int32_t day);

}  // namespace vitalune::ui
