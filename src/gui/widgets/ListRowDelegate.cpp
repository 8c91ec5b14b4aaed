#include "gui/widgets/ListRowDelegate.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

namespace vitalune::ui {

void ListRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;
    painter->fillRect(option.rect, selected ? pal.highlight() : pal.base());
    painter->setPen(selected ? pal.highlightedText().color() : pal.text().color());
    PaintRow(*painter, option, index);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.rect = option.rect;
        focus.state = option.state;
        QApplication::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter);
    }
}

QSize ListRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {1, RowHeight(option.fontMetrics)};
}

int ListRowDelegate::RowHeight(const QFontMetrics& metrics) {
    return std::max(18, metrics.height() + 2);
}

void ListRowDelegate::DrawElided(QPainter& painter, const QStyleOptionViewItem& option,
                                 const QRect& box, const QString& text) {
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                     option.fontMetrics.elidedText(text, Qt::ElideRight, box.width()));
}

}  // namespace vitalune::ui
