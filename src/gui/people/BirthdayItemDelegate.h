#pragma once
// Draws a line of the birthday list: a group heading with its icon, a person with the woman or
// man picture, the name and the date of birth at the right, the "Nobody found" line, or the
// empty line after a group.

#include <QStyledItemDelegate>

namespace vitalune::ui {

class BirthdayItemDelegate final : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace vitalune::ui
