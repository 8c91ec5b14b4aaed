#include "gui/paint/DeviceGrid.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>

namespace vitalune::paint {

namespace {

bool IsVector(const QPainter& p) {
    const QPaintEngine* engine = p.paintEngine();
    if (!engine) {
        return false;
    }
    switch (engine->type()) {
        case QPaintEngine::Pdf:
        case QPaintEngine::SVG:
        case QPaintEngine::Picture:
        case QPaintEngine::MacPrinter:
            return true;
        default:
            return false;
    }
}

bool Whole(qreal v) {
    return std::abs(v - std::round(v)) < 1e-9;
}

}  // namespace

DeviceGrid::DeviceGrid(const QPainter& p) {
    // The device transform holds the device pixel ratio as well as the painter's own.
    const QTransform t = p.deviceTransform();
    m_sx = std::abs(t.m11());
    m_sy = std::abs(t.m22());
    m_dx = t.dx();
    m_dy = t.dy();
    m_ox = static_cast<int>(std::lround(m_dx));
    m_oy = static_cast<int>(std::lround(m_dy));
    m_vector = IsVector(p);
    m_oneToOne = m_sx == 1.0 && m_sy == 1.0 && Whole(m_dx) && Whole(m_dy);
}

int DeviceGrid::Thick(int width, qreal scale) {
    // A little slack so that 2.9999 counts as 3; floor keeps the line inside its pixel.
    return std::max(1, static_cast<int>(std::floor(std::max(width, 1) * scale + 1e-6)));
}

QRectF DeviceGrid::Logical(int x0, int y0, int x1, int y1) const {
    return QRectF((x0 - m_dx) / m_sx, (y0 - m_dy) / m_sy, (x1 - x0) / m_sx, (y1 - y0) / m_sy);
}

}  // namespace vitalune::paint
