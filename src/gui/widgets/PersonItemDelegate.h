#pragma once
// Draws a person list item: the sex picture at the item's left and the name beside it, and,
// where the list shows them (the names editor), the date of birth right-aligned.

#include "gui/widgets/ListRowDelegate.h"

namespace vitalune::ui {

class PersonItemDelegate final : public ListRowDelegate {
    Q_OBJECT
  public:
    using ListRowDelegate::ListRowDelegate;

    // The names editor's rows: the date at the right, and the picture 2 pixels from the left
    // like the group list's icons beside it (1 pixel elsewhere).
    void SetShowDate(bool show) { m_showDate = show; }

  protected:
    void PaintRow(QPainter& painter, const QStyleOptionViewItem& option,
                  const QModelIndex& index) const override;

  private:
    bool m_showDate = false;
};

}  // namespace vitalune::ui
