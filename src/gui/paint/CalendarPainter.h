#pragma once
// The month calendar page, 680 x 932: the month heading, the name line, a month-long chart of
// the four primary rhythms and a grid of day cells with bars, weather pictures and critical
// marks, the bar explanation and the footer. Painted over a plain scene so that the window,
// files, the clipboard, the printer and the tests draw the same page.

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/engine/Date.h"
#include "core/settings/ChartAttrib.h"
#include "gui/paint/ChartScene.h"

class QPainter;

namespace vitalune::paint {

inline constexpr QSize kCalendarPageSize{680, 932};

// The pictures the page shows; drawn by whoever holds the artwork.
enum class CalendarPicture {
    CriticalDots,  // 21 x 6, index = count - 1
    SideMark,      // 17 x 80, 0 upper half, 1 lower half
    BigWeather,    // 40 x 40, index = weather band 0..3
    BarExplain,    // 200 x 150, the explanation of the four bars (index 0)
};
using CalendarPictureDrawer =
    std::function<void(QPainter&, QPoint topLeft, CalendarPicture, int index)>;

// A calendar font: the face, size in points, style, and its colour.
struct CalendarFont {
    QFont font;
    QColor colour = Qt::black;
};

struct CalendarScene {
    std::int32_t month = 0;  // any day of the month shown; the page starts at its first day
    std::string name;        // UTF-8
    DateTime birth = 0;
    bool showName = true;
    bool showAge = true;
    bool showDob = true;
    CalendarFont monthFont;     // the month heading
    CalendarFont nameFont;      // the name line
    CalendarFont dayNamesFont;  // the weekday names of the grid
    CalendarFont digitsFont;    // the day numbers of the grid
    QFont pictureFont;          // every other text
    ChartAttribTable pens = DefaultChartAttribs();
    BarColours barColours = ComputeBarColours(0);
    bool dailyBars = false;  // the Primary chart page shows daily bars (its graph mode is 2)
    CalendarPictureDrawer drawPicture;  // none: the pictures are left out
};

// Where the parts of the last page lay, for tests and for whoever lays anything over the page.
struct CalendarLayout {
    int days = 0;                          // of the month
    int chartTop = 0;                      // y1 of the month chart
    QRect chartBox;                        // x1, y1 to x2, y2 of the month chart
    int columnWidth = 0;                   // of the month chart
    QRect gridBox;                         // x1, y1 to x2, y2 of the day grid
    int cell = 0;                          // side of a grid cell
    std::array<QPoint, 31> cellOrigins{};  // of days 1..days (index day - 1)
};

// Paints the page at (0, 0) in page pixels; the painter may be scaled (printer, --scale).
CalendarLayout PaintCalendar(QPainter& p, const CalendarScene& scene);

}  // namespace vitalune::paint
