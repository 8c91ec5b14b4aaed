// The names editor and the birthday list over a small database in a private folder, driven
// through their controls with every dialog, question and file choice answered here; the find
// field and its filter on their own.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/settings/AppSettings.h"
#include "core/settings/MemorySettingsStore.h"
#include "gui/people/BirthdayListModel.h"
#include "gui/people/TDOBForm.h"
#include "gui/people/TEditDBForm.h"
#include "gui/platform/Shell.h"
#include "gui/widgets/KeyDispatcher.h"
#include "gui/widgets/NameFilter.h"
#include "gui/widgets/PersonFilterEdit.h"
#include "gui/widgets/PersonListModel.h"

using namespace vitalune;
using namespace vitalune::ui;
namespace fs = std::filesystem;

namespace {

const std::int32_t kToday = EncodeDate(2026, 12, 7);

// Friends in sorted order: rows 0..4.
const char* const kDatabase =
    "#Friends|3\r\n"
    "Eve Adams|31.12.1999|F\r\n"
    "Ann Smith|05.01.1980|F\r\n"
    "Carl Jones|02.02.1990|M\r\n"
    "Bob Brown|17.11.1977|M\r\n"
    "Dora Smith|29.02.1988|F\r\n"
    "#Work|5\r\n"
    "Mary Ann Smith|29.02.1992|F\r\n"
    "ann smith|05.01.1980|F\r\n"
    "#Family|0\r\n"
    "Zo\xC3\xAB M\xC3\xBCller|05.01.1975|F\r\n";

const char* const kOtherDatabase =
    "#Club|7\r\n"
    "Otto Other|01.06.1960|M\r\n"
    "#Friends|9\r\n"
    "Fred Fresh|03.03.2003|M\r\n";

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Every file below a folder with its content, to show that nothing on disk changed.
std::map<std::string, std::string> DiskState(const fs::path& folder) {
    std::map<std::string, std::string> state;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            state[entry.path().string()] = ReadFile(entry.path());
        }
    }
    return state;
}

QStringList Names(const PersonList& persons) {
    QStringList names;
    for (const std::string_view line : persons) {
        names << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()))
                     .section(QLatin1Char('|'), 0, 0);
    }
    return names;
}

template <typename T>
T* Child(const QObject& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    if (!child) {
        qFatal("no control %s", name);
    }
    return child;
}

void Click(const QObject& window, const char* button) {
    Child<QAbstractButton>(window, button)->click();
}

void Trigger(const QObject& window, const char* action) {
    Child<QAction>(window, action)->trigger();
}

// A click on a row of a list, as the mouse would, with modifiers for multiple selection.
void ClickRow(QListView* view, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, rect.center());
}

QString Title(const QObject& window, const char* box) {
    return Child<QGroupBox>(window, box)->title();
}

struct OkCall {
    std::size_t group;
    std::size_t person;
    bool refill;
};

class EditorFixture {
  public:
    EditorFixture() : m_clock(kToday), db(m_clock) {
        WriteFile(DbFile(), kDatabase);
        db.LoadFromFile(DbFile());
        db.SetFileName(DbFile().string());
        context.db = &db;
        context.clock = &m_clock;
        context.store = &store;
        context.programFolder = DataFolder();
        context.personOne = [this] { return personOne; };
        context.afterOk = [this](std::size_t g, std::size_t p, bool refill) {
            oks.push_back({g, p, refill});
        };
        context.dialogs.askPerson = [this](QWidget*, const std::optional<std::string>& edit) {
            asked << QStringLiteral("person ") + QString::fromStdString(edit.value_or("new"));
            return Next(personAnswers);
        };
        context.dialogs.askGroup = [this](QWidget*, const std::optional<GroupChoice>& edit) {
            asked << (edit ? QStringLiteral("group %1|%2")
                                 .arg(QString::fromStdString(edit->name))
                                 .arg(edit->icon)
                           : QStringLiteral("group new"));
            return Next(groupAnswers);
        };
        context.dialogs.askTargetGroup = [this](QWidget*, const NamesDatabase&, std::size_t from,
                                                bool move) {
            asked << QStringLiteral("%1 from %2").arg(move ? "move" : "copy").arg(from);
            return Next(targetAnswers);
        };
        context.askOpenFile = [this](QWidget*, const QString& caption) {
            asked << QStringLiteral("open ") + caption;
            return Next(fileAnswers);
        };
        context.askSaveFile = [this](QWidget*, const QString& caption) {
            asked << QStringLiteral("save ") + caption;
            return Next(fileAnswers);
        };
        context.ask = [this](QWidget*, const QString& text, const QString& title) {
            asked << text + QStringLiteral(" / ") + title;
            return answers.empty() ? Answer::Cancel : Next(answers);
        };
        context.showMessage = [this](QWidget*, const QString& text) { messages << text; };
        context.showHelp = [this](int topic) { asked << QStringLiteral("help %1").arg(topic); };
        context.showBirthdays = [this](QWidget*) { asked << QStringLiteral("birthdays"); };
        context.askOpenContacts = context.askOpenFile;
        context.askSaveContacts = context.askSaveFile;
        context.askImportGroup = [this](QWidget*, const QStringList& groups, const QString& s) {
            asked << groups.join(QLatin1Char(',')) + QStringLiteral(" / ") + s;
            return Next(groupNames);
        };
        context.showReport = [this](QWidget*, const QString& text, const QString& details) {
            messages << text + QStringLiteral(" / ") + details;
        };
    }

