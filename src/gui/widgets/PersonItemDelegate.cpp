#include "gui/widgets/PersonItemDelegate.h"

#include <QPainter>

#include "gui/paint/art/Artwork.h"
#include "gui/widgets/PersonListModel.h"

namespace vitalune::ui {

void PersonItemDelegate::PaintRow(QPainter& painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const bool female = index.data(PersonListModel::kSexRole).toString() == QLatin1String("F");
    const int left = m_showDate ? 2 : 1;
    art::DrawPicture(painter, option.rect.topLeft() + QPoint(left, 0), art::ImageList::SmallWeather,
                     female ? art::SmallWeatherIndex::Female : art::SmallWeatherIndex::Male);
    QRect text = option.rect.adjusted(left + 19, 0, -2, 0);
    if (m_showDate) {
        // " date" and two blanks at the right edge; the name gives way to the date.
        const QString date = QLatin1Char(' ') +
                             index.data(PersonListModel::kDateTextRole).toString() +
                             QLatin1String("  ");
        painter.drawText(option.rect, Qt::AlignRight | Qt::AlignVCenter, date);
        text.setRight(option.rect.right() - option.fontMetrics.horizontalAdvance(date));
    }
    DrawElided(painter, option, text, index.data().toString());
}

}  // namespace vitalune::ui
