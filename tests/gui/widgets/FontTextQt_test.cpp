#include "gui/widgets/FontTextQt.h"

#include <QTest>

#include "gui/paint/GdiCanvas.h"

using namespace vitalune;

class FontTextQtTest : public QObject {
    Q_OBJECT
  private slots:
    void fontsBothWays_data();
    void fontsBothWays();
    void defaultFontAndColours();
};

void FontTextQtTest::fontsBothWays_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("bold grey") << "Arial,20,8421504,1,0,0,0";
    QTest::newRow("plain") << "DejaVu Serif,10,0,0,0,0,0";
    QTest::newRow("all styles, blue") << "Noto Sans,26,16711680,1,1,1,1";
    QTest::newRow("italic underline") << "Liberation Mono,13,128,0,1,1,0";
}

void FontTextQtTest::fontsBothWays() {
    QFETCH(QString, text);
    const auto parsed = ParseFontText(text.toStdString());
    QVERIFY(parsed);
    QFont fallback(QStringLiteral("Sans"), 7);
    fallback.setBold(true);  // the text's style wins over the fallback's
    fallback.setItalic(true);
    const QFont font = ui::FontFromText(parsed, fallback);
    QCOMPARE(font.family(), QString::fromStdString(parsed->name));
    QCOMPARE(font.pointSize(), parsed->size);
    QCOMPARE(FormatFontText(ui::TextFromFont(font, parsed->colour)), text.toStdString());
    QCOMPARE(ui::ColourFromQColor(ui::ColourFromText(parsed)), parsed->colour);
}

void FontTextQtTest::defaultFontAndColours() {
    const QFont fallback(QStringLiteral("Sans"), 9);
    QCOMPARE(ui::FontFromText(std::nullopt, fallback), fallback);
    QCOMPARE(ui::ColourFromText(std::nullopt), QColor(Qt::black));
    const paint::CalendarFont none = ui::CalendarFontFromText(std::nullopt, fallback);
    QCOMPARE(none.font, fallback);

    // A size that is no size keeps the fallback's; an empty name its face.
    const QFont sizeless =
        ui::FontFromText(FontText{"", 0, 0, true, false, false, false}, fallback);
    QCOMPARE(sizeless.pointSize(), 9);
    QCOMPARE(sizeless.family(), fallback.family());
    QVERIFY(sizeless.bold());

    // A font sized in pixels still gives points.
    QFont pixels(QStringLiteral("Sans"));
    pixels.setPixelSize(24);
    QVERIFY(ui::TextFromFont(pixels, 0).size > 0);

    for (const Colour c : {0x00000000u, 0x00FFFFFFu, 0x00808080u, 0x00000080u, 0x00123456u}) {
        QCOMPARE(ui::ColourFromQColor(paint::ToQColor(c)), c);
    }
    QCOMPARE(ui::ColourFromQColor(QColor(0x12, 0x34, 0x56, 0x80)), 0x00563412u);
}

int RunFontTextQtTests(int argc, char** argv) {
    FontTextQtTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FontTextQt_test.moc"
