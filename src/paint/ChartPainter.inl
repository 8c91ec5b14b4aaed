#pragma once
// Template bodies of ChartPainter.h.

#include <QPainter>

#include "paint/GdiCanvas.h"

namespace vitalune::paint {

template <typename ValueAt>
void DrawCurve(QPainter& p, const ChartGeometry& g, int first, int last, QPolygonF& points,
               ValueAt valueAt) {
    if (last < first) {
        return;
    }
    const qreal o = StrokeOffset(p);
    points.resize(last - first + 1);
    for (int x = first; x <= last; ++x) {
        points[x - first] = QPointF(x + o, g.midY - valueAt(x) + o);
    }
    p.drawPolyline(points);
}

}  // namespace vitalune::paint
