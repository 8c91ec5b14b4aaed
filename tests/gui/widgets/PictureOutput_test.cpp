#include "gui/widgets/PictureOutput.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "core/engine/Date.h"
#include "core/settings/AppSettings.h"
#include "gui/paint/ChartPainter.h"
#include "gui/paint/PictureFont.h"

using namespace vitalune;
using namespace vitalune::ui;

namespace {

const QRgb kRed = qRgb(200, 30, 30);

// A red chart of 751 x 353 with a black corner mark, so its placement shows in the picture.
Picture RedPicture(QSize chart = QSize(751, 353)) {
    Picture picture;
    picture.chart = chart;
    picture.drawChart = [chart](QPainter& p) {
        p.fillRect(QRect(QPoint(0, 0), chart), QColor(kRed));
        p.fillRect(QRect(0, 0, 3, 3), Qt::black);
    };
    picture.leftStamp = QStringLiteral("Created for Anna, 05 Jan 1980");
    picture.font = QApplication::font();
    return picture;
}

// The leftmost and rightmost column with ink (dark pixels) in a band of rows; -1 for none.
std::pair<int, int> InkSpan(const QImage& image, int left, int right, int top, int bottom) {
    std::pair<int, int> span{-1, -1};
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                span = {span.first < 0 ? x : std::min(span.first, x), std::max(span.second, x)};
            }
        }
    }
    return span;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class PictureOutputTest : public QObject {
    Q_OBJECT
  private slots:
    void layoutAndPixels();
    void bareChart();
    void filesOfEveryFormat();
    void failedWriteLeavesTargetAlone();
    void printKeepsProportionsOnPortraitPages();
    void printsLinesAndTextNotAPicture();
};

void PictureOutputTest::layoutAndPixels() {
    const Picture picture = RedPicture();
    QFont bold = picture.font;  // the stamp's height, at 96 dpi
    bold.setBold(true);
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(3780);
    device.setDotsPerMeterY(3780);
    const int h = QFontMetrics(bold, &device).height();
    const PictureLayout layout = LayoutPicture(picture);
    QCOMPARE(layout.size, QSize(761, 358 + 2 * h));
    QCOMPARE(layout.stampY, static_cast<int>(353 + 2 * h * 0.25));

    const QImage image = PictureImage(picture);
    QCOMPARE(image.size(), layout.size);
    // The chart at (5, 5) in a white margin: its corner mark, its last pixel and around.
    const QList<QRgb> pixels{image.pixel(4, 4),     image.pixel(5, 5),     image.pixel(8, 8),
                             image.pixel(755, 357), image.pixel(756, 357), image.pixel(755, 358)};
    QCOMPARE(pixels, (QList<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 0), kRed, kRed,
                                  qRgb(255, 255, 255), qRgb(255, 255, 255)}));
    // The left stamp from x = 10, the right one ending 10 pixels inside the right edge, apart
    // in the stamp line below the chart; nothing between the chart and that line.
    const int bottom = layout.size.height();
    const auto [left, right] = InkSpan(image, 0, 761, layout.stampY, bottom);
    QVERIFY2(left >= 10 && left <= 12, qPrintable(QString::number(left)));
    QVERIFY2(right <= 761 - 10 && right >= 761 - 14, qPrintable(QString::number(right)));
    QCOMPARE(InkSpan(image, 300, 400, layout.stampY, bottom).first, -1);
    QCOMPARE(InkSpan(image, 0, 761, 358, layout.stampY).first, -1);
}

void PictureOutputTest::bareChart() {
    Picture picture = RedPicture(QSize(400, 300));
    picture.stamped = false;
    picture.devicePixelRatio = 2.0;
    const QImage image = PictureImage(picture);
    QCOMPARE(image.size(), QSize(800, 600));
    QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(799, 599), kRed);
}

void PictureOutputTest::filesOfEveryFormat() {
    QCOMPARE(FormatForPath(QStringLiteral("/a/b.BMP")), PictureFormat::Bmp);
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
        QCOMPARE(read, PictureImage(picture).convertToFormat(read.format()));
    }
    QVERIFY(ReadAll(dir.filePath(QStringLiteral("p.bmp"))).startsWith("BM"));

    const QString pdf = dir.filePath(QStringLiteral("p.pdf"));
    QVERIFY(WritePicture(picture, pdf, PictureFormat::Pdf));
    const QByteArray pdfBytes = ReadAll(pdf);
    QVERIFY(pdfBytes.startsWith("%PDF"));
    // One page of the picture's size at 96 dpi, in whole points: up to a pixel larger.
    const auto m = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"))
                       .match(QString::fromLatin1(pdfBytes));
    QVERIFY(m.hasMatch());
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

// A chart printed to a PDF file: its page draws lines and text, sharp at any zoom, and holds
// no picture (the chart's own little pictures come as drawings too).
void PictureOutputTest::printsLinesAndTextNotAPicture() {
    const QFont font = paint::PictureFont(QApplication::font());
    const paint::ChartScene scene =
        paint::MakeChartScene(paint::ChartPage::Primary, QSize(751, 353), font, AppSettings{},
                              EncodeDate(2026, 12, 7), EncodeDate(1980, 1, 5), 0);
    paint::PaintBuffers buffers;
    Picture picture = RedPicture();
    picture.font = font;
    picture.drawChart = [&](QPainter& p) { paint::PaintChartPage(p, scene, buffers); };
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("chart.pdf")));
    QVERIFY(PrintPicture(picture, printer));
    const QByteArray pdf = ReadAll(printer.outputFileName());
    QVERIFY(!pdf.contains("/Subtype /Image"));
    // The page's drawing, unpacked from its compressed streams.
    QByteArray drawing;
    for (qsizetype at = pdf.indexOf("stream\n"); at >= 0; at = pdf.indexOf("stream\n", at)) {
        at += 7;
        const qsizetype end = pdf.indexOf("endstream", at);
        QByteArray packed("\x00\x10\x00\x00", 4);  // a first guess of the unpacked size
        drawing += qUncompress(packed + pdf.mid(at, end - at));
        at = end + 9;
    }
    QVERIFY2(drawing.count(" l\n") > 1000, "curves are drawn as lines");
    QVERIFY2(drawing.count("Tj") > 60, "day numbers, legend and stamp are text");
}

int RunWindowPlacementTests(int argc, char** argv);
int RunFontTextQtTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PictureOutputTest test;
    return QTest::qExec(&test, argc, argv) + RunWindowPlacementTests(argc, argv) +
           RunFontTextQtTests(argc, argv);
}

#include "PictureOutput_test.moc"
