#include "gui/people/BirthdayListModel.h"

#include "core/db/PersonLine.h"

namespace vitalune::ui {

namespace {
constexpr const char* kNobodyFound = "Nobody found";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
}  // namespace

BirthdayListModel::BirthdayListModel(const NamesDatabase& db, QObject* parent)
    : QAbstractListModel(parent), m_db(db) {}

void BirthdayListModel::Rebuild(std::int32_t day) {
    beginResetModel();
    m_entries = FindBirthdays(m_db, day);
    endResetModel();
}

int BirthdayListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

QVariant BirthdayListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const BirthdayEntry& entry = m_entries[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            switch (entry.kind) {
                case BirthdayEntry::Kind::GroupHeading:
                    return Q(ParseGroupEntry(entry.text).name);
                case BirthdayEntry::Kind::Person:
                    return Q(entry.text);
                case BirthdayEntry::Kind::NobodyFound:
                    return QString::fromLatin1(kNobodyFound);
                case BirthdayEntry::Kind::Gap:
                    return QString();
            }
            return {};
        case Qt::AccessibleTextRole:
            return entry.kind == BirthdayEntry::Kind::Person
                       ? Q(entry.text) + QStringLiteral(", ") + Q(entry.dateText)
                       : data(index, Qt::DisplayRole);
        case kKindRole:
            return static_cast<int>(entry.kind);
        case kSexRole:
            return Q(entry.sex);
        case kDateTextRole:
            return Q(entry.dateText);
        case kIconRole:
            return ParseGroupEntry(entry.text).icon;
        default:
            return {};
    }
}

}  // namespace vitalune::ui
