#include "gui/paint/MatchPanelPainter.h"

#include <QPainter>

#include "gui/paint/GdiCanvas.h"
#include "gui/platform/Utf8Text.h"

namespace vitalune::paint {

namespace {

struct Row {
    const char* name;
    CompatField field;
    RhythmId colour;
};

constexpr Row kBasicRows[3] = {
    {"Physical", CompatField::Physical, RhythmId::Physical},
    {"Emotional", CompatField::Emotional, RhythmId::Emotional},
    {"Intellectual", CompatField::Intellectual, RhythmId::Intellectual},
};
constexpr Row kOverallRow = {"Overall result", CompatField::Overall, RhythmId::PrimaryOverall};
constexpr Row kOtherRows[4] = {
    {"Intuitive", CompatField::Intuitive, RhythmId::Intuitive},
    {"Aesthetic", CompatField::Aesthetic, RhythmId::Aesthetic},
    {"Awareness", CompatField::Awareness, RhythmId::Awareness},
    {"Spiritual", CompatField::Spiritual, RhythmId::Spiritual},
};

QString L(const char* text) {
    return QString::fromLatin1(text);
}

void Centred(QPainter& p, int left, int right, int y, const QString& text, Colour colour) {
    TextOut(p, left + (right - left - TextWidth(p, text)) / 2, y, text, colour);
}

void DrawRow(QPainter& p, const MatchPanelScene& s, const MatchPanelLayout& l, const Row& row,
             int y) {
    const QString name = L(row.name);
    TextOut(p, l.c2 - TextWidth(p, name), y, name,
            s.pens[static_cast<std::size_t>(row.colour)].colour);
    const std::int32_t value = s.compat[row.field];
    Centred(p, l.c2, l.c3, y, QString::number(value) + QLatin1Char('%'), kBlack);
    const CompatRating rating = RateCompatibility(value);
    if (s.art.rating) {
        s.art.rating(p, QPoint(l.c3, y), CompatPictureIndex(rating, s.scheme));
    }
    Centred(p, l.c4, l.c5, y, QUtf8(RatingLabel(rating)), RatingScreenColour(rating));
}

}  // namespace

MatchPanelLayout PaintMatchPanel(QPainter& p, const MatchPanelScene& s) {
    const int width = kMatchPanelSize.width();
    p.save();
    p.fillRect(QRect(QPoint(0, 0), kMatchPanelSize), ToQColor(kWhite));
    if (s.art.background) {
        s.art.background(p, QRect(QPoint(0, 0), kMatchPanelSize), s.scheme);
    }
    MatchPanelLayout l;
    if (!s.person) {
        p.restore();
        return l;
    }
    p.setFont(s.font);
    p.setBrush(Qt::NoBrush);
    l.step = static_cast<int>(1.5 * p.fontMetrics().height());
    Centred(p, 0, width, 4, QUtf8(s.baseName), kBlack);
    const int y1 = static_cast<int>(4 + 0.8 * l.step);
    Centred(p, 0, width, y1, QStringLiteral("and ") + QUtf8(s.foundName), kBlack);
    const int y2 = static_cast<int>(y1 + 1.5 * l.step);
    Centred(p, 0, width, y2, QStringLiteral("Basic rhythms"), kBlack);

    l.c1 = (width - TextWidth(p, QStringLiteral("Overall result 100% AAAAAA Excellent"))) / 2;
    l.c2 = l.c1 + TextWidth(p, L(kOverallRow.name));
    l.c3 = l.c2 + TextWidth(p, QStringLiteral(" 100% ")) + 5;
    l.c4 = l.c3 + 5 + 40;
    l.c5 = l.c4 + TextWidth(p, QStringLiteral("Excellent")) + 5;

    l.physicalRow = static_cast<int>(y2 + 1.3 * l.step);
    int y = l.physicalRow;
    for (const Row& row : kBasicRows) {
        DrawRow(p, s, l, row, y);
        y += l.step;
    }
    l.lineY = y + 2;  // a step below the Intellectual row, and two more
    p.setPen(SolidPen(kBlack));
    StraightLine(p, l.c1, l.lineY, l.c5, l.lineY);
    l.overallRow = l.lineY + l.step / 2;
    DrawRow(p, s, l, kOverallRow, l.overallRow);
    const int others = static_cast<int>(l.overallRow + 1.8 * l.step);
    Centred(p, 0, width, others, QStringLiteral("Other rhythms"), kBlack);
    l.intuitiveRow = static_cast<int>(others + 1.3 * l.step);
    y = l.intuitiveRow;
    for (const Row& row : kOtherRows) {
        DrawRow(p, s, l, row, y);
        y += l.step;
    }
    p.restore();
    return l;
}

}  // namespace vitalune::paint
