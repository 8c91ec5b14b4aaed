#pragma once
// Draws a group list item: the group's icon 2 pixels from the left and its name beside it.
// Works on any model whose rows give the icon index under GroupListModel::kIconRole.

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
