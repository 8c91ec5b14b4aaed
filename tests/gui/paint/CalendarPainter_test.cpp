// The month calendar page, 680 x 932, with its pictures drawn as boxes of their own colours.
// Positions are worked out by hand from the page's rules and the fonts' line heights.
#include "gui/paint/CalendarPainter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <numbers>

#include "core/engine/DayWeather.h"
#include "core/engine/Rhythm.h"
#include "gui/paint/GdiCanvas.h"
#include "gui/paint/PictureFont.h"

using namespace vitalune;
using namespace vitalune::paint;

namespace {

// Each picture fills its box in a colour of its own, none of them red or dark.
QRgb PictureColour(CalendarPicture kind, int index) {
    return qRgb(40 * static_cast<int>(kind), 150 + 10 * index, 250 - 30 * static_cast<int>(kind));
}
const QRgb kExplainColour = PictureColour(CalendarPicture::BarExplain, 0);
constexpr QRgb kPaper = qRgb(255, 255, 255);

CalendarScene MakeScene(int year, int month, DateTime birth, bool showName = true) {
    const auto Font = [](int points) {
        QFont font(QStringLiteral("DejaVu Sans"), points);
        font.setBold(true);
        return font;
    };
    CalendarScene s;
    s.month = EncodeDate(year, month, 17);
    s.name = "Ann";
    s.birth = birth;
    s.showName = showName;
    s.monthFont = {Font(20), Qt::gray};
    s.nameFont = {Font(12), Qt::black};
    s.dayNamesFont = {Font(18), QColor(0x80, 0, 0)};
    s.digitsFont = {Font(20), Qt::black};
    s.pictureFont = PictureFont(QFont(QStringLiteral("DejaVu Sans")));
    s.pens[0].colour = 0x00808000;  // Physical in teal: only Sundays are red
    s.drawPicture = [](QPainter& p, QPoint at, CalendarPicture kind, int index) {
        static const QSize sizes[] = {{21, 6}, {17, 80}, {40, 40}, {200, 150}};
        p.fillRect(QRect(at, sizes[static_cast<int>(kind)]), QColor(PictureColour(kind, index)));
    };
    return s;
}

struct Page {
    QImage img{kCalendarPageSize, QImage::Format_RGB32};
    CalendarLayout l;
};
Page Paint(const CalendarScene& s) {
    Page page;
    page.img.fill(Qt::black);
    QPainter p(&page.img);
    page.l = PaintCalendar(p, s);
    return page;
}

int Height(const QFont& font) {
    return QFontMetrics(InPixels(font)).height();
}

int Count(const QImage& img, QRect area, bool (*pick)(QRgb)) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += pick(img.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}
// Red, or red text's edge on white; maroon's edges never reach 200.
bool IsRed(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 100 && qBlue(c) < 100;
}
bool IsDark(QRgb c) {
    return qGray(c) < 100;
}

}  // namespace

class CalendarPainterTest : public QObject {
    Q_OBJECT
  private slots:
    void boxes() {
        const struct {
            int year, month;
            bool showName;
            int days, columnWidth;
        } cases[] = {{2026, 12, true, 31, 21},
                     {2026, 2, true, 28, 23},
                     {2028, 2, true, 29, 22},
                     {2026, 11, false, 30, 21}};
        for (const auto& c : cases) {
            const CalendarScene s = MakeScene(c.year, c.month, EncodeDate(1980, 1, 5), c.showName);
            const auto [img, l] = Paint(s);
            const int nameY = 18 + Height(s.monthFont.font);
            const int top = nameY + (c.showName ? Height(s.nameFont.font) * 3 / 2 : 10);
            QCOMPARE(l.days, c.days);
            QCOMPARE(l.chartTop, top);
            QCOMPARE(l.chartBox, QRect(QPoint(18, top), QPoint(669, 278)));
            QCOMPARE(l.columnWidth, c.columnWidth);
            QCOMPARE(l.gridBox, QRect(QPoint(27, 286), QPoint(660, 922)));
            QCOMPARE(l.cell, 90);
            // The name line stands between the heading and the chart only when it is shown.
            QCOMPARE(Count(img, QRect(0, nameY, 680, 10), IsDark) > 0, c.showName);
            if (!c.showName) {
                CalendarScene noDob = s;
                noDob.showDob = false;
                QCOMPARE(Paint(noDob).img, img);
            }
        }
    }

