#include "gui/paint/ChartPainter.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "core/engine/DateText.h"
#include "core/engine/DayTable.h"
#include "core/engine/DayWeather.h"
#include "core/engine/Rhythm.h"
#include "gui/paint/CompatPainter.h"
#include "gui/paint/GdiCanvas.h"
#include "gui/paint/PictureFont.h"
#include "gui/platform/Utf8Text.h"

namespace vitalune::paint {

namespace {

int PeriodIndex(int period) {
    for (std::size_t i = 0; i < kPeriods.size(); ++i) {
        if (kPeriods[i] == period) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

// Pixel values per period, each computed at most once per paint.
class CurveValues {
  public:
    CurveValues(const ChartGeometry& g, const CurvePlot& plot, std::int32_t daysLived,
                PaintBuffers& buffers)
        : m_g(g), m_plot(plot), m_d(daysLived), m_buffers(buffers) {}

    const std::vector<std::int32_t>& Of(RhythmId single) {
        const int period = RhythmCatalogue(single).period;
        const int i = PeriodIndex(period);
        auto& values = m_buffers.values[static_cast<std::size_t>(i)];
        if (!m_done[static_cast<std::size_t>(i)]) {
            ComputeCurveValues(m_g, m_plot, period, m_d % period, values);
            m_done[static_cast<std::size_t>(i)] = true;
        }
        return values;
    }

  private:
    const ChartGeometry& m_g;
    const CurvePlot& m_plot;
    std::int32_t m_d;
    PaintBuffers& m_buffers;
    std::array<bool, 7> m_done{};
};

std::int32_t BarValue(ChartPage page, const DayRhythms& day) {
    switch (page) {
        case ChartPage::IChing:
            return RoundHalfUp((static_cast<double>(day.ichingPercent[0]) + day.ichingPercent[1] +
                                day.ichingPercent[2]) *
                               (1.0 / 3));
        case ChartPage::Extra:
            return static_cast<std::int32_t>((static_cast<double>(day.percent[3]) + day.overall) *
                                             0.5);
        default:
            return day.overall;
    }
}

// Every text of the two date rows: the day numbers and the weekday abbreviations.
const QStringList& DateRowTexts() {
    static const QStringList texts = [] {
        QStringList all;
        for (int day = 1; day <= 31; ++day) {
            all << QString::number(day);
        }
        for (const auto abbrev : kWeekdayAbbrev) {
            all << QUtf8(abbrev);
        }
        return all;
    }();
    return texts;
}

void DrawDaysRow(QPainter& p, const ChartScene& s, std::int32_t startDay) {
    const ChartGeometry& g = s.geometry;
    const CivilDate first = DecodeDate(startDay);
    int day = first.day;
    int month = first.month;
    int year = first.year;
    int monthLength = DaysInMonth(year, month);
    int weekday = DayOfWeek(startDay);
    const int labelY = (g.band - g.textH) / 2;
    const int weekdayY = WeekdayRowY(g);
    const int pointerMiddle = g.ColumnX(kPointerColumn) + g.dayW / 2;
    const QFont pageFont = p.font();
    const std::optional<QFont> rowFont = DateRowFont(pageFont, g.dayW);
    const bool switchFont = rowFont && *rowFont != pageFont;
    for (int k = 0; k < kChartDays; ++k) {
        if (rowFont) {
            if (switchFont) {
                p.setFont(*rowFont);
            }
            DrawDayLabels(p, g, k, day, weekday, weekdayY);
            if (switchFont) {
                p.setFont(pageFont);
            }
        }
        weekday = weekday == 7 ? 1 : weekday + 1;
        if (++day > monthLength) {
            if (++month > 12) {
                month = 1;
                ++year;
            }
            day = 1;
            monthLength = DaysInMonth(year, month);
            const int x =
                g.ColumnX(k) > pointerMiddle ? g.ColumnX(k + 1) + g.dayW / 2 : pointerMiddle;
            if (x < g.right) {
                TextOut(p, x, labelY, QUtf8(MonthYearText(month, year)), kBlack);
            }
        }
    }
}

void DrawCurvesAndSum(QPainter& p, const ChartScene& s, const CurvePlot& plot, CurveValues& values,
                      PaintBuffers& buffers) {
    const ChartPageInfo& info = PageInfo(s.page);
    const int first = plot.first;
    const int last = plot.last;
    auto& sum = buffers.sum;
    for (int i = 0; i < info.slotCount; ++i) {
        const RhythmId slot = info.curves[static_cast<std::size_t>(i)];
        const RhythmInfo& rhythm = RhythmCatalogue(slot);
        const ChartAttrib& pen = s.pens[static_cast<std::size_t>(slot)];
        const bool adds = slot != RhythmId::Intuitive;  // not part of the primary overall
        if (rhythm.componentCount == 0) {
            const auto& v = values.Of(slot);
            DrawCurve(p, plot, pen, first, last, buffers, [&v](int x) { return v[x]; });
            if (adds) {
                for (int x = first; x <= last; ++x) {
                    sum[x] = (i == 0 ? 0 : sum[x]) + v[x];
                }
            }
            continue;
        }
        const auto& a = values.Of(rhythm.components[0]);
        const auto& b = values.Of(rhythm.components[1]);
        DrawCurve(p, plot, pen, first, last, buffers,
                  [&a, &b](int x) { return (a[x] + b[x]) / 2; });
        for (int x = first; x <= last; ++x) {
            const std::int32_t half = RoundHalfUp((a[x] + b[x]) * 0.5);
            sum[x] = (i == 0 ? 0 : sum[x]) + half;
        }
    }
}

}  // namespace

std::int32_t ChartStartDay(DateTime date) {
    return AddDays(WholeDay(date), -kPointerColumn);
}

CurvePlot PlotOn(const DeviceGrid& grid) {
    CurvePlot plot;
    plot.grid = grid;
    plot.path = grid.Vector();
    if (plot.path) {
        plot.scaleX = kPathColumns;
        plot.scaleY = kPathRows;
    } else if (!grid.OneToOne()) {
        plot.scaleX = grid.ScaleX();
        plot.scaleY = grid.ScaleY();
    }
    return plot;
}

// Raster plot columns and rows are device pixels counted from the grid's origin.
int PlotColumn(const CurvePlot& plot, int x) {
    return plot.path ? x * kPathColumns : plot.grid.X(x) - plot.grid.OriginX();
}

int PlotRow(const CurvePlot& plot, int y) {
    return plot.path ? y * kPathRows : plot.grid.Y(y) - plot.grid.OriginY();
}

CurvePlot MakeCurvePlot(const ChartGeometry& g, const DeviceGrid& grid) {
    CurvePlot plot = PlotOn(grid);
    const auto column = [&plot](int x) { return PlotColumn(plot, x); };
    plot.first = column(g.left + 1);
    plot.last = plot.path ? column(g.right) : column(g.right + 1) - 1;
    plot.lastOverall = plot.path ? column(g.right - 1) : column(g.right) - 1;
    plot.zeroRow = PlotRow(plot, g.midY);
    plot.amp = g.amp * plot.scaleY;
    return plot;
}

std::int32_t CurveValue(const ChartGeometry& g, const CurvePlot& plot, int period, std::int32_t r,
                        int c) {
    // One to one the scales are 1 and this is the chart's own pixel arithmetic, bit for bit.
    const double angle = 2 * std::numbers::pi *
                         ((c / plot.scaleX - g.left) + static_cast<double>(r) * g.dayW) /
                         (static_cast<double>(period) * g.dayW);
    return static_cast<std::int32_t>(plot.amp * std::sin(angle));
}

void ComputeCurveValues(const ChartGeometry& g, const CurvePlot& plot, int period, std::int32_t r,
                        std::vector<std::int32_t>& values) {
    if (values.size() < static_cast<std::size_t>(plot.last) + 1) {
        values.resize(static_cast<std::size_t>(plot.last) + 1);
    }
    for (int c = plot.first; c <= plot.last; ++c) {
        values[static_cast<std::size_t>(c)] = CurveValue(g, plot, period, r, c);
    }
}

void DrawChartBackground(QPainter& p, const ChartScene& s, std::int32_t startDay) {
    const ChartGeometry& g = s.geometry;
    p.fillRect(QRect(0, 0, g.width, g.height), ToQColor(kWhite));
    DrawDayFrame(p, g, kChartDays);
    const int top = g.midY - g.half;
    const int bottom = g.midY + g.half;
    if (s.showPointer) {
        p.setPen(SolidPen(kBlack));
        p.setBrush(ToQColor(s.pointerColour));
        Rectangle(p, g.ColumnX(kPointerColumn), bottom, g.ColumnX(kPointerColumn + 1) + 1, top);
    }
    p.setPen(SolidPen(kGrey));
    StraightLine(p, g.left, g.midY, g.right, g.midY);
    p.setPen(SolidPen(kBlack));
    p.setBrush(Qt::NoBrush);
    const CivilDate first = DecodeDate(startDay);
    TextOut(p, g.left + g.dayW / 2, (g.band - g.textH) / 2,
            QUtf8(MonthYearText(first.month, first.year)), kBlack);
    DrawDaysRow(p, s, startDay);
}

void DrawDayFrame(QPainter& p, const ChartGeometry& g, int days) {
    p.setPen(SolidPen(kGrey));
    const int top = g.midY - g.half;
    const int bottom = g.midY + g.half;
    StraightLine(p, g.left, top, g.ColumnX(days), top);
    StraightLine(p, g.left, bottom, g.ColumnX(days), bottom);
    for (int j = 0; j <= days; ++j) {
        StraightLine(p, g.ColumnX(j), bottom, g.ColumnX(j), top);
    }
}

int WeekdayRowY(const ChartGeometry& g) {
    return static_cast<int>(g.height - g.band - g.textH * 1.25);
}

std::optional<QFont> DateRowFont(const QFont& pageFont, int dayW) {
    // A day's texts keep a pixel clear of the grid line on either side.
    return FitFont(pageFont, DateRowTexts(), dayW - 2);
}

void DrawDayLabels(QPainter& p, const ChartGeometry& g, int k, int day, int weekday, int weekdayY) {
    const Colour colour = weekday == 1 ? kRed : kBlack;
    const QString number = QString::number(day);
    const QString abbrev = QUtf8(kWeekdayAbbrev[static_cast<std::size_t>(weekday)]);
    TextOut(p, g.ColumnX(k) + (g.dayW - TextWidth(p, number)) / 2, g.dayRowY, number, colour);
    TextOut(p, g.ColumnX(k) + (g.dayW - TextWidth(p, abbrev)) / 2, weekdayY, abbrev, colour);
}

void DrawDailyBar(QPainter& p, const ChartGeometry& g, const BarColours& colours, int k,
                  std::int32_t value) {
    p.setBrush(ToQColor(colours[static_cast<std::size_t>(WeatherBand(value))]));
    const int h = static_cast<int>((value * 0.02 - 1) * g.barScale);
    Rectangle(p, g.ColumnX(k), g.midY, g.ColumnX(k + 1) + 1, g.midY - h);
}

void DrawDailyBar(QPainter& p, const ChartScene& s, int k, std::int32_t value) {
    DrawDailyBar(p, s.geometry, s.barColours, k, value);
}

int DrawLegend(QPainter& p, const ChartGeometry& g, const ChartAttribTable& pens,
               std::span<const RhythmId> curves, std::optional<RhythmId> overall) {
    const int y = g.bottomTextY;
    const int lineY = y + g.textH / 2;
    int o = 0;
    int end = g.legendX;
    const auto entry = [&](RhythmId slot, const QString& name) {
        const ChartAttrib& pen = pens[static_cast<std::size_t>(slot)];
        TextOut(p, g.legendX + o, y, name, pen.colour);
        p.setPen(PenOf(pen));
        const int e = o + TextWidth(p, name);
        end = g.legendX + e + 7 + 40;
        StraightLine(p, g.legendX + e + 7, lineY, end, lineY);
        o = e + 60;
    };
    for (const RhythmId slot : curves) {
        entry(slot, QUtf8(RhythmName(slot)));
    }
    if (overall) {
        entry(*overall, QStringLiteral("Overall"));
    }
    p.setPen(SolidPen(kBlack));
    return end;
}

void DrawLegend(QPainter& p, const ChartScene& s) {
    const ChartPageInfo& info = PageInfo(s.page);
    const std::span<const RhythmId> curves(info.curves.data(),
                                           static_cast<std::size_t>(info.slotCount));
    DrawLegend(p, s.geometry, s.pens, curves,
               s.graphMode == static_cast<int>(GraphMode::Line) ? std::optional(info.overall)
                                                                : std::nullopt);
}

QPoint SideMarkAt(const ChartGeometry& g, int index) {
    const int x = g.left + 1 + (g.dayW - kSideMarkWidth) / 2;
    const int y = index == 0 ? g.dayRowY : g.midY;
    return {x, y + (g.half - kSideMarkHeight) / 2};
}

void DrawSideMarks(QPainter& p, const ChartScene& s) {
    if (!s.drawPicture) {
        return;
    }
    for (const int i : {0, 1}) {
        s.drawPicture(p, SideMarkAt(s.geometry, i), ChartPicture::SideMark, i);
    }
}

QImage RenderChart(const ChartScene& scene, PaintBuffers& buffers, qreal devicePixelRatio) {
    const QSize logical(scene.geometry.width, scene.geometry.height);
    QImage image(logical * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter p(&image);
    PaintChartPage(p, scene, buffers);
    return image;
}

bool BeginChartPage(QPainter& p, const ChartScene& s, PaintBuffers& buffers, std::int32_t& startDay,
                    CurvePlot& plot) {
    const ChartGeometry& g = s.geometry;
    if (g.dayW <= 0 || g.height <= 0) {
        return false;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(s.font);
    startDay = ChartStartDay(s.date);
    DrawChartBackground(p, s, startDay);
    plot = MakeCurvePlot(g, DeviceGrid(p));
    if (buffers.sum.size() < static_cast<std::size_t>(plot.last) + 1) {
        buffers.sum.resize(static_cast<std::size_t>(plot.last) + 1);
    }
    return true;
}

void PaintChartPage(QPainter& p, const ChartScene& s, PaintBuffers& buffers) {
    if (s.page == ChartPage::Compatibility) {
        PaintCompatibilityPage(p, s, buffers);
        return;
    }
    std::int32_t start = 0;
    CurvePlot plot;
    if (!BeginChartPage(p, s, buffers, start, plot)) {
        return;
    }
    const ChartGeometry& g = s.geometry;

    const bool bars = s.graphMode == static_cast<int>(GraphMode::Histogram);
    if (bars || s.page == ChartPage::Primary) {
        DayRhythms day;
        for (int k = 0; k < kChartDays; ++k) {
            ComputeDayRhythms(s.birth1, AddDays(start, k), day, s.page == ChartPage::IChing);
            if (bars) {
                DrawDailyBar(p, s, k, BarValue(s.page, day));
            }
            if (s.page == ChartPage::Primary && day.criticalCount > 0 && s.drawPicture) {
                const QPoint at(g.left + 1 + (g.dayW - kDotsWidth) / 2 + k * g.dayW,
                                g.band + (g.dayRowY - g.band) / 2 - 1);
                s.drawPicture(p, at, ChartPicture::CriticalDots, day.criticalCount - 1);
            }
        }
    }
    p.setBrush(Qt::NoBrush);

    CurveValues values(g, plot, DaysLived(s.birth1, start), buffers);
    DrawCurvesAndSum(p, s, plot, values, buffers);
    if (s.graphMode == static_cast<int>(GraphMode::Line)) {
        const ChartAttrib& pen = s.pens[static_cast<std::size_t>(PageInfo(s.page).overall)];
        const auto& sum = buffers.sum;
        DrawCurve(p, plot, pen, plot.first, plot.lastOverall, buffers,
                  [&sum](int x) { return RoundHalfUp(sum[x] * (1.0 / 3)); });
    }
    DrawLegend(p, s);
    DrawSideMarks(p, s);
    const QString lived = QStringLiteral("Days lived: %1").arg(DaysLived(s.birth1, s.date));
    TextOut(p, g.right - TextWidth(p, lived) - 5, g.bottomTextY, lived, kBlack);
    p.restore();
}

}  // namespace vitalune::paint
