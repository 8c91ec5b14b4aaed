#pragma once
// The group selection: which group the names editor's chosen persons are moved or copied to.
// It only answers with the group; the editor does the move or copy. The editor's own group
// cannot be chosen.

#include <QDialog>
#include <cstddef>
#include <optional>

class QGroupBox;
class QListView;
class QModelIndex;
class QPushButton;

namespace vitalune {
class NamesDatabase;
}

namespace vitalune::ui {

class GroupListModel;

inline constexpr const char* kSelectGroupCaption = " Select group";
inline constexpr const char* kMoveFrameCaption = " Move person to";
inline constexpr const char* kCopyFrameCaption = " Copy person to";

class TSelectGroupForm final : public QDialog {
    Q_OBJECT
  public:
    explicit TSelectGroupForm(QWidget* parent = nullptr);
    ~TSelectGroupForm() override;

    // Shows the groups of `db` modally over `parent`; the group chosen on OK, nothing on
    // Cancel. `editorGroup` is the group the persons come from.
    std::optional<std::size_t> Ask(QWidget* parent, const NamesDatabase& db,
                                   std::size_t editorGroup, bool moveMode);

    // The steps of Ask before and after the wait. `db` must outlive the showing.
    void Prepare(const NamesDatabase& db, std::size_t editorGroup, bool moveMode);
    const std::optional<std::size_t>& Result() const { return m_result; }

  public slots:
    void GroupSelChange();
    void GroupSelDblClick(const QModelIndex& index);
    void OkButtonClick();
    void CanxButtonClick();

  protected:
    void done(int result) override;

  private:
    std::optional<std::size_t> SelectedGroup() const;

    std::optional<std::size_t> m_result;
    std::size_t m_editorGroup = 0;
    GroupListModel* m_model = nullptr;
    QGroupBox* m_frame = nullptr;
    QListView* m_groupSel = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace vitalune::ui
