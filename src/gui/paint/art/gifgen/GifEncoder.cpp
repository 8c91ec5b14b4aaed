#include "gui/paint/art/gifgen/GifEncoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <map>
#include <vector>

namespace vitalune::art {
namespace {

constexpr int kMaxColours = 255;  // one palette entry stays free for transparency
// Below this alpha a pixel is dropped; above it, blended over the matte. Lower than half, so
// that the thin diagonal strokes of the small pictures survive.
constexpr int kKeepAlpha = 64;

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<QRgb> colours;  // opaque colours, blended over the matte
    std::vector<bool> clear;
};

Pixels FlattenOverMatte(const QImage& image, QColor matte) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    Pixels pixels{source.width(), source.height(), {}, {}};
    pixels.colours.reserve(static_cast<std::size_t>(source.width()) * source.height());
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            const auto blend = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
            pixels.clear.push_back(a < kKeepAlpha);
            pixels.colours.push_back(qRgb(blend(qRed(p), matte.red()),
                                          blend(qGreen(p), matte.green()),
                                          blend(qBlue(p), matte.blue())));
        }
    }
    return pixels;
}

struct Indexed {
    std::vector<GifColorType> palette;
    std::vector<GifByteType> indexes;
    int transparentIndex = NO_TRANSPARENT_COLOR;
};

// Exact palette when the opaque colours fit, else giflib's median-cut quantiser.
bool ToPalette(const Pixels& pixels, Indexed& out, std::string& error) {
    std::vector<QRgb> opaque;
    for (std::size_t i = 0; i < pixels.colours.size(); ++i) {
        if (!pixels.clear[i]) {
            opaque.push_back(pixels.colours[i]);
        }
    }
    std::map<QRgb, GifByteType> exact;
    for (const QRgb c : opaque) {
        if (exact.size() > kMaxColours) {
            break;
        }
        exact.emplace(c, 0);
    }
    std::vector<GifByteType> opaqueIndexes(opaque.size());
    if (exact.size() <= kMaxColours) {
        for (auto& [colour, index] : exact) {
            index = static_cast<GifByteType>(out.palette.size());
            out.palette.push_back({static_cast<GifByteType>(qRed(colour)),
                                   static_cast<GifByteType>(qGreen(colour)),
                                   static_cast<GifByteType>(qBlue(colour))});
        }
        for (std::size_t i = 0; i < opaque.size(); ++i) {
            opaqueIndexes[i] = exact[opaque[i]];
        }
    } else {
        std::vector<GifByteType> r, g, b;
        for (const QRgb c : opaque) {
            r.push_back(static_cast<GifByteType>(qRed(c)));
            g.push_back(static_cast<GifByteType>(qGreen(c)));
            b.push_back(static_cast<GifByteType>(qBlue(c)));
        }
        int size = kMaxColours;
        std::vector<GifColorType> map(256);
        if (GifQuantizeBuffer(static_cast<unsigned>(opaque.size()), 1, &size, r.data(), g.data(),
                              b.data(), opaqueIndexes.data(), map.data()) != GIF_OK) {
            error = "cannot reduce the picture's colours";
            return false;
        }
        out.palette.assign(map.begin(), map.begin() + size);
    }
    const bool anyClear = opaque.size() < pixels.colours.size();
    if (anyClear || out.palette.empty()) {
        out.transparentIndex = static_cast<int>(out.palette.size());
        out.palette.push_back({0xFF, 0xFF, 0xFF});
    }
    out.indexes.resize(pixels.colours.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < pixels.colours.size(); ++i) {
        out.indexes[i] = pixels.clear[i] ? static_cast<GifByteType>(out.transparentIndex)
                                         : opaqueIndexes[next++];
    }
    return true;
}

int AppendToString(GifFileType* gif, const GifByteType* data, int length) {
    auto* bytes = static_cast<std::string*>(gif->UserData);
    bytes->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    return length;
}

GifEncodeResult Failure(std::string what) {
    GifEncodeResult result;
    result.error = std::move(what);
    return result;
}

std::string GifError(const char* step, int code) {
    const char* reason = GifErrorString(code);
    return std::string(step) + ": " + (reason ? reason : "unknown giflib error");
}

// The palette size GIF needs: a power of two from 2 to 256.
int MapBits(std::size_t colours) {
    int bits = 1;
    while ((std::size_t{1} << bits) < colours) {
        ++bits;
    }
    return bits;
}

bool WriteFrame(GifFileType* gif, const Pixels& pixels, const Indexed& indexed,
                std::string& error) {
    const int bits = MapBits(indexed.palette.size());
    std::vector<GifColorType> colours = indexed.palette;
    colours.resize(std::size_t{1} << bits, GifColorType{0, 0, 0});
    ColorMapObject* map = GifMakeMapObject(1 << bits, colours.data());
    if (!map) {
        error = "out of memory";
        return false;
    }
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, pixels.width, pixels.height, bits, 0, map) == GIF_OK;
    GifFreeMapObject(map);
    if (ok) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSAL_UNSPECIFIED;
        control.TransparentColor = indexed.transparentIndex;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
             GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, pixels.width, pixels.height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < pixels.height; ++y) {
        // giflib takes the line as non-const but only reads it.
        auto* line = const_cast<GifByteType*>(indexed.indexes.data()) +
                     static_cast<std::size_t>(y) * pixels.width;
        ok = EGifPutLine(gif, line, pixels.width) == GIF_OK;
    }
    if (!ok) {
        error = GifError("cannot encode the GIF", gif->Error);
    }
    return ok;
}

}  // namespace

GifEncodeResult EncodeGif(const QImage& image, QColor matte) {
    if (image.isNull() || image.width() > 0xFFFF || image.height() > 0xFFFF) {
        return Failure("the picture is empty or too large for a GIF");
    }
    const Pixels pixels = FlattenOverMatte(image, matte);
    Indexed indexed;
    std::string error;
    if (!ToPalette(pixels, indexed, error)) {
        return Failure(error);
    }
    GifEncodeResult result;
    int code = 0;
    GifFileType* gif = EGifOpen(&result.bytes, AppendToString, &code);
    if (!gif) {
        return Failure(GifError("cannot start a GIF", code));
    }
    const bool written = WriteFrame(gif, pixels, indexed, error);
    if (EGifCloseFile(gif, &code) != GIF_OK && written) {
        return Failure(GifError("cannot finish the GIF", code));
    }
    if (!written) {
        return Failure(error);
    }
    result.ok = true;
    return result;
}

FileResult WriteGifFile(const QImage& image, QColor matte, const std::filesystem::path& path) {
    const GifEncodeResult gif = EncodeGif(image, matte);
    if (!gif.ok) {
        return FileResult::Failure(path.string() + ": " + gif.error);
    }
    return WriteFileAtomically(path, gif.bytes);
}

}  // namespace vitalune::art
