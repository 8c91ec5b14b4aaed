#pragma once
// Draws a person list item: the sex picture at the item's left and the name beside it.

#include <QStyledItemDelegate>

namespace vitalune::ui {

class PersonItemDelegate final : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace vitalune::ui
