#pragma once
// The chart as a picture: the page's chart in a white margin with a one-line stamp naming the
// person and the product. Printing, saving (BMP, PNG, PDF, SVG) and the clipboard all draw
// it with the same painter, so the picture is the same everywhere. No dialogs here: the
// main window asks the user, this module only composes and writes.

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "gui/paint/ChartScene.h"

class QClipboard;
class QPainter;
class QPrinter;

namespace vitalune {
class FileOps;
}

namespace vitalune::ui {

enum class PictureMode { SaveToFile, CopyToClipboard };
enum class PictureFormat { Bmp, Png, Pdf, Svg };

inline constexpr const char* kStampTitle = "Vitalune v3.04";
inline constexpr const char* kSaveImageError = "Cann't save image to file ";
inline constexpr const char* kCopyImageError = "Failed to copy image to clipboard";
inline constexpr const char* kPrinterError = "Please check if your printer is installed";
inline constexpr int kPictureMargin = 5;

// "Created for NAME, DD Mon YYYY", or both names on the compatibility page.
QString LeftStampText(paint::ChartPage page, const std::string& name1, std::int32_t birth1,
                      const std::string& name2);

struct Picture {
    QSize chart;                               // W x H of the chart
    std::function<void(QPainter&)> drawChart;  // draws the chart at (0, 0)
    QString leftStamp;
    QString rightStamp = QString::fromLatin1(kStampTitle);
    QFont font;                    // the picture font; the left stamp uses its bold form
    bool stamped = true;           // false: the bare chart, no margin and no texts
    qreal devicePixelRatio = 1.0;  // of BMP, PNG and clipboard images
};

struct PictureLayout {
    QSize size;      // W + 10 by H + 5 + twice the text height
    QPoint chartAt;  // (5, 5)
    int stampY = 0;  // top of both stamp texts
    int rightX = 0;  // left end of the right stamp text
};

// Text sizes are those of a 96 dpi device, the resolution every output is laid out at.
PictureLayout LayoutPicture(const Picture& picture);
void DrawPicture(QPainter& p, const Picture& picture);
QImage PictureImage(const Picture& picture);

// By file name suffix, case-insensitive; none for anything else.
std::optional<PictureFormat> FormatForPath(const QString& path);
// The file dialog's filter texts, BMP first, and the format of each.
QString PictureFileFilters();
std::optional<PictureFormat> FormatForFilter(const QString& filter);

// Writes through a temporary file that replaces the target only when complete; on failure
// the target is left as it was, `why` says what failed with the path and the system's reason,
// and false is returned. `ops` are the system's when null.
bool WritePicture(const Picture& picture, const QString& path, PictureFormat format,
                  QString* why = nullptr, FileOps* ops = nullptr);
// Any type Qt's image writers know by `type` ("jpg", "webp", ...), or "pdf" and "svg".
bool WritePictureAs(const Picture& picture, const QString& path, const QByteArray& type,
                    QString* why = nullptr, FileOps* ops = nullptr);
// Several pictures as the pages of one PDF file, written like WritePicture.
bool WritePdfPages(std::span<const Picture> pages, const QString& path, QString* why = nullptr,
                   FileOps* ops = nullptr);
// "Cann't save image to file PATH", and on the next line what failed.
QString SaveImageErrorText(const QString& path, const QString& why);
bool CopyPicture(const Picture& picture, QClipboard& clipboard);

// Where a picture of pictureSize lands on a printable page: stretched over a landscape page,
// full width keeping proportions on a portrait one, always at the top left.
QRect PrintTarget(QSize page, QSize pictureSize);
// A portrait page picture (the calendar) within the square of the page's shorter side by its
// height, at the top left, keeping its proportions: on a portrait sheet the full width.
QRect PortraitPrintTarget(QSize page, QSize pictureSize);
using PrintTargetRule = QRect (*)(QSize page, QSize pictureSize);
// Prints one page in portrait; false when the printer cannot take it.
bool PrintPicture(const Picture& picture, QPrinter& printer, PrintTargetRule target = PrintTarget);

}  // namespace vitalune::ui
