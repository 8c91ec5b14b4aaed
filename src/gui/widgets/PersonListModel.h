#pragma once
// The persons of one group for a list view, read straight from the names database so that a
// group of any size costs no copies. Rows show the name; the sex picks the item's picture.
//
// A filter narrows the rows to the persons whose name contains a text, ignoring case. The
// matching rows are found in one pass when the filter, the group or the database changes
// (Refresh), never row by row while drawing; PersonIndex and RowOf translate between the rows
// shown and the persons' indexes in the database, which every command must work with.

#include <QAbstractListModel>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "gui/widgets/NameFilter.h"

namespace vitalune {
class NamesDatabase;
}

namespace vitalune::ui {

class PersonListModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    static constexpr int kSexRole = Qt::UserRole + 1;       // "M", "F" or other
    static constexpr int kLineRole = Qt::UserRole + 2;      // the whole person line
    static constexpr int kDateTextRole = Qt::UserRole + 3;  // "05 Jan 1980"

    explicit PersonListModel(const NamesDatabase& db, QObject* parent = nullptr);

    // Shows the persons of `group` (nothing when it is out of range), under the filter.
    void SetGroup(std::size_t group);
    std::size_t group() const { return m_group; }
    // Reads the group again after the database changed; the filter stays.
    void Refresh();

    // Shows only the persons whose name contains `text` (ignoring case); empty shows all.
    void SetFilter(const QString& text);
    QString Filter() const { return m_filter.Text(); }
    bool Filtered() const { return !m_filter.Empty(); }
    // Persons in the group, shown or not.
    int TotalCount() const;

    // The person's index in the group for a row shown (rows past the end give the count).
    std::size_t PersonIndex(int row) const;
    // The row that shows a person, if the filter lets it through.
    std::optional<int> RowOf(std::size_t person) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    // Recomputes m_rows; `within` limits the pass to the rows already shown (a longer filter).
    void ComputeRows(bool within);

    const NamesDatabase& m_db;
    std::size_t m_group = 0;
    NameFilter m_filter;
    // The matching persons' indexes while a filter is set; unused without one.
    std::vector<std::uint32_t> m_rows;
};

}  // namespace vitalune::ui
