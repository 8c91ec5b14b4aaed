// The names editor and the birthday list over a small database in a private folder, driven
// through their controls with every dialog, question and file choice answered here.
#include <QApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QTemporaryDir>
#include <deque>
#include <fstream>
#include <map>
#include <tuple>

#include "PeopleTestSupport.h"
#include "core/db/NamesDatabase.h"
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

// Friends in sorted order: Ann Smith, Bob Brown, Carl Jones, Dora Smith, Eve Adams.
const char* const kDatabase =
    "#Friends|3\r\nEve Adams|31.12.1999|F\r\nAnn Smith|05.01.1980|F\r\n"
    "Carl Jones|02.02.1990|M\r\nBob Brown|17.11.1977|M\r\nDora Smith|29.02.1988|F\r\n"
    "#Work|5\r\nMary Ann Smith|29.02.1992|F\r\nann smith|05.01.1980|F\r\n"
    "#Family|0\r\nZo\xC3\xAB M\xC3\xBCller|05.01.1975|F\r\n";

const char* const kOtherDatabase =
    "#Club|7\r\nOtto Other|01.06.1960|M\r\n#Friends|9\r\nFred Fresh|03.03.2003|M\r\n";

const QString kZoe = QStringLiteral("Zo\u00EB M\u00FCller");

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Every file below a folder with its content, to show what changed on disk.
std::map<std::string, std::string> DiskState(const fs::path& folder) {
    std::map<std::string, std::string> state;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            state[entry.path().string()] = ReadFile(entry.path());
        }
    }
    return state;
}

// The lines' first `fields` fields: the names of persons, the entries of groups.
template <typename Lines>
QStringList Texts(const Lines& lines, int fields) {
    QStringList texts;
    for (const std::string_view line : lines) {
        texts << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()))
                     .section(QLatin1Char('|'), 0, fields - 1);
    }
    return texts;
}

QStringList Names(const PersonList& persons) {
    return Texts(persons, 1);
}

QStringList Groups(const NamesDatabase& db) {
    return Texts(db.Groups(), 2);
}

QString Title(const QObject& window, const char* box) {
    return Child<QGroupBox>(window, box)->title();
}

QStringList ShownNames(const TEditDBForm& form) {
    QStringList names;
    for (int row = 0; row < form.Persons()->rowCount(); ++row) {
        names << form.Persons()->index(row).data().toString();
    }
    return names;
}

