#include "gui/people/GroupItemDelegate.h"

#include <QApplication>
#include <QPainter>

#include "gui/paint/art/Artwork.h"
#include "gui/people/GroupListModel.h"

namespace vitalune::ui {

void GroupItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;
    painter->fillRect(option.rect, selected ? pal.highlight() : pal.base());
    const int top = option.rect.top() + (option.rect.height() - 16) / 2;
    art::DrawPicture(*painter, QPoint(option.rect.left() + 2, top), art::ImageList::GroupIcons,
                     index.data(GroupListModel::kIconRole).toInt());
    painter->setPen(selected ? pal.highlightedText().color() : pal.text().color());
    const QRect text = option.rect.adjusted(21, 0, -2, 0);
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

QSize GroupItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    // No width of its own: a list gives each row the width of its view, so the row never asks
    // for a horizontal scroll bar and right-aligned texts stay in sight.
    return {1, std::max(18, option.fontMetrics.height() + 2)};
}

}  // namespace vitalune::ui
