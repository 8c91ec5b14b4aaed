// Charts of 751 x 353 pixels with a text height of 16, so that every position is worked out by
// hand: dayW 23, left 7 (column k starts at x = 7 + 23k), right 743, midY 176, half 152,
// band 24, dayRowY 34, amp 121, barScale 84. Person one was born on 5 January 1980, person
// two on 20 July 1985; the chart runs from 1 January 2026 (16798 days lived) to 1 February.
#include "gui/paint/ChartPainter.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <vector>

#include "gui/paint/CompatPainter.h"
#include "gui/paint/PictureFont.h"

using namespace vitalune;
using namespace vitalune::paint;

namespace {

QFont TestFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    return font;
}

ChartScene MakeScene(ChartPage page, int w = 751, int h = 353) {
    ChartScene s;
    s.page = page;
    s.font = TestFont();
    s.geometry = ComputeChartGeometry(w, h, 16);
    s.date = EncodeDate(2026, 1, 17);
    s.birth1 = EncodeDate(1980, 1, 5);
    s.birth2 = EncodeDate(1985, 7, 20);
    s.graphMode = 0;
    return s;
}

// Every pen white except one: only that curve shows.
void ShowOnly(ChartScene& s, RhythmId slot, Colour colour) {
    for (auto& pen : s.pens) {
        pen = {0x00FFFFFF, 0, 1};
    }
    s.pens[static_cast<std::size_t>(slot)] = {colour, 0, 1};
}

QImage Render(const ChartScene& s, qreal dpr = 1.0) {
    PaintBuffers buffers;
    return RenderChart(s, buffers, dpr);
}

QRgb Rgb(Colour c) {
    return ToQColor(c).rgb();
}

