#include "gui/people/BirthdayListModel.h"

#include "core/db/PersonLine.h"
#include "gui/platform/Utf8Text.h"

namespace vitalune::ui {

namespace {
constexpr const char* kNobodyFound = "Nobody found";
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
                    return QUtf8(ParseGroupEntry(entry.text).name);
                case BirthdayEntry::Kind::Person:
                    return QUtf8(entry.text);
                case BirthdayEntry::Kind::NobodyFound:
                    return QString::fromLatin1(kNobodyFound);
                case BirthdayEntry::Kind::Gap:
                    return QString();
            }
            return {};
        case Qt::AccessibleTextRole:
            return entry.kind == BirthdayEntry::Kind::Person
                       ? QUtf8(entry.text) + QStringLiteral(", ") + QUtf8(entry.dateText)
                       : data(index, Qt::DisplayRole);
        case kKindRole:
            return static_cast<int>(entry.kind);
        case kSexRole:
            return QUtf8(entry.sex);
        case kDateTextRole:
            return QUtf8(entry.dateText);
        case kIconRole:
            return ParseGroupEntry(entry.text).icon;
        default:
            return {};
    }
}

}  // namespace vitalune::ui
