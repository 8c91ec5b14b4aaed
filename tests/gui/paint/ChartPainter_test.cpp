#include "gui/paint/ChartPainter.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QTest>
#include <cstdlib>
#include <vector>

#include "core/engine/Compatibility.h"
#include "core/engine/Rhythm.h"
#include "gui/paint/CompatPainter.h"
#include "gui/paint/GdiCanvas.h"

using namespace vitalune;
using namespace vitalune::paint;

namespace {

struct DrawnPicture {
    QPoint at;
    ChartPicture picture;
    int index;
};

QFont TestFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    return font;
}

ChartScene MakeScene(ChartPage page, int w = 751, int h = 353) {
    ChartScene s;
    s.page = page;
    s.font = TestFont();
    s.geometry = ComputeChartGeometry(w, h, QFontMetrics(s.font).height());
    s.date = EncodeDate(2026, 1, 17);  // the chart starts on Thursday 1 January 2026
    s.birth1 = EncodeDate(1980, 1, 5);
    s.birth2 = EncodeDate(1985, 7, 20);
    s.graphMode = 0;
    return s;
}

// Every pen white except one: only that curve shows.
void ShowOnly(ChartScene& s, RhythmId slot, Colour colour = 0x00000000) {
    for (auto& pen : s.pens) {
        pen = {0x00FFFFFF, 0, 1};
    }
    s.pens[static_cast<std::size_t>(slot)] = {colour, 0, 1};
}

QImage Render(const ChartScene& s, qreal dpr = 1.0) {
    PaintBuffers buffers;
    QImage image = RenderChart(s, buffers, dpr);
    static int n = 0;
    if (qEnvironmentVariableIsSet("VITALUNE_DUMP_CHARTS")) {
        image.save(QStringLiteral("/tmp/chart-%1.png").arg(n++));
    }
    return image;
}

QRgb Rgb(Colour c) {
    return ToQColor(c).rgb();
}

bool IsReddish(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 110 && qBlue(c) < 110;
}

