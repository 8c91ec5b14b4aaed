#include "gui/paint/CalendarPainter.h"

#include <QPainter>
#include <span>

#include "core/engine/DateText.h"
#include "core/engine/DayWeather.h"
#include "core/engine/Rhythm.h"
#include "core/reports/HtmlWriter.h"
#include "gui/paint/ChartPainter.h"
#include "gui/paint/GdiCanvas.h"
#include "gui/paint/PictureFont.h"
#include "gui/platform/Utf8Text.h"

namespace vitalune::paint {

namespace {

constexpr int kW = kCalendarPageSize.width();
constexpr int kH = kCalendarPageSize.height();

constexpr std::array<RhythmId, 4> kPrimaries = {RhythmId::Physical, RhythmId::Emotional,
                                                RhythmId::Intellectual, RhythmId::Intuitive};
constexpr int kBarHeight = 62;  // a cell bar at 100 %
constexpr int kBarWidth = 7;
constexpr int kBarPitch = 8;
constexpr Colour kBarEdge = 0x00C0C0C0;
constexpr QSize kExplainSize{200, 150};
constexpr std::array<std::int32_t, 4> kSampleBars = {75, 90, 33, 60};

using MonthDays = std::array<DayRhythms, 31>;

int Trunc(double v) {
    return static_cast<int>(v);
}

// The height of a text is the line height of its font, whatever its letters ("By", "1").
int TextHeight(const QPainter& p) {
    return p.fontMetrics().height();
}

void Centred(QPainter& p, int left, int width, int y, const QString& text, Colour colour) {
    TextOut(p, left + (width - TextWidth(p, text)) / 2, y, text, colour);
}

void Picture(QPainter& p, const CalendarScene& s, QPoint at, CalendarPicture kind, int index) {
    if (s.drawPicture) {
        s.drawPicture(p, at, kind, index);
    }
}

// Physical, Emotional, Intellectual and Intuitive side by side, standing on y + 62.
void DrawCellBars(QPainter& p, const ChartAttribTable& pens, int x, int y,
                  const std::array<std::int32_t, 4>& percent) {
    const int base = y + kBarHeight;
    for (std::size_t i = 0; i < kPrimaries.size(); ++i) {
        const int h = Trunc(kBarHeight * percent[i] * 0.01);
        if (h <= 0) {
            continue;
        }
        const int left = x + static_cast<int>(i) * kBarPitch;
        p.setPen(Qt::NoPen);
        p.setBrush(ToQColor(pens[static_cast<std::size_t>(kPrimaries[i])].colour));
        Rectangle(p, left, base - h, left + kBarWidth, base);
        p.setPen(SolidPen(kBarEdge));
        StraightLine(p, left + kBarWidth - 1, base - h, left + kBarWidth - 1, base);
    }
    p.setPen(SolidPen(kBlack));
    p.setBrush(Qt::NoBrush);
}

// The month's four primary rhythms over its days, laid out as a chart page is, so that the
// chart's own frame, bars, curves, legend and side marks draw it.
void PaintMonthChart(QPainter& p, const CalendarScene& s, const QRect& box, std::int32_t first,
                     const MonthDays& days, CalendarLayout& layout) {
    const int n = layout.days;
    const int th = TextHeight(p);
    ChartGeometry g;
    g.width = box.right();  // the box's far edges, as a page's width and height are
    g.height = box.bottom();
    g.textH = th;
    g.band = Trunc(th * 1.5);
    g.left = box.left();
    g.dayW = (box.right() - box.left()) / n;
    g.right = g.ColumnX(n);
    g.half = (box.bottom() - box.top() - g.band) / 2;
    g.midY = box.top() + g.half;
    g.amp = Trunc(g.half * 0.75);
    g.barScale = Trunc(g.amp * 0.7);
    g.dayRowY = box.top() + 9;
    g.legendX = g.left + 5;
    g.bottomTextY = box.bottom() - 15;
    layout.columnWidth = g.dayW;
    if (g.dayW <= 0 || g.half <= 0) {
        return;
    }

    DrawDayFrame(p, g, n);
    StraightLine(p, g.left, g.midY, g.right, g.midY);
    p.setPen(SolidPen(kBlack));
    p.setBrush(ToQColor(kWhite));

    const QFont pageFont = p.font();
    if (const std::optional<QFont> rowFont = DateRowFont(pageFont, g.dayW)) {
        p.setFont(*rowFont);
        const int weekdayY = WeekdayRowY(g);
        int weekday = DayOfWeek(first);
        for (int i = 0; i < n; ++i) {
            DrawDayLabels(p, g, i, i + 1, weekday, weekdayY);
            weekday = weekday % 7 + 1;
        }
        p.setFont(pageFont);
    }

    for (int i = 0; i < n; ++i) {
        const DayRhythms& day = days[static_cast<std::size_t>(i)];
        if (s.dailyBars) {
            DrawDailyBar(p, g, s.barColours, i, day.overall);
        }
        if (day.criticalCount > 0) {
            const QPoint at(g.left + 1 + (g.dayW - kDotsWidth) / 2 + i * g.dayW, box.top() + 3);
            Picture(p, s, at, CalendarPicture::CriticalDots, day.criticalCount - 1);
        }
    }
    p.setBrush(Qt::NoBrush);

    const std::int32_t lived = DaysLived(s.birth, first);
    const CurvePlot plot = MakeCurvePlot(g, DeviceGrid(p));
    PaintBuffers buffers;
    for (std::size_t i = 0; i < kPrimaries.size(); ++i) {
        const int period = RhythmCatalogue(kPrimaries[i]).period;
        auto& values = buffers.values[i];
        ComputeCurveValues(g, plot, period, lived % period, values);
        DrawCurve(p, plot, s.pens[static_cast<std::size_t>(kPrimaries[i])], plot.first, plot.last,
                  buffers, [&](int c) { return values[static_cast<std::size_t>(c)]; });
    }

    const int legendEnd = DrawLegend(p, g, s.pens, kPrimaries, std::nullopt);
    if (s.showAge) {
        const CivilDate date = DecodeDate(first);
        const QString text = QStringLiteral("Days lived on %1 1, %2: %3")
                                 .arg(QUtf8(kMonthNames[static_cast<std::size_t>(date.month)]))
                                 .arg(date.year)
                                 .arg(lived);
        // In a wide picture font the text would run into the legend: it gets smaller instead.
        if (const auto font = FitFont(pageFont, {text}, g.right - 5 - (legendEnd + 10))) {
            p.setFont(*font);
        }
        TextOut(p, g.right - 5 - TextWidth(p, text), g.bottomTextY, text, kBlack);
        p.setFont(pageFont);
    }
    for (const int i : {0, 1}) {
        Picture(p, s, SideMarkAt(g, i), CalendarPicture::SideMark, i);
    }
}

void PaintDayGrid(QPainter& p, const CalendarScene& s, const QRect& box, std::int32_t first,
                  const MonthDays& days, CalendarLayout& layout) {
    const int x1 = box.left();
    const int y1 = box.top();
    const int c = (box.right() - x1) / 7;
    layout.cell = c;

    const QFont pageFont = p.font();
    p.setFont(InPixels(s.dayNamesFont.font));
    for (int column = 0; column < 7; ++column) {
        const Colour colour = column == 0 ? kRed : FromQColor(s.dayNamesFont.colour);
        Centred(p, x1 + column * c, c, y1,
                QUtf8(kWeekdayAbbrev[static_cast<std::size_t>(column + 1)]), colour);
    }

    p.setFont(InPixels(s.digitsFont.font));
    const int numberTop = 77 - TextHeight(p);
    const Colour digits = FromQColor(s.digitsFont.colour);
    int column = DayOfWeek(first) - 1;
    int x = Trunc(x1 + column * c + c * 0.15);
    int y = y1 + c / 2;
    for (int k = 1; k <= layout.days; ++k) {
        const DayRhythms& day = days[static_cast<std::size_t>(k - 1)];
        layout.cellOrigins[static_cast<std::size_t>(k - 1)] = QPoint(x, y);
        Centred(p, x + 34, 40, y + numberTop, QString::number(k), column == 0 ? kRed : digits);
        if (day.criticalCount > 0) {
            Picture(p, s, QPoint(x + 43, y), CalendarPicture::CriticalDots, day.criticalCount - 1);
        }
        DrawCellBars(p, s.pens, x, y, day.percent);
        Picture(p, s, QPoint(x + 37, y + 5), CalendarPicture::BigWeather, WeatherBand(day.overall));
        if (column == 6) {
            column = 0;
            x = Trunc(x1 + c * 0.15);
            y += c;
        } else {
            ++column;
            x += c;
        }
    }
    p.setFont(pageFont);

    const QPoint explain(box.right() - 210, box.bottom() - kExplainSize.height());
    Picture(p, s, explain, CalendarPicture::BarExplain, 0);
    const QPoint sample = explain + QPoint(62, 37);
    p.setPen(Qt::NoPen);
    p.setBrush(ToQColor(kWhite));
    Rectangle(p, sample.x(), sample.y(), sample.x() + 33, sample.y() + kBarHeight);
    // Four bars are 31 pixels wide: a pixel of white either side.
    DrawCellBars(p, s.pens, sample.x() + 1, sample.y(), kSampleBars);

    const QString footer =
        QStringLiteral("Vitalune v" VITALUNE_VERSION "    ") + QUtf8(kProductSiteText);
    TextOut(p, x1 + 5, box.bottom() - 15, footer, kBlack);
}

}  // namespace

CalendarLayout PaintCalendar(QPainter& p, const CalendarScene& scene) {
    CalendarLayout layout;
    const CivilDate shown = DecodeDate(scene.month);
    const std::int32_t first = EncodeDate(shown.year, shown.month, 1);
    layout.days = DaysInMonth(shown.year, shown.month);
    MonthDays days{};
    ComputeDayRhythmsSpan(scene.birth, first,
                          std::span(days.data(), static_cast<std::size_t>(layout.days)), false);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBackgroundMode(Qt::TransparentMode);
    p.fillRect(QRect(QPoint(0, 0), kCalendarPageSize), ToQColor(kWhite));

    const int top = Trunc(kH * 0.02);
    p.setFont(InPixels(scene.monthFont.font));
    const QString heading = QUtf8(kMonthNames[static_cast<std::size_t>(shown.month)]) + u' ' +
                            QString::number(shown.year);
    Centred(p, 0, kW, top, heading, FromQColor(scene.monthFont.colour));
    int y = top + TextHeight(p);
    layout.chartTop = y + 10;
    if (scene.showName) {
        p.setFont(InPixels(scene.nameFont.font));
        QString line = QStringLiteral("for ") + QUtf8(scene.name);
        if (scene.showDob) {
            line += QStringLiteral(", ") + QUtf8(DateText(scene.birth));
        }
        Centred(p, 0, kW, y, line, FromQColor(scene.nameFont.colour));
        layout.chartTop = y + Trunc(TextHeight(p) * 1.5);
    }

    p.setFont(InPixels(scene.pictureFont));
    const int chartBottom = Trunc(top + kH * 0.28);
    layout.chartBox = QRect(QPoint(Trunc(kW * 0.04) - 9, layout.chartTop),
                            QPoint(kW - Trunc(kW * 0.03) + 9, chartBottom));
    PaintMonthChart(p, scene, layout.chartBox, first, days, layout);

    p.setFont(InPixels(scene.pictureFont));
    p.setPen(SolidPen(kBlack));
    layout.gridBox = QRect(QPoint(Trunc(kW * 0.04), Trunc(chartBottom * 1.03)),
                           QPoint(kW - Trunc(kW * 0.03), Trunc(kH * 0.99)));
    PaintDayGrid(p, scene, layout.gridBox, first, days, layout);
    p.restore();
    return layout;
}

}  // namespace vitalune::paint
