#include "gui/people/TEditDBForm.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/contacts/Contacts.h"
#include "core/db/ImportTarget.h"
#include "core/db/NameRule.h"
#include "core/help/HelpTopics.h"
#include "gui/people/DialogSupport.h"
#include "gui/people/GroupItemDelegate.h"
#include "gui/people/GroupListModel.h"
#include "gui/widgets/KeyDispatcher.h"
#include "gui/widgets/PersonFilterEdit.h"
#include "gui/widgets/PersonItemDelegate.h"
#include "gui/widgets/PersonListModel.h"
#include "gui/widgets/WindowPlacement.h"

namespace vitalune::ui {

namespace {

namespace fs = std::filesystem;

constexpr const char* kFormName = "EditDBForm";
constexpr const char* kLoadCaption = "Load names database from file";
constexpr const char* kSaveAsCaption = "Save current names database to another file";
constexpr const char* kMergeCaption = "Merge selected names database with current one";
constexpr const char* kImportCaption = "Import NDB from removable device";
constexpr const char* kExportCaption = "Export NDB to removable device";
constexpr const char* kImportContactsCaption = "Import contacts\u2026";
constexpr const char* kExportGroupContactsCaption = "Export group as contacts\u2026";
constexpr const char* kExportAllContactsCaption = "Export all groups as contacts\u2026";
constexpr const char* kContactsGroup = "Contacts";

QString L(const char* text) {
    return QString::fromUtf8(text);
}

QString PathText(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// A long database load or save keeps the pointer busy rather than looking frozen.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

QPushButton* Button(const char* name, const char* caption, const char* hint,
                    const char* accessible) {
    auto* button = new QPushButton(L(caption));
    button->setObjectName(L(name));
    button->setToolTip(L(hint));
    button->setAccessibleName(L(accessible));
    button->setAutoDefault(false);
    return button;
}

QToolButton* ArrowButton(const char* name, Qt::ArrowType arrow, const char* hint) {
    auto* button = new QToolButton;
    button->setObjectName(L(name));
    button->setArrowType(arrow);
    button->setToolTip(L(hint));
    button->setAccessibleName(L(hint));
    return button;
}

}  // namespace

TEditDBForm::TEditDBForm(EditDBContext context, QWidget* parent)
    : ProgramDialog(kFormName, context.store, parent),
      m_context(std::move(context)),
      m_db(*m_context.db),
      m_snapshot(*m_context.clock) {
    setModal(true);
    BuildControls();
    resize(std::max(365, sizeHint().width()), std::max(425, sizeHint().height()));
    RestorePlace();
    RenewWindowTitle();
}

TEditDBForm::~TEditDBForm() = default;

QMenuBar* TEditDBForm::BuildMenu() {
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("DBEditMenu"));
    menuBar->setAccessibleName(QStringLiteral("Names database menu"));
    QMenu* files = menuBar->addMenu(QStringLiteral("&Files"));
    files->setObjectName(QStringLiteral("Files1"));
    const auto add = [this](QMenu* menu, const char* name, const char* text, auto slot) {
        QAction* action = menu->addAction(L(text));
        action->setObjectName(L(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(files, "LoadDB", kLoadCaption, &TEditDBForm::LoadClick);
    add(files, "SaveDBAs", kSaveAsCaption, &TEditDBForm::SaveAsClick);
    add(files, "MergeDB", kMergeCaption, &TEditDBForm::MergeClick);
    files->addSeparator();
    add(files, "ImportDB", kImportCaption, &TEditDBForm::ImportClick);
    add(files, "ExportDB", kExportCaption, &TEditDBForm::ExportClick);
    files->addSeparator();
    add(files, "ImportContacts", kImportContactsCaption, &TEditDBForm::ImportContactsClick)
        ->setToolTip(QStringLiteral("Birthdays from an address book's vCard or CSV file"));
    add(files, "ExportGroupContacts", kExportGroupContactsCaption,
        &TEditDBForm::ExportGroupContactsClick)
        ->setToolTip(QStringLiteral("The selected group as a vCard or CSV file"));
    add(files, "ExportAllContacts", kExportAllContactsCaption, &TEditDBForm::ExportAllContactsClick)
        ->setToolTip(QStringLiteral("Every group as one vCard or CSV file"));
    files->setToolTipsVisible(true);
    QAction* birthdays = menuBar->addAction(QStringLiteral("&Birthdays"));
    birthdays->setObjectName(QStringLiteral("Birthdays1"));
    connect(birthdays, &QAction::triggered, this, &TEditDBForm::DOBBtnClick);
    QAction* help = menuBar->addAction(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    connect(help, &QAction::triggered, this, &TEditDBForm::HelpClick);
    return menuBar;
}

void TEditDBForm::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(BuildMenu());

    m_groupBox1 = new QGroupBox;
    m_groupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* groupRow = new QHBoxLayout(m_groupBox1);
    m_groupModel = new GroupListModel(this);
    m_groupModel->SetDatabase(&m_db);
    m_groupSel = people::RowList("GroupSel", QStringLiteral("Groups"),
                                 QStringLiteral("Available groups of profiles"));
    m_groupSel->setModel(m_groupModel);
    m_groupSel->setItemDelegate(new GroupItemDelegate(m_groupSel));
    m_groupSel->setSelectionMode(QAbstractItemView::SingleSelection);
    groupRow->addWidget(m_groupSel, 1);
    auto* groupButtons = new QVBoxLayout;
    QPushButton* groupNew = Button("GroupNewBtn", "New", "Create new group", "New group");
    QPushButton* groupEdit = Button("GroupEditBtn", "Edit", "Rename group", "Edit group");
    QPushButton* groupDel =
        Button("GroupDelBtn", "Delete", "Delete group and all group's content", "Delete group");
    QToolButton* up = ArrowButton("MoveUpBtn", Qt::UpArrow, "Move selected group up");
    QToolButton* down = ArrowButton("MoveDownBtn", Qt::DownArrow, "Move selected group down");
    groupButtons->addWidget(groupNew);
    groupButtons->addWidget(groupEdit);
    groupButtons->addWidget(groupDel);
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(up);
    arrows->addWidget(down);
    groupButtons->addLayout(arrows);
    groupButtons->addStretch(1);
    groupRow->addLayout(groupButtons);
    layout->addWidget(m_groupBox1, 2);

    m_groupBox2 = new QGroupBox;
    m_groupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* personBox = new QVBoxLayout(m_groupBox2);
    m_personModel = new PersonListModel(m_db, this);
    m_find = new PersonFilterEdit;
    personBox->addWidget(m_find);
    auto* personRow = new QHBoxLayout;
    m_nameSel =
        people::RowList("NameSel", QStringLiteral("Persons"),
                        QStringLiteral("Profiles belong to selected group. Doubleclick to edit "));
    m_nameSel->setModel(m_personModel);
    auto* delegate = new PersonItemDelegate(m_nameSel);
    delegate->SetShowDate(true);
    m_nameSel->setItemDelegate(delegate);
    m_nameSel->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_find->Attach(m_personModel, m_nameSel);
    personRow->addWidget(m_nameSel, 1);
    auto* personButtons = new QVBoxLayout;
    QPushButton* personNew = Button("PersonNewBtn", "New", "Create new profile", "New person");
    QPushButton* personEdit = Button("PersonEditBtn", "Edit", "Edit profile", "Edit person");
    QPushButton* personDel =
        Button("PersonDelBtn", "Delete", "Delete selected profile(s)", "Delete persons");
    QPushButton* personMove = Button("PersonMoveBtn", "Move To",
                                     "Move selected profile(s) to another group", "Move persons");
    QPushButton* personCopy = Button("PersonCopyBtn", "Copy To",
                                     "Copy selected profile(s) to another group", "Copy persons");
    for (QPushButton* b : {personNew, personEdit, personDel, personMove, personCopy}) {
        personButtons->addWidget(b);
    }
    personButtons->addStretch(1);
    personRow->addLayout(personButtons);
    personBox->addLayout(personRow, 1);
    layout->addWidget(m_groupBox2, 3);

    auto* bottom = new QHBoxLayout;
    QPushButton* birthdays = Button("DOBBtn", "Birthdays", "Get a birthdays list", "Birthdays");
    m_okButton = Button("OKButton", "OK", "Save all changes and close form", "OK");
    m_okButton->setDefault(true);
    QPushButton* cancel =
        Button("CancelBtn", "Cancel", "Cancel all changes and close form", "Cancel");
    bottom->addWidget(birthdays);
    bottom->addStretch(1);
    bottom->addWidget(m_okButton);
    bottom->addWidget(cancel);
    layout->addLayout(bottom);

    connect(m_groupSel->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { GroupSelClick(current.row()); });
    connect(m_groupSel, &QListView::doubleClicked, this, &TEditDBForm::GroupSelDblClick);
    connect(m_nameSel, &QListView::doubleClicked, this, &TEditDBForm::PersonEditBtnClick);
    connect(m_find, &PersonFilterEdit::filtered, this, &TEditDBForm::RenewCaptions);
    connect(groupNew, &QPushButton::clicked, this, &TEditDBForm::GroupNewBtnClick);
    connect(groupEdit, &QPushButton::clicked, this, &TEditDBForm::GroupEditBtnClick);
    connect(groupDel, &QPushButton::clicked, this, &TEditDBForm::GroupDelBtnClick);
    connect(up, &QToolButton::clicked, this, &TEditDBForm::MoveUpBtnClick);
    connect(down, &QToolButton::clicked, this, &TEditDBForm::MoveDownBtnClick);
    connect(personNew, &QPushButton::clicked, this, &TEditDBForm::PersonNewBtnClick);
    connect(personEdit, &QPushButton::clicked, this, &TEditDBForm::PersonEditBtnClick);
    connect(personDel, &QPushButton::clicked, this, &TEditDBForm::PersonDelBtnClick);
    connect(personMove, &QPushButton::clicked, this, &TEditDBForm::PersonMoveBtnClick);
    connect(personCopy, &QPushButton::clicked, this, &TEditDBForm::PersonCopyBtnClick);
    connect(birthdays, &QPushButton::clicked, this, &TEditDBForm::DOBBtnClick);
    connect(m_okButton, &QPushButton::clicked, this, &TEditDBForm::OKButtonClick);
    connect(cancel, &QPushButton::clicked, this, &TEditDBForm::CancelBtnClick);
}

// --- opening and showing ---

void TEditDBForm::Open() {
    FormActivate();
    exec();
}

void TEditDBForm::FormActivate() {
    m_find->clear();
    const auto [group, person] =
        m_context.personOne ? m_context.personOne() : std::pair<std::size_t, std::size_t>{0, 0};
    m_groupOne = group < m_db.GroupCount() ? group : 0;
    FillGroups(m_groupOne);
    ShowGroup(m_groupOne, 0);
    m_snapshot = m_db;
    m_haveSnapshot = true;
    SelectPerson(person);
    RenewWindowTitle();
    m_changed = false;
    m_nameSel->setFocus(Qt::OtherFocusReason);
}

void TEditDBForm::FillGroups(std::size_t select) {
    const QSignalBlocker block(m_groupSel->selectionModel());
    m_groupModel->Reset();
    const std::size_t row = select < m_db.GroupCount() ? select : 0;
    const QModelIndex index = m_groupModel->index(static_cast<int>(row));
    m_groupSel->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_groupSel->scrollTo(index);
    RenewCaptions();
}

void TEditDBForm::ShowGroup(std::size_t group, int row) {
    m_personModel->SetGroup(group);
    SelectPersonRow(row);
    RenewCaptions();
}

void TEditDBForm::SelectPersonRow(int row) {
    const int count = m_personModel->rowCount();
    if (count == 0) {
        return;
    }
    const QModelIndex index = m_personModel->index(std::clamp(row, 0, count - 1));
    m_nameSel->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_nameSel->scrollTo(index);
}

void TEditDBForm::SelectPerson(std::size_t person) {
    if (person >= static_cast<std::size_t>(m_personModel->TotalCount())) {
        person = 0;
    }
    std::optional<int> row = m_personModel->RowOf(person);
    if (!row && m_personModel->Filtered()) {
        // The person the user just made or chose must be seen, so the filter gives way.
        m_find->clear();
        m_find->ApplyNow();
        row = m_personModel->RowOf(person);
    }
    SelectPersonRow(row.value_or(0));
    RenewCaptions();
}

void TEditDBForm::RenewCaptions() {
    m_groupBox1->setTitle(QStringLiteral(" Groups [%1] ").arg(m_db.GroupCount()));
    const int total = m_personModel->TotalCount();
    m_groupBox2->setTitle(
        m_personModel->Filtered()
            ? QStringLiteral(" Persons [%1 of %2] ").arg(m_personModel->rowCount()).arg(total)
            : QStringLiteral(" Persons [%1] ").arg(total));
}

void TEditDBForm::RenewWindowTitle() {
    setWindowTitle(L(kEditDBCaption) + PathText(fs::path(m_db.FileName()).filename()));
}

std::size_t TEditDBForm::SelectedGroup() const {
    return m_personModel->group();
}

std::optional<std::size_t> TEditDBForm::FocusedPerson() const {
    const QModelIndex current = m_nameSel->currentIndex();
    if (!current.isValid()) {
        return std::nullopt;
    }
    const std::size_t person = m_personModel->PersonIndex(current.row());
    if (person >= static_cast<std::size_t>(m_personModel->TotalCount())) {
        return std::nullopt;
    }
    return person;
}

std::vector<std::size_t> TEditDBForm::SelectedPersons() const {
    std::vector<std::size_t> persons;
    const auto total = static_cast<std::size_t>(m_personModel->TotalCount());
    // Ranges, not one index object per row: "select all" in a large group stays quick.
    for (const QItemSelectionRange& range : m_nameSel->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            const std::size_t person = m_personModel->PersonIndex(row);
            if (person < total) {
                persons.push_back(person);
            }
        }
    }
    std::sort(persons.begin(), persons.end());
    persons.erase(std::unique(persons.begin(), persons.end()), persons.end());
    return persons;
}

void TEditDBForm::Message(const QString& text) {
    if (m_context.showMessage) {
        m_context.showMessage(this, text);
    }
}

// --- groups ---

void TEditDBForm::GroupSelClick(int row) {
    if (row >= 0 && static_cast<std::size_t>(row) != m_personModel->group()) {
        ShowGroup(static_cast<std::size_t>(row), 0);
    }
}

void TEditDBForm::GroupSelDblClick() {
    GroupEditBtnClick();
}

void TEditDBForm::GroupNewBtnClick() {
    if (!m_context.dialogs.askGroup) {
        return;
    }
    const std::optional<GroupChoice> choice = m_context.dialogs.askGroup(this, std::nullopt);
    m_changed = true;
    if (!choice) {
        return;
    }
    if (const auto added = m_db.AddGroup(choice->name, choice->icon)) {
        FillGroups(*added);
        ShowGroup(*added, 0);
    }
}

void TEditDBForm::GroupEditBtnClick() {
    if (!m_context.dialogs.askGroup) {
        return;
    }
    const std::size_t group = SelectedGroup();
    const PersonGroup current = ParseGroupEntry(m_db.GroupEntry(group));
    const std::optional<GroupChoice> choice =
        m_context.dialogs.askGroup(this, GroupChoice{current.name, current.icon});
    m_changed = true;
    if (choice && m_db.EditGroup(group, choice->name, choice->icon)) {
        FillGroups(group);
    }
}

void TEditDBForm::GroupDelBtnClick() {
    if (!m_context.ask) {
        return;
    }
    const Answer answer = m_context.ask(this, L(kDeleteGroupQuestion), L(kDeleteGroupTitle));
    m_changed = true;
    if (answer != Answer::Yes) {
        return;
    }
    const std::size_t group = SelectedGroup();
    m_db.DeleteGroup(group);
    const std::size_t above = group > 0 ? group - 1 : 0;
    FillGroups(above);
    ShowGroup(above, 0);
}

void TEditDBForm::MoveGroupBy(int step) {
    const std::size_t group = SelectedGroup();
    if ((step < 0 && group == 0) || (step > 0 && group + 1 >= m_db.GroupCount())) {
        return;
    }
    const std::size_t target = step < 0 ? group - 1 : group + 1;
    const int row = m_nameSel->currentIndex().row();
    m_db.MoveGroup(group, target);
    FillGroups(target);
    ShowGroup(target, row);
    m_changed = true;
}

void TEditDBForm::MoveUpBtnClick() {
    MoveGroupBy(-1);
}

void TEditDBForm::MoveDownBtnClick() {
    MoveGroupBy(+1);
}

// --- persons ---

void TEditDBForm::PersonNewBtnClick() {
    if (!m_context.dialogs.askPerson) {
        return;
    }
    const std::optional<std::string> line = m_context.dialogs.askPerson(this, std::nullopt);
    m_changed = true;
    if (line) {
        const AddResult added = m_db.AddPerson(SelectedGroup(), *line);
        if (added.status != AddResult::Status::Refused) {
            m_personModel->Refresh();
            SelectPerson(added.index);
        }
    }
    m_okButton->setFocus(Qt::OtherFocusReason);
}

void TEditDBForm::PersonEditBtnClick() {
    const std::optional<std::size_t> focused = FocusedPerson();
    if (!m_context.dialogs.askPerson || !focused) {
        return;
    }
    const std::size_t group = SelectedGroup();
    const std::string line(m_db.Persons(group)[*focused]);
    const std::optional<std::string> edited = m_context.dialogs.askPerson(this, line);
    m_changed = true;
    if (edited) {
        const AddResult replaced = m_db.ReplacePerson(group, *focused, *edited);
        if (replaced.status != AddResult::Status::Refused) {
            m_personModel->Refresh();
            SelectPerson(replaced.index);
        }
    }
    m_okButton->setFocus(Qt::OtherFocusReason);
}

void TEditDBForm::PersonDelBtnClick() {
    const std::vector<std::size_t> persons = SelectedPersons();
    if (persons.empty()) {
        return;
    }
    const int focusedRow = m_nameSel->currentIndex().row();
    m_db.RemovePersons(SelectedGroup(), persons);
    m_personModel->Refresh();
    SelectPersonRow(focusedRow);
    RenewCaptions();
    m_changed = true;
}

void TEditDBForm::MoveOrCopy(bool move) {
    if (!m_context.dialogs.askTargetGroup) {
        return;
    }
    const std::size_t group = SelectedGroup();
    const std::vector<std::size_t> persons = SelectedPersons();
    const std::optional<std::size_t> target =
        m_context.dialogs.askTargetGroup(this, m_db, group, move);
    m_changed = true;
    if (!target || *target == group || *target >= m_db.GroupCount() || persons.empty()) {
        return;
    }
    const int focusedRow = m_nameSel->currentIndex().row();
    if (move) {
        m_db.MovePersons(group, persons, *target);
    } else {
        m_db.CopyPersons(group, persons, *target);
    }
    m_personModel->Refresh();
    SelectPersonRow(focusedRow);
    RenewCaptions();
}

void TEditDBForm::PersonMoveBtnClick() {
    MoveOrCopy(true);
}

void TEditDBForm::PersonCopyBtnClick() {
    MoveOrCopy(false);
}

// --- files ---

std::optional<fs::path> TEditDBForm::ChooseExistingFile(const QString& caption) {
    if (!m_context.askOpenFile) {
        return std::nullopt;
    }
    const std::optional<fs::path> chosen = m_context.askOpenFile(this, caption);
    std::error_code ec;
    if (!chosen || !fs::is_regular_file(*chosen, ec)) {
        return std::nullopt;
    }
    return fs::absolute(*chosen, ec);
}

std::optional<NamesDatabase> TEditDBForm::ReadDatabaseFile(const fs::path& path) {
    NamesDatabase loaded(*m_context.clock);
    LoadOptions options;
    options.createMissing = false;
    LoadResult result;
    {
        const BusyCursor busy;
        result = loaded.LoadFromFile(path, options);
    }
    if (result.outcome == LoadResult::Outcome::Loaded) {
        return loaded;
    }
    // The editor keeps what it has: replacing it by an empty database would only invite
    // writing that over the file the user meant to open.
    const QString why = result.outcome == LoadResult::Outcome::NoGroups
                            ? QStringLiteral("it holds no group (no line starting with \"#\")")
                            : QString::fromStdString(result.readError);
    Message(QStringLiteral("Unable to read the names database ") + PathText(path) +
            QStringLiteral(": ") + why +
            QStringLiteral("\nNothing was changed. Choose a names database file (*.rec)."));
    return std::nullopt;
}

void TEditDBForm::ShowWholeDatabase() {
    FillGroups(0);
    ShowGroup(0, 0);
}

void TEditDBForm::LoadClick() {
    const std::optional<fs::path> chosen = ChooseExistingFile(L(kLoadCaption));
    if (!chosen) {
        return;
    }
    std::optional<NamesDatabase> loaded = ReadDatabaseFile(*chosen);
    if (!loaded) {
        return;
    }
    loaded->SetFileName(chosen->string());
    m_db = std::move(*loaded);
    ShowWholeDatabase();
    RenewWindowTitle();
    m_changed = true;
}

void TEditDBForm::SaveAsClick() {
    if (!m_context.askSaveFile) {
        return;
    }
    const std::optional<fs::path> chosen = m_context.askSaveFile(this, L(kSaveAsCaption));
    if (!chosen) {
        return;
    }
    std::error_code ec;
    const fs::path path = fs::absolute(*chosen, ec);
    FileResult saved;
    {
        const BusyCursor busy;
        saved = m_db.SaveToFile(path);
    }
    if (!saved) {
        Message(QStringLiteral("Unable to save the names database: ") +
                QString::fromStdString(saved.error) +
                QStringLiteral("\nChoose a folder you may write to."));
        return;
    }
    m_db.SetFileName(path.string());
    RenewWindowTitle();
    m_changed = true;
}

void TEditDBForm::MergeClick() {
    const std::optional<fs::path> chosen = ChooseExistingFile(L(kMergeCaption));
    if (!chosen) {
        return;
    }
    MergeResult merged;
    {
        const BusyCursor busy;
        merged = m_db.MergeFromFile(*chosen);
    }
    if (!merged.read) {
        Message(QStringLiteral("Unable to read the names database to merge: ") +
                QString::fromStdString(merged.read.error) +
                QStringLiteral("\nNothing was changed."));
        return;
    }
    ShowWholeDatabase();
    m_changed = true;
}

void TEditDBForm::ImportClick() {
    const std::optional<fs::path> chosen = ChooseExistingFile(L(kImportCaption));
    if (!chosen) {
        return;
    }
    std::optional<NamesDatabase> loaded = ReadDatabaseFile(*chosen);
    if (!loaded) {
        return;
    }
    loaded->SetFileName(ImportTargetPath(m_context.programFolder, chosen->filename()).string());
    m_db = std::move(*loaded);
    ShowWholeDatabase();
    RenewWindowTitle();
    m_changed = true;
}

void TEditDBForm::ExportClick() {
    if (!m_context.askSaveFile) {
        return;
    }
    const std::optional<fs::path> chosen = m_context.askSaveFile(this, L(kExportCaption));
    if (!chosen) {
        return;
    }
    FileResult saved;
    {
        const BusyCursor busy;
        saved = m_db.SaveToFile(*chosen);
    }
    if (!saved) {
        Message(QStringLiteral("Unable to export the names database: ") +
                QString::fromStdString(saved.error) +
                QStringLiteral("\nChoose a folder you may write to."));
    }
}

// --- address books ---

void TEditDBForm::ImportContactsClick() {
    if (!m_context.askOpenContacts || !m_context.askImportGroup) {
        return;
    }
    const std::optional<fs::path> chosen =
        m_context.askOpenContacts(this, QString::fromUtf8(kImportContactsCaption));
    if (!chosen) {
        return;
    }
    ContactsRead read;
    {
        const BusyCursor busy;
        read = ReadContactsFile(*chosen);
    }
    if (!read.error.empty()) {
        Message(QStringLiteral("Unable to read the contacts file ") + PathText(*chosen) +
                QStringLiteral(": ") + QString::fromStdString(read.error) +
                QStringLiteral("\nNothing was changed. Choose a vCard (*.vcf) or CSV (*.csv) "
                               "file exported from an address book."));
        return;
    }
    QStringList skipped;
    for (const std::string& name : read.skippedNames) {
        skipped << QString::fromStdString(name);
    }
    if (read.lines.empty()) {
        Report(QStringLiteral("No contact in %1 has a full date of birth (with the year), so "
                              "nothing was imported.")
                   .arg(PathText(chosen->filename())),
               skipped);
        return;
    }
    QStringList groups;
    for (std::size_t g = 0; g < m_db.GroupCount(); ++g) {
        groups << QString::fromStdString(ParseGroupEntry(m_db.GroupEntry(g)).name);
    }
    const std::optional<QString> typed =
        m_context.askImportGroup(this, groups, QString::fromLatin1(kContactsGroup));
    if (!typed) {
        return;
    }
    const std::string name = TrimName(typed->toStdString());
    if (name.empty()) {
        return;
    }
    if (const std::optional<std::string> fault = NameFault(name, NameUse::Group)) {
        Message(QString::fromStdString(*fault) + QStringLiteral("\nNothing was imported."));
        return;
    }
    const ContactsImport imported = vitalune::ImportContacts(m_db, read, name);
    m_changed = true;
    FillGroups(imported.group);
    ShowGroup(imported.group, 0);
    Report(QString::fromStdString(ImportSummary(imported)), skipped);
}

void TEditDBForm::Report(const QString& text, const QStringList& skipped) {
    const QString details = skipped.isEmpty()
                                ? QString()
                                : QStringLiteral("Skipped (no full date of birth):\n") +
                                      skipped.join(QLatin1Char('\n'));
    if (m_context.showReport) {
        m_context.showReport(this, text, details);
    } else {
        Message(text);
    }
}

void TEditDBForm::ExportContacts(std::optional<std::size_t> group, const QString& caption) {
    if (!m_context.askSaveContacts) {
        return;
    }
    const std::optional<fs::path> chosen = m_context.askSaveContacts(this, caption);
    if (!chosen) {
        return;
    }
    FileResult written;
    {
        const BusyCursor busy;
        written = WriteContactsFile(m_db, group, *chosen);
    }
    if (!written) {
        Message(QStringLiteral("Unable to export the contacts: ") +
                QString::fromStdString(written.error) +
                QStringLiteral("\nChoose a .vcf or .csv file in a folder you may write to."));
        return;
    }
    const std::size_t count = ExportedContactCount(m_db, group);
    Message(QStringLiteral("Exported %1 %2 to %3")
                .arg(count)
                .arg(count == 1 ? QStringLiteral("person") : QStringLiteral("persons"))
                .arg(PathText(*chosen)));
}

void TEditDBForm::ExportGroupContactsClick() {
    ExportContacts(SelectedGroup(), QString::fromUtf8(kExportGroupContactsCaption));
}

void TEditDBForm::ExportAllContactsClick() {
    ExportContacts(std::nullopt, QString::fromUtf8(kExportAllContactsCaption));
}

// --- closing ---

bool TEditDBForm::Accept() {
    if (m_changed) {
        FileResult saved;
        {
            const BusyCursor busy;
            saved = m_db.SaveToFile(m_db.FileName());
        }
        if (!saved) {
            // The window stays open so that nothing is lost: another file may still be chosen.
            Message(QStringLiteral("Unable to save the names database: ") +
                    QString::fromStdString(saved.error) +
                    QStringLiteral("\nSave it to another file (Files menu) or Cancel."));
            return false;
        }
    }
    const std::size_t group = SelectedGroup();
    const std::size_t person = FocusedPerson().value_or(0);
    const bool refill = m_changed || group != m_groupOne;
    m_changed = false;
    // The copy is of no use any more; a large one should not linger until the next opening.
    m_snapshot = NamesDatabase(*m_context.clock);
    m_haveSnapshot = false;
    if (m_context.afterOk) {
        m_context.afterOk(group, person, refill);
    }
    return true;
}

void TEditDBForm::Revert() {
    // The copy goes back as it was taken, lists and file name, without sorting anything again.
    if (m_haveSnapshot) {
        m_db = std::move(m_snapshot);
        m_snapshot = NamesDatabase(*m_context.clock);
        m_haveSnapshot = false;
    }
    m_changed = false;
    m_personModel->Refresh();
    m_groupModel->Reset();
}

void TEditDBForm::OKButtonClick() {
    if (Accept()) {
        done(Accepted);
    }
}

void TEditDBForm::CancelBtnClick() {
    Revert();
    done(Rejected);
}

void TEditDBForm::reject() {
    if (!m_changed) {
        CancelBtnClick();
        return;
    }
    const Answer answer = m_context.ask
                              ? m_context.ask(this, L(kSaveChangesQuestion), L(kSaveChangesTitle))
                              : Answer::Cancel;
    if (answer == Answer::Yes) {
        OKButtonClick();
    } else if (answer == Answer::No) {
        CancelBtnClick();
    }
}

// --- other windows ---

void TEditDBForm::DOBBtnClick() {
    if (m_context.showBirthdays) {
        m_context.showBirthdays(this);
    }
}

void TEditDBForm::HelpClick() {
    if (m_context.showHelp) {
        m_context.showHelp(help_topic::kNamesDatabase);
    }
}

void AddNamesEditorKeys(KeyDispatcher& dispatcher, TEditDBForm& form) {
    dispatcher.AddWindow(
        &form, [] { return help_topic::kNamesDatabase; }, nullptr);
}

}  // namespace vitalune::ui
