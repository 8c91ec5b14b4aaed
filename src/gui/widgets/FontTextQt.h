#pragma once
// Font texts as Qt fonts and back, for the windows whose fonts the user chooses (the month
// calendar, the day information and matching windows). A font text that could not be read is
// the program's default font, which the caller passes in.

#include <QColor>
#include <QFont>
#include <optional>

#include "core/settings/FontText.h"
#include "gui/paint/CalendarPainter.h"

namespace vitalune::ui {

// `fallback` when there is no text; otherwise its face, size and style. A size below one point
// keeps the fallback's size.
QFont FontFromText(const std::optional<FontText>& text, const QFont& fallback);
// The default font is drawn in black.
QColor ColourFromText(const std::optional<FontText>& text);
paint::CalendarFont CalendarFontFromText(const std::optional<FontText>& text,
                                         const QFont& fallback);

// The point size is a whole number; a font sized in pixels gives the points it has on screen.
FontText TextFromFont(const QFont& font, Colour colour);

// 0x00BBGGRR; the alpha is dropped.
Colour ColourFromQColor(const QColor& colour);

}  // namespace vitalune::ui
