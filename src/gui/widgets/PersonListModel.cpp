#include "gui/widgets/PersonListModel.h"

#include "core/db/NamesDatabase.h"
#include "core/db/PersonLine.h"

namespace vitalune::ui {

namespace {
QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
}  // namespace

PersonListModel::PersonListModel(const NamesDatabase& db, QObject* parent)
    : QAbstractListModel(parent), m_db(db) {}

void PersonListModel::SetGroup(std::size_t group) {
    beginResetModel();
    m_group = group;
    endResetModel();
}

int PersonListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || m_group >= m_db.GroupCount()) {
        return 0;
    }
    return static_cast<int>(m_db.Persons(m_group).size());
}

QVariant PersonListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const std::string_view line = m_db.Persons(m_group)[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
        case Qt::ToolTipRole:
            return Q(SplitPersonLine(line).name);
        case kSexRole:
            return Q(SplitPersonLine(line).sex);
        case kLineRole:
            return Q(line);
        default:
            return {};
    }
}

}  // namespace vitalune::ui
