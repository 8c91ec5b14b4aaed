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
    const int w = argb.width();
    const int h = argb.height();
    std::vector<int> seen(static_cast<std::size_t>(w) * h, 0);
    const auto visible = [&](int x, int y) { return qAlpha(argb.pixel(x, y)) >= 128; };
    int blobs = 0;
    for (int y0 = 0; y0 < h; ++y0) {
        for (int x0 = 0; x0 < w; ++x0) {
            if (seen[y0 * w + x0] || !visible(x0, y0)) {
                continue;
            }
            ++blobs;
            std::vector<std::pair<int, int>> stack{{x0, y0}};
            seen[y0 * w + x0] = 1;
            while (!stack.empty()) {
                const auto [x, y] = stack.back();
                stack.pop_back();
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < w && ny < h && !seen[ny * w + nx] &&
                        visible(nx, ny)) {
                        seen[ny * w + nx] = 1;
                        stack.emplace_back(nx, ny);
                    }
                }
            }
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