int RedPixels(const QImage& img, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += IsReddish(img.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

// Column x shows the frame at top and bottom and the fill between, except where a curve
// crosses (the curves are drawn over the bars).
bool FramedRun(const QImage& img, int x, int top, int bottom, QRgb fill, const ChartGeometry& g) {
    const auto frameOrCurve = [&](int y) {
        const QRgb c = img.pixel(x, y);
        return c == qRgb(0, 0, 0) || c == qRgb(255, 255, 255) || y == g.midY;
    };
    if (!frameOrCurve(top) || !frameOrCurve(bottom)) {
        return false;
    }
    int filled = 0;
    for (int y = top + 1; y < bottom; ++y) {
        filled += img.pixel(x, y) == fill ? 1 : 0;
    }
    const bool outsideClean = img.pixel(x, top - 1) != fill && img.pixel(x, bottom + 1) != fill;
    return outsideClean && filled >= (bottom - top - 1) - 8;
}

int FirstDarkColumn(const QImage& img, int fromX, int toX, int y0, int y1) {
    for (int x = fromX; x < toX; ++x) {
        for (int y = y0; y <= y1; ++y) {
            if (qGray(img.pixel(x, y)) < 160) {
                return x;
            }
        }
    }
    return -1;
}

}  // namespace

class ChartPainterTest : public QObject {
    Q_OBJECT
  private slots:
    void geometryFor751();
    void gridAndPointerColumn();
    void pointerOff();
    void dailyBarsColoursAndHeights();
    void criticalDotsOnBirthDay();
    void sideMarksInFirstColumn();
    void singleCurvePixels();
    void twoComponentCurvePixels();
    void overallCurveIsMeanOfComponents();
    void sundaysAreRed();
    void monthLabels();
    void sharpAtDevicePixelRatio2();
    void compatibilityMeanAndDetails();
    void compatibilityBarsForSameBirth();
    void buffersGrowNeverOverrun();
};

void ChartPainterTest::geometryFor751() {
    const ChartGeometry g = ComputeChartGeometry(751, 353, 16);
    QCOMPARE(g.dayW, 23);
    QCOMPARE(g.left, 7);
    QCOMPARE(g.right, 743);
    QCOMPARE(g.midY, 176);
    QCOMPARE(g.band, 24);
    QCOMPARE(g.half, 152);
    QCOMPARE(g.dayRowY, 34);  // trunc(24 + 6 + 4.8)
    QCOMPARE(g.amp, 121);
    QCOMPARE(g.barScale, 84);
    QCOMPARE(g.legendX, 12);
    QCOMPARE(g.bottomTextY, 353 - 16 - 4);
    QCOMPARE(g.ColumnAt(g.left + 16 * 23), 16);
    QCOMPARE(g.ColumnAt(0), 0);
    QCOMPARE(g.ColumnAt(5000), 31);
    QCOMPARE(g.ColumnX(16), 7 + 16 * 23);
}

void ChartPainterTest::gridAndPointerColumn() {
    ChartScene s = MakeScene(ChartPage::Primary);
    s.pointerColour = 0x00FFE1E1;
    const QImage img = Render(s);
    const ChartGeometry& g = s.geometry;
    const int y = g.midY - g.half + 2;  // above every curve
    for (int j = 0; j <= kChartDays; ++j) {
        const QRgb expected = (j == 16 || j == 17) ? Rgb(0) : Rgb(0x808080);
        QCOMPARE(img.pixel(g.ColumnX(j), y), expected);
        if (j < kChartDays && j != 16) {
            QCOMPARE(img.pixel(g.ColumnX(j) + 1, y), Rgb(0xFFFFFF));
        }
    }
    QCOMPARE(img.pixel(g.ColumnX(16) + 5, y), Rgb(0x00FFE1E1));
    QCOMPARE(img.pixel(g.ColumnX(17) - 1, y), Rgb(0x00FFE1E1));
    QCOMPARE(img.pixel(g.ColumnX(16) + 5, g.midY - g.half), Rgb(0));  // framed
    QCOMPARE(img.pixel(g.ColumnX(3) + 5, g.midY - g.half), Rgb(0x808080));
    QCOMPARE(img.pixel(g.ColumnX(3) + 5, g.midY + g.half), Rgb(0x808080));
    QCOMPARE(img.pixel(g.right, g.midY - g.half), Rgb(0x808080));  // last vertical line
    QCOMPARE(img.pixel(g.left - 1, y), Rgb(0xFFFFFF));
}

void ChartPainterTest::pointerOff() {
    ChartScene s = MakeScene(ChartPage::Secondary);
    s.showPointer = false;
    const QImage img = Render(s);
    const ChartGeometry& g = s.geometry;
    const int y = g.midY - g.half + 2;
    QCOMPARE(img.pixel(g.ColumnX(16) + 5, y), Rgb(0xFFFFFF));
    QCOMPARE(img.pixel(g.ColumnX(16), y), Rgb(0x808080));
}

void ChartPainterTest::dailyBarsColoursAndHeights() {
    ChartScene s = MakeScene(ChartPage::Primary);
    s.birth1 = s.date;  // the rhythms run in step: high and low days within the chart
    s.graphMode = 2;
    s.showPointer = false;
    ShowOnly(s, RhythmId::Intuitive, 0x00FFFFFF);
    const QImage img = Render(s);
    const ChartGeometry& g = s.geometry;
    const std::int32_t start = ChartStartDay(s.date);
    int seen[4] = {};
    for (int k = 0; k < kChartDays; ++k) {
        DayRhythms day;
        ComputeDayRhythms(s.birth1, start + k, day, false);
        const int h = static_cast<int>((day.overall * 0.02 - 1) * g.barScale);
        const int x = g.ColumnX(k) + g.dayW / 2;
        const int band = BarColourIndex(day.overall);
        ++seen[band];
        const QRgb fill = Rgb(s.barColours[static_cast<std::size_t>(band)]);
        // The bar covers rows midY - h .. midY - 1 (or midY .. midY - h - 1), framed.
        const int top = h > 0 ? g.midY - h : g.midY;
        const int bottom = h > 0 ? g.midY - 1 : g.midY - h - 1;
        if (std::abs(h) > 3) {
            QCOMPARE(FramedRun(img, x, top, bottom, fill, g), true);
        }
        // Neighbouring bars share their border column.
        if (std::abs(h) > 1) {
            QCOMPARE(img.pixel(g.ColumnX(k), g.midY + (h > 0 ? -1 : 1)), Rgb(0));
        }
    }
    QVERIFY(seen[0] > 0 && seen[3] > 0);  // the month covers high and low days
    // A value of 50 lies flat on the zero line; 100 rises barScale above it.
    QCOMPARE(static_cast<int>((50 * 0.02 - 1) * g.barScale), 0);
    QCOMPARE(static_cast<int>((100 * 0.02 - 1) * g.barScale), g.barScale);
}

void ChartPainterTest::criticalDotsOnBirthDay() {
    ChartScene s = MakeScene(ChartPage::Primary);
    s.birth1 = s.date;  // every primary rhythm is critical in column 16
    std::vector<DrawnPicture> drawn;
    s.drawPicture = [&drawn](QPainter&, QPoint at, ChartPicture pic, int index) {
        drawn.push_back({at, pic, index});
    };
    Render(s);
    const ChartGeometry& g = s.geometry;
    const QPoint expected(g.left + 1 + (g.dayW - 21) / 2 + 16 * g.dayW,
                          g.band + (g.dayRowY - g.band) / 2 - 1);
    bool found = false;
    for (const DrawnPicture& d : drawn) {
        if (d.picture == ChartPicture::CriticalDots && d.at == expected) {
            QCOMPARE(d.index, 3);  // four dots
            found = true;
        }
    }
    QVERIFY(found);
    // Physical is critical again 11 days later (column 27), alone.
    const QPoint later(expected.x() + 11 * g.dayW, expected.y());
    bool laterFound = false;
    for (const DrawnPicture& d : drawn) {
        if (d.picture == ChartPicture::CriticalDots && d.at == later) {
            QCOMPARE(d.index, 0);
            laterFound = true;
        }
    }
    QVERIFY(laterFound);
    // No dots on the other pages.
    drawn.clear();
    s.page = ChartPage::IChing;
    Render(s);
    for (const DrawnPicture& d : drawn) {
        QVERIFY(d.picture != ChartPicture::CriticalDots);
    }
}

void ChartPainterTest::sideMarksInFirstColumn() {
    ChartScene s = MakeScene(ChartPage::Extra);
    std::vector<DrawnPicture> drawn;
    s.drawPicture = [&drawn](QPainter&, QPoint at, ChartPicture pic, int index) {
        drawn.push_back({at, pic, index});
    };
    Render(s);
    const ChartGeometry& g = s.geometry;
    QCOMPARE(drawn.size(), std::size_t{2});
    const int x = g.left + 1 + (g.dayW - 17) / 2;
    QCOMPARE(drawn[0].at, QPoint(x, g.dayRowY + (g.half - 80) / 2));
    QCOMPARE(drawn[0].index, 0);
    QCOMPARE(drawn[1].at, QPoint(x, g.midY + (g.half - 80) / 2));
    QCOMPARE(drawn[1].index, 1);
}

void ChartPainterTest::singleCurvePixels() {
    ChartScene s = MakeScene(ChartPage::Primary);
    ShowOnly(s, RhythmId::Intuitive, 0x00FF00FF);  // drawn last, so never covered
    s.birth1 = s.date;                             // column 16 starts every rhythm at zero, rising
    const QImage img = Render(s);
    const ChartGeometry& g = s.geometry;
    const std::int32_t r = DaysLived(s.birth1, ChartStartDay(s.date)) % 38;
    QCOMPARE(r, -16);
    QCOMPARE(CurveValue(g, 38, r, g.ColumnX(16)), 0);
    QCOMPARE(img.pixel(g.ColumnX(16), g.midY), Rgb(0x00FF00FF));
    // Like every line, the curve stops before its end point, the pixel at x = right.
    for (int x = g.left + 1; x < g.right; x += 7) {
        const int y = g.midY - CurveValue(g, 38, r, x);
        QCOMPARE(img.pixel(x, y), Rgb(0x00FF00FF));
    }
    // A quarter period after birth the curve is at its top: amp above the zero line.
    const int quarter = g.ColumnX(16) + 38 * g.dayW / 4;
    QVERIFY(CurveValue(g, 38, r, quarter) >= g.amp - 1);
}

void ChartPainterTest::twoComponentCurvePixels() {
    ChartScene s = MakeScene(ChartPage::Secondary);
    ShowOnly(s, RhythmId::Passion, 0x00008000);  // drawn last
    const QImage img = Render(s);
    const ChartGeometry& g = s.geometry;
    const std::int32_t d = DaysLived(s.birth1, ChartStartDay(s.date));
    for (int x = g.left + 1; x < g.right; x += 5) {
        const int va = CurveValue(g, 23, d % 23, x);  // Physical
        const int vb = CurveValue(g, 28, d % 28, x);  // Emotional
        QCOMPARE(img.pixel(x, g.midY - (va + vb) / 2), Rgb(0x00008000));
    }
}

void ChartPainterTest::overallCurveIsMeanOfComponents() {
    for (ChartPage page : {ChartPage::Primary, ChartPage::Secondary, ChartPage::IChing}) {
        ChartScene s = MakeScene(page);
        s.graphMode = 1;
        ShowOnly(s, PageInfo(page).overall, 0x00000000);
        s.showPointer = false;
        const QImage img = Render(s);
        const ChartGeometry& g = s.geometry;
        const std::int32_t d = DaysLived(s.birth1, ChartStartDay(s.date));
        const auto v = [&](int period, int x) { return CurveValue(g, period, d % period, x); };
        for (int x = g.left + 3; x < g.right - 1; x += 11) {
            double mean = 0;
            if (page == ChartPage::Primary) {  // Intuitive is left out
                mean = (v(23, x) + v(28, x) + v(33, x)) * (1.0 / 3);
            } else if (page == ChartPage::IChing) {
                mean = (v(43, x) + v(48, x) + v(53, x)) * (1.0 / 3);
            } else {
                const auto h = [](int a, int b) { return RoundHalfUp((a + b) * 0.5); };
                mean = (h(v(28, x), v(33, x)) + h(v(23, x), v(33, x)) + h(v(23, x), v(28, x))) *
                       (1.0 / 3);
            }
            const int y = g.midY - RoundHalfUp(mean);
            QVERIFY2(img.pixel(x, y) == Rgb(0), qPrintable(QStringLiteral("x %1").arg(x)));
        }
        // The overall curve stops one pixel before the right edge.
        for (int y = g.midY - g.half + 1; y < g.midY + g.half; ++y) {
            if (y != g.midY) {
                QVERIFY(img.pixel(g.right + 1, y) == Rgb(0xFFFFFF));
            }
        }
    }
}

void ChartPainterTest::sundaysAreRed() {
    ChartScene s = MakeScene(ChartPage::Primary);
    const QImage img = Render(s);
    const ChartGeometry& g = s.geometry;
    // 4 January 2026, column 3, is a Sunday; column 4 a Monday.
    const int weekdayY = static_cast<int>(g.height - g.band - g.textH * 1.25);
    const auto numberBox = [&](int k) {
        return QRect(g.ColumnX(k) + 1, g.dayRowY, g.dayW - 2, g.textH);
    };
    const auto weekdayBox = [&](int k) {
        return QRect(g.ColumnX(k) + 1, weekdayY, g.dayW - 2, g.textH);
    };
    QVERIFY(RedPixels(img, numberBox(3)) > 3);
    QVERIFY(RedPixels(img, weekdayBox(3)) > 3);
    QVERIFY(RedPixels(img, numberBox(10)) > 3);  // the next Sunday
    QCOMPARE(RedPixels(img, numberBox(4)), 0);
    QCOMPARE(RedPixels(img, weekdayBox(4)), 0);
}

void ChartPainterTest::monthLabels() {
    const auto labelRows = [](const ChartGeometry& g) {
        return std::pair{(g.band - g.textH) / 2, (g.band - g.textH) / 2 + g.textH - 1};
    };
    {
        // February begins in column 20: its label starts over the middle of column 20.
        ChartScene s = MakeScene(ChartPage::Primary);
        s.date = EncodeDate(2026, 1, 28);
        const QImage img = Render(s);
        const ChartGeometry& g = s.geometry;
        const auto [y0, y1] = labelRows(g);
        const int x = FirstDarkColumn(img, g.ColumnX(16), g.right, y0, y1);
        const int middle = g.ColumnX(20) + g.dayW / 2;
        QVERIFY2(x >= middle - 2 && x <= middle + 3, qPrintable(QString::number(x)));
    }
    {
        // February begins in column 5: its label stands over the middle of column 16.
        ChartScene s = MakeScene(ChartPage::Primary);
        s.date = EncodeDate(2026, 2, 12);
        const QImage img = Render(s);
        const ChartGeometry& g = s.geometry;
        const auto [y0, y1] = labelRows(g);
        const int middle = g.ColumnX(16) + g.dayW / 2;
        const int x = FirstDarkColumn(img, g.ColumnX(12), g.right, y0, y1);
        QVERIFY2(x >= middle - 2 && x <= middle + 3, qPrintable(QString::number(x)));
    }
    {
        // 31 Dec 2025 .. 31 Jan 2026: January begins in column 1 (label over column 16),
        // February would begin in column 32 and gets no label.
        ChartScene s = MakeScene(ChartPage::Primary);
        s.date = EncodeDate(2026, 1, 16);
        const QImage img = Render(s);
        const ChartGeometry& g = s.geometry;
        const auto [y0, y1] = labelRows(g);
        const int middle = g.ColumnX(16) + g.dayW / 2;
        const int x = FirstDarkColumn(img, g.ColumnX(12), g.width, y0, y1);
        QVERIFY2(x >= middle - 2 && x <= middle + 3, qPrintable(QString::number(x)));
        QCOMPARE(FirstDarkColumn(img, g.ColumnX(25), g.width, y0, y1), -1);
        const int first = FirstDarkColumn(img, 0, g.ColumnX(12), y0, y1);
        QVERIFY(first >= g.left + g.dayW / 2 && first <= g.left + g.dayW / 2 + 3);
    }
}

void ChartPainterTest::sharpAtDevicePixelRatio2() {
    ChartScene s = MakeScene(ChartPage::Primary);
    const QImage img = Render(s, 2.0);
    QCOMPARE(img.size(), QSize(751 * 2, 353 * 2));
    const ChartGeometry& g = s.geometry;
    const int y = 2 * (g.midY - g.half + 2);
    for (int j : {0, 5, 31}) {
        const int x = 2 * g.ColumnX(j);
        QCOMPARE(img.pixel(x - 1, y), Rgb(0xFFFFFF));
        QCOMPARE(img.pixel(x, y), Rgb(0x808080));
        QCOMPARE(img.pixel(x + 1, y), Rgb(0x808080));
        QCOMPARE(img.pixel(x + 2, y), Rgb(0xFFFFFF));
    }
    const int top = 2 * (g.midY - g.half);
    QCOMPARE(img.pixel(2 * g.ColumnX(3) + 5, top - 1), Rgb(0xFFFFFF));
    QCOMPARE(img.pixel(2 * g.ColumnX(3) + 5, top), Rgb(0x808080));
    QCOMPARE(img.pixel(2 * g.ColumnX(3) + 5, top + 1), Rgb(0x808080));
    QCOMPARE(img.pixel(2 * g.ColumnX(16) + 5, y), Rgb(s.pointerColour));
}

void ChartPainterTest::compatibilityMeanAndDetails() {
    ChartScene s = MakeScene(ChartPage::Compatibility);
    ShowOnly(s, RhythmId::Intellectual, 0x000000FF);  // the last mean curve
    s.showPointer = false;
    QImage img = Render(s);
    const ChartGeometry& g = s.geometry;
    const std::int32_t start = ChartStartDay(s.date);
    const std::int32_t d1 = DaysLived(s.birth1, start);
    const std::int32_t d2 = DaysLived(s.birth2, start);
    for (int x = g.left + 1; x < g.right; x += 9) {
        const int v1 = CurveValue(g, 33, d1 % 33, x);
        const int v2 = CurveValue(g, 33, d2 % 33, x);
        QCOMPARE(img.pixel(x, g.midY - (v1 + v2) / 2), Rgb(0x000000FF));
    }
    const auto count = [](const QImage& image, Colour c) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                n += image.pixel(x, y) == Rgb(c) ? 1 : 0;
            }
        }
        return n;
    };
    QCOMPARE(count(img, kDetailColours[0][0]), 0);
    s.showDetails = true;
    img = Render(s);
    QVERIFY(count(img, kDetailColours[0][0]) > 100);  // person one's dotted Physical
    QVERIFY(count(img, kDetailColours[1][2]) > 100);  // person two's dotted Intellectual
    // With details, the mean curves are two pixels wide.
    const int x = g.left + 40;
    const int y = g.midY - (CurveValue(g, 33, d1 % 33, x) + CurveValue(g, 33, d2 % 33, x)) / 2;
    int thick = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        thick += img.pixel(x, y + dy) == Rgb(0x000000FF) ? 1 : 0;
    }
    QVERIFY(thick >= 2);
}

