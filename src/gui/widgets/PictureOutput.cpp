#include "gui/widgets/PictureOutput.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImageWriter>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

#include "core/engine/DateText.h"
#include "core/files/AtomicFile.h"
#include "gui/paint/PictureFont.h"

namespace vitalune::ui {

namespace {

constexpr int kLayoutDpi = 96;

// A 96 dpi device for text sizes, so a PDF, an SVG and the screen lay the picture out alike.
const QPaintDevice& LayoutDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dpm = static_cast<int>(std::lround(kLayoutDpi / 0.0254));
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
        return image;
    }();
    return device;
}

QFont BoldFont(const QFont& font) {
    QFont bold = paint::InPixels(font);
    bold.setBold(true);
    return bold;
}

void DrawTextAt(QPainter& p, const QFont& font, int x, int top, const QString& text) {
    p.setFont(font);
    const QFontMetrics metrics(font, p.device());
    p.drawText(QPoint(x, top + metrics.ascent()), text);
}

struct FormatInfo {
    PictureFormat format;
    const char* suffix;
    const char* filter;
};
constexpr FormatInfo kFormats[] = {
    {PictureFormat::Bmp, "bmp", "Bitmaps (*.bmp)"},
    {PictureFormat::Png, "png", "PNG pictures (*.png)"},
    {PictureFormat::Pdf, "pdf", "PDF documents (*.pdf)"},
    {PictureFormat::Svg, "svg", "SVG drawings (*.svg)"},
};

bool WriteRaster(const Picture& picture, QIODevice& device, const char* format, QString* why) {
    QImageWriter writer(&device, format);
    if (writer.write(PictureImage(picture))) {
        return true;
    }
    if (why) {
        *why = writer.errorString();
    }
    return false;
}

QPageLayout PdfPageOf(const Picture& picture) {
    const PictureLayout layout = LayoutPicture(picture);
    const QSizeF points(layout.size.width() * 72.0 / kLayoutDpi,
                        layout.size.height() * 72.0 / kLayoutDpi);
    return QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

bool WritePdf(std::span<const Picture> pages, QIODevice& device) {
    if (pages.empty()) {
        return false;
    }
    QPdfWriter writer(&device);
    writer.setResolution(kLayoutDpi);
    writer.setCreator(QString::fromLatin1(kStampTitle));
    writer.setPageLayout(PdfPageOf(pages.front()));
    QPainter p;
    if (!p.begin(&writer)) {
        return false;
    }
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            writer.setPageLayout(PdfPageOf(pages[i]));
            if (!writer.newPage()) {
                p.end();
                return false;
            }
        }
        DrawPicture(p, pages[i]);
    }
    return p.end();
}

bool WriteSvg(const Picture& picture, QIODevice& device) {
    const PictureLayout layout = LayoutPicture(picture);
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setResolution(kLayoutDpi);
    generator.setSize(layout.size);
    generator.setViewBox(QRect(QPoint(0, 0), layout.size));
    generator.setTitle(picture.leftStamp);
    QPainter p;
    if (!p.begin(&generator)) {
        return false;
    }
    DrawPicture(p, picture);
    return p.end();
}

}  // namespace

QString LeftStampText(paint::ChartPage page, const std::string& name1, std::int32_t birth1,
                      const std::string& name2) {
    const QString one = QString::fromStdString(name1);
    if (page == paint::ChartPage::Compatibility) {
        return QStringLiteral("Created for ") + one + QStringLiteral(" and ") +
               QString::fromStdString(name2);
    }
    return QStringLiteral("Created for ") + one + QStringLiteral(", ") +
           QString::fromStdString(DateText(birth1));
}

PictureLayout LayoutPicture(const Picture& picture) {
    if (!picture.stamped) {
        return {picture.chart, QPoint(0, 0), picture.chart.height(), picture.chart.width()};
    }
    const QFontMetrics bold(BoldFont(picture.font), &LayoutDevice());
    const int textHeight2 = 2 * bold.height();
    PictureLayout layout;
    layout.size = QSize(picture.chart.width() + 2 * kPictureMargin,
                        picture.chart.height() + kPictureMargin + textHeight2);
    layout.chartAt = QPoint(kPictureMargin, kPictureMargin);
    layout.stampY = static_cast<int>(picture.chart.height() + textHeight2 * 0.25);
    const QFontMetrics plain(paint::InPixels(picture.font), &LayoutDevice());
    layout.rightX =
        layout.size.width() - plain.horizontalAdvance(picture.rightStamp) - 2 * kPictureMargin;
    return layout;
}

void DrawPicture(QPainter& p, const Picture& picture) {
    const PictureLayout layout = LayoutPicture(picture);
    p.save();
    p.fillRect(QRect(QPoint(0, 0), layout.size), Qt::white);
    p.save();
    p.translate(layout.chartAt);
    p.setClipRect(QRect(QPoint(0, 0), picture.chart));
    if (picture.drawChart) {
        picture.drawChart(p);
    }
    p.restore();
    if (!picture.stamped) {
        p.restore();
        return;
    }
    p.setPen(Qt::black);
    DrawTextAt(p, BoldFont(picture.font), 2 * kPictureMargin, layout.stampY, picture.leftStamp);
    DrawTextAt(p, paint::InPixels(picture.font), layout.rightX, layout.stampY, picture.rightStamp);
    p.restore();
}

