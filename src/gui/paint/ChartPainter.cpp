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
#include "gui/platform/Utf8Text.h"

namespace vitalune::paint {

namespace {

constexpr Colour kWhite = 0x00FFFFFF;
constexpr Colour kBlack = 0x00000000;
constexpr Colour kGrey = 0x00808080;
constexpr Colour kRed = 0x000000FF;

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
    CurveValues(const ChartGeometry& g, std::int32_t daysLived, PaintBuffers& buffers)
        : m_g(g), m_d(daysLived), m_buffers(buffers) {}

    const std::vector<std::int32_t>& Of(RhythmId single) {
        const int period = RhythmCatalogue(single).period;
        const int i = PeriodIndex(period);
        auto& values = m_buffers.values[static_cast<std::size_t>(i)];
        if (!m_done[static_cast<std::size_t>(i)]) {
            ComputeCurveValues(m_g, period, m_d % period, values);
            m_done[static_cast<std::size_t>(i)] = true;
        }
        return values;
    }

  private:
    const ChartGeometry& m_g;
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

void DrawDaysRow(QPainter& p, const ChartScene& s, std::int32_t startDay) {
    const ChartGeometry& g = s.geometry;
    const CivilDate first = DecodeDate(startDay);
    int day = first.day;
    int month = first.month;
    int year = first.year;
    int monthLength = DaysInMonth(year, month);
    int weekday = DayOfWeek(startDay);
    const int labelY = (g.band - g.textH) / 2;
    const int weekdayY = static_cast<int>(g.height - g.band - g.textH * 1.25);
    const int pointerMiddle = g.ColumnX(kPointerColumn) + g.dayW / 2;
    for (int k = 0; k < kChartDays; ++k) {
        const Colour colour = weekday == 1 ? kRed : kBlack;
        const QString number = QString::number(day);
        const QString abbrev = QUtf8(kWeekdayAbbrev[static_cast<std::size_t>(weekday)]);
        TextOut(p, g.ColumnX(k) + (g.dayW - TextWidth(p, number)) / 2, g.dayRowY, number, colour);
        TextOut(p, g.ColumnX(k) + (g.dayW - TextWidth(p, abbrev)) / 2, weekdayY, abbrev, colour);
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

void DrawCurvesAndSum(QPainter& p, const ChartScene& s, CurveValues& values,
                      std::vector<std::int32_t>& sum, std::vector<QRect>& runs) {
    const ChartGeometry& g = s.geometry;
    const ChartPageInfo& info = PageInfo(s.page);
    const int first = g.left + 1;
    for (int i = 0; i < info.slotCount; ++i) {
        const RhythmId slot = info.curves[static_cast<std::size_t>(i)];
        const RhythmInfo& rhythm = RhythmCatalogue(slot);
        const ChartAttrib& pen = s.pens[static_cast<std::size_t>(slot)];
        const bool adds = slot != RhythmId::Intuitive;  // not part of the primary overall
        if (rhythm.componentCount == 0) {
            const auto& v = values.Of(slot);
            DrawCurve(p, g, pen, first, g.right, runs, [&v](int x) { return v[x]; });
            if (adds) {
                for (int x = first; x <= g.right; ++x) {
                    sum[x] = (i == 0 ? 0 : sum[x]) + v[x];
                }
            }
            continue;
        }
        const auto& a = values.Of(rhythm.components[0]);
        const auto& b = values.Of(rhythm.components[1]);
        DrawCurve(p, g, pen, first, g.right, runs, [&a, &b](int x) { return (a[x] + b[x]) / 2; });
        for (int x = first; x <= g.right; ++x) {
            const std::int32_t half = RoundHalfUp((a[x] + b[x]) * 0.5);
            sum[x] = (i == 0 ? 0 : sum[x]) + half;
        }
    }
}

}  // namespace

std::int32_t ChartStartDay(DateTime date) {
    return AddDays(WholeDay(date), -kPointerColumn);
}

std::int32_t CurveValue(const ChartGeometry& g, int period, std::int32_t r, int x) {
    const double angle = 2 * std::numbers::pi * ((x - g.left) + static_cast<double>(r) * g.dayW) /
                         (static_cast<double>(period) * g.dayW);
    return static_cast<std::int32_t>(g.amp * std::sin(angle));
}

void ComputeCurveValues(const ChartGeometry& g, int period, std::int32_t r,
                        std::vector<std::int32_t>& values) {
    if (values.size() < static_cast<std::size_t>(g.right) + 1) {
        values.resize(static_cast<std::size_t>(g.right) + 1);
    }
    for (int x = g.left + 1; x <= g.right; ++x) {
        values[static_cast<std::size_t>(x)] = CurveValue(g, period, r, x);
    }
}

void DrawChartBackground(QPainter& p, const ChartScene& s, std::int32_t startDay) {
    const ChartGeometry& g = s.geometry;
    p.fillRect(QRect(0, 0, g.width, g.height), ToQColor(kWhite));
    p.setPen(SolidPen(kGrey));
    const int top = g.midY - g.half;
    const int bottom = g.midY + g.half;
    StraightLine(p, g.left, top, g.right, top);
    StraightLine(p, g.left, bottom, g.right, bottom);
    for (int j = 0; j <= kChartDays; ++j) {
        StraightLine(p, g.ColumnX(j), bottom, g.ColumnX(j), top);
    }
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

void DrawDailyBar(QPainter& p, const ChartScene& s, int k, std::int32_t value) {
    const ChartGeometry& g = s.geometry;
    p.setBrush(ToQColor(s.barColours[static_cast<std::size_t>(WeatherBand(value))]));
    const int h = static_cast<int>((value * 0.02 - 1) * g.barScale);
    Rectangle(p, g.ColumnX(k), g.midY, g.ColumnX(k + 1) + 1, g.midY - h);
}

void DrawLegend(QPainter& p, const ChartScene& s) {
    const ChartGeometry& g = s.geometry;
    const ChartPageInfo& info = PageInfo(s.page);
    const int y = g.bottomTextY;
    const int lineY = y + g.textH / 2;
    int o = 0;
    const auto entry = [&](RhythmId slot, const QString& name) {
        const ChartAttrib& pen = s.pens[static_cast<std::size_t>(slot)];
        TextOut(p, g.legendX + o, y, name, pen.colour);
        p.setPen(PenOf(pen));
        const int e = o + TextWidth(p, name);
        StraightLine(p, g.legendX + e + 7, lineY, g.legendX + e + 7 + 40, lineY);
        o = e + 60;
    };
    for (int i = 0; i < info.slotCount; ++i) {
        const RhythmId slot = info.curves[static_cast<std::size_t>(i)];
        entry(slot, QUtf8(RhythmName(slot)));
    }
    if (s.graphMode == static_cast<int>(GraphMode::Line)) {
        entry(info.overall, QStringLiteral("Overall"));
    }
    p.setPen(SolidPen(kBlack));
}

void DrawSideMarks(QPainter& p, const ChartScene& s) {
    if (!s.drawPicture) {
        return;
    }
    const ChartGeometry& g = s.geometry;
    const int x = g.left + 1 + (g.dayW - kSideMarkWidth) / 2;
    s.drawPicture(p, QPoint(x, g.dayRowY + (g.half - kSideMarkHeight) / 2), ChartPicture::SideMark,
                  0);
    s.drawPicture(p, QPoint(x, g.midY + (g.half - kSideMarkHeight) / 2), ChartPicture::SideMark, 1);
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

bool BeginChartPage(QPainter& p, const ChartScene& s, PaintBuffers& buffers,
                    std::int32_t& startDay) {
    const ChartGeometry& g = s.geometry;
    if (g.dayW <= 0 || g.height <= 0) {
        return false;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(s.font);
    startDay = ChartStartDay(s.date);
    DrawChartBackground(p, s, startDay);
    if (buffers.sum.size() < static_cast<std::size_t>(g.right) + 1) {
        buffers.sum.resize(static_cast<std::size_t>(g.right) + 1);
    }
    return true;
}

void PaintChartPage(QPainter& p, const ChartScene& s, PaintBuffers& buffers) {
    if (s.page == ChartPage::Compatibility) {
        PaintCompatibilityPage(p, s, buffers);
        return;
    }
    std::int32_t start = 0;
    if (!BeginChartPage(p, s, buffers, start)) {
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

    CurveValues values(g, DaysLived(s.birth1, start), buffers);
    DrawCurvesAndSum(p, s, values, buffers.sum, buffers.runs);
    if (s.graphMode == static_cast<int>(GraphMode::Line)) {
        const ChartAttrib& pen = s.pens[static_cast<std::size_t>(PageInfo(s.page).overall)];
        const auto& sum = buffers.sum;
        DrawCurve(p, g, pen, g.left + 1, g.right - 1, buffers.runs,
                  [&sum](int x) { return RoundHalfUp(sum[x] * (1.0 / 3)); });
    }
    DrawLegend(p, s);
    DrawSideMarks(p, s);
    const QString lived = QStringLiteral("Days lived: %1").arg(DaysLived(s.birth1, s.date));
    TextOut(p, g.right - TextWidth(p, lived) - 5, g.bottomTextY, lived, kBlack);
    p.restore();
}

}  // namespace vitalune::paint
