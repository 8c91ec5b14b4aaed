#pragma once
// A list row drawn by hand, as every person and group list of the program draws them: the
// row's background (the highlight when selected) with the matching text pen, the row's own
// pictures and texts, then the focus frame. Every row is one line high and takes the width of
// its view, so a list never asks for a horizontal scroll bar and right-aligned texts stay in
// sight.

#include <QStyledItemDelegate>

namespace vitalune::ui {

class ListRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const final;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const final;
    // The height of every row in a list with this font.
    static int RowHeight(const QFontMetrics& metrics);

  protected:
    // Draws over the background with the text pen already set.
    virtual void PaintRow(QPainter& painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const = 0;
    // `text` left-aligned in `box`, cut with "…" where it does not fit.
    static void DrawElided(QPainter& painter, const QStyleOptionViewItem& option, const QRect& box,
                           const QString& text);
};

}  // namespace vitalune::ui