template <typename T>
T Next(std::deque<T>& queue) {
    if (queue.empty()) {
        return T{};
    }
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

// The editor over kDatabase in a private folder: its dialogs, questions and file choices are
// answered from the queues, and what it asked and told is recorded.
struct EditorFixture {
    QTemporaryDir dir;
    FixedClock clock{static_cast<DateTime>(kToday)};
    NamesDatabase db{clock};
    MemorySettingsStore store;
    EditDBContext context;
    std::pair<std::size_t, std::size_t> personOne{0, 0};
    std::deque<std::optional<std::string>> personAnswers;
    std::deque<std::optional<GroupChoice>> groupAnswers;
    std::deque<std::optional<std::size_t>> targetAnswers;
    std::deque<std::optional<fs::path>> fileAnswers;
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> groupNames;
    QStringList asked, messages;
    QStringList oks;  // "group/person", " refill" when the main window must fill its lists

    EditorFixture() {
        WriteFile(DbFile(), kDatabase);
        db.LoadFromFile(DbFile());
        db.SetFileName(DbFile().string());
        context.db = &db;
        context.clock = &clock;
        context.store = &store;
        context.programFolder = DataFolder();
        context.personOne = [this] { return personOne; };
        context.afterOk = [this](std::size_t g, std::size_t p, bool refill) {
            oks << QStringLiteral("%1/%2%3").arg(g).arg(p).arg(refill ? " refill" : "");
        };
        context.dialogs.askPerson = [this](QWidget*, const std::optional<std::string>& edit) {
            asked << QStringLiteral("person ") + QString::fromStdString(edit.value_or("new"));
            return Next(personAnswers);
        };
        context.dialogs.askGroup = [this](QWidget*, const std::optional<GroupChoice>& edit) {
            const QString name = edit ? QString::fromStdString(edit->name) : "new";
            asked << QStringLiteral("group %1|%2").arg(name).arg(edit ? edit->icon : 0);
            return Next(groupAnswers);
        };
        context.dialogs.askTargetGroup = [this](QWidget*, const NamesDatabase&, std::size_t from,
                                                bool move) {
            asked << QStringLiteral("%1 from %2").arg(move ? "move" : "copy").arg(from);
            return Next(targetAnswers);
        };
        const auto file = [this](QWidget*, const QString&) { return Next(fileAnswers); };
        context.askOpenFile = context.askSaveFile = file;
        context.askOpenContacts = context.askSaveContacts = file;
        context.ask = [this](QWidget*, const QString& text, const QString& title) {
            asked << text + QStringLiteral(" / ") + title;
            return answers.empty() ? Answer::Cancel : Next(answers);
        };
        context.showMessage = [this](QWidget*, const QString& text) { messages << text; };
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
        Reopen(*form);
        return form;
    }
    static void Reopen(TEditDBForm& form) {
        form.FormActivate();
        form.show();
    }

    fs::path Root() const { return dir.path().toStdString(); }
    fs::path DataFolder() const { return Root() / "data"; }
    fs::path DbFile() const { return DataFolder() / "db.rec"; }
    fs::path Elsewhere(const char* name) const { return Root() / "stick" / name; }
};

}  // namespace

class PeopleEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void personCommands();
    void opensOnPersonOneAndMovesGroups();
    void groupAndPersonDialogs();
    void cancelPutsBackContentAndFileName_data();
    void cancelPutsBackContentAndFileName();
    void importKeepsEveryExistingFile_data();
    void importKeepsEveryExistingFile();
    void unusableFilesChangeNothing();
    void closeAsksAndOkSaves();
    void contactsInAndOut();
    void findFieldNarrowsTheList();
    void nameFilterIgnoresCase();
    void birthdayList();
};

void PeopleEditorTest::personCommands() {
    EditorFixture f;
    auto form = f.Open();
    // Persons 2 and 4 of five, by Ctrl clicks; the focus stays on the fourth row, now the last.
    ClickRow(form->NameSel(), 1);
    ClickRow(form->NameSel(), 3, Qt::ControlModifier);
    Click(*form, "PersonDelBtn");
    QCOMPARE(Names(f.db.Persons(0)), (QStringList{"Ann Smith", "Carl Jones", "Eve Adams"}));
    QCOMPARE(form->FocusedPerson(), std::optional<std::size_t>(2));
    // Ann and Carl copied into Work, which holds "ann smith" with the same date: Carl only.
    ClickRow(form->NameSel(), 0);
    ClickRow(form->NameSel(), 1, Qt::ShiftModifier);
    f.targetAnswers = {1, std::nullopt, 0, 1};
    Click(*form, "PersonCopyBtn");
    QCOMPARE(Names(f.db.Persons(1)), (QStringList{"ann smith", "Carl Jones", "Mary Ann Smith"}));
    QCOMPARE(f.db.Persons(0).size(), 3u);
    // A cancelled or same-group choice changes nothing; moving everyone leaves the placeholder.
    const NamesDatabase before = f.db;
    Click(*form, "PersonMoveBtn");
    Click(*form, "PersonMoveBtn");
    QVERIFY(f.db == before);
    form->NameSel()->selectAll();
    Click(*form, "PersonMoveBtn");
    QCOMPARE(ShownNames(*form), QStringList{"New person"});
    QCOMPARE(Names(f.db.Persons(1)),
             (QStringList{"ann smith", "Carl Jones", "Eve Adams", "Mary Ann Smith"}));
    QCOMPARE(f.asked, (QStringList{"copy from 0", "move from 0", "move from 0", "move from 0"}));
    // Everything deleted: the placeholder, born today, keeps the group from being empty.
    ClickRow(form->GroupSel(), 1);
    form->NameSel()->selectAll();
    Click(*form, "PersonDelBtn");
    QCOMPARE(Texts(f.db.Persons(1), 3), QStringList{"New person|07.12.2026|M"});
}

