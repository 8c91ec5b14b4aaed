#include "gui/widgets/LookUpIcons.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "gui/paint/art/Artwork.h"

namespace vitalune::ui {

QIcon WebIcon() {
    return art::PictureIcon(art::ImageList::SmallWeather, art::SmallWeatherIndex::Web);
}

// A sun over two hills: the picture of every image look-up button.
QIcon PicturesIcon() {
    QIcon icon;
    for (const int scale : {1, 2}) {
        QImage image(16 * scale, 16 * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
        p.setBrush(QColor(0xDD, 0xEE, 0xFF));
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF0, 0xB0, 0x20));
        p.drawEllipse(QPointF(11, 6), 1.8, 1.8);
        p.setBrush(QColor(0x30, 0x90, 0x40));
        const QPointF hills[] = {{2, 13}, {6, 7.5}, {9, 11}, {11, 9.5}, {14, 13}};
        p.drawPolygon(hills, 5);
        p.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace vitalune::ui
