#include "gui/paint/art/Artwork.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QPainter>
#include <cmath>
#include <limits>
#include <vector>

#include "ArtTestSupport.h"
#include "core/engine/DayWeather.h"

namespace vitalune::art {
namespace {

using test::Blobs;
using test::FullyTransparent;
using test::OpaquePixels;

const std::vector<ImageList> kLists = {ImageList::GroupIcons, ImageList::SmallWeather,
                                       ImageList::BigWeather, ImageList::Dots,
                                       ImageList::SideMarks,  ImageList::CompatPict};

bool IsNonePicture(ImageList list, int index) {
    return list == ImageList::CompatPict && index % 5 == 4;
}

struct Tint {
    double red = 0, green = 0, blue = 0;
};

// Average colour of the visible pixels in rows [top, bottom).
Tint AverageColour(const QImage& image, int top, int bottom) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Tint t;
    int n = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = argb.pixel(x, y);
            if (qAlpha(p) >= 128) {
                t.red += qRed(p);
                t.green += qGreen(p);
                t.blue += qBlue(p);
                ++n;
            }
        }
    }
    if (n > 0) {
        t.red /= n;
        t.green /= n;
        t.blue /= n;
    }
    return t;
}

// Row with the most visible pixels: the head of an arrow.
int WidestRow(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int best = -1;
    int bestCount = -1;
    for (int y = 0; y < argb.height(); ++y) {
        int count = 0;
        for (int x = 0; x < argb.width(); ++x) {
            count += qAlpha(argb.pixel(x, y)) >= 128 ? 1 : 0;
        }
        if (count > bestCount) {
            bestCount = count;
            best = y;
        }
    }
    return best;
}

TEST(Artwork, EveryPictureIsDrawnAtItsSize) {
    for (const ImageList list : kLists) {
        for (int i = 0; i < ImageCount(list); ++i) {
            const QImage& image = Picture(list, i);
            SCOPED_TRACE(testing::Message() << "list " << static_cast<int>(list) << " index " << i);
            EXPECT_EQ(image.size(), ImageSize(list));
            EXPECT_EQ(image.devicePixelRatio(), 1.0);
            // A missing or broken source would leave the picture clear.
            if (!IsNonePicture(list, i)) {
                EXPECT_GT(OpaquePixels(image), image.width() * image.height() / 20);
            }
        }
    }
}

TEST(Artwork, HigherRatioGivesMorePixelsAndTheSameLogicalSize) {
    for (const ImageList list : kLists) {
        const QImage& twice = Picture(list, 0, 2.0);
        EXPECT_EQ(twice.size(), ImageSize(list) * 2);
        EXPECT_EQ(twice.devicePixelRatio(), 2.0);
        EXPECT_EQ(twice.deviceIndependentSize().toSize(), ImageSize(list));
        const QImage& oneAndAHalf = Picture(list, 0, 1.5);
        EXPECT_EQ(oneAndAHalf.deviceIndependentSize().toSize(), ImageSize(list));
    }
    // Sharper, not just scaled: the 2x picture has detail the 1x one lacks.
    const QImage& small = Picture(ImageList::GroupIcons, 10);
    const QImage& sharp = Picture(ImageList::GroupIcons, 10, 2.0);
    EXPECT_NE(small.scaled(32, 32), sharp.convertToFormat(small.format()));
}

TEST(Artwork, BadRatiosFallBackToOne) {
    for (const qreal ratio : {0.0, -2.0, std::numeric_limits<qreal>::quiet_NaN(),
                              std::numeric_limits<qreal>::infinity()}) {
        EXPECT_EQ(Picture(ImageList::SmallWeather, 0, ratio).size(), QSize(16, 16)) << ratio;
    }
    // No screen is that dense; the picture stops at ratio 8 rather than growing without end.
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
                if (IsNonePicture(list, i) && IsNonePicture(list, j)) {
                    continue;  // both schemes' None pictures are empty
                }
                EXPECT_NE(Picture(list, i), Picture(list, j))
                    << "list " << static_cast<int>(list) << ": " << i << " and " << j;
            }
        }
    }
}

