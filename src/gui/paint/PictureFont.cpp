#include "gui/paint/PictureFont.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace vitalune::paint {

QFont PictureFont(const QFont& interfaceFont) {
    QFont font(interfaceFont.family());
    font.setPixelSize(kPictureFontPixels);
    return font;
}

QFont InPixels(const QFont& font) {
    if (font.pixelSize() > 0 || font.pointSizeF() <= 0) {
        return font;
    }
    QFont pixels = font;
    pixels.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pointSizeF() * 96 / 72))));
    return pixels;
}

std::optional<QFont> FitFont(const QFont& font, const QStringList& texts, int width) {
    QFont fitted = font;
    for (;;) {
        const QFontMetrics metrics(fitted);
        const bool fits = std::all_of(texts.begin(), texts.end(), [&](const QString& text) {
            return metrics.horizontalAdvance(text) <= width;
        });
        if (fits) {
            return fitted;
        }
        const int pixels =
            fitted.pixelSize() > 0 ? fitted.pixelSize() : QFontInfo(fitted).pixelSize();
        if (pixels <= kSmallestFontPixels) {
            return std::nullopt;
        }
        fitted.setPixelSize(pixels - 1);
    }
}

}  // namespace vitalune::paint