void PeopleEditorTest::opensOnPersonOneAndMovesGroups() {
    EditorFixture f;
    f.personOne = {1, 1};
    auto form = f.Open();
    const QModelIndex shown = form->NameSel()->currentIndex();
    QCOMPARE((QStringList{form->windowTitle(), Title(*form, "GroupBox1"), Title(*form, "GroupBox2"),
                          shown.data().toString(),
                          shown.data(PersonListModel::kDateTextRole).toString()}),
             (QStringList{" Names Database - db.rec", " Groups [3] ", " Persons [2] ",
                          "Mary Ann Smith", "29 Feb 1992"}));
    // A person one out of range opens on the first group, whose moving up does nothing at all;
    // nor does the last group's moving down.
    f.personOne = {7, 40};
    f.Reopen(*form);
    QCOMPARE(form->FocusedPerson(), std::optional<std::size_t>(0));
    Click(*form, "MoveUpBtn");
    QVERIFY(!form->Changed());
    f.personOne = {2, 0};
    f.Reopen(*form);
    Click(*form, "MoveDownBtn");
    QVERIFY(!form->Changed());
    QCOMPARE(Groups(f.db), (QStringList{"Friends|3", "Work|5", "Family|0"}));
    // Family up: entry and persons move together, and it stays selected.
    Click(*form, "MoveUpBtn");
    QVERIFY(form->Changed());
    QCOMPARE(Groups(f.db), (QStringList{"Friends|3", "Family|0", "Work|5"}));
    QCOMPARE(Names(f.db.Persons(1)), QStringList{kZoe});
    QCOMPARE(ShownNames(*form), QStringList{kZoe});
    Click(*form, "MoveDownBtn");
    QCOMPARE(Groups(f.db), (QStringList{"Friends|3", "Work|5", "Family|0"}));
}

void PeopleEditorTest::groupAndPersonDialogs() {
    EditorFixture f;
    auto form = f.Open();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    // A new group is appended and selected with its placeholder; a double click edits it.
    f.groupAnswers = {GroupChoice{"Neighbours", 12}, GroupChoice{"Next door", 13}};
    Click(*form, "GroupNewBtn");
    QCOMPARE(form->SelectedGroup(), 3u);
    QCOMPARE(ShownNames(*form), QStringList{"New person"});
    emit form->GroupSel()->doubleClicked(form->GroupSel()->model()->index(3, 0));
    QCOMPARE(f.db.GroupEntry(3), std::string("Next door|13"));
    // A new person, then edited: it moves to its sorted place and stays selected.
    f.personAnswers = {"Walter White|01.09.1958|M", "Adam White|01.09.1958|M"};
    Click(*form, "PersonNewBtn");
    QCOMPARE(form->FocusedPerson(), std::optional<std::size_t>(1));
    Click(*form, "PersonEditBtn");
    QCOMPARE(ShownNames(*form), (QStringList{"Adam White", "New person"}));
    QCOMPARE(form->FocusedPerson(), std::optional<std::size_t>(0));
    QVERIFY(Child<QWidget>(*form, "OKButton")->hasFocus());
    // Deleting a group asks first and selects the group above.
    f.answers = {Answer::Yes};
    Click(*form, "GroupDelBtn");
    QCOMPARE(form->SelectedGroup(), 2u);
    QCOMPARE(f.asked, (QStringList{"group new|0", "group Neighbours|12", "person new",
                                   "person Walter White|01.09.1958|M",
                                   "Delete group? / All group's content will be lost"}));
}

