#pragma once
// Template bodies of ChartPainter.h.

#include <QPainter>
#include <cstdlib>

#include "gui/paint/GdiCanvas.h"

namespace vitalune::paint {

template <typename ValueAt>
void DrawCurve(QPainter& p, const CurvePlot& plot, const ChartAttrib& pen, int first, int last,
               PaintBuffers& buffers, ValueAt valueAt) {
    if (last <= first) {
        return;
    }
    if (plot.path) {
        buffers.points.clear();
        for (int c = first; c <= last; ++c) {
            buffers.points.push_back(plot.PathPoint(c, valueAt(c)));
        }
        CurvePath(p, pen, buffers.points);
        return;
    }
    CurveRuns out(pen, plot.grid, buffers.runs);
    int y0 = plot.zeroRow - valueAt(first);
    for (int x = first + 1; x <= last; ++x) {
        const int y1 = plot.zeroRow - valueAt(x);
        // Each step is a line from (x - 1, y0) to (x, y1) without its end pixel: a steep step
        // covers its first half in column x - 1 and its second half in column x.
        const int n = std::abs(y1 - y0);
        if (n <= 1) {
            out.Run(x - 1, y0, y0);
        } else {
            const int s = y1 > y0 ? 1 : -1;
            const int split = (n + 1) / 2;
            out.Run(x - 1, y0, y0 + s * (split - 1));
            out.Run(x, y0 + s * split, y1 - s);
        }
        y0 = y1;
    }
    out.Draw(p);
}

}  // namespace vitalune::paint
