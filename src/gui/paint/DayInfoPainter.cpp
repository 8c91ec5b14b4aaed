#include "gui/paint/DayInfoPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <string_view>

#include "gui/paint/GdiCanvas.h"
#include "gui/platform/Utf8Text.h"

namespace vitalune::paint {

namespace {

constexpr int kTop = 4;
constexpr int kRisingPicture = 10;
constexpr int kFallingPicture = 9;

QString Percent(std::int32_t value) {
    return QString::number(value) + QLatin1Char('%');
}

int Trunc(double v) {
    return static_cast<int>(v);
}

class Table {
  public:
    Table(QPainter& p, const DayInfoScene& s) : m_p(p), m_s(s), m_w(s.size.width()) {
        m_p.setFont(m_s.bold);
        m_lineHeight = LineHeight();
    }

    int W() const { return m_w; }
    int L() const { return m_lineHeight; }
    int Width(const QString& text) const { return TextWidth(m_p, text); }
    int LineHeight() const { return Trunc(m_p.fontMetrics().height() * 1.5); }
    void Regular() { m_p.setFont(m_s.regular); }
    void Bold() { m_p.setFont(m_s.bold); }

    // Halving toward zero, so a text wider than its room starts left of it.
    void Centred(int left, int right, int y, const QString& text, Colour colour = kBlack) {
        TextOut(m_p, left + (right - left - Width(text)) / 2, y, text, colour);
    }
    void RightAligned(int x, int y, const QString& text, Colour colour = kBlack) {
        TextOut(m_p, x - Width(text), y, text, colour);
    }
    void At(int x, int y, const QString& text, Colour colour = kBlack) {
        TextOut(m_p, x, y, text, colour);
    }
    void Line(int x1, int x2, int y) { StraightLine(m_p, x1, y, x2, y); }

    void Picture(DayInfoPicture kind, int index, int x, int y) {
        if (m_s.drawPicture) {
            m_s.drawPicture(m_p, QPoint(x, y), kind, index);
        }
    }
    void Weather(const ViewRow& row, int x, int y) {
        if (row.weather) {
            Picture(DayInfoPicture::SmallWeather, *row.weather, x, y);
        }
    }
    void Tide(TideDirection tide, int x, int y) {
        Picture(DayInfoPicture::SmallWeather,
                tide == TideDirection::Rising ? kRisingPicture : kFallingPicture, x, y);
    }

    // The asterisks stand out in a larger regular font; six points more at the picture
    // font's 8 are its 14.
    void Asterisks(int count, int right, int y) {
        QFont big = m_s.regular;
        big.setPixelSize(std::max(1, m_s.regular.pixelSize() * 14 / 8));
        const QFont current = m_p.font();
        m_p.setFont(big);
        RightAligned(right, y, QString(count, QLatin1Char('*')), kRed);
        m_p.setFont(current);
    }

    void Label(const ViewRow& row, int right, int y) {
        RightAligned(right, y, QUtf8(row.label),
                     m_s.pens[static_cast<std::size_t>(row.colourSlot)].colour);
    }

    void Headings(int step) {
        int y = kTop;
        // A name too long for the table is shortened rather than cut at both edges.
        const int room = m_w - 4;
        for (const std::string& line : m_s.view.headings) {
            QString text = QUtf8(line);
            if (Width(text) > room) {
                text = m_p.fontMetrics().elidedText(text, Qt::ElideRight, room);
            }
            Centred(0, m_w, y, text);
            y += step;
        }
    }

    void RoundBox(int left, int top, int right, int bottom) {
        m_p.save();
        m_p.setRenderHint(QPainter::Antialiasing, true);
        QPen pen(Qt::black);
        pen.setCosmetic(true);
        m_p.setPen(pen);
        m_p.setBrush(Qt::NoBrush);
        // The frame covers its left/top edge up to the pixel before its right/bottom one.
        m_p.drawRoundedRect(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1), 10,
                            10);
        m_p.restore();
    }

    const DayView& View() const { return m_s.view; }

