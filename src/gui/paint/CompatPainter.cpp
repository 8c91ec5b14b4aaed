#include "gui/paint/CompatPainter.h"

#include <QPainter>

#include "core/engine/Compatibility.h"
#include "core/engine/Rhythm.h"
#include "gui/paint/ChartPainter.h"
#include "gui/paint/GdiCanvas.h"

namespace vitalune::paint {

namespace {

constexpr std::array<RhythmId, 3> kPrimary = {RhythmId::Physical, RhythmId::Emotional,
                                              RhythmId::Intellectual};

// values[person * 3 + rhythm] hold the pixel values of both persons' primary rhythms.
void ComputeBothPersons(const ChartScene& s, const CurvePlot& plot, std::int32_t start,
                        PaintBuffers& buffers) {
    const DateTime births[2] = {s.birth1, s.birth2};
    for (int person = 0; person < 2; ++person) {
        const std::int32_t d = DaysLived(births[person], start);
        for (int i = 0; i < 3; ++i) {
            const int period = RhythmCatalogue(kPrimary[static_cast<std::size_t>(i)]).period;
            ComputeCurveValues(s.geometry, plot, period, d % period,
                               buffers.values[static_cast<std::size_t>(person * 3 + i)]);
        }
    }
}

void DrawBars(QPainter& p, const ChartScene& s, std::int32_t start) {
    DayRhythms one;
    DayRhythms two;
    for (int k = 0; k < kChartDays; ++k) {
        ComputeDayRhythms(s.birth1, AddDays(start, k), one, false);
        ComputeDayRhythms(s.birth2, AddDays(start, k), two, false);
        DrawDailyBar(p, s, k, RoundHalfUp((static_cast<double>(one.overall) + two.overall) * 0.5));
    }
}

void DrawDetailCurves(QPainter& p, const CurvePlot& plot, PaintBuffers& buffers) {
    for (int person = 0; person < 2; ++person) {
        for (int i = 0; i < 3; ++i) {
            const ChartAttrib pen{kDetailColours[person][i], static_cast<int>(PenStyle::Dot), 1};
            const auto& v = buffers.values[static_cast<std::size_t>(person * 3 + i)];
            DrawCurve(p, plot, pen, plot.first, plot.last, buffers, [&v](int x) { return v[x]; });
        }
    }
}

void DrawMeanCurves(QPainter& p, const ChartScene& s, const CurvePlot& plot,
                    PaintBuffers& buffers) {
    auto& sum = buffers.sum;
    for (int i = 0; i < 3; ++i) {
        ChartAttrib pen = s.pens[static_cast<std::size_t>(kPrimary[static_cast<std::size_t>(i)])];
        if (s.showDetails) {
            pen.width = 2;
        }
        const auto& a = buffers.values[static_cast<std::size_t>(i)];
        const auto& b = buffers.values[static_cast<std::size_t>(3 + i)];
        DrawCurve(p, plot, pen, plot.first, plot.lastOverall, buffers,
                  [&a, &b](int x) { return (a[x] + b[x]) / 2; });
        for (int x = plot.first; x <= plot.lastOverall; ++x) {
            const std::int32_t half = RoundHalfUp((a[x] + b[x]) * 0.5);
            sum[x] = (i == 0 ? 0 : sum[x]) + half;
        }
    }
}

// The legend with details: coloured pieces, each after the text drawn before it.
void DrawDetailLegend(QPainter& p, const ChartScene& s) {
    const ChartGeometry& g = s.geometry;
    QString drawn;
    const auto piece = [&](const QString& text, Colour colour, const QString& counted) {
        TextOut(p, g.legendX + TextWidth(p, drawn), g.bottomTextY, text, colour);
        drawn += counted;
    };
    const auto pen = [&s](RhythmId slot) { return s.pens[static_cast<std::size_t>(slot)].colour; };
    const QString two = QStringLiteral("Two   ");
    piece(QStringLiteral("Physical = "), pen(RhythmId::Physical), QStringLiteral("Physical = "));
    piece(QStringLiteral("One + "), kDetailColours[0][0], QStringLiteral("One + "));
    piece(two, kDetailColours[1][0], two);
    piece(QStringLiteral("Emotional = "), pen(RhythmId::Emotional), QStringLiteral("Emotional = "));
    piece(QStringLiteral("One + "), kDetailColours[0][1], QStringLiteral("One + "));
    piece(two, kDetailColours[1][1], two);
    piece(QStringLiteral("Intellectual = "), pen(RhythmId::Intellectual),
          QStringLiteral("Intellectual = "));
    piece(QStringLiteral("One + "), kDetailColours[0][2], QStringLiteral("One + "));
    piece(QStringLiteral("Two"), kDetailColours[1][2], two);
    if (s.graphMode == static_cast<int>(GraphMode::Line)) {
        piece(QStringLiteral("Overall"), pen(RhythmId::PrimaryOverall), QStringLiteral("Overall"));
    }
}

}  // namespace

void PaintCompatibilityPage(QPainter& p, const ChartScene& s, PaintBuffers& buffers) {
    std::int32_t start = 0;
    CurvePlot plot;
    if (!BeginChartPage(p, s, buffers, start, plot)) {
        return;
    }
    const ChartGeometry& g = s.geometry;
    if (s.graphMode == static_cast<int>(GraphMode::Histogram)) {
        DrawBars(p, s, start);
    }
    p.setBrush(Qt::NoBrush);
    ComputeBothPersons(s, plot, start, buffers);
    if (s.showDetails) {
        DrawDetailCurves(p, plot, buffers);
    }
    DrawMeanCurves(p, s, plot, buffers);
    if (s.graphMode == static_cast<int>(GraphMode::Line)) {
        const ChartAttrib& pen = s.pens[static_cast<std::size_t>(RhythmId::PrimaryOverall)];
        const auto& sum = buffers.sum;
        DrawCurve(p, plot, pen, plot.first, plot.lastOverall, buffers,
                  [&sum](int x) { return RoundHalfUp(sum[x] / 3.0); });
        p.setPen(SolidPen(kBlack));
    }
    // Text on this page stands on white.
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(ToQColor(kWhite));
    if (s.showDetails) {
        DrawDetailLegend(p, s);
    } else {
        DrawLegend(p, s);
    }
    DrawSideMarks(p, s);
    const std::int32_t mutual = ComputeCompatibility(s.birth1, s.birth2)[CompatField::Overall];
    const QString line = QStringLiteral("Mutual compatibility: %1% ").arg(mutual);
    TextOut(p, g.right - TextWidth(p, line), g.bottomTextY, line, kBlack);
    p.restore();
}

}  // namespace vitalune::paint
