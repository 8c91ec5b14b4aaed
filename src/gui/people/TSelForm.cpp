#include "gui/people/TSelForm.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/db/NamesDatabase.h"
#include "core/help/HelpTopics.h"
#include "core/settings/AppSettings.h"
#include "gui/people/DialogSupport.h"
#include "gui/people/GroupItemDelegate.h"
#include "gui/people/GroupListModel.h"
#include "gui/platform/Utf8Text.h"
#include "gui/widgets/PersonFilterEdit.h"
#include "gui/widgets/PersonItemDelegate.h"
#include "gui/widgets/PersonListModel.h"

namespace vitalune::ui {

namespace {

QLabel* ListLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QString SaveFailedText(const std::string& error) {
    return QStringLiteral(
               "Your profile was added, but the names database could not be saved:\n%1\n"
               "It stays in the list while the program runs. To keep it, open the names "
               "database (Alt+N) and save the database to another file.")
        .arg(QUtf8(error));
}

}  // namespace

TSelForm::TSelForm(SelectorContext context, QWidget* parent)
    : QDialog(parent), m_context(std::move(context)) {
    Q_ASSERT(m_context.db);
    setObjectName(QStringLiteral("SelForm"));
    setWindowTitle(QString::fromLatin1(kSelectorCaption));
    // Modal to the main window only, so that its help stays usable beside it.
    setWindowModality(Qt::WindowModal);

    m_groups = new GroupListModel(this);
    m_groups->SetDatabase(m_context.db);
    m_groupSel = people::RowList("GroupSel", QStringLiteral("Groups"),
                                 QStringLiteral("Available groups of profiles"));
    m_groupSel->setSelectionMode(QAbstractItemView::SingleSelection);
    m_groupSel->setModel(m_groups);
    m_groupSel->setItemDelegate(new GroupItemDelegate(m_groupSel));

    m_persons = new PersonListModel(*m_context.db, this);
    m_nameSel = people::RowList("NameSel", QStringLiteral("Persons"),
                                QStringLiteral("Profiles belong to selected group"));
    m_nameSel->setSelectionMode(QAbstractItemView::SingleSelection);
    m_nameSel->setModel(m_persons);
    m_nameSel->setItemDelegate(new PersonItemDelegate(m_nameSel));
    m_find = new PersonFilterEdit;
    m_find->Attach(m_persons, m_nameSel);

    m_ok = people::DialogButton("OKButton", QStringLiteral("OK"),
                                QStringLiteral("See the biorhythms"));
    m_ok->setDefault(true);
    m_showBox = new QCheckBox(QStringLiteral("Do not show this dialog again"));
    m_showBox->setObjectName(QStringLiteral("ShowBox"));
    m_showBox->setAccessibleName(m_showBox->text());
    m_addMe = people::DialogButton("AddMeBtn", QStringLiteral("ADD ME!"),
                                   QStringLiteral("Add your profile to the list"));
    m_addMe->setAccessibleName(QStringLiteral("Add me"));
    m_addMe->setAutoDefault(false);
    QFont bold = m_addMe->font();
    bold.setBold(true);
    m_addMe->setFont(bold);
    m_help =
        people::DialogButton("HelpBtn", QStringLiteral("Help"), QStringLiteral("Getting started"));
    m_help->setAutoDefault(false);

    auto* groupColumn = new QVBoxLayout;
    groupColumn->addWidget(ListLabel(QStringLiteral("&Groups"), m_groupSel));
    groupColumn->addWidget(m_groupSel, 1);
    m_nameColumn = new QVBoxLayout;
    m_nameColumn->setObjectName(QStringLiteral("NameColumn"));
    m_nameColumn->addWidget(ListLabel(QStringLiteral("&Persons"), m_nameSel));
    m_nameColumn->addWidget(m_find);
    m_nameColumn->addWidget(m_nameSel, 1);
    auto* lists = new QHBoxLayout;
    lists->addLayout(groupColumn, 2);
    lists->addLayout(m_nameColumn, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_addMe);
    buttons->addSpacing(8);
    buttons->addWidget(m_showBox);
    buttons->addStretch(1);
    buttons->addWidget(m_help);
    buttons->addWidget(m_ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    setTabOrder(m_groupSel, m_find);
    setTabOrder(m_find, m_nameSel);
    setTabOrder(m_nameSel, m_ok);
    setTabOrder(m_ok, m_addMe);
    setTabOrder(m_addMe, m_showBox);
    setTabOrder(m_showBox, m_help);

    connect(m_groupSel->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TSelForm::GroupSelChange);
    connect(m_nameSel, &QListView::doubleClicked, this, &TSelForm::NameSelDblClick);
    connect(m_ok, &QPushButton::clicked, this, &TSelForm::OKButtonClick);
    connect(m_addMe, &QPushButton::clicked, this, &TSelForm::AddMeBtnClick);
    connect(m_help, &QPushButton::clicked, this, &TSelForm::HelpBtnClick);

    const QFontMetrics metrics = fontMetrics();
    resize(metrics.averageCharWidth() * 80, metrics.height() * 22);
}

TSelForm::~TSelForm() = default;

bool TSelForm::Ask(QWidget* parent, std::size_t group, std::size_t person) {
    const people::AskedBy askedBy(*this, parent);
    Prepare(group, person);
    return exec() == Accepted;
}

void TSelForm::Prepare(std::size_t group, std::size_t person) {
    m_personAdded = false;
    m_find->clear();
    m_find->ApplyNow();
    m_groups->Reset();
    const std::size_t g = group < m_context.db->GroupCount() ? group : 0;
    {
        const QSignalBlocker block(m_groupSel->selectionModel());
        m_groupSel->setCurrentIndex(m_groups->index(static_cast<int>(g)));
    }
    m_groupSel->scrollTo(m_groupSel->currentIndex());
    ShowPersons(g, person);
    m_showBox->setChecked(m_context.settings && !m_context.settings->showPrompt);
    m_nameSel->setFocus();
}

void TSelForm::ShowPersons(std::size_t group, std::size_t person) {
    m_persons->SetGroup(group);
    if (m_persons->rowCount() == 0) {
        return;
    }
    std::optional<int> shown = m_persons->RowOf(person);
    if (!shown && m_persons->Filtered()) {
        // The person just added or asked for must be seen, so the filter gives way.
        m_find->clear();
        m_find->ApplyNow();
        shown = m_persons->RowOf(person);
    }
    const int row = shown.value_or(0);
    m_nameSel->setCurrentIndex(m_persons->index(row));
    m_nameSel->scrollTo(m_persons->index(row), QAbstractItemView::PositionAtCenter);
}

std::size_t TSelForm::SelectedGroup() const {
    const QModelIndex current = m_groupSel->currentIndex();
    return current.isValid() ? static_cast<std::size_t>(current.row()) : 0;
}

std::size_t TSelForm::SelectedPerson() const {
    const QModelIndex current = m_nameSel->currentIndex();
    if (!current.isValid()) {
        return 0;
    }
    const std::size_t person = m_persons->PersonIndex(current.row());
    return person < static_cast<std::size_t>(m_persons->TotalCount()) ? person : 0;
}

void TSelForm::GroupSelChange() {
    ShowPersons(SelectedGroup(), 0);
}

void TSelForm::NameSelDblClick(const QModelIndex& index) {
    if (index.isValid()) {
        OKButtonClick();
    }
}

void TSelForm::OKButtonClick() {
    accept();
}

void TSelForm::AddMeBtnClick() {
    m_personAdded = false;
    if (!m_context.askPerson) {
        return;
    }
    const std::optional<std::string> line = m_context.askPerson(this, std::nullopt);
    if (!line) {
        return;
    }
    NamesDatabase& db = *m_context.db;
    const std::size_t group = SelectedGroup();
    const AddResult added = db.AddPerson(group, *line);
    if (added.status == AddResult::Status::Refused) {
        if (m_context.showMessage) {
            m_context.showMessage(QStringLiteral("This profile cannot be kept in the names "
                                                 "database:\n%1")
                                      .arg(QUtf8(*line)));
        }
        return;
    }
    ShowPersons(group, added.index);
    m_personAdded = true;
    // A profile typed at the first start is kept even if the program never closes normally.
    if (added.added()) {
        const FileResult saved = db.SaveToFile(db.FileName());
        if (!saved && m_context.showMessage) {
            m_context.showMessage(SaveFailedText(saved.error));
        }
        if (m_context.databaseChanged) {
            m_context.databaseChanged();
        }
    }
    accept();
}

void TSelForm::HelpBtnClick() {
    if (m_context.showHelp) {
        m_context.showHelp(help_topic::kGettingStarted);
    }
}

void TSelForm::done(int result) {
    if (result == Accepted && m_context.choosePersonOne) {
        m_context.choosePersonOne(SelectedGroup(), SelectedPerson());
    }
    if (m_context.settings) {
        m_context.settings->showPrompt = !m_showBox->isChecked();
    }
    QDialog::done(result);
}

}  // namespace vitalune::ui