QImage PictureImage(const Picture& picture) {
    const PictureLayout layout = LayoutPicture(picture);
    const qreal devicePixelRatio = picture.devicePixelRatio;
    if (layout.size.isEmpty()) {
        return {};
    }
    QImage image(layout.size * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    // A larger picture is the same picture, finer: it keeps its size on paper.
    image.setDotsPerMeterX(
        static_cast<int>(std::lround(LayoutDevice().logicalDpiX() * devicePixelRatio / 0.0254)));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    image.fill(Qt::white);
    QPainter p(&image);
    DrawPicture(p, picture);
    return image;
}

std::optional<PictureFormat> FormatForPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FormatInfo& f : kFormats) {
        if (suffix == QLatin1String(f.suffix)) {
            return f.format;
        }
    }
    return std::nullopt;
}

QString PictureFileFilters() {
    QStringList filters;
    for (const FormatInfo& f : kFormats) {
        filters << QString::fromLatin1(f.filter);
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<PictureFormat> FormatForFilter(const QString& filter) {
    for (const FormatInfo& f : kFormats) {
        if (filter == QLatin1String(f.filter)) {
            return f.format;
        }
    }
    return std::nullopt;
}

namespace {

// Renders into memory and hands the bytes to the one atomic writer, so that no picture type
// is ever written in place and every failed write is seen, whatever Qt's writers report.
bool WriteThrough(const QString& path, QString* why, FileOps* ops,
                  const std::function<bool(QIODevice&, QString*)>& write) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString reason;
    if (!write(buffer, &reason)) {
        if (why) {
            *why = QStringLiteral("cannot write ") + path +
                   (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
        }
        return false;
    }
    AtomicWriteOptions options;
    options.ops = ops;
    const FileResult written =
        WriteFileAtomically(QFile::encodeName(path).toStdString(),
                            std::string_view(bytes.constData(), bytes.size()), options);
    if (!written && why) {
        *why = QString::fromLocal8Bit(written.error);
    }
    return written.ok;
}

}  // namespace

bool WritePicture(const Picture& picture, const QString& path, PictureFormat format, QString* why,
                  FileOps* ops) {
    for (const FormatInfo& f : kFormats) {
        if (f.format == format) {
            return WritePictureAs(picture, path, f.suffix, why, ops);
        }
    }
    return false;
}

bool WritePictureAs(const Picture& picture, const QString& path, const QByteArray& type,
                    QString* why, FileOps* ops) {
    return WriteThrough(path, why, ops, [&](QIODevice& device, QString* reason) {
        if (type == "pdf") {
            return WritePdf(std::span(&picture, 1), device);
        }
        if (type == "svg") {
            return WriteSvg(picture, device);
        }
        return WriteRaster(picture, device, type.constData(), reason);
    });
}

bool WritePdfPages(std::span<const Picture> pages, const QString& path, QString* why,
                   FileOps* ops) {
    return WriteThrough(path, why, ops,
                        [&](QIODevice& device, QString*) { return WritePdf(pages, device); });
}

bool CopyPicture(const Picture& picture, QClipboard& clipboard) {
    const QImage image = PictureImage(picture);
    clipboard.setImage(image);
    // The clipboard may refuse silently (no display connection, another owner racing us).
    const QMimeData* data = clipboard.mimeData();
    return data && data->hasImage();
}

QRect PrintTarget(QSize page, QSize pictureSize) {
    if (page.width() >= page.height() || pictureSize.width() <= 0) {
        return QRect(QPoint(0, 0), page);
    }
    const auto height = static_cast<int>(static_cast<double>(page.width()) * pictureSize.height() /
                                         pictureSize.width());
    return QRect(0, 0, page.width(), height);
}

QRect PortraitPrintTarget(QSize page, QSize pictureSize) {
    const std::int64_t side = std::min(page.width(), page.height());
    const std::int64_t w = pictureSize.width();
    const std::int64_t h = pictureSize.height();
    if (w <= 0 || h <= 0 || side <= 0) {
        return QRect(QPoint(0, 0), page);
    }
    // Whole-number arithmetic, so that the limiting side is met exactly.
    if (side * h <= page.height() * w) {
        return QRect(0, 0, static_cast<int>(side), static_cast<int>(side * h / w));
    }
    return QRect(0, 0, static_cast<int>(page.height() * w / h), page.height());
}

bool PrintPicture(const Picture& picture, QPrinter& printer, PrintTargetRule targetRule) {
    printer.setPageOrientation(QPageLayout::Portrait);
    const PictureLayout layout = LayoutPicture(picture);
    if (!printer.isValid() || layout.size.isEmpty()) {
        return false;
    }
    QPainter p;
    if (!p.begin(&printer)) {
        return false;
    }
    // The picture itself is painted onto the page at the printer's resolution: lines and text
    // stay sharp on paper, and a PDF printed to file keeps them as lines and text.
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect target = targetRule(page.size(), layout.size);
    p.translate(target.topLeft());
    p.scale(static_cast<qreal>(target.width()) / layout.size.width(),
            static_cast<qreal>(target.height()) / layout.size.height());
    DrawPicture(p, picture);
    return p.end();
}

QString SaveImageErrorText(const QString& path, const QString& why) {
    const QString text = QString::fromLatin1(kSaveImageError) + path;
    return why.isEmpty() ? text : text + QLatin1Char('\n') + why;
}

}  // namespace vitalune::ui