int Count(const QImage& img, QRect area, const std::function<bool(QRgb)>& pick) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += pick(img.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

bool IsReddish(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 110 && qBlue(c) < 110;
}

// The smallest rectangle holding every pixel of the area that is not white.
QRect InkBox(const QImage& img, QRect area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (img.pixel(x, y) != qRgb(255, 255, 255)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// Where the ink of a text lies when its top left corner is at (0, 0).
QRect TextInk(const QString& text) {
    QImage img(300, 40, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setFont(TestFont());
    p.drawText(QRect(0, 0, 300, 40), Qt::AlignLeft | Qt::AlignTop, text);
    p.end();
    return InkBox(img, img.rect());
}

}  // namespace

class ChartPainterTest : public QObject {
    Q_OBJECT
  private slots:
    void geometryFor751();
    void gridAndPointerColumn();
    void dailyBars_data();
    void dailyBars();
    void criticalDotsAndSideMarks();
    void curves_data();
    void curves();
    void legendBelowTheChart();
    void sundaysAreRed();
    void monthLabels_data();
    void monthLabels();
    void sharpAtDevicePixelRatio2();
    void dateRowsStayInTheirColumns_data();
    void dateRowsStayInTheirColumns();
    void oneLineWidthAtEveryScale_data();
    void oneLineWidthAtEveryScale();
    void curvesSmoothAtScale2();
    void compatibilityDetails();
    void buffersGrowNeverOverrun();
};

void ChartPainterTest::geometryFor751() {
    const ChartGeometry g = ComputeChartGeometry(751, 353, 16);
    QCOMPARE((QList<int>{g.dayW, g.left, g.right, g.midY, g.band, g.half, g.dayRowY, g.amp,
                         g.barScale, g.ColumnX(16)}),
             (QList<int>{23, 7, 743, 176, 24, 152, 34, 121, 84, 375}));
    // A column runs from its first pixel to the pixel before the next; outside, the ends.
    QList<int> columns;
    for (int x : {375, 374, 29, 30, -40, 742, 5000}) {
        columns << g.ColumnAt(x);
    }
    QCOMPARE(columns, (QList<int>{16, 15, 0, 1, 0, 31, 31}));
}

void ChartPainterTest::gridAndPointerColumn() {
    ChartScene s = MakeScene(ChartPage::Primary);
    s.pointerColour = 0x00FFE1E1;
    QImage img = Render(s);
    const int y = 26;  // two rows below the top line, above every curve
    for (int j = 0; j <= kChartDays; ++j) {
        const int x = 7 + 23 * j;
        QCOMPARE(img.pixel(x, y), (j == 16 || j == 17) ? qRgb(0, 0, 0) : qRgb(128, 128, 128));
        QCOMPARE(img.pixel(x + 1, y), j == 16 ? Rgb(0x00FFE1E1) : qRgb(255, 255, 255));
    }
    // The pointer column filled and framed; the frame lines of the chart; nothing left of it.
    const QRgb grey = qRgb(128, 128, 128);
    QCOMPARE((QList<QRgb>{img.pixel(397, y), img.pixel(380, 24), img.pixel(80, 24),
                          img.pixel(80, 328), img.pixel(6, y)}),
             (QList<QRgb>{Rgb(0x00FFE1E1), qRgb(0, 0, 0), grey, grey, qRgb(255, 255, 255)}));
    // Day lines run from the bottom line up and stop before the top one, so the right-hand
    // line's bottom pixel is drawn and its top one is not, on every page.
    for (int page = 0; page < kChartPageCount; ++page) {
        const QImage p = Render(MakeScene(static_cast<ChartPage>(page)));
        QCOMPARE((QList<QRgb>{p.pixel(743, 328), p.pixel(743, 24), p.pixel(742, 24)}),
                 (QList<QRgb>{grey, qRgb(255, 255, 255), grey}));
    }
    s.showPointer = false;
    img = Render(s);
    QCOMPARE((QList<QRgb>{img.pixel(380, y), img.pixel(375, y)}),
             (QList<QRgb>{qRgb(255, 255, 255), grey}));
}

void ChartPainterTest::dailyBars_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("band");
    // The day values, from the sines of the days lived, and the bars' rows 176 - h .. 175
    // (or 176 .. 175 - h) for h = trunc((value / 50 - 1) * 84):
    // Primary, the Overall: 1 Jan 2026 is 61 (h 18), 27 Jan is 24 (h -43).
    QTest::newRow("primary up") << 0 << 0 << 158 << 175 << 1;
    QTest::newRow("primary down") << 0 << 26 << 176 << 218 << 3;
    // Extra, the mean of Intuitive and Overall: 8 Jan (100, 68) is 84, 27 Jan (0, 24) is 12.
    QTest::newRow("extra up") << 2 << 7 << 119 << 175 << 0;
    QTest::newRow("extra down") << 2 << 26 << 176 << 238 << 3;
    // I-Ching, the mean of Aesthetic, Awareness and Spiritual: 1 Jan (7, 40, 35) is 27,
    // 20 Jan (80, 88, 96) is 88.
    QTest::newRow("iching down") << 3 << 0 << 176 << 213 << 2;
    QTest::newRow("iching up") << 3 << 19 << 113 << 175 << 0;
    // Compatibility, the mean of both Overalls: 29 Jan (26, 13) is 20.
    QTest::newRow("compatibility") << 4 << 28 << 176 << 225 << 3;
}

void ChartPainterTest::dailyBars() {
    QFETCH(int, page);
    QFETCH(int, column);
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(int, band);
    ChartScene s = MakeScene(static_cast<ChartPage>(page));
    s.graphMode = 2;
    s.showPointer = false;
    s.barColours = {0x00102030, 0x00405060, 0x00708090, 0x00A0B0C0};
    const QRgb fill = Rgb(s.barColours[static_cast<std::size_t>(band)]);
    const auto isFill = [fill](QRgb c) { return c == fill; };
    const auto isBlack = [](QRgb c) { return c == qRgb(0, 0, 0); };
    const int x0 = 7 + 23 * column;
    QImage img = Render(s);
    // Framed in black from x0 to x0 + 23 and from top to bottom, filled between; the curves
    // cross it, each over a few pixels of a pixel column.
    const int rows = bottom - top - 1;
    for (int x = x0 + 1; x <= x0 + 22; ++x) {
        QVERIFY2(Count(img, QRect(x, top + 1, 1, rows), isFill) >= rows - 12,
                 qPrintable(QString::number(x)));
    }
    QCOMPARE(Count(img, QRect(x0 + 1, top - 1, 22, 1), isFill), 0);
    QCOMPARE(Count(img, QRect(x0 + 1, bottom + 1, 22, 1), isFill), 0);
    QVERIFY(Count(img, QRect(x0 + 1, top, 22, 1), isBlack) >= 22 - 12);
    QVERIFY(Count(img, QRect(x0 + 1, bottom, 22, 1), isBlack) >= 22 - 12);

    s.graphMode = 1;  // the overall curve instead of bars
    img = Render(s);
    QCOMPARE(Count(img, QRect(x0 + 1, top + 1, 22, rows), isFill), 0);
}

void ChartPainterTest::criticalDotsAndSideMarks() {
    ChartScene s = MakeScene(ChartPage::Primary);
    s.birth1 = s.date;  // every primary rhythm is critical in column 16
    QStringList drawn;
    s.drawPicture = [&drawn](QPainter&, QPoint at, ChartPicture pic, int index) {
        drawn << QStringLiteral("%1 %2,%3 %4")
                     .arg(pic == ChartPicture::SideMark ? "mark" : "dots")
                     .arg(at.x())
                     .arg(at.y())
                     .arg(index);
    };
    Render(s);
    // 21 pixels of dots centred in the column, halfway between the band and the day row;
    // Physical alone is critical again 11.5 days later, in column 27.
    QVERIFY(drawn.contains("dots 377,28 3"));
    QVERIFY(drawn.contains("dots 630,28 0"));
    // The other pages show no dots, only the side marks, 17 x 80, centred in the first column
    // and in the upper and lower half.
    drawn.clear();
    s.page = ChartPage::Extra;
    Render(s);
    QCOMPARE(drawn, (QStringList{"mark 11,70 0", "mark 11,212 1"}));
}

void ChartPainterTest::curves_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("graphMode");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<QPoint>>("pixels");
    // y = 176 - value; a single rhythm of period P has the value trunc(121 sin(2 pi (x - 7 +
    // 23 (16798 mod P)) / (23 P))), a mean of two their sum halved, an Overall the mean of
    // three rounded (half up).
    const auto row = [](const char* name, ChartPage page, int mode, RhythmId slot,
                        QList<QPoint> pixels) {
        QTest::newRow(name) << static_cast<int>(page) << mode << static_cast<int>(slot) << pixels;
    };
    const auto at = [](int y50, int y200, int y377, int y600) {
        return QList<QPoint>{{50, y50}, {200, y200}, {377, y377}, {600, y600}};
    };
    row("Intuitive", ChartPage::Primary, 0, RhythmId::Intuitive, at(104, 57, 158, 296));
    row("Passion", ChartPage::Secondary, 0, RhythmId::Passion, at(152, 175, 160, 213));
    row("Spiritual", ChartPage::IChing, 0, RhythmId::Spiritual, at(192, 104, 56, 125));
    // Intuitive is not part of the primary Overall.
    row("Primary Overall", ChartPage::Primary, 1, RhythmId::PrimaryOverall, at(139, 136, 169, 238));
    row("Secondary Overall", ChartPage::Secondary, 1, RhythmId::SecondaryOverall,
        at(139, 136, 169, 238));
    row("I-Ching Overall", ChartPage::IChing, 1, RhythmId::IChingOverall, at(219, 155, 91, 118));
    // The mean of both persons' Intellectual.
    row("Compatibility", ChartPage::Compatibility, 0, RhythmId::Intellectual,
        at(204, 124, 124, 235));
}

void ChartPainterTest::curves() {
    QFETCH(int, page);
    QFETCH(int, graphMode);
    QFETCH(int, slot);
    QFETCH(QList<QPoint>, pixels);
    ChartScene s = MakeScene(static_cast<ChartPage>(page));
    s.graphMode = graphMode;
    s.showPointer = false;
    ShowOnly(s, static_cast<RhythmId>(slot), 0x00008000);  // drawn last on its page
    const QImage img = Render(s);
    for (const QPoint& pixel : pixels) {
        QVERIFY2(img.pixel(pixel) == qRgb(0, 128, 0), qPrintable(QString::number(pixel.x())));
    }
}

void ChartPainterTest::legendBelowTheChart() {
    // Each entry's text stands with its top left corner at (12, 333): left + 5, and the band's
    // middle below the chart; its 40-pixel line follows 7 pixels after the text at y = 341,
    // and the next entry 60 pixels after the text, so 53 after the line's start.
    ChartScene s = MakeScene(ChartPage::Primary);
    s.pens[0] = {0x000000FF, 0, 1};  // Physical red
    s.pens[1] = {0x00FF0000, 0, 1};  // Emotional blue
    QImage img = Render(s);
    int from = 0;
    while (from < 200 && img.pixel(from, 341) != qRgb(255, 0, 0)) {
        ++from;
    }
    int to = from;
    while (img.pixel(to + 1, 341) == qRgb(255, 0, 0)) {
        ++to;
    }
    QVERIFY(from > 12 + 7);
    QCOMPARE(to - from + 1, 40);
    QVERIFY(img.pixel(from + 20, 340) != qRgb(255, 0, 0));
    QVERIFY(img.pixel(from + 20, 342) != qRgb(255, 0, 0));
    QCOMPARE(InkBox(img, QRect(0, 329, from, 24)),
             TextInk(QStringLiteral("Physical")).translated(12, 333));
    QCOMPARE(InkBox(img, QRect(to + 1, 329, 120, 24)).topLeft(),
             TextInk(QStringLiteral("Emotional")).translated(from + 53, 333).topLeft());

    // The Overall entry only with the overall curve.
    s.pens[10] = {0x0000FF00, 0, 1};
    const QRect band(0, 329, 751, 24);
    const auto green = [](QRgb c) { return c == qRgb(0, 255, 0); };
    QCOMPARE(Count(Render(s), band, green), 0);
    s.graphMode = 1;
    QVERIFY(Count(Render(s), band, green) >= 40);
}

void ChartPainterTest::sundaysAreRed() {
    const QImage img = Render(MakeScene(ChartPage::Primary));
    // 4 January 2026, column 3, is a Sunday, as is column 10; column 4 is a Monday. The day
    // numbers stand at y = 34, the weekdays at 353 - 24 - 20 = 309.
    const auto box = [](int k, int y) { return QRect(8 + 23 * k, y, 21, 16); };
    QVERIFY(Count(img, box(3, 34), IsReddish) > 3);
    QVERIFY(Count(img, box(3, 309), IsReddish) > 3);
    QVERIFY(Count(img, box(10, 34), IsReddish) > 3);
    QCOMPARE(Count(img, box(4, 34), IsReddish), 0);
    QCOMPARE(Count(img, box(4, 309), IsReddish), 0);
}

void ChartPainterTest::monthLabels_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("fromX");
    QTest::addColumn<int>("expected");
    // A month's label starts over the middle of its first column, but never left of the
    // middle of column 16 (x = 386); the first month's over the middle of column 0 (x = 18).
    QTest::newRow("February in column 20") << QDate(2026, 1, 28) << 375 << 478;
    QTest::newRow("February in column 5") << QDate(2026, 2, 12) << 283 << 386;
    QTest::newRow("January in column 1") << QDate(2026, 1, 16) << 283 << 386;
    QTest::newRow("first month") << QDate(2026, 1, 16) << 0 << 18;
    QTest::newRow("no room for February") << QDate(2026, 1, 16) << 582 << -1;
}