TEST(Artwork, PicturesShowWhatTheyMean) {
    using namespace SmallWeatherIndex;
    const auto tint = [](ImageList list, int index, int top = 0) {
        return AverageColour(Picture(list, index), top, ImageSize(list).height());
    };
    // Sun is warm yellow and rain grey-blue, in both sizes.
    EXPECT_GT(tint(ImageList::SmallWeather, Sun).red, tint(ImageList::SmallWeather, Sun).blue + 80);
    EXPECT_GT(tint(ImageList::SmallWeather, Rain).blue, tint(ImageList::SmallWeather, Rain).red);
    EXPECT_GT(tint(ImageList::BigWeather, 0).red, tint(ImageList::BigWeather, 0).blue + 80);
    EXPECT_GT(tint(ImageList::BigWeather, 3).blue, tint(ImageList::BigWeather, 3).red);
    // The rising tide is a green arrow head up, the falling one red, head down.
    EXPECT_LT(WidestRow(Picture(ImageList::SmallWeather, Rising)), 8);
    EXPECT_GE(WidestRow(Picture(ImageList::SmallWeather, Falling)), 8);
    EXPECT_GT(tint(ImageList::SmallWeather, Rising).green,
              tint(ImageList::SmallWeather, Rising).red);
    EXPECT_GT(tint(ImageList::SmallWeather, Falling).red,
              tint(ImageList::SmallWeather, Falling).green);
    // The clothes, in the lower rows: pink for a woman, blue for a man.
    EXPECT_GT(tint(ImageList::SmallWeather, Female, 12).red,
              tint(ImageList::SmallWeather, Female, 12).blue);
    EXPECT_GT(tint(ImageList::SmallWeather, Male, 12).blue,
              tint(ImageList::SmallWeather, Male, 12).red);
}

TEST(Artwork, DotsPicturesHoldOneToFourDots) {
    EXPECT_EQ(ImageSize(ImageList::Dots), QSize(21, 6));  // the chart centres them by this size
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Blobs(Picture(ImageList::Dots, i)), i + 1) << "index " << i;
        EXPECT_EQ(Blobs(Picture(ImageList::Dots, i, 2.0)), i + 1) << "index " << i << " at 2x";
    }
    // Centred in the 21 pixels, so one dot sits in the middle column.
    const QImage one = Picture(ImageList::Dots, 0).convertToFormat(QImage::Format_ARGB32);
    EXPECT_GE(qAlpha(one.pixel(10, 3)), 128);
    EXPECT_EQ(qAlpha(one.pixel(2, 3)), 0);
}

TEST(Artwork, SideMarksMarkTheUpperAndLowerHalf) {
    EXPECT_EQ(ImageSize(ImageList::SideMarks), QSize(17, 80));
    const QImage upper = Picture(ImageList::SideMarks, 0);
    const QImage lower = Picture(ImageList::SideMarks, 1);
    // Each has its badge at the outer end, away from the zero line.
    EXPECT_GT(OpaquePixels(upper.copy(0, 0, 17, 20)), OpaquePixels(upper.copy(0, 60, 17, 20)));
    EXPECT_GT(OpaquePixels(lower.copy(0, 60, 17, 20)), OpaquePixels(lower.copy(0, 0, 17, 20)));
}