    // The editor as opened from the main window, shown.
    std::unique_ptr<TEditDBForm> Open() {
        auto form = std::make_unique<TEditDBForm>(context);
        form->FormActivate();
        form->show();
        return form;
    }

    fs::path DataFolder() const { return fs::path(m_dir.path().toStdString()) / "data"; }
    fs::path DbFile() const { return DataFolder() / "db.rec"; }
    fs::path Elsewhere(const char* name) const {
        return fs::path(m_dir.path().toStdString()) / "stick" / name;
    }
    fs::path Root() const { return m_dir.path().toStdString(); }

    template <typename T>
    static T Next(std::deque<T>& queue) {
        if (queue.empty()) {
            return T{};
        }
        T front = std::move(queue.front());
        queue.pop_front();
        return front;
    }

    QTemporaryDir m_dir;
    FixedClock m_clock;
    NamesDatabase db;
    MemorySettingsStore store;
    EditDBContext context;
    std::pair<std::size_t, std::size_t> personOne{0, 0};
    std::deque<std::optional<std::string>> personAnswers;
    std::deque<std::optional<GroupChoice>> groupAnswers;
    std::deque<std::optional<std::size_t>> targetAnswers;
    std::deque<std::optional<fs::path>> fileAnswers;
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> groupNames;
    QStringList asked;
    QStringList messages;
    std::vector<OkCall> oks;
};

QStringList ShownNames(const TEditDBForm& form) {
    QStringList names;
    const PersonListModel* model = form.Persons();
    for (int row = 0; row < model->rowCount(); ++row) {
        names << model->index(row).data().toString();
    }
    return names;
}

}  // namespace

class PeopleEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void opensOnPersonOneWithCaptions();
    void deletesTheSelectedPersonsOnly();
    void moveAndCopyBetweenGroups();
    void groupsMoveUpAndDown();
    void groupAndPersonDialogs();
    void cancelPutsBackContentAndFileName_data();
    void cancelPutsBackContentAndFileName();
    void importKeepsEveryExistingFile_data();
    void importKeepsEveryExistingFile();
    void unusableFilesChangeNothing();
    void closingAsksToSaveChanges();
    void okSavesAndHandsTheSelectionBack();
    void okThatCannotSaveKeepsTheWindow();
    void contactsInAndOut();
    void findFieldNarrowsTheList();
    void nameFilterIgnoresCase_data();
    void nameFilterIgnoresCase();
    void birthdayList();
    void birthdayWebLookUp();
    void birthdayKeys();
};

void PeopleEditorTest::opensOnPersonOneWithCaptions() {
    EditorFixture f;
    f.personOne = {1, 1};
    auto form = f.Open();
    QCOMPARE(form->windowTitle(), QStringLiteral(" Names Database - db.rec"));
    QCOMPARE(Title(*form, "GroupBox1"), QStringLiteral(" Groups [3] "));
    QCOMPARE(Title(*form, "GroupBox2"), QStringLiteral(" Persons [2] "));
    QCOMPARE(form->SelectedGroup(), 1u);
    QCOMPARE(form->FocusedPerson(), std::optional<std::size_t>(1));
    QCOMPARE(form->Persons()->index(1).data().toString(), QStringLiteral("Mary Ann Smith"));
    QCOMPARE(form->Persons()->index(1).data(PersonListModel::kDateTextRole).toString(),
             QStringLiteral("29 Feb 1992"));
    QVERIFY(!form->Changed());

    // A person one out of range falls back to the first group and person.
    EditorFixture g;
    g.personOne = {7, 40};
    auto other = g.Open();
    QCOMPARE(other->SelectedGroup(), 0u);
    QCOMPARE(other->FocusedPerson(), std::optional<std::size_t>(0));

    // A click in the group list shows that group with its first person selected.
    ClickRow(other->GroupSel(), 2);
    QCOMPARE(ShownNames(*other), QStringList{QStringLiteral("Zo\u00EB M\u00FCller")});
    QCOMPARE(Title(*other, "GroupBox2"), QStringLiteral(" Persons [1] "));
    QCOMPARE(other->SelectedPersons(), std::vector<std::size_t>{0});

    Trigger(*other, "Help1");
    Click(*other, "DOBBtn");
    Trigger(*other, "Birthdays1");
    QCOMPARE(g.asked, (QStringList{"help 7", "birthdays", "birthdays"}));
}

