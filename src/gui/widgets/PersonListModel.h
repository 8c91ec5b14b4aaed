#pragma once
// The persons of one group for a list view, read straight from the names database so that a
// group of any size costs no copies. Rows show the name; the sex picks the item's picture.

#include <QAbstractListModel>
#include <cstddef>

namespace vitalune {
class NamesDatabase;
}

namespace vitalune::ui {

class PersonListModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    static constexpr int kSexRole = Qt::UserRole + 1;   // "M", "F" or other
    static constexpr int kLineRole = Qt::UserRole + 2;  // the whole person line

    explicit PersonListModel(const NamesDatabase& db, QObject* parent = nullptr);

    // Shows the persons of `group` (nothing when it is out of range).
    void SetGroup(std::size_t group);
    std::size_t group() const { return m_group; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    const NamesDatabase& m_db;
    std::size_t m_group = 0;
};

}  // namespace vitalune::ui
