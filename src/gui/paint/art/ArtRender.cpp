#include "gui/paint/art/ArtRender.h"

#include <QPainter>
#include <QPolygonF>
#include <QSvgRenderer>
#include <QtDebug>
#include <array>

namespace vitalune::art::detail {
namespace {

// File names below resources/art/<folder>/, "NN-name.svg", in index order.
constexpr std::array<const char*, kGroupIconCount> kGroupNames = {
    "person", "star",   "people",   "family",   "team",     "heart",    "briefcase", "office",
    "school", "house",  "ball",     "music",    "book",     "camera",   "plane",     "globe",
    "phone",  "mail",   "calendar", "gift",     "cake",     "crown",    "flower",    "tree",
    "sun",    "moon",   "paw",      "coffee",   "gamepad",  "film",     "palette",   "flask",
    "health", "shield", "flag",     "trophy",   "anchor",   "bulb",     "key",       "gem",
    "coin",   "teddy",  "chat",     "computer", "sailboat", "mountain", "car",       "folder",
};
constexpr std::array<const char*, 17> kSmallNames = {
    "sun",     "suncloud", "clouds", "rain",   "storm", "snow", "fog", "night", "wind",
    "falling", "rising",   "steady", "female", "male",  "mail", "web", "help",
};
constexpr std::array<const char*, 4> kBigNames = {"sun", "suncloud", "clouds", "rain"};
constexpr std::array<const char*, 2> kSideMarkNames = {"upper", "lower"};
constexpr std::array<const char*, 5> kTabNames = {"primary", "secondary", "extra", "compatibility",
                                                  "iching"};

constexpr int kDotsCount = 4;
constexpr int kRatingsPerScheme = 5;
constexpr int kSchemeCount = 2;
// One rating symbol's slot; three of them fill the 39-pixel picture.
constexpr int kSymbolWidth = 13;

template <std::size_t N>
QString SourceOf(const char* folder, const std::array<const char*, N>& names, int index) {
    if (index < 0 || index >= static_cast<int>(N)) {
        return {};
    }
    return QStringLiteral(":/vitalune/art/%1/%2-%3.svg")
        .arg(QLatin1String(folder))
        .arg(index, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(names[static_cast<std::size_t>(index)]));
}

// Blue diamonds, centred, five pixels apart so that four fill the 21-pixel width with a
// pixel between neighbours.
void PaintDots(QPainter& painter, int count) {
    constexpr qreal kPitch = 5.0;
    constexpr qreal kHalfWidth = 2.0;
    const qreal first = (21.0 - kPitch * count) / 2.0 + kHalfWidth;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const qreal cx = first + i * kPitch;
        const QPolygonF diamond{
            {cx, 0.0}, {cx + kHalfWidth, 3.0}, {cx, 6.0}, {cx - kHalfWidth, 3.0}};
        painter.setBrush(QColor(0x1f, 0x5f, 0xc8));
        painter.drawPolygon(diamond);
        // The lit upper facets give the diamond its shape at this small size.
        const QPolygonF light{{cx, 0.0}, {cx + kHalfWidth, 3.0}, {cx, 3.0}, {cx - kHalfWidth, 3.0}};
        painter.setBrush(QColor(0x5a, 0x9c, 0xf5));
        painter.drawPolygon(light);
    }
}

// Rating picture `slot` of a scheme: 0 "Any" (three pale symbols), 1..3 that many symbols
// (Weak, Good, Excellent), 4 None (empty).
void PaintRating(QPainter& painter, PictureScheme scheme, int slot) {
    const bool hearts = scheme == PictureScheme::Hearts;
    int count = slot;
    QString symbol = hearts ? QStringLiteral(":/vitalune/art/rating/heart.svg")
                            : QStringLiteral(":/vitalune/art/rating/star.svg");
    if (slot == 0) {
        count = 3;
        symbol = hearts ? QStringLiteral(":/vitalune/art/rating/heart-any.svg")
                        : QStringLiteral(":/vitalune/art/rating/star-any.svg");
    } else if (slot >= 4) {
        return;
    }
    QSvgRenderer renderer(symbol);
    if (!renderer.isValid()) {
        qWarning("artwork: cannot load %s", qPrintable(symbol));
        return;
    }
    for (int i = 0; i < count; ++i) {
        renderer.render(&painter, QRectF(i * kSymbolWidth, 0, kSymbolWidth, 16));
    }
}

}  // namespace

