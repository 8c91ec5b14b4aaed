#include "gui/people/GroupItemDelegate.h"

#include <QPainter>

#include "gui/paint/art/Artwork.h"
#include "gui/people/GroupListModel.h"

namespace vitalune::ui {

void GroupItemDelegate::PaintRow(QPainter& painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const int top = option.rect.top() + (option.rect.height() - 16) / 2;
    art::DrawPicture(painter, QPoint(option.rect.left() + 2, top), art::ImageList::GroupIcons,
                     index.data(GroupListModel::kIconRole).toInt());
    DrawElided(painter, option, option.rect.adjusted(21, 0, -2, 0), index.data().toString());
}

}  // namespace vitalune::ui
