// Painting a chart page into an image: every page at the usual window size, and at a 4K
// screen's device pixels (1920 x 1080 logical pixels at ratio 2); the day information table
// in each of its views; the month calendar page.
#include <benchmark/benchmark.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "BenchMain.h"
#include "GuiApplication.h"
#include "core/engine/Date.h"
#include "gui/paint/CalendarPainter.h"
#include "gui/paint/ChartPainter.h"
#include "gui/paint/DayInfoPainter.h"
#include "gui/paint/PictureFont.h"

namespace vitalune::bench {
namespace {

void EnsureApplication() {
    EnsureGuiApplication();
}

// The busiest settings: bars on every page, details on the Compatibility page.
paint::ChartScene BusyScene(paint::ChartPage page, int width, int height) {
    paint::ChartScene s;
    s.page = page;
    s.font = QGuiApplication::font();
    s.geometry = paint::ComputeChartGeometry(width, height, QFontMetrics(s.font).height());
    s.date = EncodeDate(2026, 12, 7);
    s.birth1 = EncodeDate(1980, 1, 5);
    s.birth2 = EncodeDate(1975, 3, 2);
    s.graphMode = 2;
    s.showDetails = true;
    s.drawPicture = [](QPainter& p, QPoint at, paint::ChartPicture, int) {
        p.fillRect(QRect(at, QSize(17, 6)), Qt::red);
    };
    return s;
}

void PaintInto(benchmark::State& state, int width, int height, qreal dpr) {
    EnsureApplication();
    const auto page = static_cast<paint::ChartPage>(state.range(0));
    const paint::ChartScene scene = BusyScene(page, width, height);
    QImage image(QSize(width, height) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    paint::PaintBuffers buffers;
    for (auto _ : state) {
        QPainter p(&image);
        paint::PaintChartPage(p, scene, buffers);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_PaintPage751(benchmark::State& state) {
    PaintInto(state, 751, 353, 1.0);
}
void BM_PaintPage4k(benchmark::State& state) {
    PaintInto(state, 1920, 1080, 2.0);
}
BENCHMARK(BM_PaintPage751)
    ->DenseRange(0, paint::kChartPageCount - 1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PaintPage4k)
    ->DenseRange(0, paint::kChartPageCount - 1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A critical day, so the asterisks are drawn too.
void BM_PaintDayInfo(benchmark::State& state) {
    EnsureApplication();
    paint::DayInfoScene scene;
    const DayPerson first{"Ann", static_cast<DateTime>(EncodeDate(1980, 1, 5))};
    const DayPerson second{"Bob", static_cast<DateTime>(EncodeDate(1975, 3, 2))};
    scene.view = ViewValues(static_cast<DayInfoMode>(state.range(0)), first, second,
                            EncodeDate(2026, 12, 7));
    scene.regular = paint::PictureFont(QGuiApplication::font());
    scene.bold = scene.regular;
    scene.bold.setBold(true);
    scene.drawPicture = [](QPainter& p, QPoint at, paint::DayInfoPicture, int) {
        p.fillRect(QRect(at, QSize(16, 16)), Qt::red);
    };
    QImage image(paint::kDayInfoTableSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        benchmark::DoNotOptimize(paint::PaintDayInfo(p, scene));
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintDayInfo)
    ->DenseRange(static_cast<int>(DayInfoMode::Primary), static_cast<int>(DayInfoMode::Extra))
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A 31-day month with daily bars in the chart, in the calendar's default fonts.
void BM_PaintCalendar(benchmark::State& state) {
    EnsureApplication();
    const auto font = [](int points) {
        QFont f(QStringLiteral("Arial"), points);
        f.setBold(true);
        return f;
    };
    paint::CalendarScene scene;
    scene.month = EncodeDate(2026, 12, 7);
    scene.name = "Ann";
    scene.birth = EncodeDate(1980, 1, 5);
    scene.monthFont = {font(20), Qt::gray};
    scene.nameFont = {font(12), Qt::black};
    scene.dayNamesFont = {font(18), QColor(0x80, 0, 0)};
    scene.digitsFont = {font(20), Qt::black};
    scene.pictureFont = paint::PictureFont(QGuiApplication::font());
    scene.dailyBars = true;
    scene.drawPicture = [](QPainter& p, QPoint at, paint::CalendarPicture, int) {
        p.fillRect(QRect(at, QSize(21, 6)), Qt::red);
    };
    QImage image(paint::kCalendarPageSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        benchmark::DoNotOptimize(paint::PaintCalendar(p, scene));
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintCalendar)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The slowest argument's median (a page, a view), in milliseconds.
Figure Slowest(std::string name, std::string benchmark, int first, int last) {
    return {std::move(name),
            "ms",
            {benchmark},
            [benchmark, first, last](const Results& r) {
                double slowest = 0;
                for (int arg = first; arg <= last; ++arg) {
                    slowest = std::max(slowest, r.Seconds(benchmark + "/" + std::to_string(arg)));
                }
                return slowest * 1e3;
            },
            2};
}

Figure SlowestPage(std::string name, std::string benchmark) {
    return Slowest(std::move(name), std::move(benchmark), 0, paint::kChartPageCount - 1);
}

const bool kFigures =
    AddFigure(SlowestPage("paint-page-751", "BM_PaintPage751")) &&
    AddFigure(SlowestPage("paint-page-4k", "BM_PaintPage4k")) &&
    AddFigure(Slowest("paint-dayinfo", "BM_PaintDayInfo", static_cast<int>(DayInfoMode::Primary),
                      static_cast<int>(DayInfoMode::Extra))) &&
    AddFigure(Time("paint-calendar", "ms", "BM_PaintCalendar"));

}  // namespace
}  // namespace vitalune::bench
