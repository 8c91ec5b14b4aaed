#include "gui/paint/GdiCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace vitalune::paint {

QColor ToQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
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
}  // namespace

CurveRuns::CurveRuns(const ChartAttrib& pen, std::vector<QRect>& runs)
    : m_colour(ToQColor(pen.colour)), m_width(std::clamp(pen.width, 1, 3)), m_runs(runs) {
    m_runs.clear();
    switch (EffectivePenStyle(pen)) {
        case PenStyle::Solid:
            break;
        case PenStyle::Dash:
            m_pattern = kDash;
            m_patternLength = 2;
            break;
        case PenStyle::Dot:
            m_pattern = kDot;
            m_patternLength = 2;
            break;
        case PenStyle::DashDot:
            m_pattern = kDashDot;
            m_patternLength = 4;
            break;
        case PenStyle::DashDotDot:
            m_pattern = kDashDotDot;
            m_patternLength = 6;
            break;
    }
    if (m_pattern) {
        m_left = m_pattern[0];
    }
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
        m_left = m_pattern[m_segment];
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
    p.drawRects(m_runs.data(), static_cast<int>(m_runs.size()));
    p.setPen(pen);
    p.setBrush(brush);
}

qreal StrokeOffset(const QPainter& p) {
    const qreal scale = p.device()->devicePixelRatio() * p.worldTransform().m11();
    return scale > 1.0 ? 0.5 : 0.0;
}

void Rectangle(QPainter& p, int x1, int y1, int x2, int y2) {
    if (x1 > x2) {
        std::swap(x1, x2);
    }
    if (y1 > y2) {
        std::swap(y1, y2);
    }
    const int r = std::max(x1, x2 - 1);
    const int b = std::max(y1, y2 - 1);
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
    const qreal o = StrokeOffset(p);
    if (o == 0.0) {
        p.drawRect(QRect(x1, y1, r - x1, b - y1));
    } else {
        p.drawRect(QRectF(x1 + o, y1 + o, r - x1, b - y1));
    }
    p.setBrush(brush);
}

void StraightLine(QPainter& p, int x1, int y1, int x2, int y2) {
    if (x1 == x2 && y1 == y2) {
        return;
    }
    const qreal o = StrokeOffset(p);
    if (o == 0.0) {
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
    // The pixels x1 .. x2 - 1 (or x2 + 1 .. x1) span the interval between these edges.
    const auto edges = [](int a, int b) {
        return a <= b ? std::pair<qreal, qreal>(a, b) : std::pair<qreal, qreal>(a + 1, b + 1);
    };
    if (y1 == y2) {
        const auto [from, to] = edges(x1, x2);
        p.drawLine(QLineF(from, y1 + o, to, y1 + o));
    } else {
        const auto [from, to] = edges(y1, y2);
        p.drawLine(QLineF(x1 + o, from, x1 + o, to));
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
