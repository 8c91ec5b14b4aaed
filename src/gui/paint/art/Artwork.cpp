#include "gui/paint/art/Artwork.h"

#include <QIcon>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <tuple>

#include "gui/paint/DeviceGrid.h"
#include "gui/paint/art/ArtRender.h"

namespace vitalune::art {
namespace {

// Ratios are kept to hundredths so that a screen's 1.2499999 and 1.25 share one picture, and
// kept within what a screen can have so that a bad value cannot make a huge image.
qreal CleanRatio(qreal ratio) {
    if (!std::isfinite(ratio) || ratio <= 0.0) {
        return 1.0;
    }
    ratio = std::clamp(ratio, 0.25, 8.0);
    return std::round(ratio * 100.0) / 100.0;
}

struct CacheKey {
    ImageList list;
    int index;
    int ratioHundredths;
    auto operator<=>(const CacheKey&) const = default;
};

class PictureCache {
  public:
    const QImage& Get(ImageList list, int index, qreal ratio) {
        // Every index outside the list shares the one transparent entry.
        if (index < 0 || index >= ImageCount(list)) {
            index = -1;
        }
        const CacheKey key{list, index, static_cast<int>(std::lround(ratio * 100.0))};
        std::lock_guard lock(m_mutex);
        auto found = m_pictures.find(key);
        if (found == m_pictures.end()) {
            found = m_pictures.emplace(key, detail::RenderPicture(list, index, ratio)).first;
        }
        // std::map never moves its elements, so the reference outlives later insertions.
        return found->second;
    }

  private:
    std::mutex m_mutex;
    std::map<CacheKey, QImage> m_pictures;
};

PictureCache& Cache() {
    static PictureCache cache;
    return cache;
}

constexpr QSize kBarExplainSize{200, 150};
const QString kBarExplainSource = QStringLiteral(":/vitalune/art/misc/barexplain.svg");

// The bar explanation at the ratios asked for; the calendar page draws it on every change.
const QImage& CachedBarExplain(qreal ratio) {
    static std::mutex mutex;
    static std::map<int, QImage> pictures;
    const int key = static_cast<int>(std::lround(ratio * 100.0));
    std::lock_guard lock(mutex);
    auto found = pictures.find(key);
    if (found == pictures.end()) {
        found = pictures.emplace(key, BarExplainPicture(ratio)).first;
    }
    return found->second;
}

// A picture of `size` at `topLeft`: the drawing itself (`paint`, at the origin) on vector
// devices, else the picture rendered at the device's scale (`image`) on its device pixels.
template <typename Paint, typename Image>
void DrawOnDevice(QPainter& painter, QPoint topLeft, QSize size, Paint paint, Image image) {
    const paint::DeviceGrid grid(painter);
    if (grid.Vector()) {
        // Paper and PDF get the drawing itself, sharp at any zoom.
        painter.save();
        painter.translate(topLeft);
        paint(painter);
        painter.restore();
        return;
    }
    if (grid.OneToOne()) {
        painter.drawImage(topLeft, image(1.0));
        return;
    }
    // Rendered at the device's resolution onto the device pixels its logical pixels cover.
    const int x0 = grid.X(topLeft.x());
    const int y0 = grid.Y(topLeft.y());
    const int x1 = grid.X(topLeft.x() + size.width());
    const int y1 = grid.Y(topLeft.y() + size.height());
    const QImage& rendered = image(std::max(grid.ScaleX(), grid.ScaleY()));
    const QRectF target = grid.Logical(x0, y0, x1, y1);
    if (rendered.size() == QSize(x1 - x0, y1 - y0)) {
        painter.drawImage(target.topLeft(), rendered);  // pixel for pixel
    } else {
        painter.drawImage(target, rendered);
    }
}

}  // namespace

const QImage& Picture(ImageList list, int index, qreal devicePixelRatio) {
    return Cache().Get(list, index, CleanRatio(devicePixelRatio));
}

void DrawPicture(QPainter& painter, QPoint topLeft, ImageList list, int index) {
    DrawOnDevice(
        painter, topLeft, ImageSize(list),
        [&](QPainter& p) { detail::PaintPicture(p, list, index); },
        [&](qreal ratio) -> const QImage& { return Picture(list, index, ratio); });
}

QIcon PictureIcon(ImageList list, int index) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        icon.addPixmap(QPixmap::fromImage(Picture(list, index, ratio)));
    }
    return icon;
}

QImage OwlPicture(qreal devicePixelRatio) {
    return detail::RenderSvg(QStringLiteral(":/vitalune/art/misc/owl.svg"), QSize(100, 100),
                             CleanRatio(devicePixelRatio));
}

QImage DateHintPicture(qreal devicePixelRatio) {
    return detail::RenderSvg(QStringLiteral(":/vitalune/art/misc/datehint.svg"), QSize(232, 182),
                             CleanRatio(devicePixelRatio));
}

QImage SchemeBackground(PictureScheme scheme, qreal devicePixelRatio) {
    const QString source = scheme == PictureScheme::Stars
                               ? QStringLiteral(":/vitalune/art/misc/stars.svg")
                               : QStringLiteral(":/vitalune/art/misc/hearts.svg");
    return detail::RenderSvg(source, QSize(105, 105), CleanRatio(devicePixelRatio));
}

QImage BarExplainPicture(qreal devicePixelRatio) {
    return detail::RenderSvg(kBarExplainSource, kBarExplainSize, CleanRatio(devicePixelRatio));
}

void DrawBarExplainPicture(QPainter& painter, QPoint topLeft) {
    DrawOnDevice(
        painter, topLeft, kBarExplainSize,
        [&](QPainter& p) { detail::PaintSvg(p, kBarExplainSource, kBarExplainSize); },
        [&](qreal ratio) -> const QImage& { return CachedBarExplain(CleanRatio(ratio)); });
}

QImage DayInfoSidePicture(DayInfoSide view, qreal devicePixelRatio) {
    QString source;
    switch (view) {
        case DayInfoSide::Secondary:
            source = QStringLiteral(":/vitalune/art/dayinfo/00-secondary.svg");
            break;
        case DayInfoSide::IChing:
            source = QStringLiteral(":/vitalune/art/dayinfo/01-iching.svg");
            break;
        case DayInfoSide::Extra:
            source = QStringLiteral(":/vitalune/art/dayinfo/02-extra.svg");
            break;
        case DayInfoSide::Interaction:
            source = QStringLiteral(":/vitalune/art/dayinfo/03-interaction.svg");
            break;
    }
    return detail::RenderSvg(source, QSize(297, 309), CleanRatio(devicePixelRatio));
}

QImage AppIconPicture(int logicalSize, qreal devicePixelRatio) {
    logicalSize = std::clamp(logicalSize, 1, 1024);
    devicePixelRatio = CleanRatio(devicePixelRatio);
    // The full icon's three curves run together below 32 pixels; the small one has two.
    const QString source = logicalSize * devicePixelRatio < 32
                               ? QStringLiteral(":/vitalune/art/misc/vitalune-small.svg")
                               : QStringLiteral(":/vitalune/vitalune.svg");
    return detail::RenderSvg(source, QSize(logicalSize, logicalSize), devicePixelRatio);
}

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(AppIconPicture(size)));
    }
    return icon;
}

}  // namespace vitalune::art