QImage BlankPicture(QSize logical, qreal devicePixelRatio) {
    const QSize pixels(qRound(logical.width() * devicePixelRatio),
                       qRound(logical.height() * devicePixelRatio));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QImage RenderSvg(const QString& resource, QSize logical, qreal devicePixelRatio) {
    QImage image = BlankPicture(logical, devicePixelRatio);
    QPainter painter(&image);
    PaintSvg(painter, resource, logical);
    return image;
}

void PaintSvg(QPainter& painter, const QString& resource, QSize logical) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) {
        qWarning("artwork: cannot load %s", qPrintable(resource));
        return;
    }
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logical)));
}

QString PictureSource(ImageList list, int index) {
    switch (list) {
        case ImageList::GroupIcons:
            return SourceOf("groups", kGroupNames, index);
        case ImageList::SmallWeather:
            return SourceOf("small", kSmallNames, index);
        case ImageList::BigWeather:
            return SourceOf("big", kBigNames, index);
        case ImageList::SideMarks:
            return SourceOf("sidemarks", kSideMarkNames, index);
        case ImageList::TabPictures:
            return SourceOf("tabs", kTabNames, index);
        case ImageList::Dots:
        case ImageList::CompatPict:
            break;
    }
    return {};
}

void PaintPicture(QPainter& painter, ImageList list, int index) {
    if (index < 0 || index >= ImageCount(list)) {
        return;
    }
    if (const QString source = PictureSource(list, index); !source.isEmpty()) {
        QSvgRenderer renderer(source);
        if (!renderer.isValid()) {
            qWarning("artwork: cannot load %s", qPrintable(source));
            return;
        }
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(ImageSize(list))));
    } else if (list == ImageList::Dots) {
        PaintDots(painter, index + 1);
    } else if (list == ImageList::CompatPict) {
        PaintRating(painter, static_cast<PictureScheme>(index / kRatingsPerScheme),
                    index % kRatingsPerScheme);
    }
}

QImage RenderPicture(ImageList list, int index, qreal devicePixelRatio) {
    QImage image = BlankPicture(ImageSize(list), devicePixelRatio);
    QPainter painter(&image);
    PaintPicture(painter, list, index);
    return image;
}

}  // namespace vitalune::art::detail

namespace vitalune::art {

QSize ImageSize(ImageList list) {
    switch (list) {
        case ImageList::GroupIcons:
        case ImageList::SmallWeather:
        case ImageList::TabPictures:
            return {16, 16};
        case ImageList::BigWeather:
            return {40, 40};
        case ImageList::Dots:
            return {21, 6};
        case ImageList::SideMarks:
            return {17, 80};
        case ImageList::CompatPict:
            return {39, 16};
    }
    return {16, 16};
}

int ImageCount(ImageList list) {
    using namespace detail;
    switch (list) {
        case ImageList::GroupIcons:
            return kGroupIconCount;
        case ImageList::SmallWeather:
            return static_cast<int>(kSmallNames.size());
        case ImageList::BigWeather:
            return static_cast<int>(kBigNames.size());
        case ImageList::Dots:
            return kDotsCount;
        case ImageList::SideMarks:
            return static_cast<int>(kSideMarkNames.size());
        case ImageList::CompatPict:
            return kRatingsPerScheme * kSchemeCount;
        case ImageList::TabPictures:
            return static_cast<int>(kTabNames.size());
    }
    return 0;
}

}  // namespace vitalune::art