void PeopleEditorTest::deletesTheSelectedPersonsOnly() {
    EditorFixture f;
    auto form = f.Open();
    // Persons 2 and 4 of five, by Ctrl clicks; the focus ends on person 4.
    ClickRow(form->NameSel(), 1);
    ClickRow(form->NameSel(), 3, Qt::ControlModifier);
    QCOMPARE(form->SelectedPersons(), (std::vector<std::size_t>{1, 3}));
    Click(*form, "PersonDelBtn");
    QCOMPARE(Names(f.db.Persons(0)), (QStringList{"Ann Smith", "Carl Jones", "Eve Adams"}));
    QVERIFY(form->Changed());
    // The focused row stays, or the last one when the list became shorter.
    QCOMPARE(form->FocusedPerson(), std::optional<std::size_t>(2));
    QCOMPARE(Title(*form, "GroupBox2"), QStringLiteral(" Persons [3] "));

    // Everything deleted: the placeholder person keeps the group from being empty.
    form->NameSel()->selectAll();
    Click(*form, "PersonDelBtn");
    QCOMPARE(Names(f.db.Persons(0)), QStringList{"New person"});
    QCOMPARE(std::string(f.db.Persons(0)[0]), std::string("New person|07.12.2026|M"));
}

void PeopleEditorTest::moveAndCopyBetweenGroups() {
    EditorFixture f;
    auto form = f.Open();
    // Copying Ann Smith into Work, which holds "ann smith" with the same date: nothing added.
    ClickRow(form->NameSel(), 0);
    f.targetAnswers = {1};
    Click(*form, "PersonCopyBtn");
    QCOMPARE(Names(f.db.Persons(1)), (QStringList{"ann smith", "Mary Ann Smith"}));
    QCOMPARE(f.db.Persons(0).size(), 5u);

    // Copying three persons into Family adds them and leaves Friends as it was.
    ClickRow(form->NameSel(), 2, Qt::ShiftModifier);
    f.targetAnswers = {2};
    Click(*form, "PersonCopyBtn");
    QCOMPARE(Names(f.db.Persons(2)),
             (QStringList{"Ann Smith", "Bob Brown", "Carl Jones", "Zo\u00EB M\u00FCller"}));
    QCOMPARE(f.db.Persons(0).size(), 5u);

    // A cancelled or same-group choice changes nothing but still counts as a change.
    const NamesDatabase before = f.db;
    f.targetAnswers = {std::nullopt, 0};
    Click(*form, "PersonMoveBtn");
    Click(*form, "PersonMoveBtn");
    QVERIFY(f.db == before);
    QVERIFY(form->Changed());

    // Moving every person leaves the placeholder person behind.
    form->NameSel()->selectAll();
    f.targetAnswers = {1};
    Click(*form, "PersonMoveBtn");
    QCOMPARE(Names(f.db.Persons(0)), QStringList{"New person"});
    QCOMPARE(Names(f.db.Persons(1)), (QStringList{"ann smith", "Bob Brown", "Carl Jones",
                                                  "Dora Smith", "Eve Adams", "Mary Ann Smith"}));
    QCOMPARE(ShownNames(*form), QStringList{"New person"});
    QCOMPARE(f.asked, (QStringList{"copy from 0", "copy from 0", "move from 0", "move from 0",
                                   "move from 0"}));
}

void PeopleEditorTest::groupsMoveUpAndDown() {
    EditorFixture f;
    auto form = f.Open();
    // The first group up and (after a fresh opening) the last group down do nothing at all.
    Click(*form, "MoveUpBtn");
    QVERIFY(!form->Changed());
    f.personOne = {2, 0};
    form->FormActivate();
    Click(*form, "MoveDownBtn");
    QVERIFY(!form->Changed());
    QCOMPARE(f.db.Groups(), (std::vector<std::string>{"Friends|3", "Work|5", "Family|0"}));

    // Family up: entry and persons move together and it stays selected.
    Click(*form, "MoveUpBtn");
    QVERIFY(form->Changed());
    QCOMPARE(f.db.Groups(), (std::vector<std::string>{"Friends|3", "Family|0", "Work|5"}));
    QCOMPARE(Names(f.db.Persons(1)), QStringList{"Zo\u00EB M\u00FCller"});
    QCOMPARE(form->SelectedGroup(), 1u);
    QCOMPARE(form->GroupSel()->currentIndex().row(), 1);
    QCOMPARE(ShownNames(*form), QStringList{"Zo\u00EB M\u00FCller"});
    Click(*form, "MoveDownBtn");
    QCOMPARE(f.db.Groups(), (std::vector<std::string>{"Friends|3", "Work|5", "Family|0"}));
}

