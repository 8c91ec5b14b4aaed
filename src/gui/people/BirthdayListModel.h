#pragma once
// The birthday list's rows: the entries FindBirthdays gives for one date (group headings,
// persons, gaps after groups, or the one "Nobody found" line), kept as a list that grows with
// the matches. Rebuild after the date or the database changed.

#include <QAbstractListModel>
#include <cstdint>
#include <vector>

#include "core/db/Birthdays.h"

namespace vitalune::ui {

class BirthdayListModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    static constexpr int kKindRole = Qt::UserRole + 1;      // BirthdayEntry::Kind as int
    static constexpr int kSexRole = Qt::UserRole + 2;       // "M", "F"
    static constexpr int kDateTextRole = Qt::UserRole + 3;  // "05 Jan 1980"
    static constexpr int kIconRole = Qt::UserRole + 4;      // a heading's group icon

    explicit BirthdayListModel(const NamesDatabase& db, QObject* parent = nullptr);

    void Rebuild(std::int32_t day);
    const std::vector<BirthdayEntry>& Entries() const { return m_entries; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    const NamesDatabase& m_db;
    std::vector<BirthdayEntry> m_entries;
};

}  // namespace vitalune::ui
