#include "gui/people/BirthdayItemDelegate.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

#include "core/db/Birthdays.h"
#include "gui/paint/art/Artwork.h"
#include "gui/people/BirthdayListModel.h"

namespace vitalune::ui {

void BirthdayItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;
    const QRect& r = option.rect;
    painter->fillRect(r, selected ? pal.highlight() : pal.base());
    painter->setPen(selected ? pal.highlightedText().color() : pal.text().color());
    const QPoint picture(0, r.top() + (r.height() - 16) / 2);
    const auto kind =
        static_cast<BirthdayEntry::Kind>(index.data(BirthdayListModel::kKindRole).toInt());
    const auto text = [&](int left, const QString& s, int right) {
        const QRect box(r.left() + left, r.top(), r.width() - left - right, r.height());
        painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                          option.fontMetrics.elidedText(s, Qt::ElideRight, box.width()));
    };
    switch (kind) {
        case BirthdayEntry::Kind::GroupHeading:
            art::DrawPicture(*painter, picture + QPoint(r.left() + 3, 0),
                             art::ImageList::GroupIcons,
                             index.data(BirthdayListModel::kIconRole).toInt());
            text(22, index.data().toString(), 2);
            break;
        case BirthdayEntry::Kind::Person: {
            const bool female =
                index.data(BirthdayListModel::kSexRole).toString() == QLatin1String("F");
            art::DrawPicture(
                *painter, picture + QPoint(r.left() + 12, 0), art::ImageList::SmallWeather,
                female ? art::SmallWeatherIndex::Female : art::SmallWeatherIndex::Male);
            const QString date =
                index.data(BirthdayListModel::kDateTextRole).toString() + QLatin1String("  ");
            painter->drawText(r, Qt::AlignRight | Qt::AlignVCenter, date);
            text(31, index.data().toString(), option.fontMetrics.horizontalAdvance(date));
            break;
        }
        case BirthdayEntry::Kind::NobodyFound:
            art::DrawPicture(*painter, picture + QPoint(r.left() + 2, 0),
                             art::ImageList::SmallWeather, art::SmallWeatherIndex::Clouds);
            text(41, index.data().toString(), 2);
            break;
        case BirthdayEntry::Kind::Gap:
            break;
    }
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.rect = r;
        focus.state = option.state;
        QApplication::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter);
    }
}

QSize BirthdayItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    // No width of its own: each row takes the width of the view (no horizontal scroll bar).
    return {1, std::max(18, option.fontMetrics.height() + 2)};
}

}  // namespace vitalune::ui
