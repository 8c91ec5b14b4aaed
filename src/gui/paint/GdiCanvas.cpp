#include "gui/paint/GdiCanvas.h"

#include <QFontMetrics>
#include <QList>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <span>
#include <utility>

namespace vitalune::paint {

QColor ToQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

Colour FromQColor(const QColor& colour) {
    const QRgb rgb = colour.rgb();
    return static_cast<Colour>(qRed(rgb)) | static_cast<Colour>(qGreen(rgb)) << 8 |
           static_cast<Colour>(qBlue(rgb)) << 16;
}

QPen PenOf(const ChartAttrib& attrib) {
    static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                               Qt::DashDotLine, Qt::DashDotDotLine};
    QPen pen(ToQColor(attrib.colour), std::clamp(attrib.width, 1, 3),
             kStyles[static_cast<int>(EffectivePenStyle(attrib))]);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QPen SolidPen(Colour colour, int width) {
    return PenOf({colour, 0, width});
}

namespace {
// The pixel patterns of thin dashed pens: dash, dot, dash-dot, dash-dot-dot.
constexpr int kDash[] = {18, 6};
constexpr int kDot[] = {3, 3};
constexpr int kDashDot[] = {9, 6, 3, 6};
constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};

std::span<const int> PixelPattern(const ChartAttrib& pen) {
    switch (EffectivePenStyle(pen)) {
        case PenStyle::Solid:
            break;
        case PenStyle::Dash:
            return kDash;
        case PenStyle::Dot:
            return kDot;
        case PenStyle::DashDot:
            return kDashDot;
        case PenStyle::DashDotDot:
            return kDashDotDot;
    }
    return {};
}
}  // namespace

CurveRuns::CurveRuns(const ChartAttrib& pen, const DeviceGrid& grid, std::vector<QRect>& runs)
    : m_grid(grid),
      m_colour(ToQColor(pen.colour)),
      m_width(std::min(grid.ThickX(std::clamp(pen.width, 1, 3)),
                       grid.ThickY(std::clamp(pen.width, 1, 3)))),
      m_runs(runs) {
    m_runs.clear();
    const std::span<const int> pattern = PixelPattern(pen);
    if (!pattern.empty()) {
        m_pattern = pattern.data();
        m_patternLength = static_cast<int>(pattern.size());
    }
    if (m_pattern) {
        m_left = Segment(0);
    }
}

int CurveRuns::Segment(int i) const {
    if (m_grid.OneToOne()) {
        return m_pattern[i];
    }
    return std::max(1, static_cast<int>(std::lround(m_pattern[i] * m_grid.ScaleX())));
}

void CurveRuns::Run(int x, int from, int to) {
    if (!m_pattern) {
        Append(x, std::min(from, to), std::max(from, to));
        return;
    }
    const int step = to >= from ? 1 : -1;
    for (int y = from;; y += step) {
        Pixel(x, y);
        if (y == to) {
            break;
        }
    }
}

void CurveRuns::Pixel(int x, int y) {
    if (m_segment % 2 == 0) {
        Append(x, y, y);
    }
    if (--m_left == 0) {
        m_segment = (m_segment + 1) % m_patternLength;
        m_left = Segment(m_segment);
    }
}

void CurveRuns::Append(int x, int top, int bottom) {
    // Wide pens grow around the pixel: a width of 2 adds the pixel right of and below it.
    const int before = (m_width - 1) / 2;
    const int after = m_width / 2;
    const QRect run(QPoint(x - before, top - before), QPoint(x + after, bottom + after));
    if (!m_runs.empty()) {
        QRect& last = m_runs.back();
        if (last.left() == run.left() && last.right() == run.right() &&
            (last.bottom() + 1 == run.top() || run.bottom() + 1 == last.top())) {
            last = last.united(run);
            return;
        }
    }
    m_runs.push_back(run);
}

void CurveRuns::Draw(QPainter& p) {
    if (m_runs.empty()) {
        return;
    }
    const QPen pen = p.pen();
    const QBrush brush = p.brush();
    p.setPen(Qt::NoPen);
    p.setBrush(m_colour);
    if (m_grid.OneToOne()) {
        p.drawRects(m_runs.data(), static_cast<int>(m_runs.size()));
    } else {
        // Thousands of device pixel runs: drawn in device pixels, the painter's fast path.
        const QTransform world = p.worldTransform();
        const QTransform rest = world.inverted() * p.deviceTransform();
        p.setWorldTransform(QTransform::fromTranslate(m_grid.OriginX(), m_grid.OriginY()) *
                            rest.inverted());
        p.drawRects(m_runs.data(), static_cast<int>(m_runs.size()));
        p.setWorldTransform(world);
    }
    p.setPen(pen);
    p.setBrush(brush);
}

