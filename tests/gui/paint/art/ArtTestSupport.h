#pragma once
// Helpers for the artwork tests: a GUI application for the parts that need one, pixel counts,
// and GIF files read back by Qt's own reader.

#include <QImage>
#include <filesystem>
#include <string>

namespace vitalune::art::test {

// Creates the process's QGuiApplication (offscreen) on first use.
void EnsureGuiApplication();

int OpaquePixels(const QImage& image);
inline bool FullyTransparent(const QImage& image) {
    return OpaquePixels(image) == 0;
}
// Separate areas of clearly visible pixels (alpha 128 and above), four-connected.
int Blobs(const QImage& image);

// The first frame as ARGB32; a null image when unreadable.
QImage DecodeGif(const std::string& bytes);
QImage DecodeGifFile(const std::filesystem::path& path);

}  // namespace vitalune::art::test
