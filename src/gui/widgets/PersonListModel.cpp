#include "gui/widgets/PersonListModel.h"

#include "core/db/NamesDatabase.h"
#include "core/db/PersonLine.h"
#include "core/engine/DateText.h"
#include "gui/platform/Utf8Text.h"

namespace vitalune::ui {

namespace {
std::string_view NameOf(std::string_view line) {
    return line.substr(0, line.find('|'));
}
}  // namespace

PersonListModel::PersonListModel(const NamesDatabase& db, QObject* parent)
    : QAbstractListModel(parent), m_db(db) {}

void PersonListModel::SetGroup(std::size_t group) {
    beginResetModel();
    m_group = group;
    ComputeRows(false);
    endResetModel();
}

void PersonListModel::Refresh() {
    SetGroup(m_group);
}

void PersonListModel::SetFilter(const QString& text) {
    NameFilter filter(text);
    const bool within = Filtered() && !filter.Empty() && filter.Narrows(m_filter);
    beginResetModel();
    m_filter = std::move(filter);
    ComputeRows(within);
    endResetModel();
}

void PersonListModel::ComputeRows(bool within) {
    if (m_filter.Empty() || m_group >= m_db.GroupCount()) {
        m_rows.clear();
        m_rows.shrink_to_fit();
        return;
    }
    const PersonList& persons = m_db.Persons(m_group);
    std::vector<std::uint32_t> rows;
    if (within) {
        for (const std::uint32_t person : m_rows) {
            if (person < persons.size() && m_filter.Matches(NameOf(persons[person]))) {
                rows.push_back(person);
            }
        }
    } else {
        for (std::size_t person = 0; person < persons.size(); ++person) {
            if (m_filter.Matches(NameOf(persons[person]))) {
                rows.push_back(static_cast<std::uint32_t>(person));
            }
        }
    }
    m_rows = std::move(rows);
}

int PersonListModel::TotalCount() const {
    return m_group < m_db.GroupCount() ? static_cast<int>(m_db.Persons(m_group).size()) : 0;
}

std::size_t PersonListModel::PersonIndex(int row) const {
    const auto total = static_cast<std::size_t>(TotalCount());
    if (row < 0) {
        return total;
    }
    const auto r = static_cast<std::size_t>(row);
    if (!Filtered()) {
        return std::min(r, total);
    }
    return r < m_rows.size() ? std::min<std::size_t>(m_rows[r], total) : total;
}

std::optional<int> PersonListModel::RowOf(std::size_t person) const {
    if (person >= static_cast<std::size_t>(TotalCount())) {
        return std::nullopt;
    }
    if (!Filtered()) {
        return static_cast<int>(person);
    }
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), person);
    if (it == m_rows.end() || *it != person) {
        return std::nullopt;
    }
    return static_cast<int>(it - m_rows.begin());
}

int PersonListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return Filtered() ? static_cast<int>(m_rows.size()) : TotalCount();
}

QVariant PersonListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const std::size_t person = PersonIndex(index.row());
    // The database may have changed under a view that has not been refreshed yet.
    if (person >= static_cast<std::size_t>(TotalCount())) {
        return {};
    }
    const std::string_view line = m_db.Persons(m_group)[person];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
        case Qt::ToolTipRole:
            return QUtf8(NameOf(line));
        case kSexRole:
            return QUtf8(SplitPersonLine(line).sex);
        case kLineRole:
            return QUtf8(line);
        case kDateTextRole:
            return QUtf8(DateText(ParseDob(PersonDateText(line))));
        default:
            return {};
    }
}

}  // namespace vitalune::ui