void PeopleEditorTest::groupAndPersonDialogs() {
    EditorFixture f;
    auto form = f.Open();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    // New group: appended, selected, its placeholder shown.
    f.groupAnswers = {GroupChoice{"Neighbours", 12}};
    Click(*form, "GroupNewBtn");
    QCOMPARE(f.db.GroupEntry(3), std::string("Neighbours|12"));
    QCOMPARE(form->SelectedGroup(), 3u);
    QCOMPARE(ShownNames(*form), QStringList{"New person"});
    QCOMPARE(Title(*form, "GroupBox1"), QStringLiteral(" Groups [4] "));

    // Edit by double click: the dialog is given the name and icon.
    f.groupAnswers = {GroupChoice{"Next door", 13}};
    emit form->GroupSel()->doubleClicked(form->GroupSel()->model()->index(3, 0));
    QCOMPARE(f.db.GroupEntry(3), std::string("Next door|13"));

    // New person in this group, then edited: it moves to its sorted place and stays selected.
    f.personAnswers = {"Walter White|01.09.1958|M", "Adam White|01.09.1958|M"};
    Click(*form, "PersonNewBtn");
    QCOMPARE(ShownNames(*form), (QStringList{"New person", "Walter White"}));
    QCOMPARE(form->FocusedPerson(), std::optional<std::size_t>(1));
    Click(*form, "PersonEditBtn");
    QCOMPARE(ShownNames(*form), (QStringList{"Adam White", "New person"}));
    QCOMPARE(form->FocusedPerson(), std::optional<std::size_t>(0));
    QVERIFY(Child<QWidget>(*form, "OKButton")->hasFocus());

    // Deleting the group asks first; Yes removes it and selects the group above.
    f.answers = {Answer::Yes};
    Click(*form, "GroupDelBtn");
    QCOMPARE(f.db.GroupCount(), 3u);
    QCOMPARE(form->SelectedGroup(), 2u);
    QCOMPARE(f.asked, (QStringList{"group new", "group Neighbours|12", "person new",
                                   "person Walter White|01.09.1958|M",
                                   "Delete group? / All group's content will be lost"}));

    // Deleting every group leaves the empty database's "My profiles".
    f.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
    for (int i = 0; i < 3; ++i) {
        Click(*form, "GroupDelBtn");
    }
    QCOMPARE(f.db.Groups(), std::vector<std::string>{"My profiles|2"});
    QCOMPARE(ShownNames(*form), QStringList{"New person"});

    // Without dialogs (the program before they join) the commands do nothing.
    EditorFixture g;
    g.context.dialogs = {};
    auto bare = g.Open();
    const NamesDatabase before = g.db;
    for (const char* button : {"GroupNewBtn", "GroupEditBtn", "PersonNewBtn", "PersonEditBtn",
                               "PersonMoveBtn", "PersonCopyBtn"}) {
        Click(*bare, button);
    }
    QVERIFY(g.db == before);
    QVERIFY(!bare->Changed());
}

void PeopleEditorTest::cancelPutsBackContentAndFileName_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("load") << "LoadDB";
    QTest::newRow("merge") << "MergeDB";
    QTest::newRow("import") << "ImportDB";
    QTest::newRow("save as") << "SaveDBAs";
    QTest::newRow("export") << "ExportDB";
}

void PeopleEditorTest::cancelPutsBackContentAndFileName() {
    QFETCH(QString, command);
    EditorFixture f;
    WriteFile(f.Elsewhere("other.rec"), kOtherDatabase);
    const NamesDatabase original = f.db;
    auto form = f.Open();
    // Some editing first, then the file command.
    ClickRow(form->NameSel(), 4);
    Click(*form, "PersonDelBtn");
    f.answers = {Answer::Yes};
    ClickRow(form->GroupSel(), 2);
    Click(*form, "GroupDelBtn");
    const bool writes = command == "SaveDBAs" || command == "ExportDB";
    const fs::path chosen = writes ? f.Elsewhere("written.rec") : f.Elsewhere("other.rec");
    f.fileAnswers = {chosen};
    const auto diskBefore = DiskState(f.Root());
    Trigger(*form, command.toLatin1().constData());
    QVERIFY(f.messages.isEmpty());
    if (command == "LoadDB" || command == "ImportDB") {
        QCOMPARE(f.db.Groups(), (std::vector<std::string>{"Club|7", "Friends|9"}));
    } else if (command == "MergeDB") {
        QCOMPARE(f.db.Groups(), (std::vector<std::string>{"Friends|3", "Work|5", "Club|7"}));
        QCOMPARE(Names(f.db.Persons(0)),
                 (QStringList{"Ann Smith", "Bob Brown", "Carl Jones", "Dora Smith", "Fred Fresh"}));
    }
    QCOMPARE(form->SelectedGroup(), writes ? 1u : 0u);
    const QString expectedTitle = command == "LoadDB"     ? " Names Database - other.rec"
                                  : command == "ImportDB" ? " Names Database - other.rec"
                                  : command == "SaveDBAs" ? " Names Database - written.rec"
                                                          : " Names Database - db.rec";
    QCOMPARE(form->windowTitle(), expectedTitle);
    if (command == "ImportDB") {
        QCOMPARE(fs::path(f.db.FileName()), f.DataFolder() / "other.rec");
    }

    Click(*form, "CancelBtn");
    QVERIFY(!form->isVisible());
    QVERIFY(f.db == original);
    QCOMPARE(f.db.FileName(), f.DbFile().string());
    QVERIFY(f.oks.empty());
    // Only what Save as and Export wrote is new on disk.
    auto diskAfter = DiskState(f.Root());
    if (writes) {
        QCOMPARE(diskAfter.erase(chosen.string()), 1u);
    }
    QVERIFY(diskAfter == diskBefore);
    QCOMPARE(f.asked.first(), QStringLiteral("Delete group? / All group's content will be lost"));
}