void ChartPainterTest::monthLabels() {
    QFETCH(QDate, date);
    QFETCH(int, fromX);
    QFETCH(int, expected);
    ChartScene s = MakeScene(ChartPage::Primary);
    s.date = EncodeDate(date.year(), date.month(), date.day());
    const QRect ink = InkBox(Render(s), QRect(fromX, 4, 751 - fromX, 16));  // the label rows
    const int x = ink.isNull() ? -1 : ink.left();
    QVERIFY2(expected < 0 ? x == -1 : x >= expected - 2 && x <= expected + 3,
             qPrintable(QString::number(x)));
}

void ChartPainterTest::sharpAtDevicePixelRatio2() {
    ChartScene s = MakeScene(ChartPage::Primary);
    const QImage img = Render(s, 2.0);
    QCOMPARE(img.size(), QSize(751 * 2, 353 * 2));
    // Every line two device pixels wide, on the pixels of its logical pixel.
    const QRgb white = qRgb(255, 255, 255);
    const QRgb grey = qRgb(128, 128, 128);
    for (int x : {2 * 7, 2 * 122, 2 * 720}) {  // the lines of columns 0, 5 and 31
        QCOMPARE((QList<QRgb>{img.pixel(x - 1, 52), img.pixel(x, 52), img.pixel(x + 1, 52),
                              img.pixel(x + 2, 52)}),
                 (QList<QRgb>{white, grey, grey, white}));
    }
    QCOMPARE((QList<QRgb>{img.pixel(157, 47), img.pixel(157, 48), img.pixel(157, 49),
                          img.pixel(2 * 375 + 5, 52)}),
             (QList<QRgb>{white, grey, grey, Rgb(s.pointerColour)}));
}

