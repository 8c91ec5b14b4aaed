#include "gui/people/GroupListModel.h"

#include <QIcon>

#include "core/db/NamesDatabase.h"
#include "core/db/PersonLine.h"
#include "gui/paint/art/Artwork.h"

namespace vitalune::ui {

GroupListModel::GroupListModel(QObject* parent) : QAbstractListModel(parent) {}

void GroupListModel::SetDatabase(const NamesDatabase* db) {
    beginResetModel();
    m_db = db;
    endResetModel();
}

void GroupListModel::Reset() {
    beginResetModel();
    endResetModel();
}

int GroupListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_db ? 0 : static_cast<int>(m_db->GroupCount());
}

QVariant GroupListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const PersonGroup group =
        ParseGroupEntry(m_db->GroupEntry(static_cast<std::size_t>(index.row())));
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
        case Qt::ToolTipRole:
            return QString::fromStdString(group.name);
        case Qt::DecorationRole:
            return art::PictureIcon(art::ImageList::GroupIcons, group.icon);
        case kIconRole:
            return group.icon;
        default:
            return {};
    }
}

}  // namespace vitalune::ui