void PeopleEditorTest::importKeepsEveryExistingFile_data() {
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("expected");
    QStringList allTen{"names.rec"};
    for (int i = 0; i <= 9; ++i) {
        allTen << QStringLiteral("names%1.rec").arg(i);
    }
    QTest::newRow("free") << QStringList{} << "names.rec";
    QTest::newRow("names and names0") << QStringList{"names.rec", "names0.rec"} << "names1.rec";
    QTest::newRow("all ten") << allTen << "names10.rec";
}

void PeopleEditorTest::importKeepsEveryExistingFile() {
    QFETCH(QStringList, present);
    QFETCH(QString, expected);
    EditorFixture f;
    for (const QString& name : present) {
        WriteFile(f.DataFolder() / name.toStdString(), "#Keep me|1\r\nKeeper|01.01.2001|M\r\n");
    }
    WriteFile(f.Elsewhere("names.rec"), kOtherDatabase);
    const auto diskBefore = DiskState(f.Root());
    auto form = f.Open();
    f.fileAnswers = {f.Elsewhere("names.rec")};
    Trigger(*form, "ImportDB");
    QCOMPARE(form->windowTitle(), QStringLiteral(" Names Database - ") + expected);
    QCOMPARE(fs::path(f.db.FileName()), f.DataFolder() / expected.toStdString());
    QVERIFY(form->Changed());

    // OK writes the imported database under the new name, and nothing else changes.
    Click(*form, "OKButton");
    auto diskAfter = DiskState(f.Root());
    const std::string target = (f.DataFolder() / expected.toStdString()).string();
    QCOMPARE(diskAfter[target], std::string(kOtherDatabase));
    diskAfter.erase(target);
    QVERIFY(diskAfter == diskBefore);
    QCOMPARE(f.oks.size(), 1u);
}

void PeopleEditorTest::unusableFilesChangeNothing() {
    EditorFixture f;
    WriteFile(f.Elsewhere("comments.rec"), "; only a comment\r\n\r\n");
    auto form = f.Open();
    const NamesDatabase before = f.db;
    // A file without groups, a missing file, a cancelled dialog, a merge of a folder.
    f.fileAnswers = {f.Elsewhere("comments.rec"), f.Elsewhere("gone.rec"), std::nullopt,
                     f.Elsewhere("")};
    Trigger(*form, "LoadDB");
    Trigger(*form, "ImportDB");
    Trigger(*form, "LoadDB");
    Trigger(*form, "MergeDB");
    QVERIFY(f.db == before);
    QCOMPARE(f.db.FileName(), f.DbFile().string());
    QVERIFY(!form->Changed());
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.messages[0].startsWith("Unable to read the names database "));
    QVERIFY(f.messages[0].contains("comments.rec"));
    QVERIFY(f.messages[0].contains("Nothing was changed"));

    // Save as into a folder that does not exist: told, the file name kept.
    f.fileAnswers = {f.Elsewhere("no/such/folder/x.rec")};
    Trigger(*form, "SaveDBAs");
    QCOMPARE(f.messages.size(), 2);
    QVERIFY(f.messages[1].startsWith("Unable to save the names database: "));
    QCOMPARE(form->windowTitle(), QStringLiteral(" Names Database - db.rec"));
    QVERIFY(!form->Changed());
}

void PeopleEditorTest::closingAsksToSaveChanges() {
    EditorFixture f;
    const std::string onDisk = ReadFile(f.DbFile());
    auto form = f.Open();
    // Nothing changed: closing asks nothing.
    form->close();
    QVERIFY(!form->isVisible());
    QVERIFY(f.asked.isEmpty());

    // "No" to "Delete group?" still counts as a change.
    form->FormActivate();
    form->show();
    f.answers = {Answer::No};
    Click(*form, "GroupDelBtn");
    QCOMPARE(f.db.GroupCount(), 3u);
    QVERIFY(form->Changed());
    // Cancel keeps the window; No reverts and closes.
    f.answers = {Answer::Cancel, Answer::No};
    form->close();
    QVERIFY(form->isVisible());
    form->close();
    QVERIFY(!form->isVisible());
    QCOMPARE(f.asked, (QStringList{"Delete group? / All group's content will be lost",
                                   "Save changes? / Close Names Database",
                                   "Save changes? / Close Names Database"}));
    QVERIFY(f.oks.empty());

    // Yes acts as OK: saved, handed back. Escape through the key dispatcher closes the same
    // way, asking once.
    QWidget main;
    KeyDispatcher keys(&main);
    keys.Install();
    AddNamesEditorKeys(keys, *form);
    form->FormActivate();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    ClickRow(form->NameSel(), 0);
    Click(*form, "PersonDelBtn");
    f.asked.clear();
    f.answers = {Answer::Yes};
    QTest::keyClick(form->NameSel(), Qt::Key_Escape);
    QVERIFY(!form->isVisible());
    QCOMPARE(f.asked, QStringList{"Save changes? / Close Names Database"});
    QCOMPARE(f.oks.size(), 1u);
    QVERIFY(ReadFile(f.DbFile()) != onDisk);
    QCOMPARE(ReadFile(f.DataFolder() / "db.bak"), onDisk);
}

