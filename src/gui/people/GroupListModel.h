#pragma once
// The groups of a names database for a list view, read straight from the database: the name
// of each group with its picture. Reset() after the groups changed.

#include <QAbstractListModel>

namespace vitalune {
class NamesDatabase;
}

namespace vitalune::ui {

class GroupListModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    static constexpr int kIconRole = Qt::UserRole + 1;  // the group's picture index

    explicit GroupListModel(QObject* parent = nullptr);

    // The database shown; none shows no group. It must outlive its use here.
    void SetDatabase(const NamesDatabase* db);
    void Reset();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    const NamesDatabase* m_db = nullptr;
};

}  // namespace vitalune::ui
