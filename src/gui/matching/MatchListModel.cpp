#include "gui/matching/MatchListModel.h"

#include <QApplication>
#include <QPainter>

#include "core/db/PersonLine.h"
#include "core/matching/Matching.h"
#include "gui/paint/art/Artwork.h"
#include "gui/platform/Utf8Text.h"

namespace vitalune::ui {

namespace {

constexpr int kRowHeight = 18;

}  // namespace

MatchListModel::MatchListModel(const MatchResult& result, QObject* parent)
    : QAbstractListModel(parent), m_result(result) {}

void MatchListModel::Reset() {
    beginResetModel();
    endResetModel();
}

int MatchListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_result.entries.size());
}

QVariant MatchListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= m_result.entries.size()) {
        return {};
    }
    const MatchEntry& entry = m_result.entries[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            switch (entry.Kind()) {
                case MatchKind::GroupHeader:
                    return QUtf8(ParseGroupEntry(entry.name).name);
                case MatchKind::Separator:
                    return QString();
                case MatchKind::NobodyFound:
                    return QUtf8(kNobodyFoundText);
                default:
                    return QUtf8(entry.name);
            }
        case kKindRole:
            return QChar(static_cast<char>(entry.Kind()));
        case kIconRole:
            return ParseGroupEntry(entry.name).icon;
        default:
            return {};
    }
}

int MatchRowHeight(const QFont& font) {
    return std::max(kRowHeight, QFontMetrics(font).height() + 2);
}

QSize MatchItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return QSize(option.rect.width(), MatchRowHeight(option.font));
}

void MatchItemDelegate::paint(QPainter* p, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette& palette = option.palette;
    p->fillRect(option.rect, selected ? palette.highlight() : palette.base());
    const auto kind =
        static_cast<MatchKind>(index.data(MatchListModel::kKindRole).toChar().toLatin1());
    if (kind == MatchKind::Separator) {
        return;
    }
    const QRect r = option.rect;
    const int pictureTop = r.top() + (r.height() - 16) / 2;
    int textX = r.left() + 31;
    using art::ImageList;
    switch (kind) {
        case MatchKind::Male:
        case MatchKind::Female:
            art::DrawPicture(*p, QPoint(r.left() + 12, pictureTop), ImageList::SmallWeather,
                             kind == MatchKind::Male ? art::SmallWeatherIndex::Male
                                                     : art::SmallWeatherIndex::Female);
            break;
        case MatchKind::GroupHeader:
            art::DrawPicture(*p, QPoint(r.left() + 3, pictureTop), ImageList::GroupIcons,
                             index.data(MatchListModel::kIconRole).toInt());
            textX = r.left() + 22;
            break;
        default:
            art::DrawPicture(*p, QPoint(r.left() + 2, pictureTop), ImageList::CompatPict,
                             CompatPictureIndex(CompatRating::None, m_scheme));
            textX = r.left() + 41;
            break;
    }
    p->setFont(option.font);
    p->setPen(selected ? palette.highlightedText().color() : palette.text().color());
    p->drawText(QRect(textX, r.top(), r.right() - textX, r.height()),
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                index.data(Qt::DisplayRole).toString());
}

}  // namespace vitalune::ui
