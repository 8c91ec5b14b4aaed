#include "gui/calendar/CalendarPage.h"

#include "core/engine/Date.h"
#include "gui/paint/art/CalendarArt.h"
#include "gui/widgets/FontTextQt.h"

namespace vitalune::ui {

std::int32_t FirstOfMonth(std::int32_t day) {
    const CivilDate c = DecodeDate(day);
    return EncodeDate(c.year, c.month, 1);
}

paint::CalendarScene MakeCalendarScene(std::int32_t month, const CalendarPerson& person,
                                       const CalendarSettings& calendar,
                                       const AppSettings& settings, const QFont& pictureFont,
                                       const QFont& fallback) {
    paint::CalendarScene scene;
    scene.month = FirstOfMonth(month);
    scene.name = person.name;
    scene.birth = person.birth;
    scene.showName = calendar.showName;
    scene.showAge = calendar.showAge;
    scene.showDob = calendar.showDob;
    scene.monthFont = CalendarFontFromText(calendar.month, fallback);
    scene.nameFont = CalendarFontFromText(calendar.name, fallback);
    scene.dayNamesFont = CalendarFontFromText(calendar.dayNames, fallback);
    scene.digitsFont = CalendarFontFromText(calendar.digits, fallback);
    scene.pictureFont = pictureFont;
    scene.pens = settings.pens;
    scene.barColours = ComputeBarColours(settings.transparency);
    scene.dailyBars =
        settings.Graph(GraphPage::Base).mode == static_cast<int>(GraphMode::Histogram);
    scene.drawPicture = art::CalendarArtwork();
    return scene;
}

Picture CalendarPicture(const paint::CalendarScene& scene) {
    Picture picture;
    picture.chart = paint::kCalendarPageSize;
    picture.drawChart = [scene](QPainter& p) { paint::PaintCalendar(p, scene); };
    picture.stamped = false;
    picture.font = scene.pictureFont;
    return picture;
}

}  // namespace vitalune::ui
