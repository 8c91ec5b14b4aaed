#pragma once
// The groups of the names database for a list view: one row per group with its name and icon,
// read straight from the database. Refresh after the groups changed.

#include <QAbstractListModel>

namespace vitalune {
class NamesDatabase;
}

namespace vitalune::ui {

class GroupListModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    static constexpr int kIconRole = Qt::UserRole + 1;  // the group icon's index

    explicit GroupListModel(const NamesDatabase& db, QObject* parent = nullptr);

    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    const NamesDatabase& m_db;
};

}  // namespace vitalune::ui
