#pragma once
// The matching window's compatibility panel: the scheme's background picture and, for a found
// person, the two names and each compatibility value with its rating picture and word, painted
// in the panel font over a plain scene.

#include <QFont>
#include <QSize>
#include <functional>
#include <string>

#include "core/engine/Compatibility.h"
#include "core/settings/ChartAttrib.h"

class QPainter;
class QRect;

namespace vitalune::paint {

inline constexpr QSize kMatchPanelSize{273, 283};

// The pictures the panel shows; drawn by whoever holds the artwork.
struct MatchPanelArt {
    std::function<void(QPainter&, const QRect& area, PictureScheme)> background;
    std::function<void(QPainter&, QPoint topLeft, int compatPictIndex)> rating;
};

struct MatchPanelScene {
    PictureScheme scheme = PictureScheme::Hearts;
    bool person = false;    // a found person is selected: the values are drawn over the picture
    std::string baseName;   // UTF-8
    std::string foundName;  // UTF-8
    CompatibilityResult compat;
    ChartAttribTable pens = DefaultChartAttribs();  // the rhythm names' colours
    QFont font;                                     // bold, the picture font's size
    MatchPanelArt art;                              // none: pictures left out
};

// Where the rows of the last paint lay, for tests.
struct MatchPanelLayout {
    int step = 0;
    int c1 = 0, c2 = 0, c3 = 0, c4 = 0, c5 = 0;
    int physicalRow = 0;  // y of the Physical row
    int lineY = 0;        // the line above the overall row
    int overallRow = 0;
    int intuitiveRow = 0;
};

MatchPanelLayout PaintMatchPanel(QPainter& p, const MatchPanelScene& scene);

}  // namespace vitalune::paint
