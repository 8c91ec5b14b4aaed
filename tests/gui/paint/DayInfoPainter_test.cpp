// The day information table at its own size, 297 x 309, in the picture font. Positions are
// worked out from the font's metrics the way the layout states them, so the test holds for
// any font the machine has under the name.
#include "gui/paint/DayInfoPainter.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "core/engine/Date.h"
#include "gui/paint/GdiCanvas.h"
#include "gui/paint/PictureFont.h"

using namespace vitalune;
using namespace vitalune::paint;

namespace {

const DayPerson kFirst{"Ann", static_cast<DateTime>(EncodeDate(1980, 1, 5))};
const DayPerson kSecond{"Bob", static_cast<DateTime>(EncodeDate(1985, 7, 20))};

// Each picture fills its 16 x 16 box in a colour of its own.
QRgb PictureColour(DayInfoPicture kind, int index) {
    return qRgb(kind == DayInfoPicture::SmallWeather ? 0 : 90, 60 + 10 * index, 250);
}

DayInfoScene MakeScene(DayInfoMode mode, DateTime date = EncodeDate(2026, 1, 17)) {
    DayInfoScene s;
    s.view = ViewValues(mode, kFirst, kSecond, date);
    s.regular = PictureFont(QFont(QStringLiteral("DejaVu Sans")));
    s.bold = s.regular;
    s.bold.setBold(true);
    s.drawPicture = [](QPainter& p, QPoint at, DayInfoPicture kind, int index) {
        p.fillRect(QRect(at, QSize(16, 16)), QColor(PictureColour(kind, index)));
    };
    return s;
}

QImage Paint(const DayInfoScene& s, DayInfoColumns* columns = nullptr) {
    QImage img(kDayInfoTableSize, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    const DayInfoColumns c = PaintDayInfo(p, s);
    p.end();
    if (columns) {
        *columns = c;
    }
    return img;
}

int Count(const QImage& img, QRect area, const std::function<bool(QRgb)>& pick) {
    int n = 0;
    area &= img.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += pick(img.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

bool IsRed(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 110 && qBlue(c) < 110;
}

// Line height and the y of each row of the Primary and I-Ching tables, Overall last.
struct CycleRows {
    int L;
    std::vector<int> y;
};
CycleRows RowsOf(const DayInfoScene& s) {
    CycleRows r{QFontMetrics(s.bold).height() * 3 / 2, {}};
    const std::size_t n = s.view.groups.front().rows.size();
    int y = 4 + 4 * r.L + 3 + r.L / 2;
    for (std::size_t i = 0; i + 1 < n; ++i, y += r.L) {
        r.y.push_back(y);
    }
    r.y.push_back(r.y.back() + r.L * 5 / 4 + r.L / 2);
    return r;
}

}  // namespace

class DayInfoPainterTest : public QObject {
    Q_OBJECT
  private slots:
    void columnsFromSampleTexts_data();
    void columnsFromSampleTexts();
    void picturesAndCriticalMarks();
    void legendBox();
    void labelsInTheirPenColour();
};

void DayInfoPainterTest::columnsFromSampleTexts_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("want");  // c0..c4
    const QFontMetrics m(MakeScene(DayInfoMode::Primary).bold);
    const auto w = [&](const char* t) { return m.horizontalAdvance(QString::fromLatin1(t)); };
    const auto x0 = [&](const char* sample) { return (297 - w(sample)) / 2; };
    int c1 = x0("Intellectual 33/33 AAA AAAAA 100") + w("Intellectual");
    const QList<int> cycle{0, c1, c1 + w(" 33/33  "), c1 + w(" Day of cycle  "),
                           c1 + w(" Day of cycle  ") + w(" Value   ")};
    QTest::newRow("Primary") << 1 << cycle;
    QTest::newRow("I-Ching") << 3 << cycle;
    c1 = x0("Mastery AAAA AAAAA") + w("Mastery");
    QTest::newRow("Secondary") << 2 << QList<int>{0, c1, c1 + 40, c1 + 40 + w(" Value   "), 0};
    c1 = x0("Perception AAAA AAAAA") + w("Perception");
    QTest::newRow("Extra") << 6 << QList<int>{0, c1, c1 + 40, c1 + 40 + w(" Value   "), 0};
    int c0 = x0("Overall result 100% AAAAAA Excellent");
    c1 = c0 + w("Overall result");
    const int c2 = c1 + w(" 100%") + 5;
    QTest::newRow("Compatibility")
        << 4 << QList<int>{c0, c1, c2, c2 + 45, c2 + 45 + w("Excellent") + 5};
    c0 = x0("Overall result AAAAA 100%");
    c1 = c0 + w("Overall result");
    QTest::newRow("Interaction") << 5 << QList<int>{c0, c1, c1 + 46, c1 + 46 + w("100%"), 0};
}

void DayInfoPainterTest::columnsFromSampleTexts() {
    QFETCH(int, mode);
    QFETCH(QList<int>, want);
    DayInfoColumns c;
    Paint(MakeScene(static_cast<DayInfoMode>(mode)), &c);
    QCOMPARE((QList<int>{c.c0, c.c1, c.c2, c.c3, c.c4}), want);
}

// A day on which Physical is critical, and one on which nothing is.
DateTime CriticalDay(bool physical) {
    std::int32_t d = EncodeDate(2026, 1, 1);
    for (int i = 0; i < 60; ++i, ++d) {
        const auto rows = ViewValues(DayInfoMode::Primary, kFirst, kSecond, d).groups[0].rows;
        if (physical ? rows[0].criticalMarks > 0 : rows.back().criticalMarks == 0) {
            return d;
        }
    }
    return d;
}

// The tide and weather pictures at their columns, and the red asterisk right of the tide
// picture (up to c2 + 30, from y - 2) exactly on the critical rows.
void DayInfoPainterTest::picturesAndCriticalMarks() {
    for (DayInfoMode mode : {DayInfoMode::Primary, DayInfoMode::IChing}) {
        for (const bool critical : {true, false}) {
            const DayInfoScene s = MakeScene(mode, CriticalDay(critical));
            DayInfoColumns c;
            const QImage img = Paint(s, &c);
            const CycleRows r = RowsOf(s);
            const auto& rows = s.view.groups[0].rows;
            QVERIFY(mode != DayInfoMode::Primary || (rows[0].criticalMarks > 0) == critical);
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const int y = r.y[i];
                const QRgb weather = PictureColour(DayInfoPicture::SmallWeather, *rows[i].weather);
                QCOMPARE(img.pixel(c.c3, y), weather);
                QCOMPARE(img.pixel(c.c3 + 15, y + 15), weather);
                QCOMPARE(img.pixel(c.c3 - 1, y), qRgb(255, 255, 255));
                if (rows[i].cycle) {
                    const QRgb tide =
                        PictureColour(DayInfoPicture::SmallWeather,
                                      rows[i].cycle->tide == TideDirection::Rising ? 10 : 9);
                    QCOMPARE(img.pixel(c.c2, y), tide);
                    QCOMPARE(img.pixel(c.c2 + 15, y + 15), tide);
                }
                QCOMPARE(Count(img, QRect(c.c2 + 16, y - 2, 14, r.L), IsRed) > 0,
                         rows[i].criticalMarks > 0);
                QCOMPARE(Count(img, QRect(c.c2 + 30, y - 2, 8, r.L), IsRed), 0);
            }
        }
    }
}

void DayInfoPainterTest::legendBox() {
    QList<int> bottoms;
    for (DayInfoMode mode : {DayInfoMode::Primary, DayInfoMode::IChing}) {
        const DayInfoScene s = MakeScene(mode, CriticalDay(false));
        const QImage img = Paint(s);
        const CycleRows r = RowsOf(s);
        const int yl = r.y.back() + r.L * 5 / 2;
        const int step = QFontMetrics(s.regular).height() * 3 / 2;
        const int lines = mode == DayInfoMode::Primary ? 3 : 2;
        const int bottom = yl + step * 2 / 5 + (lines - 1) * step + step * 11 / 10 - 1;
        QCOMPARE(img.pixel(148, yl), qRgb(0, 0, 0));
        QCOMPARE(img.pixel(148, bottom), qRgb(0, 0, 0));
        QCOMPARE(img.pixel(148, bottom + 1), qRgb(255, 255, 255));
        QCOMPARE(Count(img, QRect(0, yl, 297, bottom - yl), IsRed) > 0,
                 mode == DayInfoMode::Primary);
        bottoms << bottom;
    }
    QVERIFY(bottoms[0] > bottoms[1]);
}

void DayInfoPainterTest::labelsInTheirPenColour() {
    DayInfoScene s = MakeScene(DayInfoMode::Primary);
    s.pens[static_cast<std::size_t>(RhythmId::Emotional)].colour = 0x0000C000;
    DayInfoColumns c;
    const QImage img = Paint(s, &c);
    const CycleRows r = RowsOf(s);
    const auto green = [](QRgb p) { return qGreen(p) > 150 && qRed(p) < 90 && qBlue(p) < 90; };
    const int width = QFontMetrics(s.bold).horizontalAdvance(QStringLiteral("Emotional"));
    QVERIFY(Count(img, QRect(c.c1 - 5 - width, r.y[1], width, r.L), green) > 10);
    QCOMPARE(Count(img, QRect(0, r.y[0], c.c1 - 5, r.L), green), 0);
    // The rating words of the basic rhythms stand in their rating's colour.
    const DayInfoScene pair = MakeScene(DayInfoMode::Compatibility);
    const QImage compat = Paint(pair, &c);
    const int step = r.L * 4 / 5;
    const int first = 4 + 2 * step + r.L * 3 / 2 + r.L * 13 / 10;
    int coloured = 0;
    for (int i = 0; i < 3; ++i) {
        const CompatRating rating = *pair.view.groups[0].rows[static_cast<std::size_t>(i)].rating;
        const QRgb word = ToQColor(RatingScreenColour(rating)).rgb();
        if (rating != CompatRating::None) {
            const QRect area(c.c3, first + i * r.L, c.c4 - c.c3, r.L);
            QVERIFY(Count(compat, area, [&](QRgb p) { return p == word; }) > 5);
            ++coloured;
        }
    }
    QVERIFY(coloured > 0);
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    DayInfoPainterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DayInfoPainter_test.moc"
