#pragma once
// Draws a line of the birthday list: a group heading with its icon, a person with the woman or
// man picture, the name and the date of birth at the right, the "Nobody found" line, or the
// empty line after a group.

#include "gui/widgets/ListRowDelegate.h"

namespace vitalune::ui {

class BirthdayItemDelegate final : public ListRowDelegate {
    Q_OBJECT
  public:
    using ListRowDelegate::ListRowDelegate;

  protected:
    void PaintRow(QPainter& painter, const QStyleOptionViewItem& option,
                  const QModelIndex& index) const override;
};

}  // namespace vitalune::ui