void PeopleEditorTest::okSavesAndHandsTheSelectionBack() {
    EditorFixture f;
    const std::string onDisk = ReadFile(f.DbFile());
    auto form = f.Open();
    // Nothing changed, the same group: no file written, person one set only.
    ClickRow(form->NameSel(), 3);
    Click(*form, "OKButton");
    QVERIFY(!form->isVisible());
    QCOMPARE(f.oks.size(), 1u);
    QCOMPARE(f.oks[0].group, 0u);
    QCOMPARE(f.oks[0].person, 3u);
    QVERIFY(!f.oks[0].refill);
    QVERIFY(!fs::exists(f.DataFolder() / "db.bak"));

    // Another group: the main window refills its lists, still nothing written.
    form->FormActivate();
    form->show();
    ClickRow(form->GroupSel(), 1);
    ClickRow(form->NameSel(), 1);
    Click(*form, "OKButton");
    QCOMPARE(f.oks[1].group, 1u);
    QCOMPARE(f.oks[1].person, 1u);
    QVERIFY(f.oks[1].refill);
    QCOMPARE(ReadFile(f.DbFile()), onDisk);

    // A change: saved with the backup, and the focused person's database index is handed back
    // even while the find field hides others.
    form->FormActivate();
    form->show();
    f.answers = {Answer::No};
    Click(*form, "GroupDelBtn");
    QTest::keyClicks(form->FindField(), "smith");
    ClickRow(form->NameSel(), 1);
    QCOMPARE(form->NameSel()->currentIndex().data().toString(), QStringLiteral("Dora Smith"));
    Click(*form, "OKButton");
    QCOMPARE(f.oks[2].group, 0u);
    QCOMPARE(f.oks[2].person, 3u);
    QVERIFY(f.oks[2].refill);
    QCOMPARE(ReadFile(f.DataFolder() / "db.bak"), onDisk);
    QVERIFY(!form->Changed());
}

void PeopleEditorTest::okThatCannotSaveKeepsTheWindow() {
    EditorFixture f;
    f.db.SetFileName((f.DataFolder() / "gone" / "db.rec").string());
    auto form = f.Open();
    ClickRow(form->NameSel(), 0);
    Click(*form, "PersonDelBtn");
    Click(*form, "OKButton");
    QVERIFY(form->isVisible());
    QVERIFY(form->Changed());
    QVERIFY(f.oks.empty());
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.messages[0].startsWith("Unable to save the names database: "));
    // Save as somewhere writable, then OK goes through.
    f.fileAnswers = {f.DataFolder() / "saved.rec"};
    Trigger(*form, "SaveDBAs");
    Click(*form, "OKButton");
    QVERIFY(!form->isVisible());
    QCOMPARE(f.oks.size(), 1u);
    QCOMPARE(f.db.Persons(0).size(), 4u);
}

void PeopleEditorTest::contactsInAndOut() {
    EditorFixture f;
    const NamesDatabase original = f.db;
    WriteFile(f.Elsewhere("book.vcf"),
              "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ivy Green\r\nBDAY:19850314\r\n"
              "GENDER:F\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:4.0\r\nFN:No Year\r\n"
              "BDAY:--0314\r\nEND:VCARD\r\n");
    WriteFile(f.Elsewhere("empty.vcf"), "BEGIN:VCARD\r\nFN:Nobody\r\nEND:VCARD\r\n");
    auto form = f.Open();
    // A "|" in the typed group name is refused; a cancelled choice changes nothing.
    f.fileAnswers = {f.Elsewhere("book.vcf"), f.Elsewhere("book.vcf"), f.Elsewhere("empty.vcf"),
                     f.Elsewhere("book.vcf")};
    f.groupNames = {QStringLiteral("A|B"), std::nullopt};
    Trigger(*form, "ImportContacts");
    Trigger(*form, "ImportContacts");
    Trigger(*form, "ImportContacts");
    QVERIFY(f.db == original);
    // Into a new group, shown and selected; the skipped contact is listed.
    f.groupNames = {QStringLiteral(" Address book ")};
    Trigger(*form, "ImportContacts");
    QCOMPARE(f.db.GroupEntry(3), std::string("Address book|0"));
    QCOMPARE(form->SelectedGroup(), 3u);
    QCOMPARE(ShownNames(*form), QStringList{"Ivy Green"});
    QCOMPARE(f.asked.last(), QStringLiteral("Friends,Work,Family / Contacts"));
    QCOMPARE(f.messages,
             (QStringList{"A name cannot contain the character |.\nNothing was imported.",
                          "No contact in empty.vcf has a full date of birth (with the year), so "
                          "nothing was imported. / Skipped (no full date of birth):\nNobody",
                          "1 imported, 1 skipped (no year of birth) / Skipped (no full date of "
                          "birth):\nNo Year"}));

    // The group goes out as CSV; Cancel then puts the database back but keeps that file.
    f.fileAnswers = {f.Elsewhere("out.csv")};
    Trigger(*form, "ExportGroupContacts");
    QCOMPARE(ReadFile(f.Elsewhere("out.csv")), std::string("Name,Birthday,Sex\r\nIvy "
                                                           "Green,1985-03-14,F\r\n"));
    QVERIFY(f.messages.last().startsWith(QStringLiteral("Exported 1 person to ")));
    Click(*form, "CancelBtn");
    QVERIFY(f.db == original);
}

