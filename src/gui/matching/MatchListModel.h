#pragma once
// The matching result list for a list view: one row per entry of the core's result list, read
// in place, so that a million found persons cost no copies; and the delegate that draws the
// rows (person with its sex picture, group header with its icon, blank separator, the
// "Nobody found" line).

#include <QAbstractListModel>
#include <QStyledItemDelegate>

#include "core/engine/Compatibility.h"

namespace vitalune {
struct MatchResult;
}

namespace vitalune::ui {

class MatchListModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    static constexpr int kKindRole = Qt::UserRole + 1;  // the entry's kind letter as a QChar
    static constexpr int kIconRole = Qt::UserRole + 2;  // a group header's icon index

    MatchListModel(const MatchResult& result, QObject* parent = nullptr);
    // After a run wrote the result list anew.
    void Reset();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    const MatchResult& m_result;
};

class MatchItemDelegate final : public QStyledItemDelegate {
  public:
    explicit MatchItemDelegate(QObject* parent = nullptr) : QStyledItemDelegate(parent) {}
    // The pictures of the rating scheme in use (for the "Nobody found" line).
    void SetScheme(PictureScheme scheme) { m_scheme = scheme; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    PictureScheme m_scheme = PictureScheme::Hearts;
};

// Rows are 18 pixels high at the default font, and as high as a line of text at a larger one.
int MatchRowHeight(const QFont& font);

}  // namespace vitalune::ui
