#pragma once
// Drawing steps with the pixel rules the chart geometry was laid out for: a rectangle covers
// its left/top edge up to, not including, its right/bottom edge; a line stops one pixel
// before its end point; text is placed by its top left corner.

#include <QColor>
#include <QPen>
#include <QRect>
#include <QString>
#include <vector>

#include "core/settings/ChartAttrib.h"

class QPainter;

namespace vitalune::paint {

QColor ToQColor(Colour colour);
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
// along the curve and its width, then fills them in one call: exact pixels at any scale.
class CurveRuns {
  public:
    CurveRuns(const ChartAttrib& pen, std::vector<QRect>& runs);
    // Pixels (x, from) .. (x, to) in drawing order (from may lie below to).
    void Run(int x, int from, int to);
    void Draw(QPainter& p);

  private:
    void Pixel(int x, int y);
    void Append(int x, int top, int bottom);

    QColor m_colour;
    int m_width;
    const int* m_pattern = nullptr;  // on, off, on, off ... pixel counts; null: solid
    int m_patternLength = 0;
    int m_segment = 0;
    int m_left = 0;  // pixels left in the current pattern segment
    std::vector<QRect>& m_runs;
};

// Where a stroke through pixel (x, y) is centred: on the pixel itself when one logical pixel
// is one device pixel (aliased drawing hits the pixel named), at its centre when the painter
// is scaled (HiDPI), so that lines stay sharp and meet the fills exactly.
qreal StrokeOffset(const QPainter& p);

}  // namespace vitalune::paint
