#pragma once
// The person selector the main window shows at start-up: a group and a person of the names
// database for person one, and "ADD ME!" to add one's own profile, which is saved at once.
// It reaches the main window only through the functions of its context.

#include <QDialog>
#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QListView;
class QModelIndex;
class QPushButton;
class QVBoxLayout;

namespace vitalune {
struct AppSettings;
class NamesDatabase;
}  // namespace vitalune

namespace vitalune::ui {

class GroupListModel;
class PersonFilterEdit;
class PersonListModel;

inline constexpr const char* kSelectorCaption = " Select group and person";

struct SelectorContext {
    NamesDatabase* db = nullptr;
    AppSettings* settings = nullptr;  // showPrompt follows "Do not show this dialog again"
    // Makes the chosen person the main window's person one.
    std::function<void(std::size_t group, std::size_t person)> choosePersonOne;
    // The main window's lists are filled again after a person was added.
    std::function<void()> databaseChanged;
    // The person dialog in create mode (no line given): the new line, or nothing.
    std::function<std::optional<std::string>(QWidget* parent,
                                             const std::optional<std::string>& editLine)>
        askPerson;
    std::function<void(const QString&)> showMessage;
    std::function<void(int topic)> showHelp;
};

class TSelForm final : public QDialog {
    Q_OBJECT
  public:
    explicit TSelForm(SelectorContext context, QWidget* parent = nullptr);
    ~TSelForm() override;

    // Shows the selector modally over `parent` with the given group and person selected.
    // True when a person was chosen (OK, a double click or "ADD ME!").
    bool Ask(QWidget* parent, std::size_t group, std::size_t person);

    // The steps of Ask before the wait. Closing does the rest: the chosen person becomes
    // person one, and the start-up option follows the check box.
    void Prepare(std::size_t group, std::size_t person);

    std::size_t SelectedGroup() const;
    std::size_t SelectedPerson() const;
    bool PersonAdded() const { return m_personAdded; }

  public slots:
    void GroupSelChange();
    void NameSelDblClick(const QModelIndex& index);
    void OKButtonClick();
    void AddMeBtnClick();
    void HelpBtnClick();

  protected:
    void done(int result) override;

  private:
    void ShowPersons(std::size_t group, std::size_t person);

    SelectorContext m_context;
    bool m_personAdded = false;
    GroupListModel* m_groups = nullptr;
    PersonListModel* m_persons = nullptr;
    QListView* m_groupSel = nullptr;
    QVBoxLayout* m_nameColumn = nullptr;
    PersonFilterEdit* m_find = nullptr;
    QListView* m_nameSel = nullptr;
    QPushButton* m_ok = nullptr;
    QCheckBox* m_showBox = nullptr;
    QPushButton* m_addMe = nullptr;
    QPushButton* m_help = nullptr;
};

}  // namespace vitalune::ui
