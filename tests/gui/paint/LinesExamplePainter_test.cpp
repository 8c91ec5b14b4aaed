// The lines settings' example: the middle line in the page's overall pen, the page's curves
// with their heights, phases and pens, at the pixels their formula fixes.
#include "gui/paint/LinesExamplePainter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include "gui/paint/GdiCanvas.h"

using namespace vitalune;
using namespace vitalune::paint;

namespace {

// Every pen in a colour of its own.
ChartAttribTable Pens() {
    ChartAttribTable pens = DefaultChartAttribs();
    for (std::size_t i = 0; i < pens.size(); ++i) {
        pens[i].colour = static_cast<Colour>(0x00100000 * (i + 1) + 0x0800 * i + 0x20);
    }
    return pens;
}

QImage Paint(ChartPage page, const ChartAttribTable& pens, QSize size = {240, 100}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    PaintLinesExample(p, MakeLinesExampleScene(page, pens, size));
    return image;
}

// What a pixel shows: a slot's number, "white" or "other".
QString At(const QImage& image, QPoint at, const ChartAttribTable& pens) {
    const QRgb pixel = image.pixel(at);
    for (std::size_t i = 0; i < pens.size(); ++i) {
        if (pixel == ToQColor(pens[i].colour).rgb()) {
            return QString::number(i);
        }
    }
    return pixel == qRgb(255, 255, 255) ? QStringLiteral("white") : QStringLiteral("other");
}

class LinesExamplePainterTest : public QObject {
    Q_OBJECT
  private slots:
    // 240 x 100: middle line 50, heights 45, 26 and 15, phases 0, 2, 1 and 3 quarters of 120.
    void curvesWherePhaseAndHeightPutThem() {
        QCOMPARE(ExampleAmplitude(100, 0), 45);
        QCOMPARE(ExampleAmplitude(100, 1), 45);
        QCOMPARE(ExampleAmplitude(100, 2), 26);
        QCOMPARE(ExampleAmplitude(100, 3), 15);
        const ChartAttribTable pens = Pens();
        const struct {
            ChartPage page;
            QPoint at;
            const char* shows;
        } table[] = {
            {ChartPage::Primary, {0, 0}, "white"},
            {ChartPage::Primary, {15, 50}, "10"},  // the primary overall pen's middle line
            {ChartPage::Primary, {30, 5}, "0"},    // Physical at its top,
            {ChartPage::Primary, {90, 95}, "0"},   // and its bottom
            {ChartPage::Primary, {90, 5}, "1"},    // Emotional half a period later
            {ChartPage::Primary, {0, 24}, "2"},    // Intellectual starts at its top
            {ChartPage::Primary, {120, 24}, "2"},  // one period on
            {ChartPage::Primary, {60, 35}, "3"},   // Intuitive, three quarters on
            {ChartPage::Primary, {60, 34}, "white"},
            {ChartPage::Secondary, {15, 50}, "11"},
            {ChartPage::Secondary, {30, 5}, "4"},
            {ChartPage::Secondary, {0, 24}, "6"},
            {ChartPage::Secondary, {60, 35}, "white"},  // three curves only
            {ChartPage::Extra, {15, 50}, "16"},
            {ChartPage::Extra, {90, 5}, "14"},
            {ChartPage::IChing, {15, 50}, "12"},
            {ChartPage::IChing, {120, 24}, "9"},
        };
        for (const auto& row : table) {
            QCOMPARE(At(Paint(row.page, pens), row.at, pens), QLatin1String(row.shows));
        }
    }

    // Wider pens are drawn solid and wide; thin dashed and dotted ones have gaps.
    void stylesAndWidths() {
        ChartAttribTable pens = Pens();
        const auto count = [&pens](std::size_t slot, QRect area) {
            const QImage image = Paint(ChartPage::Primary, pens);
            int n = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    n += At(image, {x, y}, pens) == QString::number(slot) ? 1 : 0;
                }
            }
            return n;
        };
        const QRect onMiddle(5, 50, 20, 1);  // no curve crosses the middle here
        const QRect belowMiddle(5, 51, 20, 1);
        const QRect all(0, 0, 240, 100);
        const int solidPhysical = count(0, all);
        QCOMPARE(count(10, onMiddle), 20);
        QCOMPARE(count(10, belowMiddle), 0);
        pens[10].style = static_cast<int>(PenStyle::Dash);
        QVERIFY(count(10, onMiddle) > 0 && count(10, onMiddle) < 20);
        pens[10].width = 2;
        QCOMPARE(count(10, QRect(5, 49, 20, 3)), 40);  // two rows, solid
        pens[0].style = static_cast<int>(PenStyle::Dot);
        const int dotted = count(0, all);
        QVERIFY(dotted > solidPhysical / 3 && dotted < solidPhysical * 2 / 3);
    }

    // A scaled screen draws the same picture in finer pixels.
    void scaledScreen() {
        const ChartAttribTable pens = Pens();
        QImage image(QSize(480, 200), QImage::Format_RGB32);
        image.setDevicePixelRatio(2);
        image.fill(Qt::black);
        QPainter p(&image);
        PaintLinesExample(p, MakeLinesExampleScene(ChartPage::Primary, pens, {240, 100}));
        p.end();
        QCOMPARE(At(image, {30, 100}, pens), QStringLiteral("10"));
        QCOMPARE(At(image, {60, 10}, pens), QStringLiteral("0"));
        QCOMPARE(At(image, {479, 199}, pens), QStringLiteral("white"));
    }
};

}  // namespace

QTEST_MAIN(LinesExamplePainterTest)
#include "LinesExamplePainter_test.moc"