void ChartPainterTest::dateRowsStayInTheirColumns_data() {
    QTest::addColumn<int>("interfacePoints");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("fontPixels");  // 0: the picture font of that interface font
    // The narrowest main window, the usual one, a wide one; then fonts too large for their
    // columns, and columns too narrow for the picture font.
    QTest::newRow("8 pt, narrowest window") << 8 << 714 << 0;
    QTest::newRow("11 pt, usual window") << 11 << 751 << 0;
    QTest::newRow("16 pt, wide window") << 16 << 1400 << 0;
    QTest::newRow("large font, narrowest window") << 11 << 714 << 22;
    QTest::newRow("large font, narrow export") << 11 << 420 << 16;
    QTest::newRow("picture font, narrow export") << 11 << 420 << 0;
}

// The day numbers and weekdays never touch the grid lines nor each other: no ink on a grid
// line in their rows, and every column still shows its texts.
void ChartPainterTest::dateRowsStayInTheirColumns() {
    QFETCH(int, interfacePoints);
    QFETCH(int, width);
    QFETCH(int, fontPixels);
    QFont font = PictureFont(QFont(QStringLiteral("DejaVu Sans"), interfacePoints));
    if (fontPixels > 0) {
        font.setPixelSize(fontPixels);
    }
    ChartScene s = MakeChartScene(ChartPage::Primary, QSize(width, 353), font, AppSettings{},
                                  EncodeDate(2026, 1, 17), EncodeDate(1980, 1, 5), 0);
    s.showPointer = false;
    ShowOnly(s, RhythmId::Intuitive, 0x00FFFFFF);
    const QImage img = Render(s);
    const ChartGeometry& g = s.geometry;
    const int weekdayY = static_cast<int>(g.height - g.band - g.textH * 1.25);
    // Text ink: anything darker than the background that is not the grid's grey.
    const auto ink = [](QRgb c) {
        return (c != qRgb(128, 128, 128) && qGray(c) < 200) || IsReddish(c);
    };
    for (const int top : {g.dayRowY, weekdayY}) {
        for (int k = 0; k < kChartDays; ++k) {
            QCOMPARE(Count(img, QRect(g.ColumnX(k), top, 1, g.textH), ink), 0);
            const QRect inside(g.ColumnX(k) + 1, top, g.dayW - 1, g.textH);
            QVERIFY(Count(img, inside, ink) > 3);
        }
    }
}