void PeopleEditorTest::findFieldNarrowsTheList() {
    EditorFixture f;
    auto form = f.Open();
    QWidget main;
    KeyDispatcher keys(&main);
    keys.Install();
    AddNamesEditorKeys(keys, *form);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    PersonFilterEdit* find = form->FindField();
    find->setFocus();
    QTest::keyClicks(find, "SMI");
    QCOMPARE(ShownNames(*form), (QStringList{"Ann Smith", "Dora Smith"}));
    QCOMPARE(Title(*form, "GroupBox2"), QStringLiteral(" Persons [2 of 5] "));
    QTest::keyClicks(find, "th d");
    QCOMPARE(ShownNames(*form), QStringList{});
    QTest::keyClick(find, Qt::Key_Backspace);
    QTest::keyClick(find, Qt::Key_Backspace);
    QCOMPARE(ShownNames(*form), (QStringList{"Ann Smith", "Dora Smith"}));

    // Another group keeps the filter.
    ClickRow(form->GroupSel(), 1);
    QCOMPARE(ShownNames(*form), (QStringList{"ann smith", "Mary Ann Smith"}));
    ClickRow(form->GroupSel(), 0);

    // Enter takes the first match into the list, without pressing OK.
    find->setFocus();
    QTest::keyClick(find, Qt::Key_Return);
    QVERIFY(form->isVisible());
    QVERIFY(form->NameSel()->hasFocus());
    QCOMPARE(form->FocusedPerson(), std::optional<std::size_t>(0));

    // Commands act on the persons shown: Dora Smith is the group's fourth person.
    ClickRow(form->NameSel(), 1);
    Click(*form, "PersonDelBtn");
    QCOMPARE(Names(f.db.Persons(0)),
             (QStringList{"Ann Smith", "Bob Brown", "Carl Jones", "Eve Adams"}));
    QCOMPARE(ShownNames(*form), QStringList{"Ann Smith"});

    // A new person the filter would hide clears it, so that it is seen selected.
    f.personAnswers = {"Zack Zed|01.01.2000|M"};
    Click(*form, "PersonNewBtn");
    QCOMPARE(find->text(), QString());
    QCOMPARE(form->NameSel()->currentIndex().data().toString(), QStringLiteral("Zack Zed"));

    // Escape clears the field first and closes the window only then.
    find->setFocus();
    QTest::keyClicks(find, "bob");
    QCOMPARE(ShownNames(*form), QStringList{"Bob Brown"});
    f.answers = {Answer::Cancel};
    QTest::keyClick(find, Qt::Key_Escape);
    QVERIFY(form->isVisible());
    QCOMPARE(find->text(), QString());
    QCOMPARE(ShownNames(*form).size(), 5);
    QVERIFY(f.asked.filter("Save changes?").isEmpty());
    QTest::keyClick(find, Qt::Key_Escape);
    QCOMPARE(f.asked.filter("Save changes?").size(), 1);
}

void PeopleEditorTest::nameFilterIgnoresCase_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");
    QTest::newRow("empty") << ""
                           << "Ann" << true;
    QTest::newRow("ascii") << "SMI"
                           << "Ann Smith" << true;
    QTest::newRow("middle") << "n s"
                            << "Ann Smith" << true;
    QTest::newRow("longer than name") << "Ann Smithers"
                                      << "Ann Smith" << false;
    QTest::newRow("no match") << "bob"
                              << "Ann Smith" << false;
    QTest::newRow("ascii in accented") << "mull"
                                       << "Zo\u00EB M\u00FCller" << false;
    QTest::newRow("accented upper") << "M\u00DCLL"
                                    << "Zo\u00EB M\u00FCller" << true;
    QTest::newRow("accented lower") << "zo\u00EB"
                                    << "ZO\u00CB" << true;
    QTest::newRow("ascii tail of accented") << "LLER"
                                            << "Zo\u00EB M\u00FCller" << true;
    QTest::newRow("cyrillic") << "\u0438\u0432\u0430\u043D"
                              << "\u0418\u0432\u0430\u043D Petrov" << true;
}

void PeopleEditorTest::nameFilterIgnoresCase() {
    QFETCH(QString, filter);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    const QByteArray utf8 = name.toUtf8();
    QCOMPARE(NameFilter(filter).Matches(std::string_view(utf8.constData(), utf8.size())), matches);
}

