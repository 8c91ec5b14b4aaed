#pragma once
// Writes a picture as a GIF file with giflib (Qt reads GIF but does not write it): one frame,
// a palette of at most 255 colours, and one transparent colour where the picture is clear.

#include <QColor>
#include <QImage>
#include <filesystem>
#include <string>

#include "core/files/AtomicFile.h"

namespace vitalune::art {

struct GifEncodeResult {
    bool ok = false;
    std::string bytes;  // the GIF file
    std::string error;
};

// Pixels less than a quarter opaque become transparent; the others are blended over `matte`
// (the page colour the picture is shown on), since GIF knows no partial transparency.
GifEncodeResult EncodeGif(const QImage& image, QColor matte);

// EncodeGif, then an atomic write of the file.
FileResult WriteGifFile(const QImage& image, QColor matte, const std::filesystem::path& path);

}  // namespace vitalune::art