void ChartPainterTest::oneLineWidthAtEveryScale_data() {
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("width");
    QTest::newRow("1.25") << 1.25 << 1;
    QTest::newRow("1.5") << 1.5 << 1;
    QTest::newRow("2") << 2.0 << 2;
    QTest::newRow("3") << 3.0 << 3;
}

// Every day line and the frame's top line are equally wide in device pixels, wherever their
// logical pixel falls on the device grid.
void ChartPainterTest::oneLineWidthAtEveryScale() {
    QFETCH(qreal, scale);
    QFETCH(int, width);
    ChartScene s = MakeScene(ChartPage::Primary);
    s.showPointer = false;
    const QImage img = Render(s, scale);
    const QRgb grey = qRgb(128, 128, 128);
    const auto run = [&](QPoint from, QPoint step) {
        int n = 0;
        for (QPoint at = from; img.pixel(at) == grey; at += step) {
            ++n;
        }
        return n;
    };
    const int y = static_cast<int>(26 * scale);  // below the top line, above the curves
    for (int j = 0; j <= kChartDays; ++j) {
        const int x = static_cast<int>(std::lround((7 + 23 * j) * scale));
        QCOMPARE(run(QPoint(x, y), QPoint(1, 0)), width);
        QCOMPARE(img.pixel(x - 1, y), qRgb(255, 255, 255));
    }
    for (const int x : {40, 300, 700}) {
        QCOMPARE(run(QPoint(static_cast<int>(x * scale), static_cast<int>(std::lround(24 * scale))),
                     QPoint(0, 1)),
                 width);
    }
}

