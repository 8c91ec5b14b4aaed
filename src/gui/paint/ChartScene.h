#pragma once
// Everything one chart page is drawn from: the page, its geometry and font, the persons, the
// calculation date and the settings that change the picture. A plain value, so the window,
// the picture export and the tests build it the same way.

#include <QFont>
#include <QPoint>
#include <QSize>
#include <array>
#include <functional>

#include "core/engine/Date.h"
#include "core/settings/AppSettings.h"
#include "core/settings/ChartAttrib.h"
#include "gui/paint/ChartGeometry.h"

class QPainter;

namespace vitalune::paint {

enum class ChartPage : int { Primary = 0, Secondary = 1, Extra = 2, IChing = 3, Compatibility = 4 };
inline constexpr int kChartPageCount = 5;

struct ChartPageInfo {
    std::array<RhythmId, 4> curves;  // slots in drawing order
    int slotCount;
    RhythmId overall;
    GraphPage graph;
};
const ChartPageInfo& PageInfo(ChartPage page);

// The small pictures a chart shows; drawn by whoever holds the artwork.
enum class ChartPicture { CriticalDots, SideMark };
using PictureDrawer = std::function<void(QPainter&, QPoint topLeft, ChartPicture, int index)>;
inline constexpr int kDotsWidth = 21;
inline constexpr int kSideMarkWidth = 17;
inline constexpr int kSideMarkHeight = 80;

struct ChartScene {
    ChartPage page = ChartPage::Primary;
    ChartGeometry geometry;
    QFont font;
    DateTime date = 0;    // calculation date, column 16
    DateTime birth1 = 0;  // person one
    DateTime birth2 = 0;  // person two (Compatibility page)
    int graphMode = 0;    // of this page: 0 none, 1 overall curve, 2 daily bars
    bool showPointer = true;
    bool showDetails = false;
    Colour pointerColour = kDefaultPointerColour;
    BarColours barColours = ComputeBarColours(0);
    ChartAttribTable pens = DefaultChartAttribs();
    PictureDrawer drawPicture;  // none: the pictures are left out
};

// Fills the settings-dependent fields of a scene for `page`.
void ApplySettings(ChartScene& scene, const AppSettings& settings);

// The scene of a page of the given size, as the main window and the picture export draw it.
ChartScene MakeChartScene(ChartPage page, QSize size, const QFont& font,
                          const AppSettings& settings, DateTime date, DateTime birth1,
                          DateTime birth2);
// The height of the text "By" in the font, the unit of the chart's text bands.
int ChartTextHeight(const QFont& font);

}  // namespace vitalune::paint