void PeopleEditorTest::cancelPutsBackContentAndFileName_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QString>("title");
    const QStringList edited{"Friends|3", "Work|5"};
    const QStringList other{"Club|7", "Friends|9"};
    QTest::newRow("load") << "LoadDB" << other << "other.rec";
    QTest::newRow("merge") << "MergeDB" << (edited + QStringList{"Club|7"}) << "db.rec";
    QTest::newRow("import") << "ImportDB" << other << "other.rec";
    QTest::newRow("save as") << "SaveDBAs" << edited << "written.rec";
    QTest::newRow("export") << "ExportDB" << edited << "db.rec";
}

void PeopleEditorTest::cancelPutsBackContentAndFileName() {
    QFETCH(QString, command);
    QFETCH(QStringList, groups);
    QFETCH(QString, title);
    EditorFixture f;
    WriteFile(f.Elsewhere("other.rec"), kOtherDatabase);
    const NamesDatabase original = f.db;
    auto form = f.Open();
    // Some editing first: a person and the Family group deleted.
    ClickRow(form->NameSel(), 4);
    Click(*form, "PersonDelBtn");
    f.answers = {Answer::Yes};
    ClickRow(form->GroupSel(), 2);
    Click(*form, "GroupDelBtn");
    const bool writes = command == "SaveDBAs" || command == "ExportDB";
    const fs::path chosen = f.Elsewhere(writes ? "written.rec" : "other.rec");
    f.fileAnswers = {chosen};
    const auto diskBefore = DiskState(f.Root());
    Trigger(*form, command.toLatin1().constData());
    QCOMPARE(Groups(f.db), groups);
    QCOMPARE(form->windowTitle(), QStringLiteral(" Names Database - ") + title);
    Click(*form, "CancelBtn");
    QVERIFY(f.db == original);
    QCOMPARE(f.db.FileName(), f.DbFile().string());
    QVERIFY(f.oks.empty() && f.messages.empty());
    // Only what Save as and Export wrote is new on disk.
    auto diskAfter = DiskState(f.Root());
    if (writes) {
        QCOMPARE(diskAfter.erase(chosen.string()), 1u);
    }
    QVERIFY(diskAfter == diskBefore);
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
    // OK writes the imported database under the new name, and nothing else changes.
    Click(*form, "OKButton");
    QCOMPARE(f.oks.size(), 1);
    auto diskAfter = DiskState(f.Root());
    const std::string target = (f.DataFolder() / expected.toStdString()).string();
    QCOMPARE(diskAfter[target], std::string(kOtherDatabase));
    diskAfter.erase(target);
    QVERIFY(diskAfter == diskBefore);
}

void PeopleEditorTest::unusableFilesChangeNothing() {
    EditorFixture f;
    WriteFile(f.Elsewhere("comments.rec"), "; only a comment\r\n\r\n");
    auto form = f.Open();
    const NamesDatabase before = f.db;
    // No groups, no file, a cancelled dialog, a merged folder, Save as into no folder.
    f.fileAnswers = {f.Elsewhere("comments.rec"), f.Elsewhere("gone.rec"), std::nullopt,
                     f.Elsewhere(""), f.Elsewhere("no/such/folder/x.rec")};
    for (const char* command : {"LoadDB", "ImportDB", "LoadDB", "MergeDB", "SaveDBAs"}) {
        Trigger(*form, command);
    }
    QVERIFY(f.db == before && !form->Changed());
    QCOMPARE(form->windowTitle(), QStringLiteral(" Names Database - db.rec"));
    QCOMPARE(f.messages.size(), 2);
    QVERIFY(f.messages[0].startsWith("Unable to read the names database ") &&
            f.messages[0].contains("comments.rec"));
    QVERIFY(f.messages[1].startsWith("Unable to save the names database: "));
}

