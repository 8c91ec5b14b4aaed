#include "gui/paint/art/Artwork.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QPainter>
#include <cmath>
#include <limits>
#include <vector>

#include "ArtTestSupport.h"
#include "gui/paint/art/CalendarArt.h"

namespace vitalune::art {
namespace {

using test::Blobs;
using test::FullyTransparent;
using test::OpaquePixels;

const std::vector<ImageList> kLists = {
    ImageList::GroupIcons, ImageList::SmallWeather, ImageList::BigWeather, ImageList::Dots,
    ImageList::SideMarks,  ImageList::CompatPict,   ImageList::TabPictures};

bool IsNonePicture(ImageList list, int index) {
    return list == ImageList::CompatPict && index % 5 == 4;
}

// Average colour of the clearly visible pixels in rows top and below.
QColor Tint(ImageList list, int index, int top = 0) {
    const QImage image = Picture(list, index).convertToFormat(QImage::Format_ARGB32);
    long sum[3] = {};
    long n = 0;
    for (int y = top; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) >= 128) {
                sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p), ++n;
            }
        }
    }
    n = std::max(n, 1L);
    return QColor(int(sum[0] / n), int(sum[1] / n), int(sum[2] / n));
}

// Clearly visible pixels in the rows top .. top + rows - 1.
int RowsInk(ImageList list, int index, int top, int rows = 20) {
    const QImage image = Picture(list, index).convertToFormat(QImage::Format_ARGB32);
    int n = 0;
    for (int y = top; y < top + rows; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += qAlpha(image.pixel(x, y)) >= 128 ? 1 : 0;
        }
    }
    return n;
}

TEST(Artwork, EveryPictureIsDrawnAtEveryRatio) {
    for (const ImageList list : kLists) {
        for (int i = 0; i < ImageCount(list); ++i) {
            SCOPED_TRACE(testing::Message() << "list " << static_cast<int>(list) << " index " << i);
            EXPECT_EQ(Picture(list, i).size(), ImageSize(list));
            // A missing or broken source would leave the picture clear.
            if (!IsNonePicture(list, i)) {
                EXPECT_GT(OpaquePixels(Picture(list, i)),
                          ImageSize(list).width() * ImageSize(list).height() / 20);
            }
        }
        const QImage& twice = Picture(list, 0, 2.0);
        EXPECT_EQ(twice.size(), ImageSize(list) * 2);
        EXPECT_EQ(twice.deviceIndependentSize().toSize(), ImageSize(list));
        EXPECT_EQ(Picture(list, 0, 1.5).deviceIndependentSize().toSize(), ImageSize(list));
    }
    // Sharper, not just scaled: the 2x picture has detail the 1x one lacks.
    EXPECT_NE(Picture(ImageList::GroupIcons, 10).scaled(32, 32),
              Picture(ImageList::GroupIcons, 10, 2.0)
                  .convertToFormat(Picture(ImageList::GroupIcons, 10).format()));
    // Ratios that make no sense fall back to one; none grows past 8.
    for (const qreal ratio : {0.0, -2.0, std::numeric_limits<qreal>::quiet_NaN(),
                              std::numeric_limits<qreal>::infinity()}) {
        EXPECT_EQ(Picture(ImageList::SmallWeather, 0, ratio).size(), QSize(16, 16)) << ratio;
    }
    EXPECT_EQ(Picture(ImageList::SmallWeather, 0, 1e6).size(), QSize(128, 128));
}

TEST(Artwork, PicturesAreCachedAndStay) {
    const QImage* first = &Picture(ImageList::GroupIcons, 5);
    for (int i = 0; i < ImageCount(ImageList::GroupIcons); ++i) {
        Picture(ImageList::GroupIcons, i, 3.0);
    }
    EXPECT_EQ(first, &Picture(ImageList::GroupIcons, 5));
    EXPECT_EQ(first, &Picture(ImageList::GroupIcons, 5, 1.000001));
    EXPECT_NE(first, &Picture(ImageList::GroupIcons, 5, 2.0));
}

TEST(Artwork, IndexesOutsideTheListAreTransparent) {
    for (const ImageList list : kLists) {
        for (const int index : {-1, ImageCount(list), 1000, std::numeric_limits<int>::min()}) {
            const QImage& image = Picture(list, index, 2.0);
            EXPECT_EQ(image.deviceIndependentSize().toSize(), ImageSize(list));
            EXPECT_TRUE(FullyTransparent(image));
        }
    }
}

TEST(Artwork, PicturesOfAListDifferFromEachOther) {
    for (const ImageList list : kLists) {
        for (int i = 0; i < ImageCount(list); ++i) {
            for (int j = i + 1; j < ImageCount(list); ++j) {
                if (!IsNonePicture(list, i) || !IsNonePicture(list, j)) {  // both None are empty
                    EXPECT_NE(Picture(list, i), Picture(list, j))
                        << "list " << static_cast<int>(list) << ": " << i << " and " << j;
                }
            }
        }
    }
}