void CurvePath(QPainter& p, const ChartAttrib& pen, const std::vector<QPointF>& points) {
    if (points.size() < 2) {
        return;
    }
    const int width = std::clamp(pen.width, 1, 3);
    QPen stroke(ToQColor(pen.colour), width);
    stroke.setCapStyle(Qt::FlatCap);
    stroke.setJoinStyle(Qt::RoundJoin);
    if (const std::span<const int> pixels = PixelPattern(pen); !pixels.empty()) {
        QList<qreal> dashes;
        for (const int n : pixels) {
            dashes << static_cast<qreal>(n) / width;  // Qt counts in pen widths
        }
        stroke.setDashPattern(dashes);
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(stroke);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(points.data(), static_cast<int>(points.size()));
    p.restore();
}

namespace {

// Qt's dash patterns, in pen widths, so that a scaled line keeps the look of an unscaled one.
std::vector<int> QtDashes(Qt::PenStyle style) {
    switch (style) {
        case Qt::DashLine:
            return {4, 2};
        case Qt::DotLine:
            return {1, 2};
        case Qt::DashDotLine:
            return {4, 2, 1, 2};
        case Qt::DashDotDotLine:
            return {4, 2, 1, 2, 1, 2};
        default:
            return {};
    }
}

void FillDevice(QPainter& p, const DeviceGrid& grid, int x0, int y0, int x1, int y1,
                const QBrush& brush) {
    if (x1 > x0 && y1 > y0) {
        p.fillRect(grid.Logical(x0, y0, x1, y1), brush);
    }
}

// A straight line on the device grid: device extent [from, to) along it, [top, top + thick)
// across it, dashed as the pen says.
void DeviceLine(QPainter& p, const DeviceGrid& grid, bool horizontal, int from, int to, int top,
                int thick) {
    const QPen pen = p.pen();
    const QBrush brush(pen.color());
    const auto segment = [&](int a, int b) {
        if (horizontal) {
            FillDevice(p, grid, a, top, b, top + thick, brush);
        } else {
            FillDevice(p, grid, top, a, top + thick, b, brush);
        }
    };
    const std::vector<int> dashes = QtDashes(pen.style());
    if (dashes.empty()) {
        segment(from, to);
        return;
    }
    const qreal unit = std::max(1, pen.width()) * (horizontal ? grid.ScaleX() : grid.ScaleY());
    std::size_t i = 0;
    for (int at = from; at < to; i = (i + 1) % dashes.size()) {
        const int length = std::max(1, static_cast<int>(std::lround(dashes[i] * unit)));
        if (i % 2 == 0) {
            segment(at, std::min(at + length, to));
        }
        at += length;
    }
}

}  // namespace

void Rectangle(QPainter& p, int x1, int y1, int x2, int y2) {
    if (x1 > x2) {
        std::swap(x1, x2);
    }
    if (y1 > y2) {
        std::swap(y1, y2);
    }
    const int r = std::max(x1, x2 - 1);
    const int b = std::max(y1, y2 - 1);
    const DeviceGrid grid(p);
    if (!grid.OneToOne()) {
        // Filled up to the far frame line's outer edge, framed inside it.
        const int left = grid.X(x1);
        const int top = grid.Y(y1);
        const int right = grid.X(r) + grid.ThickX();
        const int bottom = grid.Y(b) + grid.ThickY();
        if (p.brush().style() != Qt::NoBrush) {
            FillDevice(p, grid, left, top, right, bottom, p.brush());
        }
        if (p.pen().style() != Qt::NoPen) {
            const QBrush frame(p.pen().color());
            const int tx = grid.ThickX(p.pen().width());
            const int ty = grid.ThickY(p.pen().width());
            FillDevice(p, grid, left, top, right, top + ty, frame);
            FillDevice(p, grid, left, bottom - ty, right, bottom, frame);
            FillDevice(p, grid, left, top, left + tx, bottom, frame);
            FillDevice(p, grid, right - tx, top, right, bottom, frame);
        }
        return;
    }
    if (p.brush().style() != Qt::NoBrush) {
        p.fillRect(QRect(QPoint(x1, y1), QPoint(r, b)), p.brush());
    }
    if (p.pen().style() == Qt::NoPen) {
        return;
    }
    if (b == y1) {
        StraightLine(p, x1, y1, r + 1, y1);
        return;
    }
    if (r == x1) {
        StraightLine(p, x1, y1, x1, b + 1);
        return;
    }
    const QBrush brush = p.brush();
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(x1, y1, r - x1, b - y1));
    p.setBrush(brush);
}

void StraightLine(QPainter& p, int x1, int y1, int x2, int y2) {
    if ((x1 == x2 && y1 == y2) || p.pen().style() == Qt::NoPen) {
        return;
    }
    const DeviceGrid grid(p);
    if (grid.OneToOne()) {
        // A flat-capped thin line leaves out one end, but Qt picks the lower or right one
        // whatever the direction; a line drawn up or to the left is drawn forward over the
        // same pixels, so that its end point is the one left out.
        if (x2 < x1 || y2 < y1) {
            p.drawLine(x2 + (x2 < x1 ? 1 : 0), y2 + (y2 < y1 ? 1 : 0), x1 + (x2 < x1 ? 1 : 0),
                       y1 + (y2 < y1 ? 1 : 0));
        } else {
            p.drawLine(x1, y1, x2, y2);
        }
        return;
    }
    // Along the line it reaches up to the pixel it leaves out, so that it meets the line
    // drawn there whichever way it runs; across it, wide pens grow as curves do.
    const int width = std::max(1, p.pen().width());
    const int before = (width - 1) / 2;
    if (y1 == y2) {
        const int tx = grid.ThickX();
        const int from = x2 > x1 ? grid.X(x1) : grid.X(x2) + tx;
        const int to = x2 > x1 ? grid.X(x2) : grid.X(x1) + tx;
        DeviceLine(p, grid, true, from, to, grid.Y(y1 - before), grid.ThickY(width));
    } else {
        const int ty = grid.ThickY();
        const int from = y2 > y1 ? grid.Y(y1) : grid.Y(y2) + ty;
        const int to = y2 > y1 ? grid.Y(y2) : grid.Y(y1) + ty;
        DeviceLine(p, grid, false, from, to, grid.X(x1 - before), grid.ThickX(width));
    }
}

void TextOut(QPainter& p, int x, int y, const QString& text, Colour colour) {
    const QPen pen = p.pen();
    p.setPen(ToQColor(colour));
    p.drawText(QPoint(x, y + p.fontMetrics().ascent()), text);
    p.setPen(pen);
}

int TextWidth(const QPainter& p, const QString& text) {
    return p.fontMetrics().horizontalAdvance(text);
}

}  // namespace vitalune::paint