TEST(Artwork, RatingPicturesShowOneToThreeSymbols) {
    for (const PictureScheme scheme : {PictureScheme::Hearts, PictureScheme::Stars}) {
        SCOPED_TRACE(static_cast<int>(scheme));
        const auto picture = [&](CompatRating r) {
            return Picture(ImageList::CompatPict, CompatPictureIndex(r, scheme));
        };
        EXPECT_EQ(Blobs(picture(CompatRating::Weak)), 1);
        EXPECT_EQ(Blobs(picture(CompatRating::Good)), 2);
        EXPECT_EQ(Blobs(picture(CompatRating::Excellent)), 3);
        EXPECT_TRUE(FullyTransparent(picture(CompatRating::None)));
        // "Any" shows three pale symbols, unlike Excellent's coloured ones.
        const QImage& any = Picture(ImageList::CompatPict, AnyPictureIndex(scheme));
        EXPECT_EQ(Blobs(any), 3);
        EXPECT_NE(any, picture(CompatRating::Excellent));
        EXPECT_EQ(Blobs(Picture(ImageList::CompatPict,
                                CompatPictureIndex(CompatRating::Good, scheme), 2.0)),
                  2);
    }
    // Hearts are red, stars gold.
    const Tint heart = AverageColour(Picture(ImageList::CompatPict, 3), 0, 16);
    const Tint star = AverageColour(Picture(ImageList::CompatPict, 8), 0, 16);
    EXPECT_GT(heart.red, heart.green + 80);
    EXPECT_GT(star.green, heart.green + 60);
}

TEST(Artwork, DrawPictureUsesTheDevicesRatio) {
    for (const qreal ratio : {1.0, 2.0}) {
        QImage canvas(QSize(40, 40) * ratio, QImage::Format_ARGB32_Premultiplied);
        canvas.setDevicePixelRatio(ratio);
        canvas.fill(Qt::transparent);
        {
            QPainter painter(&canvas);
            DrawPicture(painter, QPoint(3, 5), ImageList::SmallWeather, SmallWeatherIndex::Help);
        }
        const QImage& expected = Picture(ImageList::SmallWeather, SmallWeatherIndex::Help, ratio);
        const QImage drawn = canvas.copy(QRect(QPoint(3, 5) * ratio, expected.size()));
        EXPECT_EQ(drawn.convertToFormat(QImage::Format_ARGB32),
                  expected.convertToFormat(QImage::Format_ARGB32))
            << "ratio " << ratio;
        // Nothing outside the logical 16 x 16 square.
        EXPECT_EQ(OpaquePixels(canvas), OpaquePixels(expected));
    }
}

TEST(Artwork, SinglePicturesHaveTheirSizes) {
    EXPECT_EQ(OwlPicture().size(), QSize(100, 100));
    const QImage owl2 = OwlPicture(2.0);
    EXPECT_EQ(owl2.size(), QSize(200, 200));
    EXPECT_EQ(owl2.deviceIndependentSize().toSize(), QSize(100, 100));
    EXPECT_GT(OpaquePixels(OwlPicture()), 3000);
    const QImage hearts = SchemeBackground(PictureScheme::Hearts);
    const QImage stars = SchemeBackground(PictureScheme::Stars);
    EXPECT_EQ(hearts.size(), QSize(105, 105));
    EXPECT_GT(OpaquePixels(hearts), 1000);
    EXPECT_NE(hearts, stars);
    const QImage icon = AppIconPicture(48);
    EXPECT_EQ(icon.size(), QSize(48, 48));
    // The tile fills the icon's middle.
    EXPECT_EQ(qAlpha(icon.convertToFormat(QImage::Format_ARGB32).pixel(24, 24)), 255);
    EXPECT_EQ(AppIconPicture(0).size(), QSize(1, 1));
}

TEST(Artwork, IconsOfferEveryRatio) {
    test::EnsureGuiApplication();
    const QIcon app = AppIcon();
    EXPECT_FALSE(app.isNull());
    EXPECT_GE(app.availableSizes().size(), 6);
    EXPECT_TRUE(app.availableSizes().contains(QSize(48, 48)));
    const QIcon group = PictureIcon(ImageList::GroupIcons, 7);
    EXPECT_EQ(group.pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32));
    EXPECT_EQ(group.pixmap(QSize(16, 16), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
              Picture(ImageList::GroupIcons, 7).convertToFormat(QImage::Format_ARGB32));
}

}  // namespace
}  // namespace vitalune::art
