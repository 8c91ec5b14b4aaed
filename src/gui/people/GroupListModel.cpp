#include "gui/people/GroupListModel.h"

#include "core/db/NamesDatabase.h"
#include "core/db/PersonLine.h"

namespace vitalune::ui {

GroupListModel::GroupListModel(const NamesDatabase& db, QObject* parent)
    : QAbstractListModel(parent), m_db(db) {}

void GroupListModel::Refresh() {
    beginResetModel();
    endResetModel();
}

int GroupListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_db.GroupCount());
}

QVariant GroupListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const PersonGroup group =
        ParseGroupEntry(m_db.GroupEntry(static_cast<std::size_t>(index.row())));
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
        case Qt::ToolTipRole:
            return QString::fromStdString(group.name);
        case kIconRole:
            return group.icon;
        default:
            return {};
    }
}

}  // namespace vitalune::ui