void PeopleEditorTest::closeAsksAndOkSaves() {
    EditorFixture f;
    const std::string onDisk = ReadFile(f.DbFile());
    auto form = f.Open();
    // Nothing changed: closing asks nothing, OK writes nothing; another group is a refill.
    form->close();
    f.Reopen(*form);
    ClickRow(form->NameSel(), 3);
    Click(*form, "OKButton");
    f.Reopen(*form);
    ClickRow(form->GroupSel(), 1);
    ClickRow(form->NameSel(), 1);
    Click(*form, "OKButton");
    QVERIFY(f.asked.isEmpty());
    QVERIFY(!fs::exists(f.DataFolder() / "db.bak"));
    // "No" to "Delete group?" still counts as a change. Cancel keeps the window; No reverts.
    f.Reopen(*form);
    f.answers = {Answer::No, Answer::Cancel, Answer::No};
    Click(*form, "GroupDelBtn");
    form->close();
    QVERIFY(form->isVisible());
    form->close();
    QVERIFY(!form->isVisible());
    QCOMPARE(f.asked, (QStringList{"Delete group? / All group's content will be lost",
                                   "Save changes? / Close Names Database",
                                   "Save changes? / Close Names Database"}));
    // Yes is OK: saved with a backup, the focused person's index handed back despite the filter.
    f.Reopen(*form);
    f.answers = {Answer::No, Answer::Yes};
    Click(*form, "GroupDelBtn");
    QTest::keyClicks(form->FindField(), "smith");
    ClickRow(form->NameSel(), 1);
    form->close();
    QCOMPARE(f.oks, (QStringList{"0/3", "1/1 refill", "0/3 refill"}));
    QCOMPARE(ReadFile(f.DataFolder() / "db.bak"), onDisk);
    // A file that cannot be written keeps the window until saved somewhere else.
    f.db.SetFileName((f.DataFolder() / "gone" / "db.rec").string());
    f.Reopen(*form);
    Click(*form, "PersonDelBtn");
    Click(*form, "OKButton");
    QVERIFY(form->isVisible() && form->Changed());
    QCOMPARE(f.oks.size(), 3);
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.messages[0].startsWith("Unable to save the names database: "));
    f.fileAnswers = {f.DataFolder() / "saved.rec"};
    Trigger(*form, "SaveDBAs");
    Click(*form, "OKButton");
    QCOMPARE(f.oks.size(), 4);
    QCOMPARE(Names(f.db.Persons(0)),
             (QStringList{"Bob Brown", "Carl Jones", "Dora Smith", "Eve Adams"}));
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
    for (int i = 0; i < 3; ++i) {
        Trigger(*form, "ImportContacts");
    }
    QVERIFY(f.db == original);
    // Into a new group, shown and selected; the skipped contact is listed.
    f.groupNames = {QStringLiteral(" Address book ")};
    Trigger(*form, "ImportContacts");
    QCOMPARE(f.db.GroupEntry(3), std::string("Address book|0"));
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
    QCOMPARE(ReadFile(f.Elsewhere("out.csv")),
             std::string("Name,Birthday,Sex\r\nIvy Green,1985-03-14,F\r\n"));
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
    // Enter takes the first match into the list, without pressing OK.
    QTest::keyClick(find, Qt::Key_Return);
    QVERIFY(form->isVisible() && form->NameSel()->hasFocus());
    QCOMPARE(form->FocusedPerson(), std::optional<std::size_t>(0));
    // Commands act on the persons shown: Dora Smith is the group's fourth person.
    ClickRow(form->NameSel(), 1);
    Click(*form, "PersonDelBtn");
    QCOMPARE(Names(f.db.Persons(0)),
             (QStringList{"Ann Smith", "Bob Brown", "Carl Jones", "Eve Adams"}));
    // A new person the filter would hide clears it, so that it is seen selected.
    f.personAnswers = {"Zack Zed|01.01.2000|M"};
    Click(*form, "PersonNewBtn");
    QCOMPARE(find->text(), QString());
    QCOMPARE(form->NameSel()->currentIndex().data().toString(), QStringLiteral("Zack Zed"));
    // Escape clears the field first and closes the window only then, asking once.
    f.asked.clear();
    find->setFocus();
    QTest::keyClicks(find, "bob");
    QTest::keyClick(find, Qt::Key_Escape);
    QVERIFY(form->isVisible() && f.asked.isEmpty());
    QCOMPARE(ShownNames(*form).size(), 5);
    QTest::keyClick(find, Qt::Key_Escape);
    QCOMPARE(f.asked, QStringList{"Save changes? / Close Names Database"});
}

