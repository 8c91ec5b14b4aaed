#include "paint/GdiCanvas.h"

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
        // A flat-capped thin line stops before its end point, as wanted.
        p.drawLine(x1, y1, x2, y2);
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
