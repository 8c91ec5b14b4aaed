#pragma once
// The day information table: the values of one view of the day report (headings, columns,
// rows with tides, critical marks, weather or rating pictures, the legend or composition box)
// painted in the picture font over a plain scene, so the window, the tests and any file draw
// the same table.

#include <QFont>
#include <QSize>
#include <array>
#include <functional>

#include "core/dayreport/DayReportModel.h"
#include "core/engine/Compatibility.h"
#include "core/settings/ChartAttrib.h"
#include "gui/paint/ChartScene.h"

class QPainter;

namespace vitalune::paint {

inline constexpr QSize kDayInfoTableSize{297, 309};

// The small pictures the table shows; drawn by whoever holds the artwork.
enum class DayInfoPicture { SmallWeather, CompatPict };
using DayInfoPictureDrawer =
    std::function<void(QPainter&, QPoint topLeft, DayInfoPicture, int index)>;

struct DayInfoScene {
    DayView view;  // what ViewValues gives for the view and day
    QSize size = kDayInfoTableSize;
    QFont regular;                                  // the picture font
    QFont bold;                                     // its bold form
    ChartAttribTable pens = DefaultChartAttribs();  // label colours
    PictureScheme scheme = PictureScheme::Hearts;   // of the rating pictures
    DayInfoPictureDrawer drawPicture;               // none: pictures left out
};

// Where the columns of the last paint lay (c1..c4; c0 of the two-person views), for tests and
// for whoever lays anything beside the table.
struct DayInfoColumns {
    int c0 = 0, c1 = 0, c2 = 0, c3 = 0, c4 = 0;
};

DayInfoColumns PaintDayInfo(QPainter& p, const DayInfoScene& scene);

}  // namespace vitalune::paint
