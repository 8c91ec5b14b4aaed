#include "gui/widgets/PersonItemDelegate.h"

#include <QApplication>
#include <QPainter>

#include "gui/paint/art/Artwork.h"
#include "gui/widgets/PersonListModel.h"

namespace vitalune::ui {

void PersonItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;
    painter->fillRect(option.rect, selected ? pal.highlight() : pal.base());
    const bool female = index.data(PersonListModel::kSexRole).toString() == QLatin1String("F");
    const int left = m_showDate ? 2 : 1;
    art::DrawPicture(*painter, option.rect.topLeft() + QPoint(left, 0),
                     art::ImageList::SmallWeather,
                     female ? art::SmallWeatherIndex::Female : art::SmallWeatherIndex::Male);
    painter->setPen(selected ? pal.highlightedText().color() : pal.text().color());
    QRect text = option.rect.adjusted(left + 19, 0, -2, 0);
    if (m_showDate) {
        // " date" and two blanks at the right edge; the name gives way to the date.
        const QString date = QLatin1Char(' ') +
                             index.data(PersonListModel::kDateTextRole).toString() +
                             QLatin1String("  ");
        const int dateWidth = option.fontMetrics.horizontalAdvance(date);
        painter->drawText(option.rect, Qt::AlignRight | Qt::AlignVCenter, date);
        text.setRight(option.rect.right() - dateWidth);
    }
    painter->drawText(
        text, Qt::AlignLeft | Qt::AlignVCenter,
        option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, text.width()));
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.rect = option.rect;
        focus.state = option.state;
        QApplication::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter);
    }
}

QSize PersonItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    // No width of its own: a list gives each row the width of its view, so the row never asks
    // for a horizontal scroll bar and right-aligned texts stay in sight.
    return {1, std::max(18, option.fontMetrics.height() + 2)};
}

}  // namespace vitalune::ui
