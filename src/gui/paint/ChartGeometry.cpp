#include "gui/paint/ChartGeometry.h"

#include <algorithm>

namespace vitalune::paint {

ChartGeometry ComputeChartGeometry(int width, int height, int textHeight) {
    ChartGeometry g;
    g.width = width;
    g.height = height;
    g.textH = textHeight;
    g.midY = height / 2;
    g.dayW = width / kChartDays;
    g.band = static_cast<int>(textHeight * 1.5);
    g.half = (height - 2 * g.band) / 2;
    g.dayRowY = static_cast<int>(g.band + 6 + textHeight * 0.3);
    g.amp = static_cast<int>(g.half * 0.8);
    g.left = (width - kChartDays * g.dayW) / 2;
    g.right = g.left + kChartDays * g.dayW;
    g.legendX = g.left + 5;
    g.bottomTextY = height - textHeight - (g.band - textHeight) / 2;
    g.barScale = static_cast<int>(g.amp * 0.7);
    return g;
}

int ChartGeometry::ColumnAt(int x) const {
    if (dayW <= 0) {
        return 0;
    }
    return std::clamp((x - left) / dayW, 0, kChartDays - 1);
}

}  // namespace vitalune::paint