// At scale 2 a curve is plotted per device pixel, never as two-pixel steps of a chart drawn at
// half resolution.
void ChartPainterTest::curvesSmoothAtScale2() {
    const ChartGeometry g = ComputeChartGeometry(751, 353, 16);
    QImage img(QSize(751, 353) * 2, QImage::Format_RGB32);
    img.setDevicePixelRatio(2.0);
    img.fill(Qt::white);
    QPainter p(&img);
    const CurvePlot plot = MakeCurvePlot(g, DeviceGrid(p));
    PaintBuffers buffers;
    const std::int32_t phase = 16798 % 23;  // Physical, days lived on 1 January 2026
    ComputeCurveValues(g, plot, 23, phase, buffers.values[0]);
    const auto& v = buffers.values[0];
    DrawCurve(p, plot, {0x00008000, 0, 1}, plot.first, plot.last, buffers,
              [&v](int c) { return v[c]; });
    p.end();
    const auto top = [&img](int x) {
        for (int y = 0; y < img.height(); ++y) {
            if (img.pixel(x, y) == qRgb(0, 128, 0)) {
                return y;
            }
        }
        return -1;
    };
    // The exact curve in device rows.
    const auto exact = [&](int x) {
        return 2 * 176 - 2 * 121 * std::sin(2 * M_PI * (x / 2.0 - 7 + phase * 23) / (23 * 23));
    };
    // Where the curve falls or rises more than a device pixel per column, its top edge moves
    // at every column; half-resolution plotting would hold it for two.
    int steep = 0;
    for (int x = 2 * 8; x < 2 * 742;) {
        int end = x;
        while (top(end + 1) == top(x)) {
            ++end;
        }
        const bool isSteep = std::abs(exact(x + 1) - exact(x)) > 1.2;
        QVERIFY2(top(x) > 0 && (end == x || !isSteep), qPrintable(QString::number(x)));
        steep += isSteep ? 1 : 0;
        x = end + 1;
    }
    QVERIFY(steep > 100);  // the test saw steep stretches
}

void ChartPainterTest::compatibilityDetails() {
    ChartScene s = MakeScene(ChartPage::Compatibility);
    ShowOnly(s, RhythmId::Intellectual, 0x000000FF);
    s.showPointer = false;
    const auto count = [](const QImage& image, Colour c) {
        return Count(image, image.rect(), [c](QRgb p) { return p == Rgb(c); });
    };
    QImage img = Render(s);
    QCOMPARE(count(img, kDetailColours[0][0]), 0);
    s.showDetails = true;
    img = Render(s);
    QVERIFY(count(img, kDetailColours[0][0]) > 100);  // person one's dotted Physical
    QVERIFY(count(img, kDetailColours[1][2]) > 100);  // person two's dotted Intellectual
    // With details the mean curves are two pixels wide: at x = 47 the Intellectual mean is at
    // y = 205.
    QCOMPARE(img.pixel(47, 205), qRgb(255, 0, 0));
    QVERIFY(img.pixel(47, 204) == qRgb(255, 0, 0) || img.pixel(47, 206) == qRgb(255, 0, 0) ||
            img.pixel(48, 205) == qRgb(255, 0, 0));
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
