#pragma once
// Draws a group list item: the group's picture 2 pixels and its name 21 pixels from the left.

#include "gui/widgets/ListRowDelegate.h"

namespace vitalune::ui {

class GroupItemDelegate final : public ListRowDelegate {
    Q_OBJECT
  public:
    using ListRowDelegate::ListRowDelegate;

  protected:
    void PaintRow(QPainter& painter, const QStyleOptionViewItem& option,
                  const QModelIndex& index) const override;
};

}  // namespace vitalune::ui
