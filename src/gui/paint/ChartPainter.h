#pragma once
// Draws one chart page from its scene: background and date axis, daily bars and critical
// dots, the curves pixel column by pixel column, the overall curve from the per-pixel sum
// buffer, legend, side marks and the days lived. Nothing is cached between paints; the
// buffers are only reused so that a paint allocates nothing once they have grown.

#include <QImage>
#include <QPointF>
#include <QRect>
#include <array>
#include <cstdint>
#include <vector>

#include "core/engine/Date.h"
#include "gui/paint/ChartScene.h"
#include "gui/paint/DeviceGrid.h"

class QPainter;

namespace vitalune::paint {

struct PaintBuffers {
    std::vector<std::int32_t> sum;                    // per plot column: the overall curve
    std::array<std::vector<std::int32_t>, 7> values;  // per period: plot values of one paint
    std::vector<QRect> runs;                          // pixel runs of one curve
    std::vector<QPointF> points;                      // a curve's path on a vector device
};

// Where curves are plotted. One to one, a plot column is a pixel column of the chart, exactly
// as the chart's pixel arithmetic lays it out; on a scaled screen it is a device pixel column,
// so curves are as smooth as the screen allows; on a vector device it is a fixed fraction of
// a pixel, and each curve becomes one path. Rows likewise; values are in plot rows.
struct CurvePlot {
    DeviceGrid grid;
    bool path = false;
    qreal scaleX = 1;     // plot columns per logical pixel
    qreal scaleY = 1;     // plot rows per logical pixel
    int first = 0;        // the plot column of logical left + 1,
    int last = 0;         // the last one of logical right,
    int lastOverall = 0;  // and the last one of right - 1, where overall and mean curves end
    int zeroRow = 0;      // midY
    qreal amp = 0;        // the curve amplitude in plot rows

    // The path point of column c at value v, in logical coordinates (pixel centres).
    QPointF PathPoint(int c, std::int32_t v) const {
        return {c / scaleX + 0.5, (zeroRow - v) / scaleY + 0.5};
    }
};
// On vector devices: a point every half pixel, and heights to a 64th of a pixel, so a path
// is smooth at any zoom and still small.
inline constexpr int kPathColumns = 2;
inline constexpr int kPathRows = 64;

CurvePlot MakeCurvePlot(const ChartGeometry& g, const DeviceGrid& grid);

// Any of the five pages; the Compatibility page goes to PaintCompatibilityPage.
void PaintChartPage(QPainter& p, const ChartScene& scene, PaintBuffers& buffers);

// The page as an image of scene.geometry's size in logical pixels, drawn sharp at the device
// pixel ratio.
QImage RenderChart(const ChartScene& scene, PaintBuffers& buffers, qreal devicePixelRatio = 1.0);

// Shared steps of every page.
// Starts a page: false when the box has no room for one; else the painter is saved and set
// for pixel drawing, the background and date axis are drawn from `startDay`, `plot` says
// where the curves go, and the sum buffer holds a value for every plot column.
bool BeginChartPage(QPainter& p, const ChartScene& scene, PaintBuffers& buffers,
                    std::int32_t& startDay, CurvePlot& plot);
void DrawChartBackground(QPainter& p, const ChartScene& scene, std::int32_t startDay);
void DrawLegend(QPainter& p, const ChartScene& scene);
void DrawSideMarks(QPainter& p, const ChartScene& scene);
// Daily bar of column k for a day value of 0..100, with the painter's pen.
void DrawDailyBar(QPainter& p, const ChartScene& scene, int k, std::int32_t value);

// The first day shown: 16 days before the calculation date.
std::int32_t ChartStartDay(DateTime date);
// Plot value of a single-period rhythm at plot column c: trunc(amp * sin(...)), with r the
// phase of the first column's day.
std::int32_t CurveValue(const ChartGeometry& g, const CurvePlot& plot, int period, std::int32_t r,
                        int c);
// Fills values[c] for the plot columns first .. last.
void ComputeCurveValues(const ChartGeometry& g, const CurvePlot& plot, int period, std::int32_t r,
                        std::vector<std::int32_t>& values);
// A curve through (c, zeroRow - value(c)) for the plot columns first .. last, in the pen's
// colour, style and width: on pixels as connected line steps that each stop before their end
// point, on a vector device as one path.
template <typename ValueAt>
void DrawCurve(QPainter& p, const CurvePlot& plot, const ChartAttrib& pen, int first, int last,
               PaintBuffers& buffers, ValueAt valueAt);

}  // namespace vitalune::paint

#include "gui/paint/ChartPainter.inl"
