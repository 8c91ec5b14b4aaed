#pragma once
// Draws one chart page from its scene: background and date axis, daily bars and critical
// dots, the curves pixel column by pixel column, the overall curve from the per-pixel sum
// buffer, legend, side marks and the days lived. Nothing is cached between paints; the
// buffers are only reused so that a paint allocates nothing once they have grown.

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
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

// The plot scales of a device, before any extent is set.
CurvePlot PlotOn(const DeviceGrid& grid);
// The plot column (row) where logical pixel x (y) begins.
int PlotColumn(const CurvePlot& plot, int x);
int PlotRow(const CurvePlot& plot, int y);
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

// The same steps on any box laid out as a ChartGeometry (the month calendar's chart too).
// The grey frame of `days` columns from midY - half to midY + half, without the zero line.
void DrawDayFrame(QPainter& p, const ChartGeometry& g, int days);
void DrawDailyBar(QPainter& p, const ChartGeometry& g, const BarColours& colours, int k,
                  std::int32_t value);
// At bottomTextY from legendX: each curve's name in its pen's colour followed by a 40-pixel
// line of that pen, then the overall entry if any; the pen is black afterwards. Gives the x
// where the last line ends.
int DrawLegend(QPainter& p, const ChartGeometry& g, const ChartAttribTable& pens,
               std::span<const RhythmId> curves, std::optional<RhythmId> overall);
// Top left of side mark 0 (upper half) or 1 (lower half).
QPoint SideMarkAt(const ChartGeometry& g, int index);
// The y of the weekday row, above the bottom band.
int WeekdayRowY(const ChartGeometry& g);
// The font of the date rows for columns dayW wide: the page font, smaller where it does not
// fit, none where nothing would be read.
std::optional<QFont> DateRowFont(const QFont& pageFont, int dayW);
// Day number (at dayRowY) and weekday abbreviation (at weekdayY) centred in column k, in
// red on Sundays (weekday 1), in the painter's font.
void DrawDayLabels(QPainter& p, const ChartGeometry& g, int k, int day, int weekday, int weekdayY);

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
