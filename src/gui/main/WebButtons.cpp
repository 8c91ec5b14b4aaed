#include "gui/main/WebButtons.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

#include "gui/paint/art/Artwork.h"

namespace vitalune::ui {

namespace {

// A framed little landscape: a sun over two hills.
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

QToolButton* LookUpButton(const QString& name, const char* hint, const QIcon& icon) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setToolTip(QString::fromLatin1(hint));
    button->setAccessibleName(QString::fromLatin1(hint).trimmed());
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

}  // namespace

WebButtons AddWebButtons(QHBoxLayout& row, int person) {
    WebButtons buttons;
    buttons.info =
        LookUpButton(QStringLiteral("GetInfo%1Btn").arg(person), kAskWebHint,
                     art::PictureIcon(art::ImageList::SmallWeather, art::SmallWeatherIndex::Web));
    buttons.pictures =
        LookUpButton(QStringLiteral("GetPict%1Btn").arg(person), kFindImagesHint, PicturesIcon());
    row.addWidget(buttons.info);
    row.addWidget(buttons.pictures);
    return buttons;
}

}  // namespace vitalune::ui