  private:
    QPainter& m_p;
    const DayInfoScene& m_s;
    int m_w;
    int m_lineHeight = 0;
};

// The one-person views below their column titles: a line from x1 to x2, the rows from half a
// line height below it, the Overall row after its separator line; gives the y of the last row.
template <typename DrawRow>
int OnePersonRows(Table& t, int x1, int x2, DrawRow drawRow) {
    const int yh = kTop + 4 * t.L() + 3;
    t.Line(x1, x2, yh);
    int y = yh + Trunc(0.5 * t.L());
    if (t.View().groups.empty()) {
        return y;
    }
    const ViewGroup& group = t.View().groups.front();
    int last = y;
    for (std::size_t i = 0; i < group.rows.size(); ++i) {
        if (i > 0) {
            y += t.L();
        }
        if (group.lineBeforeLast && i + 1 == group.rows.size() && i > 0) {
            const int ys = last + Trunc(1.25 * t.L());
            t.Line(x1, x2, ys);
            y = ys + Trunc(0.5 * t.L());
        }
        drawRow(group.rows[i], y);
        last = y;
    }
    return last;
}

void TideLegend(Table& t, int top, bool critical) {
    t.Regular();
    const int step = t.LineHeight();
    const int box = t.Width(QStringLiteral(" - critical day")) + 60;
    const int xb = (t.W() - box) / 2;
    int y = top + Trunc(0.4 * step);
    t.Tide(TideDirection::Rising, xb + 15, y);
    t.At(xb + 40, y, QStringLiteral(" - rising tide"));
    y += step;
    t.Tide(TideDirection::Falling, xb + 15, y);
    t.At(xb + 40, y - 1, QStringLiteral(" - falling tide"));
    if (critical) {
        y += step;
        t.Asterisks(1, xb + 25, y - 2);
        t.At(xb + 40, y, QStringLiteral(" - critical day"));
    }
    t.RoundBox(xb, top, xb + box, y + Trunc(1.1 * step));
    t.Bold();
}

DayInfoColumns CycleView(Table& t) {
    DayInfoColumns c;
    const int x0 = (t.W() - t.Width(QStringLiteral("Intellectual 33/33 AAA AAAAA 100"))) / 2;
    c.c1 = x0 + t.Width(QStringLiteral("Intellectual"));
    c.c2 = c.c1 + t.Width(QStringLiteral(" 33/33  "));
    c.c3 = c.c1 + t.Width(QStringLiteral(" Day of cycle  "));
    c.c4 = c.c3 + t.Width(QStringLiteral(" Value   "));
    const int L = t.L();
    t.Headings(L);
    t.Centred(c.c1, c.c3, kTop + 3 * L, QStringLiteral("Day of cycle"));
    t.Centred(c.c3, c.c4, kTop + 3 * L, QStringLiteral("Value"));
    const int last = OnePersonRows(t, c.c1, c.c4, [&](const ViewRow& row, int y) {
        t.Label(row, c.c1 - 5, y);
        if (row.cycle) {
            t.Centred(c.c1, c.c2, y, QString::fromStdString(row.cycle->Text()));
            t.Tide(row.cycle->tide, c.c2, y);
        }
        if (row.criticalMarks > 0) {
            t.Asterisks(row.criticalMarks, c.c2 + 30, y - 2);
        }
        t.Weather(row, c.c3, y);
        t.Centred(c.c3 + 25, c.c4, y, Percent(row.value));
    });
    if (t.View().tideLegend) {
        TideLegend(t, last + Trunc(2.5 * L), t.View().criticalLegend);
    }
    return c;
}

DayInfoColumns CompositeView(Table& t, const QString& longest) {
    DayInfoColumns c;
    const int x0 = (t.W() - t.Width(longest + QStringLiteral(" AAAA AAAAA"))) / 2;
    c.c1 = x0 + t.Width(longest);
    c.c2 = c.c1 + 40;
    c.c3 = c.c2 + t.Width(QStringLiteral(" Value   "));
    const int L = t.L();
    t.Headings(L);
    t.Centred(c.c2, c.c3, kTop + 3 * L, QStringLiteral("Value"));
    const int last = OnePersonRows(t, c.c1, c.c3, [&](const ViewRow& row, int y) {
        t.Label(row, c.c1 - 5, y);
        t.Weather(row, c.c2, y);
        t.Centred(c.c2 + 25, c.c3, y, Percent(row.value));
    });
    const auto& lines = t.View().compositionLines;
    if (!lines.empty()) {
        const int yb = last + Trunc(2.5 * L);
        t.Regular();
        const int box = t.Width(QUtf8(lines.front())) + 40;
        const int xb = (t.W() - box) / 2;
        int y = yb + Trunc(0.4 * L);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                y += L;
            }
            t.At(xb + 20, y, QUtf8(lines[i]));
        }
        t.RoundBox(xb, yb, xb + box, y + Trunc(1.1 * L));
        t.Bold();
    }
    return c;
}

