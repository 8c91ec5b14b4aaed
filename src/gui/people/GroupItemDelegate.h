#pragma once
// Draws a group list item: the group's picture 2 pixels and its name 21 pixels from the left.

#include <QStyledItemDelegate>

namespace vitalune::ui {

class GroupItemDelegate final : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace vitalune::ui