TEST(Artwork, PicturesShowWhatTheyMean) {
    using namespace SmallWeatherIndex;
    const ImageList small = ImageList::SmallWeather;
    // Sun is warm yellow and rain grey-blue, in both sizes.
    EXPECT_GT(Tint(small, Sun).red(), Tint(small, Sun).blue() + 80);
    EXPECT_GT(Tint(small, Rain).blue(), Tint(small, Rain).red());
    EXPECT_GT(Tint(ImageList::BigWeather, 0).red(), Tint(ImageList::BigWeather, 0).blue() + 80);
    EXPECT_GT(Tint(ImageList::BigWeather, 3).blue(), Tint(ImageList::BigWeather, 3).red());
    // The rising tide is a green arrow, the falling one red.
    EXPECT_GT(Tint(small, Rising).green(), Tint(small, Rising).red());
    EXPECT_GT(Tint(small, Falling).red(), Tint(small, Falling).green());
    // The clothes, in the lower rows: pink for a woman, blue for a man.
    EXPECT_GT(Tint(small, Female, 12).red(), Tint(small, Female, 12).blue());
    EXPECT_GT(Tint(small, Male, 12).blue(), Tint(small, Male, 12).red());
    // Each side mark has its badge at the outer end, away from the zero line.
    EXPECT_EQ(ImageSize(ImageList::SideMarks), QSize(17, 80));
    EXPECT_GT(RowsInk(ImageList::SideMarks, 0, 0), RowsInk(ImageList::SideMarks, 0, 60));
    EXPECT_GT(RowsInk(ImageList::SideMarks, 1, 60), RowsInk(ImageList::SideMarks, 1, 0));
}

TEST(Artwork, DotsAndRatingsCountTheirSymbols) {
    EXPECT_EQ(ImageSize(ImageList::Dots), QSize(21, 6));  // the chart centres them by this size
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Blobs(Picture(ImageList::Dots, i)), i + 1) << "index " << i;
        EXPECT_EQ(Blobs(Picture(ImageList::Dots, i, 2.0)), i + 1) << "index " << i << " at 2x";
    }
    // Centred in the 21 pixels, so one dot sits in the middle column.
    const QImage one = Picture(ImageList::Dots, 0).convertToFormat(QImage::Format_ARGB32);
    EXPECT_GE(qAlpha(one.pixel(10, 3)), 128);
    EXPECT_EQ(qAlpha(one.pixel(2, 3)), 0);

    for (const PictureScheme scheme : {PictureScheme::Hearts, PictureScheme::Stars}) {
        SCOPED_TRACE(static_cast<int>(scheme));
        const auto picture = [&](CompatRating r, qreal ratio = 1.0) {
            return Picture(ImageList::CompatPict, CompatPictureIndex(r, scheme), ratio);
        };
        EXPECT_EQ(Blobs(picture(CompatRating::Weak)), 1);
        EXPECT_EQ(Blobs(picture(CompatRating::Good)), 2);
        EXPECT_EQ(Blobs(picture(CompatRating::Good, 2.0)), 2);
        EXPECT_EQ(Blobs(picture(CompatRating::Excellent)), 3);
        EXPECT_TRUE(FullyTransparent(picture(CompatRating::None)));
        // "Any" shows three pale symbols, unlike Excellent's coloured ones.
        const QImage& any = Picture(ImageList::CompatPict, AnyPictureIndex(scheme));
        EXPECT_EQ(Blobs(any), 3);
        EXPECT_NE(any, picture(CompatRating::Excellent));
    }
    // Hearts are red, stars gold.
    EXPECT_GT(Tint(ImageList::CompatPict, 3).red(), Tint(ImageList::CompatPict, 3).green() + 80);
    EXPECT_GT(Tint(ImageList::CompatPict, 8).green(), Tint(ImageList::CompatPict, 3).green() + 60);
}

TEST(Artwork, DrawPictureUsesTheDevicesRatio) {
    for (const qreal ratio : {1.0, 2.0}) {
        QImage canvas(QSize(40, 40) * ratio, QImage::Format_ARGB32);
        canvas.setDevicePixelRatio(ratio);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        DrawPicture(painter, QPoint(3, 5), ImageList::SmallWeather, SmallWeatherIndex::Help);
        painter.end();
        const QImage expected = Picture(ImageList::SmallWeather, SmallWeatherIndex::Help, ratio)
                                    .convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(canvas.copy(QRect(QPoint(3, 5) * ratio, expected.size())), expected) << ratio;
        // Nothing outside the logical 16 x 16 square.
        EXPECT_EQ(OpaquePixels(canvas), OpaquePixels(expected));
    }
}

