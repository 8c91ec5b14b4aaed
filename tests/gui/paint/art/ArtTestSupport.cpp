#include "ArtTestSupport.h"

#include <QGuiApplication>
#include <vector>

namespace vitalune::art::test {

void EnsureGuiApplication() {
    if (QGuiApplication::instance()) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "art_test";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends; tests run on the main thread.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

int OpaquePixels(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            count += qAlpha(argb.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return count;
}

int Blobs(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    std::vector<char> seen(static_cast<std::size_t>(argb.width() * argb.height()), 0);
    // Marks the area of (x, y) and says whether it was a new one.
    const auto fill = [&](auto&& self, int x, int y) -> bool {
        if (x < 0 || y < 0 || x >= argb.width() || y >= argb.height() ||
            seen[y * argb.width() + x] || qAlpha(argb.pixel(x, y)) < 128) {
            return false;
        }
        seen[y * argb.width() + x] = 1;
        self(self, x + 1, y), self(self, x - 1, y), self(self, x, y + 1), self(self, x, y - 1);
        return true;
    };
    int blobs = 0;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            blobs += fill(fill, x, y) ? 1 : 0;
        }
    }
    return blobs;
}

QImage DecodeGif(const std::string& bytes) {
    EnsureGuiApplication();
    const QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return QImage::fromData(data, "GIF").convertToFormat(QImage::Format_ARGB32);
}

QImage DecodeGifFile(const std::filesystem::path& path) {
    EnsureGuiApplication();
    return QImage(QString::fromStdString(path.string()), "GIF")
        .convertToFormat(QImage::Format_ARGB32);
}

}  // namespace vitalune::art::test
