#pragma once
// The group dialog: a name and a picture for a new group, or new ones for a group. It only
// gives the choice back; whether the name is free is the caller's business. An empty name
// keeps the dialog open, and a name the database could not keep is refused with its reason.

#include <QDialog>
#include <optional>

#include "gui/people/PeopleDialogs.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vitalune::ui {

inline constexpr const char* kCreateGroupCaption = " Create new group";
inline constexpr const char* kEditGroupCaption = " Edit group";
inline constexpr const char* kEmptyGroupName = "Type a name for the group.";

class TNewGroupForm final : public QDialog {
    Q_OBJECT
  public:
    explicit TNewGroupForm(QWidget* parent = nullptr);

    // Shows the dialog modally over `parent`: a new group when `edit` is empty, else that
    // group's name and picture. The choice on OK, nothing on Cancel.
    std::optional<GroupChoice> Ask(QWidget* parent, const std::optional<GroupChoice>& edit);

    // The steps of Ask before and after the wait.
    void Prepare(const std::optional<GroupChoice>& edit);
    const std::optional<GroupChoice>& Result() const { return m_result; }

  public slots:
    void OkButtonClick();
    void CanxButtonClick();
    void Edit1Change();

  protected:
    void done(int result) override;

  private:
    std::optional<GroupChoice> m_result;
    QLineEdit* m_edit1 = nullptr;
    QLabel* m_nameFault = nullptr;
    QComboBox* m_pictures = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace vitalune::ui