    // February 2026 starts on a Sunday, August 2025 (31 days) on a Friday, February 2028 on a
    // Tuesday; x = 27 + 90 * column + 13, y = 286 + 45 + 90 * row.
    void cellOrigins() {
        const struct {
            int year, month, day;
            QPoint origin;
        } cases[] = {{2026, 2, 1, {40, 331}},   {2026, 2, 7, {580, 331}}, {2026, 2, 8, {40, 421}},
                     {2026, 2, 28, {580, 601}}, {2025, 8, 1, {490, 331}}, {2025, 8, 3, {40, 421}},
                     {2025, 8, 31, {40, 781}},  {2028, 2, 29, {220, 691}}};
        for (const auto& c : cases) {
            const CalendarLayout l = Paint(MakeScene(c.year, c.month, EncodeDate(1980, 1, 5))).l;
            QCOMPARE(l.cellOrigins[static_cast<std::size_t>(c.day - 1)], c.origin);
        }
    }

    // Frame lines at x1 + j * 23 up to x1 + 28 * 23, and the last curve drawn, Intuitive, at
    // yz - trunc(amp * sin(2 pi (r * colW + px) / (38 * colW))) in column x1 + px.
    void chartFrameAndCurve() {
        const DateTime birth = EncodeDate(1980, 1, 5);
        const CalendarScene s = MakeScene(2026, 2, birth);
        const auto [img, l] = Paint(s);
        const int th = Height(s.pictureFont);
        const int a = (278 - l.chartTop - th * 3 / 2) / 2;
        const int yz = l.chartTop + a;
        const QRgb grey = qRgb(128, 128, 128);
        QCOMPARE(img.pixel(18, yz + a - 1), grey);
        QCOMPARE(img.pixel(18 + 23, yz + a - 1), grey);
        QCOMPARE(img.pixel(662, yz + a - 1), grey);
        QCOMPARE(img.pixel(663, yz + a - 1), kPaper);
        QCOMPARE(img.pixel(400, yz - a), grey);
        QCOMPARE(img.pixel(400, yz + a), grey);
        const int amp = a * 3 / 4;
        const int r = DaysLived(birth, EncodeDate(2026, 2, 1)) % 38;
        for (int px = 100; px <= 600; px += 50) {
            const int v =
                static_cast<int>(amp * std::sin(2 * std::numbers::pi * (r * 23 + px) / (38 * 23)));
            QCOMPARE(img.pixel(18 + px, yz - v), qRgb(255, 0, 255));
        }
    }

    // February 2026: the 8th is a Sunday (column 7 of the chart, column 0 of the grid's second
    // row), the 9th a Monday.
    void sundaysAreRed() {
        const CalendarScene s = MakeScene(2026, 2, EncodeDate(1980, 1, 5));
        const auto [img, l] = Paint(s);
        const int th = Height(s.pictureFont);
        const int weekdayY = static_cast<int>(278 - th * 3 / 2 - th * 1.25);
        for (const int y : {l.chartTop + 9, weekdayY}) {
            QVERIFY(Count(img, QRect(18 + 7 * 23, y, 23, th), IsRed) > 5);
            QCOMPARE(Count(img, QRect(18 + 8 * 23, y, 23, th), IsRed), 0);
            QVERIFY(Count(img, QRect(18 + 8 * 23, y, 23, th), IsDark) > 5);
        }
        const int names = Height(s.dayNamesFont.font);
        QVERIFY(Count(img, QRect(27, 286, 90, names), IsRed) > 20);
        QCOMPARE(Count(img, QRect(117, 286, 543, names), IsRed), 0);
        const int digits = Height(s.digitsFont.font);
        QVERIFY(Count(img, QRect(40 + 34, 421 + 77 - digits, 40, digits), IsRed) > 20);
        QCOMPARE(Count(img, QRect(130 + 34, 421 + 77 - digits, 40, digits), IsRed), 0);
        QVERIFY(Count(img, QRect(130 + 34, 421 + 77 - digits, 40, digits), IsDark) > 20);
    }

