#pragma once
// Drawing steps with the pixel rules the chart geometry was laid out for: a rectangle covers
// its left/top edge up to, not including, its right/bottom edge; a line stops one pixel
// before its end point; text is placed by its top left corner. On a scaled painter the same
// pixels are drawn on the device's pixel grid (see DeviceGrid).

#include <QColor>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <QString>
#include <vector>

#include "core/settings/ChartAttrib.h"
#include "gui/paint/DeviceGrid.h"

class QPainter;

namespace vitalune::paint {

inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kGrey = 0x00808080;
inline constexpr Colour kRed = 0x000000FF;

QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);
QPen PenOf(const ChartAttrib& attrib);
QPen SolidPen(Colour colour, int width = 1);

// Filled with the painter's brush and framed with its pen; corners in any order.
void Rectangle(QPainter& p, int x1, int y1, int x2, int y2);
// Horizontal or vertical line from (x1, y1) toward (x2, y2), end pixel excluded.
void StraightLine(QPainter& p, int x1, int y1, int x2, int y2);
// Text in the given colour with its top left at (x, y).
void TextOut(QPainter& p, int x, int y, const QString& text, Colour colour);
int TextWidth(const QPainter& p, const QString& text);

// Collects the vertical pixel runs of a curve, applying the pen's dash pattern pixel by pixel
// along the curve and its width, then fills them in one call. The runs are in device pixels
// relative to the grid's origin (logical pixels at one to one); pattern and width grow with
// the scale, so a curve looks the same on any screen, only finer.
class CurveRuns {
  public:
    CurveRuns(const ChartAttrib& pen, const DeviceGrid& grid, std::vector<QRect>& runs);
    // The runs keep the grid by reference, so a temporary one would dangle.
    CurveRuns(const ChartAttrib& pen, const DeviceGrid&& grid, std::vector<QRect>& runs) = delete;
    // Pixels (x, from) .. (x, to) in drawing order (from may lie below to).
    void Run(int x, int from, int to);
    void Draw(QPainter& p);

  private:
    void Pixel(int x, int y);
    void Append(int x, int top, int bottom);

    int Segment(int i) const;

    const DeviceGrid& m_grid;
    QColor m_colour;
    int m_width;
    const int* m_pattern = nullptr;  // on, off, on, off ... logical pixel counts; null: solid
    int m_patternLength = 0;
    int m_segment = 0;
    int m_left = 0;  // pixels left in the current pattern segment
    std::vector<QRect>& m_runs;
};

// A curve through `points` (logical coordinates) as one path in the pen's colour, style and
// width: for vector devices, where a curve should stay smooth at any zoom.
void CurvePath(QPainter& p, const ChartAttrib& pen, const std::vector<QPointF>& points);

}  // namespace vitalune::paint
