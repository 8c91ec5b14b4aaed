#include "gui/widgets/FontTextQt.h"

#include <QFontInfo>

#include "gui/paint/GdiCanvas.h"

namespace vitalune::ui {

QFont FontFromText(const std::optional<FontText>& text, const QFont& fallback) {
    if (!text) {
        return fallback;
    }
    QFont font = fallback;
    if (!text->name.empty()) {
        font.setFamily(QString::fromStdString(text->name));
    }
    if (text->size > 0) {
        font.setPointSize(text->size);
    }
    font.setBold(text->bold);
    font.setItalic(text->italic);
    font.setUnderline(text->underline);
    font.setStrikeOut(text->strikeout);
    return font;
}

QColor ColourFromText(const std::optional<FontText>& text) {
    return text ? paint::ToQColor(text->colour) : QColor(Qt::black);
}

paint::CalendarFont CalendarFontFromText(const std::optional<FontText>& text,
                                         const QFont& fallback) {
    return {FontFromText(text, fallback), ColourFromText(text)};
}

FontText TextFromFont(const QFont& font, Colour colour) {
    FontText text;
    text.name = font.family().toStdString();
    text.size = font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
    text.colour = colour;
    text.bold = font.bold();
    text.italic = font.italic();
    text.underline = font.underline();
    text.strikeout = font.strikeOut();
    return text;
}

Colour ColourFromQColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<Colour>(rgb.red()) | (static_cast<Colour>(rgb.green()) << 8) |
           (static_cast<Colour>(rgb.blue()) << 16);
}

}  // namespace vitalune::ui
