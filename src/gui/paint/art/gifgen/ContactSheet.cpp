#include "gui/paint/art/gifgen/ContactSheet.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "gui/paint/art/Artwork.h"

namespace vitalune::art {
namespace {

struct Section {
    const char* title;
    ImageList list;
};

constexpr Section kSections[] = {
    {"GroupIcons", ImageList::GroupIcons},   {"SmallWeather", ImageList::SmallWeather},
    {"BigWeather", ImageList::BigWeather},   {"Dots", ImageList::Dots},
    {"SideMarks", ImageList::SideMarks},     {"CompatPict", ImageList::CompatPict},
    {"TabPictures", ImageList::TabPictures},
};

constexpr int kMargin = 8;
constexpr int kTitleHeight = 18;
constexpr int kLabelHeight = 14;
constexpr int kSheetWidth = 1200;

// One cell: the picture at 1x beside it enlarged, on a light check so clear parts show.
QSize CellSize(ImageList list, int scale) {
    const QSize s = ImageSize(list);
    return {s.width() * (scale + 1) + 3 * kMargin, s.height() * scale + kLabelHeight + kMargin};
}

void PaintChecks(QPainter& p, const QRect& r) {
    p.fillRect(r, QColor(0xFF, 0xFF, 0xFF));
    for (int y = r.top(); y < r.bottom(); y += 8) {
        for (int x = r.left() + ((y - r.top()) / 8 % 2) * 8; x < r.right(); x += 16) {
            p.fillRect(QRect(x, y, 8, 8).intersected(r), QColor(0xEE, 0xEE, 0xEE));
        }
    }
}

int SectionHeight(ImageList list, int scale) {
    const QSize cell = CellSize(list, scale);
    const int perRow = std::max(1, (kSheetWidth - kMargin) / cell.width());
    const int rows = (ImageCount(list) + perRow - 1) / perRow;
    return kTitleHeight + rows * cell.height() + kMargin;
}

void PaintSection(QPainter& p, const Section& section, int top, int scale) {
    const QSize size = ImageSize(section.list);
    const QSize cell = CellSize(section.list, scale);
    const int perRow = std::max(1, (kSheetWidth - kMargin) / cell.width());
    p.setPen(Qt::black);
    p.drawText(kMargin, top + 13, QString::fromLatin1(section.title));
    for (int i = 0; i < ImageCount(section.list); ++i) {
        const int x = kMargin + (i % perRow) * cell.width();
        const int y = top + kTitleHeight + (i / perRow) * cell.height();
        p.setPen(QColor(0x55, 0x55, 0x55));
        p.drawText(x, y + 11, QString::number(i));
        const QRect small(QPoint(x, y + kLabelHeight), size);
        const QRect big(QPoint(x + size.width() + kMargin, y + kLabelHeight), size * scale);
        PaintChecks(p, small);
        PaintChecks(p, big);
        p.drawImage(small.topLeft(), Picture(section.list, i));
        // The enlargement is the picture rendered at that ratio, shown pixel for pixel.
        QImage enlarged = Picture(section.list, i, scale);
        enlarged.setDevicePixelRatio(1.0);
        p.drawImage(big.topLeft(), enlarged);
    }
}

}  // namespace

QImage RenderContactSheet(int scale) {
    int height = kMargin;
    for (const Section& s : kSections) {
        height += SectionHeight(s.list, scale);
    }
    const int extrasTop = height;
    height += 200 + kMargin * 2;
    QImage sheet(kSheetWidth, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xD8, 0xDC, 0xE4));
    QPainter p(&sheet);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    int top = kMargin;
    for (const Section& s : kSections) {
        PaintSection(p, s, top, scale);
        top += SectionHeight(s.list, scale);
    }
    // The single pictures: owl, backgrounds, program icon, at 1x and 2x.
    int x = kMargin;
    // Pictures rendered at a higher ratio are shown pixel for pixel, enlarged.
    const auto place = [&](QImage image) {
        image.setDevicePixelRatio(1.0);
        PaintChecks(p, QRect(QPoint(x, extrasTop), image.size()));
        p.drawImage(QPoint(x, extrasTop), image);
        x += image.width() + kMargin;
    };
    place(OwlPicture());
    place(OwlPicture(2.0));
    place(SchemeBackground(PictureScheme::Hearts));
    place(SchemeBackground(PictureScheme::Stars));
    place(AppIconPicture(16));
    place(AppIconPicture(16, 4.0));
    place(AppIconPicture(48));
    place(AppIconPicture(128));
    return sheet;
}

}  // namespace vitalune::art
