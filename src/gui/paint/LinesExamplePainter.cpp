#include "gui/paint/LinesExamplePainter.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "gui/paint/ChartPainter.h"
#include "gui/paint/GdiCanvas.h"

namespace vitalune::paint {

namespace {

constexpr std::array<int, 4> kPhases = {0, 2, 1, 3};

// Plot columns and rows as the chart pages have them: pixels one to one, device pixels on a
// scaled screen, fractions of a pixel on a vector device.
CurvePlot ExamplePlot(const DeviceGrid& grid, int width, int middleY) {
    CurvePlot plot = PlotOn(grid);
    plot.first = PlotColumn(plot, 0);
    plot.last = PlotColumn(plot, width);
    plot.zeroRow = PlotRow(plot, middleY);
    return plot;
}

}  // namespace

LinesExampleScene MakeLinesExampleScene(ChartPage page, const ChartAttribTable& pens, QSize size) {
    const ChartPageInfo& info = PageInfo(page);
    LinesExampleScene scene;
    scene.size = size;
    scene.middle = pens[static_cast<std::size_t>(info.overall)];
    scene.curveCount = info.slotCount;
    for (int k = 0; k < info.slotCount; ++k) {
        scene.curves[static_cast<std::size_t>(k)] =
            pens[static_cast<std::size_t>(info.curves[static_cast<std::size_t>(k)])];
    }
    return scene;
}

int ExampleAmplitude(int height, int k) {
    int amplitude = static_cast<int>(0.9 * (height / 2));
    // The third and fourth curves are lower, each by the same ratio.
    for (int i = 2; i <= k; ++i) {
        amplitude = amplitude * 10 / 17;
    }
    return amplitude;
}

int ExamplePhase(int k) {
    return kPhases[static_cast<std::size_t>(k) % kPhases.size()];
}

void PaintLinesExample(QPainter& p, const LinesExampleScene& scene) {
    const int width = scene.size.width();
    const int height = scene.size.height();
    if (width <= 0 || height <= 0) {
        return;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 0, width, height), ToQColor(kWhite));
    const int middleY = height / 2;
    p.setPen(PenOf(scene.middle));
    StraightLine(p, 0, middleY, width, middleY);

    const CurvePlot plot = ExamplePlot(DeviceGrid(p), width, middleY);
    PaintBuffers buffers;
    for (int k = 0; k < scene.curveCount; ++k) {
        const double amplitude = ExampleAmplitude(height, k) * plot.scaleY;
        const double shift = kExamplePeriod / 4.0 * ExamplePhase(k);
        DrawCurve(p, plot, scene.curves[static_cast<std::size_t>(k)], plot.first, plot.last,
                  buffers, [&](int c) {
                      const double x = shift + c / plot.scaleX;
                      return static_cast<std::int32_t>(
                          amplitude * std::sin(x * 2 * std::numbers::pi / kExamplePeriod));
                  });
    }
    p.restore();
}

}  // namespace vitalune::paint