void PeopleEditorTest::nameFilterIgnoresCase() {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"n s", "Ann Smith", true},
        {"Ann Smithers", "Ann Smith", false},
        {"mull", "Zo\u00EB M\u00FCller", false},
        {"M\u00DCLL", "Zo\u00EB M\u00FCller", true},
        {"zo\u00EB", "ZO\u00CB", true},
        {"LLER", "Zo\u00EB M\u00FCller", true},
        {"\u0438\u0432\u0430\u043D", "\u0418\u0432\u0430\u043D Petrov", true},
    };
    for (const auto& [filter, name, matches] : cases) {
        QVERIFY2(NameFilter(QString::fromUtf8(filter)).Matches(name) == matches, filter);
    }
}

void PeopleEditorTest::birthdayList() {
    EditorFixture f;
    FixedClock clock(EncodeDate(2024, 2, 29));
    AppSettings settings;
    settings.textSearchUrl = "https://search.example/?q=";
    settings.imageSearchUrl = "https://images.example/?q=";
    RecordingShell shell;
    TDOBForm form({&f.db, &clock, &f.store, &settings, &shell, {}});
    const auto rows = [&form] {
        QStringList shown;
        for (int row = 0; row < form.Model()->rowCount(); ++row) {
            const QModelIndex i = form.Model()->index(row);
            shown << QStringLiteral("%1 %2 %3")
                         .arg(i.data(BirthdayListModel::kKindRole).toInt())
                         .arg(i.data().toString(),
                              i.data(BirthdayListModel::kDateTextRole).toString())
                         .trimmed();
        }
        return shown;
    };
    form.FormShow();
    form.show();
    // 29 February of a leap year: two groups, each heading followed by an empty line.
    QCOMPARE(rows(), (QStringList{"0 Friends", "1 Dora Smith 29 Feb 1988", "2", "0 Work",
                                  "1 Mary Ann Smith 29 Feb 1992", "2"}));
    // A person is looked up by name, in quotes.
    ClickRow(form.PartyList(), 4);
    Click(form, "GetInfo1Btn");
    Click(form, "GetPict1Btn");
    QCOMPARE(shell.opened, (QList<QUrl>{QUrl("https://search.example/?q=%22Mary+Ann+Smith%22"),
                                        QUrl("https://images.example/?q=%22Mary+Ann+Smith%22")}));
    // One day on, and 28 February of a year without the 29th: nobody.
    Click(form, "DayPlus");
    QCOMPARE(rows(), QStringList{"3 Nobody found"});
    form.SetPickedDay(EncodeDate(2025, 2, 28));
    QCOMPARE(rows(), QStringList{"3 Nobody found"});
    // Left and Right step the day, except in the date field; Escape closes.
    QWidget main;
    KeyDispatcher keys(&main);
    keys.Install();
    AddBirthdayListKeys(keys, form);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* date = Child<QDateEdit>(form, "BirthDate");
    form.PartyList()->setFocus();
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Right}) {
        QTest::keyClick(form.PartyList(), key);
    }
    QCOMPARE(date->date(), QDate(2025, 3, 2));
    date->setFocus();
    QTest::keyClick(date, Qt::Key_Right);
    QCOMPARE(date->date(), QDate(2025, 3, 2));
    QTest::keyClick(date, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(PeopleEditorTest)
#include "PeopleEditor_test.moc"