TEST(Artwork, SinglePicturesAndIcons) {
    EXPECT_EQ(OwlPicture(2.0).size(), QSize(200, 200));
    EXPECT_EQ(OwlPicture(2.0).deviceIndependentSize().toSize(), QSize(100, 100));
    EXPECT_GT(OpaquePixels(OwlPicture()), 3000);
    const QImage hearts = SchemeBackground(PictureScheme::Hearts);
    EXPECT_EQ(hearts.size(), QSize(105, 105));
    EXPECT_GT(OpaquePixels(hearts), 1000);
    EXPECT_NE(hearts, SchemeBackground(PictureScheme::Stars));
    // The tile fills the icon's middle.
    const QImage icon = AppIconPicture(48).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(icon.size(), QSize(48, 48));
    EXPECT_EQ(qAlpha(icon.pixel(24, 24)), 255);
    EXPECT_EQ(AppIconPicture(0).size(), QSize(1, 1));

    test::EnsureGuiApplication();
    EXPECT_GE(AppIcon().availableSizes().size(), 6);
    EXPECT_TRUE(AppIcon().availableSizes().contains(QSize(48, 48)));
    EXPECT_EQ(PictureIcon(ImageList::GroupIcons, 7).pixmap(QSize(16, 16), 2.0).size(),
              QSize(32, 32));  // sharp on a doubled screen; its pixels are the tabs' test
}

TEST(Artwork, CalendarPictures) {
    test::EnsureGuiApplication();  // the explanation's names are text
    EXPECT_EQ(BarExplainPicture(2.0).size(), QSize(400, 300));
    EXPECT_EQ(BarExplainPicture(2.0).deviceIndependentSize().toSize(), QSize(200, 150));
    const QImage explain = BarExplainPicture();
    EXPECT_GT(OpaquePixels(explain), 200 * 150 * 9 / 10);
    // The box the calendar paints its sample bars into is white, framed, and the names of the
    // four bars stand below it.
    int white = 0;
    for (int y = 37; y < 37 + 62; ++y) {
        for (int x = 62; x < 62 + 33; ++x) {
            white += explain.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
        }
    }
    EXPECT_EQ(white, 33 * 62);
    EXPECT_LT(qGray(explain.pixel(61, 60)), 200);
    EXPECT_LT(qGray(explain.pixel(95, 60)), 200);
    int ink = 0;
    for (int y = 105; y < 150; ++y) {
        for (int x = 0; x < 200; ++x) {
            ink += qGray(explain.pixel(x, y)) < 120 ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 150);

    // Premultiplied, as the pictures are, so that each lands on the clear canvas unchanged.
    QImage canvas(300, 200, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    const paint::CalendarPictureDrawer draw = CalendarArtwork();
    draw(painter, QPoint(3, 5), paint::CalendarPicture::BigWeather, 2);
    draw(painter, QPoint(3, 100), paint::CalendarPicture::CriticalDots, 3);
    draw(painter, QPoint(260, 5), paint::CalendarPicture::SideMark, 1);
    draw(painter, QPoint(50, 20), paint::CalendarPicture::BarExplain, 0);
    painter.end();
    const auto at = [&](QRect area) { return canvas.copy(area); };
    const auto of = [](ImageList list, int index) { return Picture(list, index); };
    EXPECT_EQ(at(QRect(3, 5, 40, 40)), of(ImageList::BigWeather, 2));
    EXPECT_EQ(at(QRect(3, 100, 21, 6)), of(ImageList::Dots, 3));
    EXPECT_EQ(at(QRect(260, 5, 17, 80)), of(ImageList::SideMarks, 1));
    EXPECT_EQ(at(QRect(50, 20, 200, 150)), explain);
}

TEST(Artwork, DayInfoSidePictures) {
    const std::vector<DayInfoSide> views = {DayInfoSide::Secondary, DayInfoSide::IChing,
                                            DayInfoSide::Extra, DayInfoSide::Interaction};
    std::vector<QImage> seen;
    for (const DayInfoSide view : views) {
        for (const qreal ratio : {1.0, 2.0}) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(view) << " at " << ratio);
            const QImage image = DayInfoSidePicture(view, ratio);
            EXPECT_EQ(image.size(), QSize(297, 309) * ratio);
            EXPECT_EQ(image.deviceIndependentSize().toSize(), QSize(297, 309));
            // A background fills the whole picture, with the drawing on it.
            EXPECT_EQ(OpaquePixels(image), image.width() * image.height());
            EXPECT_NE(image.pixel(image.width() / 2, image.height() / 2), image.pixel(0, 0));
        }
        seen.push_back(DayInfoSidePicture(view));
    }
    for (std::size_t i = 1; i < seen.size(); ++i) {
        EXPECT_NE(seen[i - 1], seen[i]);
    }
}

}  // namespace
}  // namespace vitalune::art
