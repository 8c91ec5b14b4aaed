#include "ArtTestSupport.h"

#include <gif_lib.h>

#include <QGuiApplication>
#include <cstring>
#include <vector>

#include "core/files/AtomicFile.h"

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

bool FullyTransparent(const QImage& image) {
    return OpaquePixels(image) == 0;
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

namespace {

struct Reader {
    const std::string* bytes;
    std::size_t offset = 0;
};

int ReadFromString(GifFileType* gif, GifByteType* into, int length) {
    auto* reader = static_cast<Reader*>(gif->UserData);
    const std::size_t n =
        std::min(static_cast<std::size_t>(length), reader->bytes->size() - reader->offset);
    std::memcpy(into, reader->bytes->data() + reader->offset, n);
    reader->offset += n;
    return static_cast<int>(n);
}

}  // namespace

QImage DecodeGif(const std::string& bytes) {
    Reader reader{&bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, ReadFromString, &error);
    if (!gif) {
        return {};
    }
    QImage image;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0) {
        const SavedImage& frame = gif->SavedImages[0];
        const ColorMapObject* map =
            frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
        GraphicsControlBlock control{};
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        DGifSavedExtensionToGCB(gif, 0, &control);
        const int w = frame.ImageDesc.Width;
        const int h = frame.ImageDesc.Height;
        image = QImage(w, h, QImage::Format_ARGB32);
        for (int y = 0; y < h && map; ++y) {
            for (int x = 0; x < w; ++x) {
                const int index = frame.RasterBits[y * w + x];
                const GifColorType c = map->Colors[std::min(index, map->ColorCount - 1)];
                image.setPixel(x, y,
                               index == control.TransparentColor ? qRgba(0, 0, 0, 0)
                                                                 : qRgb(c.Red, c.Green, c.Blue));
            }
        }
    }
    DGifCloseFile(gif, &error);
    return image;
}

QImage DecodeGifFile(const std::filesystem::path& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        return {};
    }
    return DecodeGif(bytes);
}

}  // namespace vitalune::art::test
