#pragma once
// The names database editor: groups and their persons, every command on them, whole database
// files (load, save as, merge, import, export), and the birthday list. Commands change the live
// database at once; a copy taken when the window opens is put back by Cancel, and OK saves the
// file when something changed and hands the chosen person back. Everything that would block (the
// person and group dialogs, file dialogs, questions, messages) comes in through EditDBContext,
// so tests answer it; the main window is reached only through its functions there.

#include <QStringList>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "core/db/NamesDatabase.h"
#include "gui/people/PeopleDialogs.h"
#include "gui/widgets/ProgramDialog.h"

class QAction;
class QGroupBox;
class QListView;
class QMenuBar;
class QPushButton;
class QToolButton;

namespace vitalune {
class Clock;
class SettingsStore;
}  // namespace vitalune

namespace vitalune::ui {

class GroupListModel;
class KeyDispatcher;
class PersonFilterEdit;
class PersonListModel;

// The answers of a Yes/No/Cancel question box.
enum class Answer { Yes, No, Cancel };

inline constexpr const char* kEditDBCaption = " Names Database - ";
inline constexpr const char* kDeleteGroupQuestion = "Delete group?";
inline constexpr const char* kDeleteGroupTitle = "All group's content will be lost";
inline constexpr const char* kSaveChangesQuestion = "Save changes?";
inline constexpr const char* kSaveChangesTitle = "Close Names Database";
inline constexpr const char* kDbFileFilter = "Vitalune DB (*.rec)";

struct EditDBContext {
    NamesDatabase* db = nullptr;
    const Clock* clock = nullptr;         // "today" of a database loaded from a file
    SettingsStore* store = nullptr;       // the window's place
    std::filesystem::path programFolder;  // where imported databases are kept
    // The main window's group one and person one when the editor opens.
    std::function<std::pair<std::size_t, std::size_t>()> personOne;
    // After OK (the file saved when something changed): the chosen group and person; `refill`
    // when the main window must fill its lists again (something changed, or another group).
    std::function<void(std::size_t group, std::size_t person, bool refill)> afterOk;
    PeopleDialogs dialogs;
    // File dialogs filtering kDbFileFilter: the chosen file, nothing on cancel.
    std::function<std::optional<std::filesystem::path>(QWidget* parent, const QString& caption)>
        askOpenFile;
    std::function<std::optional<std::filesystem::path>(QWidget* parent, const QString& caption)>
        askSaveFile;
    std::function<Answer(QWidget* parent, const QString& text, const QString& title)> ask;
    std::function<void(QWidget* parent, const QString& text)> showMessage;
    std::function<void(int topic)> showHelp;
    std::function<void(QWidget* parent)> showBirthdays;
    // Address books' files (vCard, CSV): the chosen file, nothing on cancel.
    std::function<std::optional<std::filesystem::path>(QWidget* parent, const QString& caption)>
        askOpenContacts;
    std::function<std::optional<std::filesystem::path>(QWidget* parent, const QString& caption)>
        askSaveContacts;
    // The name of the group imported contacts go to (existing or new), nothing on cancel.
    std::function<std::optional<QString>(QWidget* parent, const QStringList& groups,
                                         const QString& suggested)>
        askImportGroup;
    // A message with a list the user may open.
    std::function<void(QWidget* parent, const QString& text, const QString& details)> showReport;
};

class TEditDBForm final : public ProgramDialog {
    Q_OBJECT
  public:
    explicit TEditDBForm(EditDBContext context, QWidget* parent = nullptr);
    ~TEditDBForm() override;

    // Fills the lists, selects the main window's person one and takes the snapshot; then runs
    // the window modally.
    void Open();
    // What Open does before the window shows (tests show the window themselves).
    void FormActivate();

    bool Changed() const { return m_changed; }
    std::size_t SelectedGroup() const;
    // The focused person's index in the group, if any.
    std::optional<std::size_t> FocusedPerson() const;
    // The selected persons' indexes in the group, ascending.
    std::vector<std::size_t> SelectedPersons() const;

    QListView* GroupSel() const { return m_groupSel; }
    QListView* NameSel() const { return m_nameSel; }
    PersonListModel* Persons() const { return m_personModel; }
    PersonFilterEdit* FindField() const { return m_find; }

  public slots:
    void GroupSelClick(int row);
    void GroupSelDblClick();
    void GroupNewBtnClick();
    void GroupEditBtnClick();
    void GroupDelBtnClick();
    void MoveUpBtnClick();
    void MoveDownBtnClick();
    void PersonNewBtnClick();
    void PersonEditBtnClick();
    void PersonDelBtnClick();
    void PersonMoveBtnClick();
    void PersonCopyBtnClick();
    void OKButtonClick();
    void CancelBtnClick();
    void DOBBtnClick();
    void HelpClick();
    void LoadClick();
    void SaveAsClick();
    void MergeClick();
    void ImportClick();
    void ExportClick();
    void ImportContactsClick();
    void ExportGroupContactsClick();
    void ExportAllContactsClick();

    // The close box and Escape: "Save changes?" when something changed.
    void reject() override;

  protected:
  private:
    void BuildControls();
    QMenuBar* BuildMenu();
    void FillGroups(std::size_t select);
    // Shows a group's persons with the row `row` (clamped) focused and selected.
    void ShowGroup(std::size_t group, int row);
    void SelectPersonRow(int row);
    // Selects a person by its index in the group, clearing the filter if it hides the person.
    void SelectPerson(std::size_t person);
    void RenewCaptions();
    void RenewWindowTitle();
    void MoveOrCopy(bool move);
    void MoveGroupBy(int step);
    // A database file read for Load and Import; nothing (after telling why) when it is no use.
    std::optional<NamesDatabase> ReadDatabaseFile(const std::filesystem::path& path);
    std::optional<std::filesystem::path> ChooseExistingFile(const QString& caption);
    void ShowWholeDatabase();
    void ExportContacts(std::optional<std::size_t> group, const QString& caption);
    void Report(const QString& text, const QStringList& skipped);
    void Message(const QString& text);
    // Saves when changed and hands the choice back; false when the file could not be written.
    bool Accept();
    void Revert();

    EditDBContext m_context;
    NamesDatabase& m_db;
    NamesDatabase m_snapshot;
    bool m_haveSnapshot = false;  // taken at opening, until OK or Cancel uses it
    std::size_t m_groupOne = 0;
    bool m_changed = false;

    GroupListModel* m_groupModel = nullptr;
    PersonListModel* m_personModel = nullptr;
    QGroupBox* m_groupBox1 = nullptr;
    QGroupBox* m_groupBox2 = nullptr;
    QListView* m_groupSel = nullptr;
    QListView* m_nameSel = nullptr;
    PersonFilterEdit* m_find = nullptr;
    QPushButton* m_okButton = nullptr;
};

// The editor's help topic for F1; it has no keys of its own.
void AddNamesEditorKeys(KeyDispatcher& dispatcher, TEditDBForm& form);

}  // namespace vitalune::ui