void PeopleEditorTest::birthdayList() {
    EditorFixture f;
    FixedClock clock(EncodeDate(2024, 2, 29));
    AppSettings settings;
    TDOBForm form({&f.db, &clock, &f.store, &settings, nullptr, {}});
    form.FormShow();
    QCOMPARE(form.windowTitle(), QStringLiteral(" Birthday party"));
    QCOMPARE(Child<QDateEdit>(form, "BirthDate")->displayFormat(), QStringLiteral("dd MMM yyyy"));
    const auto rows = [&form] {
        QStringList shown;
        const BirthdayListModel* model = form.Model();
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex i = model->index(row);
            shown << QStringLiteral("%1 %2 %3")
                         .arg(i.data(BirthdayListModel::kKindRole).toInt())
                         .arg(i.data().toString(),
                              i.data(BirthdayListModel::kDateTextRole).toString())
                         .trimmed();
        }
        return shown;
    };
    // 29 February of a leap year: two groups, each heading followed by an empty line.
    QCOMPARE(rows(), (QStringList{"0 Friends", "1 Dora Smith 29 Feb 1988", "2", "0 Work",
                                  "1 Mary Ann Smith 29 Feb 1992", "2"}));
    QCOMPARE(form.Model()->index(0).data(BirthdayListModel::kIconRole).toInt(), 3);
    // One day on: nobody.
    Click(form, "DayPlus");
    QCOMPARE(Child<QDateEdit>(form, "BirthDate")->date(), QDate(2024, 3, 1));
    QCOMPARE(rows(), QStringList{"3 Nobody found"});
    // A year without 29 February never lists those two: 28 February, then 1 March.
    form.SetPickedDay(EncodeDate(2025, 2, 28));
    QCOMPARE(rows(), QStringList{"3 Nobody found"});
    Click(form, "DayPlus");
    QCOMPARE(Child<QDateEdit>(form, "BirthDate")->date(), QDate(2025, 3, 1));
    QCOMPARE(rows(), QStringList{"3 Nobody found"});
    // 5 January: three groups, an equal line in two of them, the year not compared.
    form.SetPickedDay(EncodeDate(2031, 1, 6));
    Click(form, "DayMinus");
    QCOMPARE(rows(), (QStringList{"0 Friends", "1 Ann Smith 05 Jan 1980", "2", "0 Work",
                                  "1 ann smith 05 Jan 1980", "2", "0 Family",
                                  "1 Zo\u00EB M\u00FCller 05 Jan 1975", "2"}));
    // OK closes.
    form.show();
    Click(form, "OKBtn");
    QVERIFY(!form.isVisible());
}

void PeopleEditorTest::birthdayWebLookUp() {
    EditorFixture f;
    FixedClock clock(EncodeDate(2024, 2, 29));
    AppSettings settings;
    settings.textSearchUrl = "https://search.example/?hl=en&q=";
    settings.imageSearchUrl = "https://images.example/?lr=x&q=";
    RecordingShell shell;
    TDOBForm form({&f.db, &clock, &f.store, &settings, &shell, {}});
    form.FormShow();
    form.show();
    // The heading, the gap and the first line look nothing up.
    for (const int row : {0, 2, 3}) {
        form.PartyList()->setCurrentIndex(form.Model()->index(row));
        Click(form, "GetInfo1Btn");
    }
    QVERIFY(shell.opened.isEmpty());
    ClickRow(form.PartyList(), 4);
    Click(form, "GetInfo1Btn");
    Click(form, "GetPict1Btn");
    QTest::mouseDClick(form.PartyList()->viewport(), Qt::LeftButton, {},
                       form.PartyList()->visualRect(form.Model()->index(4)).center());
    QStringList opened;
    for (const QUrl& url : shell.opened) {
        opened << QString::fromLatin1(url.toEncoded());
    }
    QCOMPARE(opened, (QStringList{"https://search.example/?hl=en&q=%22Mary+Ann+Smith%22",
                                  "https://images.example/?lr=x&q=%22Mary+Ann+Smith%22",
                                  "https://search.example/?hl=en&q=%22Mary+Ann+Smith%22"}));
}

void PeopleEditorTest::birthdayKeys() {
    EditorFixture f;
    FixedClock clock(EncodeDate(2024, 2, 29));
    AppSettings settings;
    TDOBForm form({&f.db, &clock, &f.store, &settings, nullptr, {}});
    QWidget main;
    KeyDispatcher keys(&main);
    keys.Install();
    AddBirthdayListKeys(keys, form);
    form.FormShow();
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* date = Child<QDateEdit>(form, "BirthDate");
    form.PartyList()->setFocus();
    QTest::keyClick(form.PartyList(), Qt::Key_Right);
    QCOMPARE(date->date(), QDate(2024, 3, 1));
    QTest::keyClick(form.PartyList(), Qt::Key_Left);
    QTest::keyClick(form.PartyList(), Qt::Key_Left);
    QCOMPARE(date->date(), QDate(2024, 2, 28));
    // In the date field the keys move its cursor instead.
    date->setFocus();
    QTest::keyClick(date, Qt::Key_Right);
    QCOMPARE(date->date(), QDate(2024, 2, 28));
    // Escape closes it.
    QTest::keyClick(date, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(PeopleEditorTest)
#include "PeopleEditor_test.moc"
