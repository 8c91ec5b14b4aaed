// The month calendar page, 680 x 932, with its pictures drawn as boxes of their own colours.
// Positions are worked out by hand from the page's rules and the fonts' line heights.
#include "gui/paint/CalendarPainter.h"

#include <QFontMetrics>
#include <QGuiApplication>
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

QRgb DotsColour(int index) {
    return qRgb(10, 200, 40 + 50 * index);
}
QRgb WeatherColour(int band) {
    return qRgb(120, 60 + 30 * band, 200);
}
constexpr QRgb kExplainColour = qRgb(200, 230, 250);
constexpr QRgb kPaper = qRgb(255, 255, 255);

QFont Font(int points) {
    QFont font(QStringLiteral("DejaVu Sans"), points);
    font.setBold(true);
    return font;
}

CalendarScene MakeScene(int year, int month, DateTime birth, bool showName = true) {
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
        switch (kind) {
            case CalendarPicture::CriticalDots:
                return p.fillRect(QRect(at, QSize(21, 6)), QColor(DotsColour(index)));
            case CalendarPicture::SideMark:
                return p.fillRect(QRect(at, QSize(17, 80)), QColor(250, 200, 0));
            case CalendarPicture::BigWeather:
                return p.fillRect(QRect(at, QSize(40, 40)), QColor(WeatherColour(index)));
            case CalendarPicture::BarExplain:
                return p.fillRect(QRect(at, QSize(200, 150)), QColor(kExplainColour));
        }
    };
    return s;
}

QImage Paint(const CalendarScene& s, CalendarLayout* layout = nullptr) {
    QImage img(kCalendarPageSize, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    const CalendarLayout l = PaintCalendar(p, s);
    if (layout) {
        *layout = l;
    }
    return img;
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
    void boxes_data();
    void boxes();
    void cellOrigins_data();
    void cellOrigins();
    void chartFrameAndCurve();
    void sundaysAreRed();
    void birthdayShowsFourDots();
    void cellBarsAndWeather();
};

void CalendarPainterTest::boxes_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("showName");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("columnWidth");
    QTest::newRow("31 days") << 2026 << 12 << true << 31 << 21;
    QTest::newRow("28 days") << 2026 << 2 << true << 28 << 23;
    QTest::newRow("leap February") << 2028 << 2 << true << 29 << 22;
    QTest::newRow("30 days, no name") << 2026 << 11 << false << 30 << 21;
}

void CalendarPainterTest::boxes() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(bool, showName);
    QFETCH(int, days);
    QFETCH(int, columnWidth);
    const CalendarScene s = MakeScene(year, month, EncodeDate(1980, 1, 5), showName);
    CalendarLayout l;
    const QImage img = Paint(s, &l);
    const int nameY = 18 + Height(s.monthFont.font);
    const int top = nameY + (showName ? Height(s.nameFont.font) * 3 / 2 : 10);
    QCOMPARE(l.days, days);
    QCOMPARE(l.chartTop, top);
    QCOMPARE(l.chartBox, QRect(QPoint(18, top), QPoint(669, 278)));
    QCOMPARE(l.columnWidth, columnWidth);
    QCOMPARE(l.gridBox, QRect(QPoint(27, 286), QPoint(660, 922)));
    QCOMPARE(l.cell, 90);
    // The name line stands between the heading and the chart only when it is shown.
    QCOMPARE(Count(img, QRect(0, nameY, 680, 10), IsDark) > 0, showName);
    if (!showName) {
        CalendarScene noDob = s;
        noDob.showDob = false;
        QCOMPARE(Paint(noDob), img);
    }
}