// Compatibility and Interaction: two groups under three heading lines, the separator line
// from x1 to x2.
template <typename DrawRow>
void PairRows(Table& t, int x1, int x2, DrawRow drawRow) {
    const int L = t.L();
    const int step = Trunc(0.8 * L);
    t.Headings(step);
    int y = kTop + step * (static_cast<int>(t.View().headings.size()) - 1);
    int title = y + Trunc(1.5 * L);
    for (const ViewGroup& group : t.View().groups) {
        t.Centred(0, t.W(), title, QUtf8(group.title));
        y = title + Trunc(1.3 * L);
        for (std::size_t i = 0; i < group.rows.size(); ++i) {
            if (i > 0) {
                y += L;
            }
            if (group.lineBeforeLast && i + 1 == group.rows.size() && i > 0) {
                const int ys = y + 2;  // y already lies a line below the last row
                t.Line(x1, x2, ys);
                y = ys + Trunc(0.5 * L);
            }
            drawRow(group.rows[i], y);
        }
        title = y + 2 * L;
    }
}

DayInfoColumns CompatibilityView(Table& t, PictureScheme scheme) {
    DayInfoColumns c;
    c.c0 = (t.W() - t.Width(QStringLiteral("Overall result 100% AAAAAA Excellent"))) / 2;
    c.c1 = c.c0 + t.Width(QStringLiteral("Overall result"));
    c.c2 = c.c1 + t.Width(QStringLiteral(" 100%")) + 5;
    c.c3 = c.c2 + 45;
    c.c4 = c.c3 + t.Width(QStringLiteral("Excellent")) + 5;
    PairRows(t, c.c0, c.c4, [&](const ViewRow& row, int y) {
        t.Label(row, c.c1, y);
        t.Centred(c.c1, c.c2, y, Percent(row.value));
        if (row.rating) {
            t.Picture(DayInfoPicture::CompatPict, CompatPictureIndex(*row.rating, scheme), c.c2, y);
            t.Centred(c.c3, c.c4, y, QUtf8(RatingLabel(*row.rating)),
                      RatingScreenColour(*row.rating));
        }
    });
    return c;
}

DayInfoColumns InteractionView(Table& t) {
    DayInfoColumns c;
    c.c0 = (t.W() - t.Width(QStringLiteral("Overall result AAAAA 100%"))) / 2;
    c.c1 = c.c0 + t.Width(QStringLiteral("Overall result"));
    c.c2 = c.c1 + 46;
    c.c3 = c.c2 + t.Width(QStringLiteral("100%"));
    PairRows(t, c.c0, c.c3, [&](const ViewRow& row, int y) {
        t.Label(row, c.c1, y);
        t.Weather(row, c.c1 + 20, y);
        t.Centred(c.c2, c.c3, y, Percent(row.value));
    });
    return c;
}

}  // namespace

DayInfoColumns PaintDayInfo(QPainter& p, const DayInfoScene& scene) {
    p.save();
    p.setPen(SolidPen(kWhite));
    p.setBrush(ToQColor(kWhite));
    Rectangle(p, 0, 0, scene.size.width(), scene.size.height());
    p.setBrush(Qt::NoBrush);
    p.setPen(SolidPen(kBlack));
    p.setBackgroundMode(Qt::TransparentMode);
    Table t(p, scene);
    DayInfoColumns columns;
    switch (scene.view.mode) {
        case DayInfoMode::Primary:
        case DayInfoMode::IChing:
            columns = CycleView(t);
            break;
        case DayInfoMode::Secondary:
            columns = CompositeView(t, QStringLiteral("Mastery"));
            break;
        case DayInfoMode::Extra:
            columns = CompositeView(t, QStringLiteral("Perception"));
            break;
        case DayInfoMode::Compatibility:
            columns = CompatibilityView(t, scene.scheme);
            break;
        case DayInfoMode::Interaction:
            columns = InteractionView(t);
            break;
    }
    p.restore();
    return columns;
}

}  // namespace vitalune::paint
