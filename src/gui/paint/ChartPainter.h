#pragma once
// Draws one chart page from its scene: background and date axis, daily bars and critical
// dots, the curves pixel column by pixel column, the overall curve from the per-pixel sum
// buffer, legend, side marks and the days lived. Nothing is cached between paints; the
// buffers are only reused so that a paint allocates nothing once they have grown.

#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>
#include <vector>

#include "core/engine/Date.h"
#include "gui/paint/ChartScene.h"

class QPainter;

namespace vitalune::paint {

struct PaintBuffers {
    std::vector<std::int32_t> sum;                    // per pixel column: the overall curve
    std::array<std::vector<std::int32_t>, 7> values;  // per period: pixel values of one paint
    std::vector<QRect> runs;                          // pixel runs of one curve
};

// Any of the five pages; the Compatibility page goes to PaintCompatibilityPage.
void PaintChartPage(QPainter& p, const ChartScene& scene, PaintBuffers& buffers);

// The page as an image of scene.geometry's size in logical pixels, drawn sharp at the device
// pixel ratio.
QImage RenderChart(const ChartScene& scene, PaintBuffers& buffers, qreal devicePixelRatio = 1.0);

// Shared steps of every page.
// Starts a page: false when the box has no room for one; else the painter is saved and set
// for pixel drawing, the background and date axis are drawn from `startDay`, and the sum
// buffer holds a value for every pixel column.
bool BeginChartPage(QPainter& p, const ChartScene& scene, PaintBuffers& buffers,
                    std::int32_t& startDay);
void DrawChartBackground(QPainter& p, const ChartScene& scene, std::int32_t startDay);
void DrawLegend(QPainter& p, const ChartScene& scene);
void DrawSideMarks(QPainter& p, const ChartScene& scene);
// Daily bar of column k for a day value of 0..100, with the painter's pen.
void DrawDailyBar(QPainter& p, const ChartScene& scene, int k, std::int32_t value);

// The first day shown: 16 days before the calculation date.
std::int32_t ChartStartDay(DateTime date);
// Pixel value of a single-period rhythm at column x: trunc(amp * sin(...)), with r the phase
// of the first column's day.
std::int32_t CurveValue(const ChartGeometry& g, int period, std::int32_t r, int x);
// Fills values[x] for x = left + 1 .. right.
void ComputeCurveValues(const ChartGeometry& g, int period, std::int32_t r,
                        std::vector<std::int32_t>& values);
// A curve through (x, midY - value(x)) for x = first .. last, plotted pixel by pixel as
// connected line steps that each stop before their end point, in the pen's colour, style
// and width.
template <typename ValueAt>
void DrawCurve(QPainter& p, const ChartGeometry& g, const ChartAttrib& pen, int first, int last,
               std::vector<QRect>& runs, ValueAt valueAt);

}  // namespace vitalune::paint

#include "gui/paint/ChartPainter.inl"
