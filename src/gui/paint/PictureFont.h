#pragma once
// The font of the texts inside pictures (chart, day info table, calendar page, matching
// panel): the desktop's interface family at the size the pictures' pixel geometry was laid
// out for, 8 points at 96 dpi, whatever size the desktop's own font has. A size in pixels, so
// a picture keeps its layout on any desktop and comes out the same on screen, in a file and
// on paper; the controls around a picture follow the desktop font as usual.

#include <QFont>
#include <QStringList>
#include <optional>

namespace vitalune::paint {

inline constexpr int kPictureFontPixels = 11;  // 8 pt at 96 dpi
inline constexpr int kSmallestFontPixels = 6;  // below this a text is no longer read

QFont PictureFont(const QFont& interfaceFont);

// A font given in points as the pixels it has at 96 dpi, the resolution pictures are laid
// out at: on a 1200 dpi printer the painter's scale, not the printer's resolution, sizes it.
QFont InPixels(const QFont& font);

// The font made smaller, a pixel at a time, until every text is at most `width` pixels wide;
// none when not even the smallest size is narrow enough.
std::optional<QFont> FitFont(const QFont& font, const QStringList& texts, int width);

}  // namespace vitalune::paint