void ChartPainterTest::compatibilityBarsForSameBirth() {
    ChartScene s = MakeScene(ChartPage::Compatibility);
    s.birth2 = s.birth1;
    s.graphMode = 2;
    s.showPointer = false;
    ShowOnly(s, RhythmId::Intuitive, 0x00FFFFFF);
    const QImage img = Render(s);
    const ChartGeometry& g = s.geometry;
    const std::int32_t start = ChartStartDay(s.date);
    for (int k = 0; k < kChartDays; ++k) {
        DayRhythms day;
        ComputeDayRhythms(s.birth1, start + k, day, false);
        const int h = static_cast<int>((day.overall * 0.02 - 1) * g.barScale);
        const QRgb fill = Rgb(s.barColours[static_cast<std::size_t>(BarColourIndex(day.overall))]);
        const int x = g.ColumnX(k) + g.dayW / 2 + 3;
        const int top = h > 0 ? g.midY - h : g.midY;
        const int bottom = h > 0 ? g.midY - 1 : g.midY - h - 1;
        if (std::abs(h) > 3) {
            QVERIFY(FramedRun(img, x, top, bottom, fill, g));
        }
    }
    QCOMPARE(ComputeCompatibility(s.birth1, s.birth2)[CompatField::Overall], 100);
}

void ChartPainterTest::buffersGrowNeverOverrun() {
    PaintBuffers buffers;
    buffers.sum.resize(10);
    for (int w : {751, 3840, 400}) {
        ChartScene s = MakeScene(ChartPage::Extra, w, 353);
        s.graphMode = 1;
        RenderChart(s, buffers);
        QVERIFY(buffers.sum.size() >= static_cast<std::size_t>(s.geometry.right) + 1);
    }
    QVERIFY(buffers.sum.size() >= 3841);
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ChartPainterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ChartPainter_test.moc"
