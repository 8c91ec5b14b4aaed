#include "gui/widgets/PictureOutput.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "core/engine/Date.h"

using namespace vitalune;
using namespace vitalune::ui;

namespace {

const QColor kChartColour(200, 30, 30);

// A chart of one colour with a black corner mark, so its placement shows in the picture.
Picture RedPicture(QSize chart = QSize(751, 353)) {
    Picture picture;
    picture.chart = chart;
    picture.drawChart = [chart](QPainter& p) {
        p.fillRect(QRect(QPoint(0, 0), chart), kChartColour);
        p.fillRect(QRect(0, 0, 3, 3), Qt::black);
    };
    picture.leftStamp = QStringLiteral("Created for Anna, 05 Jan 1980");
    picture.font = QApplication::font();
    return picture;
}

int TextHeight(const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(3780);
    device.setDotsPerMeterY(3780);
    return QFontMetrics(bold, &device).height();
}

bool IsInk(QRgb pixel) {
    return qGray(pixel) < 128;
}

// Leftmost and rightmost inked column of a band of rows.
std::pair<int, int> InkSpan(const QImage& image, int top, int bottom) {
    int left = image.width();
    int right = -1;
    for (int y = top; y < bottom && y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (IsInk(image.pixel(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class PictureOutputTest : public QObject {
    Q_OBJECT
  private slots:
    void stampTexts();
    void layoutAndPixels();
    void bareChartHasNoMargin();
    void filesOfEveryFormat();
    void failedWriteLeavesTargetAlone();
    void printKeepsProportionsOnPortraitPages();
    void clipboardGetsThePicture();
};

void PictureOutputTest::stampTexts() {
    using paint::ChartPage;
    const std::int32_t anna = EncodeDate(1980, 1, 5);
    for (ChartPage page :
         {ChartPage::Primary, ChartPage::Secondary, ChartPage::Extra, ChartPage::IChing}) {
        QCOMPARE(LeftStampText(page, "Anna", anna, "Ben"),
                 QStringLiteral("Created for Anna, 05 Jan 1980"));
    }
    QCOMPARE(LeftStampText(ChartPage::Compatibility, "Anna", anna, "Ben"),
             QStringLiteral("Created for Anna and Ben"));
    QCOMPARE(LeftStampText(ChartPage::Primary, "Zoë & Ålf", anna, ""),
             QString::fromUtf8("Created for Zoë & Ålf, 05 Jan 1980"));
}

void PictureOutputTest::layoutAndPixels() {
    const Picture picture = RedPicture();
    const int h = TextHeight(picture.font);
    const PictureLayout layout = LayoutPicture(picture);
    QCOMPARE(layout.size, QSize(761, 358 + 2 * h));
    QCOMPARE(layout.chartAt, QPoint(5, 5));
    QCOMPARE(layout.stampY, static_cast<int>(353 + 2 * h * 0.25));

    const QImage image = PictureImage(picture);
    QCOMPARE(image.size(), layout.size);
    QCOMPARE(QColor(image.pixel(4, 4)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(5, 5)), QColor(Qt::black));  // the chart's corner mark
    QCOMPARE(QColor(image.pixel(8, 8)), kChartColour);
    QCOMPARE(QColor(image.pixel(755, 357)), kChartColour);
    QCOMPARE(QColor(image.pixel(756, 357)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(755, 358)), QColor(Qt::white));

    // Left stamp from x = 10, right stamp ending 10 pixels inside the right edge, both in
    // the stamp line below the chart.
    const auto [left, right] = InkSpan(image, layout.stampY, layout.size.height());
    QVERIFY2(left >= 10 && left <= 12, qPrintable(QString::number(left)));
    QVERIFY2(right <= 761 - 10 && right >= 761 - 14, qPrintable(QString::number(right)));
    const auto middle =
        InkSpan(image.copy(300, 0, 100, image.height()), layout.stampY, layout.size.height());
    QCOMPARE(middle.second, -1);  // the two texts are apart, nothing in between
    // Nothing is drawn between the chart and the stamp line's top.
    QCOMPARE(InkSpan(image, 358, layout.stampY).second, -1);
}

void PictureOutputTest::bareChartHasNoMargin() {
    Picture picture = RedPicture(QSize(400, 300));
    picture.stamped = false;
    picture.devicePixelRatio = 2.0;
    const QImage image = PictureImage(picture);
    QCOMPARE(image.size(), QSize(800, 600));
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(799, 599)), kChartColour);
}

void PictureOutputTest::filesOfEveryFormat() {
    QCOMPARE(FormatForPath(QStringLiteral("/a/b.BMP")), PictureFormat::Bmp);
    QCOMPARE(FormatForPath(QStringLiteral("c.png")), PictureFormat::Png);
    QCOMPARE(FormatForPath(QStringLiteral("c.pdf")), PictureFormat::Pdf);
    QCOMPARE(FormatForPath(QStringLiteral("c.svg")), PictureFormat::Svg);
    QVERIFY(!FormatForPath(QStringLiteral("c.jpg")));
    QVERIFY(!FormatForPath(QStringLiteral("bmp")));
    const QStringList filters = PictureFileFilters().split(QStringLiteral(";;"));
    QCOMPARE(filters.first(), QStringLiteral("Bitmaps (*.bmp)"));
    for (const QString& filter : filters) {
        QVERIFY(FormatForFilter(filter));
    }

    QTemporaryDir dir;
    const Picture picture = RedPicture();
    const QSize size = LayoutPicture(picture).size;
    for (const char* name : {"p.bmp", "p.png"}) {
        const QString path = dir.filePath(QLatin1String(name));
        QVERIFY(WritePicture(picture, path, *FormatForPath(path)));
        const QImage read(path);
        QCOMPARE(read.size(), size);
        QCOMPARE(QColor(read.pixel(8, 8)), kChartColour);
        QCOMPARE(read, PictureImage(picture).convertToFormat(read.format()));
    }
    QVERIFY(ReadAll(dir.filePath(QStringLiteral("p.bmp"))).startsWith("BM"));

    const QString pdf = dir.filePath(QStringLiteral("p.pdf"));
    QVERIFY(WritePicture(picture, pdf, PictureFormat::Pdf));
    const QByteArray pdfBytes = ReadAll(pdf);
    QVERIFY(pdfBytes.startsWith("%PDF"));
    // One page of the picture's size at 96 dpi, in points.
    const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"));
    const auto m = box.match(QString::fromLatin1(pdfBytes));
    QVERIFY(m.hasMatch());
    // PDF pages are whole points, so a side may come out up to a pixel larger.
    QVERIFY(std::abs(m.captured(1).toDouble() * 96 / 72 - size.width()) <= 1.0);
    QVERIFY(std::abs(m.captured(2).toDouble() * 96 / 72 - size.height()) <= 1.0);

    const QString svg = dir.filePath(QStringLiteral("p.svg"));
    QVERIFY(WritePicture(picture, svg, PictureFormat::Svg));
    const QByteArray svgBytes = ReadAll(svg);
    QVERIFY(svgBytes.contains(
        QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(size.width()).arg(size.height()).toLatin1()));
    QVERIFY(svgBytes.contains("Created for Anna"));  // text stays text
}

void PictureOutputTest::failedWriteLeavesTargetAlone() {
    QTemporaryDir dir;
    QString why;
    QVERIFY(!WritePicture(RedPicture(), dir.filePath(QStringLiteral("no/such/folder/p.png")),
                          PictureFormat::Png, &why));
    QVERIFY(!why.isEmpty());

    // A picture that cannot be encoded does not replace what was there.
    const QString path = dir.filePath(QStringLiteral("old.png"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old picture");
    old.close();
    Picture empty = RedPicture(QSize(0, 0));
    empty.stamped = false;
    QVERIFY(!WritePicture(empty, path, PictureFormat::Png));
    QCOMPARE(ReadAll(path), QByteArray("old picture"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.png")});
}

void PictureOutputTest::printKeepsProportionsOnPortraitPages() {
    QCOMPARE(PrintTarget(QSize(1000, 800), QSize(761, 386)), QRect(0, 0, 1000, 800));
    QCOMPARE(PrintTarget(QSize(1000, 1000), QSize(761, 386)), QRect(0, 0, 1000, 1000));
    QCOMPARE(PrintTarget(QSize(800, 1000), QSize(761, 386)), QRect(0, 0, 800, 405));

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
    printer.setPageOrientation(QPageLayout::Landscape);
    QVERIFY(PrintPicture(RedPicture(), printer));
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    const QByteArray bytes = ReadAll(printer.outputFileName());
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
}

void PictureOutputTest::clipboardGetsThePicture() {
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    const Picture picture = RedPicture();
    QVERIFY(CopyPicture(picture, *clipboard));
    const QImage copied = clipboard->image();
    QCOMPARE(copied.size(), LayoutPicture(picture).size);
    QCOMPARE(QColor(copied.pixel(8, 8)), kChartColour);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PictureOutputTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PictureOutput_test.moc"
