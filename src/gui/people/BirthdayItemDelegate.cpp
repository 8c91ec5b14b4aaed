#include "gui/people/BirthdayItemDelegate.h"

#include <QPainter>

#include "core/db/Birthdays.h"
#include "gui/paint/art/Artwork.h"
#include "gui/people/BirthdayListModel.h"

namespace vitalune::ui {

void BirthdayItemDelegate::PaintRow(QPainter& painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const QRect& r = option.rect;
    const QPoint picture(0, r.top() + (r.height() - 16) / 2);
    const auto kind =
        static_cast<BirthdayEntry::Kind>(index.data(BirthdayListModel::kKindRole).toInt());
    const auto text = [&](int left, const QString& s, int right) {
        DrawElided(painter, option,
                   QRect(r.left() + left, r.top(), r.width() - left - right, r.height()), s);
    };
    switch (kind) {
        case BirthdayEntry::Kind::GroupHeading:
            art::DrawPicture(painter, picture + QPoint(r.left() + 3, 0), art::ImageList::GroupIcons,
                             index.data(BirthdayListModel::kIconRole).toInt());
            text(22, index.data().toString(), 2);
            break;
        case BirthdayEntry::Kind::Person: {
            const bool female =
                index.data(BirthdayListModel::kSexRole).toString() == QLatin1String("F");
            art::DrawPicture(
                painter, picture + QPoint(r.left() + 12, 0), art::ImageList::SmallWeather,
                female ? art::SmallWeatherIndex::Female : art::SmallWeatherIndex::Male);
            const QString date =
                index.data(BirthdayListModel::kDateTextRole).toString() + QLatin1String("  ");
            painter.drawText(r, Qt::AlignRight | Qt::AlignVCenter, date);
            text(31, index.data().toString(), option.fontMetrics.horizontalAdvance(date));
            break;
        }
        case BirthdayEntry::Kind::NobodyFound:
            art::DrawPicture(painter, picture + QPoint(r.left() + 2, 0),
                             art::ImageList::SmallWeather, art::SmallWeatherIndex::Clouds);
            text(41, index.data().toString(), 2);
            break;
        case BirthdayEntry::Kind::Gap:
            break;
    }
}

}  // namespace vitalune::ui