    // Born on 10 February 2028: all four rhythms start that day. The cell (column 4, row 1)
    // shows four dots at (x + 43, y); the chart at column 9, x1 + 1 + (22 - 21) / 2 + 9 * 22.
    void birthdayShowsFourDots() {
        const auto [img, l] = Paint(MakeScene(2028, 2, EncodeDate(2028, 2, 10)));
        const QRgb four = PictureColour(CalendarPicture::CriticalDots, 3);
        QCOMPARE(img.pixel(400 + 43, 421), four);
        QCOMPARE(img.pixel(400 + 63, 421 + 4), four);
        QCOMPARE(img.pixel(217, l.chartTop + 3), four);
        QCOMPARE(img.pixel(237, l.chartTop + 8), four);
        QVERIFY(img.pixel(216, l.chartTop + 3) != four);
    }

    // Bars trunc(62 * percent / 100) high on y + 62, in the pens' colours with a light grey right
    // edge, and the weather picture of the overall value at (x + 37, y + 5); the explanation's
    // sample bars 75, 90, 33, 60 in a white 33 x 62 box at (450 + 62, 772 + 37).
    void cellBarsAndWeather() {
        const DateTime birth = EncodeDate(1879, 3, 14);
        const CalendarScene s = MakeScene(2026, 12, birth);
        const Page page = Paint(s);
        const QImage& img = page.img;
        const auto bars = [&](QPoint o, std::array<int, 4> heights) {
            for (int i = 0; i < 4; ++i) {
                const int x = o.x() + 8 * i;
                const int h = heights[static_cast<std::size_t>(i)];
                const QRgb pen = ToQColor(s.pens[static_cast<std::size_t>(i)].colour).rgb();
                QCOMPARE(img.pixel(x, o.y() + 61 - h), kPaper);
                if (h > 0) {
                    QCOMPARE(img.pixel(x, o.y() + 62 - h), pen);
                    QCOMPARE(img.pixel(x + 5, o.y() + 61), pen);
                    QCOMPARE(img.pixel(x + 6, o.y() + 62 - h), qRgb(192, 192, 192));
                    QCOMPARE(img.pixel(x + 7, o.y() + 61), kPaper);
                }
            }
        };
        for (int k = 1; k <= 31; ++k) {
            DayRhythms day;
            ComputeDayRhythms(birth, EncodeDate(2026, 12, k), day, false);
            const QPoint o = page.l.cellOrigins[static_cast<std::size_t>(k - 1)];
            const auto& pc = day.percent;
            bars(o, {62 * pc[0] / 100, 62 * pc[1] / 100, 62 * pc[2] / 100, 62 * pc[3] / 100});
            const QRgb weather =
                PictureColour(CalendarPicture::BigWeather, WeatherBand(day.overall));
            QCOMPARE(img.pixel(o + QPoint(37, 5)), weather);
            QCOMPARE(img.pixel(o + QPoint(76, 44)), weather);
        }
        bars(QPoint(513, 809), {46, 55, 20, 37});
        for (const QPoint white : {QPoint(512, 809), QPoint(544, 870)}) {
            QCOMPARE(img.pixel(white), kPaper);
        }
        for (const QPoint picture : {QPoint(511, 809), QPoint(545, 870), QPoint(530, 808),
                                     QPoint(530, 871), QPoint(450, 772), QPoint(649, 921)}) {
            QCOMPARE(img.pixel(picture), kExplainColour);
        }
    }
};

QTEST_MAIN(CalendarPainterTest)

#include "CalendarPainter_test.moc"