void CalendarPainterTest::cellOrigins_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QPoint>("origin");
    // February 2026 starts on a Sunday, August 2025 (31 days) on a Friday, February 2028 on a
    // Tuesday; x = 27 + 90 * column + 13, y = 286 + 45 + 90 * row.
    QTest::newRow("Sunday start, day 1") << 2026 << 2 << 1 << QPoint(40, 331);
    QTest::newRow("Sunday start, day 7") << 2026 << 2 << 7 << QPoint(580, 331);
    QTest::newRow("Sunday start, day 8") << 2026 << 2 << 8 << QPoint(40, 421);
    QTest::newRow("Sunday start, day 28") << 2026 << 2 << 28 << QPoint(580, 601);
    QTest::newRow("Friday start, day 1") << 2025 << 8 << 1 << QPoint(490, 331);
    QTest::newRow("Friday start, day 3") << 2025 << 8 << 3 << QPoint(40, 421);
    QTest::newRow("Friday start, sixth row") << 2025 << 8 << 31 << QPoint(40, 781);
    QTest::newRow("leap day") << 2028 << 2 << 29 << QPoint(220, 691);
}

void CalendarPainterTest::cellOrigins() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QPoint, origin);
    CalendarLayout l;
    Paint(MakeScene(year, month, EncodeDate(1980, 1, 5)), &l);
    QCOMPARE(l.cellOrigins[static_cast<std::size_t>(day - 1)], origin);
}

// Frame lines at x1 + j * 23 up to x1 + 28 * 23, and the last curve drawn, Intuitive, at
// yz - trunc(amp * sin(2 pi (r * colW + px) / (38 * colW))) in column x1 + px.
void CalendarPainterTest::chartFrameAndCurve() {
    const DateTime birth = EncodeDate(1980, 1, 5);
    const CalendarScene s = MakeScene(2026, 2, birth);
    CalendarLayout l;
    const QImage img = Paint(s, &l);
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
void CalendarPainterTest::sundaysAreRed() {
    const CalendarScene s = MakeScene(2026, 2, EncodeDate(1980, 1, 5));
    CalendarLayout l;
    const QImage img = Paint(s, &l);
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
void CalendarPainterTest::birthdayShowsFourDots() {
    CalendarLayout l;
    const QImage img = Paint(MakeScene(2028, 2, EncodeDate(2028, 2, 10)), &l);
    QCOMPARE(img.pixel(400 + 43, 421), DotsColour(3));
    QCOMPARE(img.pixel(400 + 63, 421 + 4), DotsColour(3));
    QCOMPARE(img.pixel(217, l.chartTop + 3), DotsColour(3));
    QCOMPARE(img.pixel(237, l.chartTop + 8), DotsColour(3));
    QVERIFY(img.pixel(216, l.chartTop + 3) != DotsColour(3));
}

// Bars trunc(62 * percent / 100) high on y + 62, in the pens' colours with a light grey right
// edge, and the weather picture of the overall value at (x + 37, y + 5); the explanation's
// sample bars 75, 90, 33, 60 in a white 33 x 62 box at (450 + 62, 772 + 37).
void CalendarPainterTest::cellBarsAndWeather() {
    const DateTime birth = EncodeDate(1879, 3, 14);
    const CalendarScene s = MakeScene(2026, 12, birth);
    CalendarLayout l;
    const QImage img = Paint(s, &l);
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
        const QPoint o = l.cellOrigins[static_cast<std::size_t>(k - 1)];
        std::array<int, 4> heights{};
        for (std::size_t i = 0; i < 4; ++i) {
            heights[i] = 62 * day.percent[i] / 100;
        }
        bars(o, heights);
        QCOMPARE(img.pixel(o + QPoint(37, 5)), WeatherColour(WeatherBand(day.overall)));
        QCOMPARE(img.pixel(o + QPoint(76, 44)), WeatherColour(WeatherBand(day.overall)));
    }
    bars(QPoint(513, 809), {46, 55, 20, 37});
    QCOMPARE(img.pixel(512, 809), kPaper);
    QCOMPARE(img.pixel(511, 809), kExplainColour);
    QCOMPARE(img.pixel(544, 870), kPaper);
    QCOMPARE(img.pixel(545, 870), kExplainColour);
    QCOMPARE(img.pixel(530, 808), kExplainColour);
    QCOMPARE(img.pixel(530, 871), kExplainColour);
    QCOMPARE(img.pixel(450, 772), kExplainColour);
    QCOMPARE(img.pixel(649, 921), kExplainColour);
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    CalendarPainterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CalendarPainter_test.moc"
