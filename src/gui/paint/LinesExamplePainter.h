#pragma once
// The example picture of the lines settings: one page's curves drawn with their pens over the
// middle line drawn with the page's overall pen, so a change of colour, style or width shows
// at once. Every curve has a period of 120 pixels; they differ in phase and height.

#include <QSize>
#include <array>

#include "core/settings/ChartAttrib.h"
#include "gui/paint/ChartScene.h"

class QPainter;

namespace vitalune::paint {

inline constexpr int kExamplePeriod = 120;

struct LinesExampleScene {
    QSize size;
    ChartAttrib middle;                 // the page's overall pen
    std::array<ChartAttrib, 4> curves;  // in drawing order
    int curveCount = 0;
};

// The scene of a chart page (Primary, Secondary, Extra or I-Ching) from the pens.
LinesExampleScene MakeLinesExampleScene(ChartPage page, const ChartAttribTable& pens, QSize size);

// Curve k's height in pixels for a picture `height` pixels high.
int ExampleAmplitude(int height, int k);
// Curve k's phase, in quarters of the period.
int ExamplePhase(int k);

void PaintLinesExample(QPainter& p, const LinesExampleScene& scene);

}  // namespace vitalune::paint
