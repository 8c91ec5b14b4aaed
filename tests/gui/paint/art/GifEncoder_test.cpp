#include "gui/paint/art/gifgen/GifEncoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "ArtTestSupport.h"
#include "core/reports/ReportPictureFiles.h"
#include "gui/paint/art/ReportPictureArt.h"

namespace vitalune::art {
namespace {

using test::DecodeGif;

const QColor kMatte(0xF0, 0xF1, 0xFF);

// Encodes and reads back with Qt's own reader.
QImage RoundTrip(const QImage& image) {
    const GifEncodeResult gif = EncodeGif(image, kMatte);
    EXPECT_TRUE(gif.ok) << gif.error;
    EXPECT_EQ(gif.bytes.substr(0, 6), "GIF89a");
    return DecodeGif(gif.bytes);
}

TEST(GifEncoder, FewColoursRoundTripExactly) {
    QImage image(5, 3, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 0, 0));
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 128, 0));
    image.setPixel(2, 1, qRgba(0, 0, 255, 200));  // mostly opaque: kept, blended over the matte
    image.setPixel(3, 1, qRgba(0, 0, 255, 50));   // mostly clear: transparent
    image.setPixel(1, 2, qRgba(0, 0, 0, 100));    // faint edge: kept, mostly matte
    image.setPixel(4, 2, qRgb(12, 34, 56));
    const QImage back = RoundTrip(image);
    ASSERT_EQ(back.size(), image.size());
    // 200/255 blue over the matte is (52, 52, 255), 100/255 black (146, 146, 155).
    const std::vector<QRgb> expected = {qRgb(255, 0, 0),
                                        qRgb(0, 128, 0),
                                        qRgb(52, 52, 255),
                                        0u,
                                        qRgb(146, 146, 155),
                                        qRgb(12, 34, 56),
                                        0u};
    const auto at = [&back](int x, int y) {
        return qAlpha(back.pixel(x, y)) ? back.pixel(x, y) : 0u;
    };
    const std::vector<QRgb> actual = {at(0, 0), at(1, 0), at(2, 1), at(3, 1),
                                      at(1, 2), at(4, 2), at(4, 0)};
    EXPECT_EQ(actual, expected);
}

TEST(GifEncoder, FailuresAreReported) {
    EXPECT_FALSE(EncodeGif(QImage(), kMatte).ok);
    EXPECT_FALSE(EncodeGif(QImage(), kMatte).error.empty());
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::red);
    const FileResult written =
        WriteGifFile(image, kMatte, "/nonexistent-folder-for-vitalune/x/red.gif");
    EXPECT_FALSE(written.ok);
    EXPECT_NE(written.error.find("nonexistent-folder-for-vitalune"), std::string::npos);
}

// The build writes each picture the report writers copy into the data folder, once.
TEST(ReportPictureFiles, AreTheFilesTheReportWritersCopy) {
    std::set<std::string> generated;
    for (const ReportPicture& p : ReportPictureArt()) {
        EXPECT_TRUE(generated.insert(p.fileName).second) << p.fileName << " twice";
    }
    EXPECT_EQ(generated,
              std::set<std::string>(kReportPictureFiles.begin(), kReportPictureFiles.end()));
}

// The files the build wrote for the reports.
TEST(ReportPictureFiles, EachDecodesToItsPicture) {
    const std::filesystem::path folder = std::filesystem::path(VITALUNE_TEST_SHARE_DIR) / "Pict";
    const auto pictures = ReportPictureArt();
    ASSERT_EQ(pictures.size(), 13u);
    for (const ReportPicture& picture : pictures) {
        SCOPED_TRACE(picture.fileName);
        const QImage gif = test::DecodeGifFile(folder / picture.fileName);
        ASSERT_FALSE(gif.isNull());
        const QImage& source = Picture(picture.list, picture.index);
        ASSERT_EQ(gif.size(), source.size());
        if (picture.fileName == "none.gif") {
            EXPECT_TRUE(test::FullyTransparent(gif));
            continue;
        }
        EXPECT_GT(test::OpaquePixels(gif), gif.width() * gif.height() / 20);
        if (picture.fileName.starts_with("one") || picture.fileName.starts_with("two") ||
            picture.fileName.starts_with("three")) {
            const int symbols = picture.fileName[0] == 'o' ? 1 : picture.fileName[1] == 'w' ? 2 : 3;
            EXPECT_EQ(test::Blobs(gif), symbols);
        }
        // Clear where the picture is clear, and its colour where the picture is solid.
        const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < gif.height(); ++y) {
            for (int x = 0; x < gif.width(); ++x) {
                const QRgb s = argb.pixel(x, y);
                const QRgb g = gif.pixel(x, y);
                if (qAlpha(s) == 0) {
                    ASSERT_EQ(qAlpha(g), 0) << x << "," << y;
                } else if (qAlpha(s) == 255) {
                    ASSERT_EQ(qAlpha(g), 255) << x << "," << y;
                    EXPECT_EQ(g, s | 0xFF000000u) << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace vitalune::art
