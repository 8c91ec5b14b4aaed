#include "gui/main/TMainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <limits>
#include <system_error>

#include "core/db/PersonLine.h"
#include "core/db/StartupFile.h"
#include "core/engine/Clock.h"
#include "core/engine/DateText.h"
#include "core/files/DataFolder.h"
#include "core/settings/SettingsStore.h"
#include "core/text/SearchAddress.h"
#include "core/text/StatusTexts.h"
#include "gui/main/ChartBox.h"
#include "gui/main/ChartPictures.h"
#include "gui/main/WebButtons.h"
#include "gui/paint/PictureFont.h"
#include "gui/paint/art/Artwork.h"
#include "gui/platform/Shell.h"
#include "gui/platform/Utf8Text.h"
#include "gui/widgets/DayDateEdit.h"
#include "gui/widgets/ListRowDelegate.h"
#include "gui/widgets/PersonItemDelegate.h"
#include "gui/widgets/PersonListModel.h"
#include "gui/widgets/WindowPlacement.h"

namespace vitalune::ui {

namespace {

using paint::ChartPage;

constexpr const char* kFormName = "MainForm";
constexpr int kInitialWidth = 767;
constexpr int kInitialHeight = 579;
constexpr int kMinimumWidth = 722;
constexpr int kMinimumHeight = 463;
constexpr int kListRows = 5;  // persons the lists show at the least

struct PageEntry {
    ChartPage page;
    const char* tab;
    const char* caption;
    const char* box;
    int picture;  // in the tab picture list
};
constexpr std::array<PageEntry, paint::kChartPageCount> kPageEntrys = {{
    {ChartPage::Primary, "BasePage", "Primary rhythms", "Image1", art::TabPictureIndex::Primary},
    {ChartPage::Secondary, "SecPage", "Secondary rhythms", "Image2",
     art::TabPictureIndex::Secondary},
    {ChartPage::Extra, "ExtraPage", "Extra rhythms", "ExtraImage", art::TabPictureIndex::Extra},
    {ChartPage::IChing, "IchingPage", "I-Ching", "ImageIC", art::TabPictureIndex::IChing},
    {ChartPage::Compatibility, "IntPage", "Compatibility", "ImageComp",
     art::TabPictureIndex::Compatibility},
}};

// The day a month away, or a day outside the calendar when that month does not exist.
std::int64_t MonthStep(std::int32_t day, int months) {
    const CivilDate c = DecodeDate(day);
    const int index = c.year * 12 + c.month - 1 + months;
    if (index < 12) {  // before January of year 1
        return std::int64_t{kMinDay} - 1;
    }
    if (index > 9999 * 12 + 11) {
        return std::int64_t{kMaxDay} + 1;
    }
    return AddMonths(day, months);
}

QPushButton* Button(const char* name, const QString& text, const QString& accessible) {
    auto* b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(accessible);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TMainForm::TMainForm(MainFormContext context, QWidget* parent)
    : QMainWindow(parent), m_context(std::move(context)), m_db(*m_context.clock) {
    setObjectName(QString::fromLatin1(kFormName));
    BuildControls();
    FormCreate();
}

TMainForm::~TMainForm() {
    // The person lists read the database: they go first.
    delete takeCentralWidget();
}

void TMainForm::BuildControls() {
    m_menus = BuildMainMenus(
        *this, [this](MainCommand command) { RunCommand(command); },
        [this](int topic) { ShowHelpTopic(topic); });

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->setSpacing(4);

    m_pageControl = new QTabWidget;
    m_pageControl->setObjectName(QStringLiteral("PageControl"));
    m_pageControl->setAccessibleName(QStringLiteral("Chart pages"));
    m_pageControl->setDocumentMode(true);
    // The pop-up menu serves every chart: a press the paint box leaves unused comes up here.
    m_pageControl->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_pageControl, &QWidget::customContextMenuRequested, this,
            [this](QPoint pos) { m_menus.popup->popup(m_pageControl->mapToGlobal(pos)); });
    m_pageControl->tabBar()->installEventFilter(this);
    // The tabs ask the window for their whole width rather than scroll or cut their captions.
    m_pageControl->setUsesScrollButtons(false);
    m_pageControl->setElideMode(Qt::ElideNone);
    for (const PageEntry& entry : kPageEntrys) {
        auto* tab = new QWidget;
        tab->setObjectName(QString::fromLatin1(entry.tab));
        auto* tabLayout = new QVBoxLayout(tab);
        tabLayout->setContentsMargins(0, 0, 0, 0);
        auto* box =
            new ChartBox(entry.page, [this](QPainter& p, ChartPage page) { PaintPage(p, page); });
        box->setObjectName(QString::fromLatin1(entry.box));
        box->setAccessibleName(QString::fromLatin1(entry.caption) + QStringLiteral(" chart"));
        box->installEventFilter(this);
        connect(box, &ChartBox::pressed, this, [this, box](QMouseEvent* e) {
            m_lastClickX = static_cast<int>(e->position().x());
            emit chartPressed(box->page(), m_lastClickX, e->button());
        });
        tabLayout->addWidget(box);
        m_boxes[static_cast<std::size_t>(entry.page)] = box;
        m_pageControl->addTab(tab, art::PictureIcon(art::ImageList::TabPictures, entry.picture),
                              QString::fromLatin1(entry.caption));
    }
    connect(m_boxes[0], &ChartBox::resized, this, &TMainForm::FormResize);
    layout->addWidget(m_pageControl, 1);

    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->installEventFilter(this);
    m_panel1 = panel;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    m_personBox = new QGroupBox(QStringLiteral(" Person "));
    m_personBox->setObjectName(QStringLiteral("PersonBox"));
    m_personTwoBox = new QGroupBox(QStringLiteral(" Person two "));
    m_personTwoBox->setObjectName(QStringLiteral("Persontwo"));
    row->addWidget(BuildPersonBox(m_personBox, m_group1, m_pname, m_model1, "1"), 3);
    row->addWidget(BuildPersonBox(m_personTwoBox, m_group2, m_pname2, m_model2, "2"), 3);
    row->addWidget(BuildDateBox(), 2);
    layout->addWidget(panel);
    setCentralWidget(central);

    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        m_panels[i] = new QLabel;
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        statusBar()->addWidget(m_panels[i], i == 3 ? 1 : 0);
    }
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(true);

    connect(m_pageControl, &QTabWidget::currentChanged, this, &TMainForm::PageControlChange);
    connect(m_group1, &QComboBox::currentIndexChanged, this, &TMainForm::Group1Change);
    connect(m_group2, &QComboBox::currentIndexChanged, this, &TMainForm::Group2Change);
    connect(m_cdate, &QDateEdit::dateChanged, this, &TMainForm::CDateChange);
    connect(this, &TMainForm::chartPressed, this, &TMainForm::ChartClick);
}

QWidget* TMainForm::BuildPersonBox(QGroupBox* box, QComboBox*& group, QListView*& list,
                                   PersonListModel*& model, const char* which) {
    const bool second = QByteArray(which) == "2";
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    group = new QComboBox;
    group->setObjectName(second ? QStringLiteral("Group2") : QStringLiteral("Group1"));
    group->setAccessibleName(second ? QStringLiteral("Group of person two")
                                    : QStringLiteral("Group of person one"));
    group->setIconSize(QSize(16, 16));
    list = new QListView;
    list->setObjectName(second ? QStringLiteral("PName2") : QStringLiteral("PName"));
    list->setAccessibleName(second ? QStringLiteral("Person two") : QStringLiteral("Person one"));
    list->setUniformItemSizes(true);
    list->setItemDelegate(new PersonItemDelegate(list));
    // The chart takes the height the lists leave.
    list->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    model = new PersonListModel(m_db, list);
    list->setModel(model);
    connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            second ? &TMainForm::PName2Change : &TMainForm::PNameChange);
    auto* groupRow = new QHBoxLayout;
    groupRow->setSpacing(2);
    groupRow->addWidget(group, 1);
    const WebButtons web = AddWebButtons(*groupRow, second ? 2 : 1);
    connect(web.info, &QToolButton::clicked, this,
            second ? &TMainForm::GetInfo2BtnClick : &TMainForm::GetInfo1BtnClick);
    connect(web.pictures, &QToolButton::clicked, this,
            second ? &TMainForm::GetPict2BtnClick : &TMainForm::GetPict1BtnClick);
    layout->addLayout(groupRow);
    layout->addWidget(list, 1);
    return box;
}

QWidget* TMainForm::BuildDateBox() {
    auto* box = new QGroupBox(QStringLiteral(" Date "));
    box->setObjectName(QStringLiteral("DateBox"));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 4, 6, 6);
    m_cdate = DayDateEdit("CDate", QStringLiteral("Calculation date"));
    layout->addWidget(m_cdate);

    auto* steps = new QHBoxLayout;
    steps->setSpacing(2);
    const struct {
        const char* name;
        const char* text;
        const char* accessible;
        void (TMainForm::*slot)();
    } buttons[] = {
        {"MonthMinus", "<<", "One month back", &TMainForm::MonthMinusClick},
        {"DayMinus", "<", "One day back", &TMainForm::DayMinusClick},
        {"DayPlus", ">", "One day forward", &TMainForm::DayPlusClick},
        {"MonthPlus", ">>", "One month forward", &TMainForm::MonthPlusClick},
    };
    for (const auto& b : buttons) {
        QPushButton* button =
            Button(b.name, QString::fromLatin1(b.text), QString::fromLatin1(b.accessible));
        button->setMinimumWidth(30);
        connect(button, &QPushButton::clicked, this, b.slot);
        if (b.slot == &TMainForm::DayPlusClick) {
            m_dayPlus = button;
        }
        steps->addWidget(button);
    }
    layout->addLayout(steps);
    auto* jumps = new QHBoxLayout;
    QPushButton* today = Button("TodayBtn", QStringLiteral("&Today"), QStringLiteral("Today"));
    QPushButton* dob = Button("DOBBtn", QStringLiteral("DO&B"), QStringLiteral("Date of birth"));
    connect(today, &QPushButton::clicked, this, &TMainForm::TodayBtnClick);
    connect(dob, &QPushButton::clicked, this, &TMainForm::DOBBtnClick);
    jumps->addWidget(today);
    jumps->addWidget(dob);
    layout->addLayout(jumps);
    layout->addStretch(1);
    return box;
}

// --- life cycle ---

void TMainForm::FormCreate() {
    m_pictureFont = paint::PictureFont(font());
    setWindowTitle(QString::fromLatin1(kMainCaption));
    m_programFolder = m_context.programFolder;
    m_defaultDbPath = m_programFolder / "db.rec";
    m_emptyDbPath = m_programFolder / "empty.rec";
    FitToFont();
    // Room for every control at the desktop's font, as far as the screen allows.
    const QSize room = screen()->availableGeometry().size();
    resize(sizeHint().expandedTo(QSize(kInitialWidth, kInitialHeight)).boundedTo(room));
    RestorePlacement(*this, *m_context.store, kFormName);

    const LoadedSettings loaded = LoadAppSettings(*m_context.store);
    m_settings = loaded.settings;
    const StoredSelection& stored = loaded.selection;

    {
        const QSignalBlocker block(m_cdate);
        m_cdate->setDate(ToQDate(m_context.clock->Today()));
    }
    m_pageControl->setCurrentIndex(static_cast<int>(ChartPage::Primary));

    m_storedDbPath = stored.databasePath;
    OpenDatabase(m_context.programFolderGiven ? std::string{} : stored.databasePath);

    FillGroupList(m_group1);
    const int group1 =
        stored.personGroup >= 0 && static_cast<std::size_t>(stored.personGroup) < m_db.GroupCount()
            ? stored.personGroup
            : 0;
    {
        const QSignalBlocker block(m_group1);
        m_group1->setCurrentIndex(group1);
    }
    FillPersons(m_pname, m_model1, static_cast<std::size_t>(group1), stored.personIndex);
    SelectPersonOne();

    FillGroupList(m_group2);
    const int group2 = stored.personGroup2 >= 0 &&
                               static_cast<std::size_t>(stored.personGroup2) < m_db.GroupCount()
                           ? stored.personGroup2
                           : 0;
    {
        const QSignalBlocker block(m_group2);
        m_group2->setCurrentIndex(group2);
    }
    FillPersons(m_pname2, m_model2, static_cast<std::size_t>(group2), stored.personIndex2);
    ReadPerson(m_pname2, m_model2, m_person2);

    m_promptShown = !m_settings.showPrompt;
    m_tipsShown = !m_settings.showTips;
    for (std::size_t i = 1; i < m_panels.size(); ++i) {
        m_panels[i]->clear();
    }
    // Values outside 0..255 were already refused when the settings were read.
    m_barColours = ComputeBarColours(m_settings.transparency);
    PageControlChange(m_pageControl->currentIndex());
}

void TMainForm::FitToFont() {
    // The status bar would squeeze its first panel to make room for the empty ones: each
    // panel keeps the width of its longest text.
    QLabel probe;
    probe.setFont(font());
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        int width = kStatusPanelWidths[i];
        for (const std::string& text : LongestStatusTexts(i)) {
            probe.setText(QUtf8(text));
            width = std::max(width, probe.sizeHint().width());
        }
        m_panels[i]->setMinimumWidth(width);
    }
    const int rows = kListRows * ListRowDelegate::RowHeight(QFontMetrics(font()));
    for (QListView* list : {m_pname, m_pname2}) {
        list->setMinimumHeight(rows + 2 * list->frameWidth());
    }
    // Before the window first shows, the layouts hold the hints of the old font: bring them up
    // to date from the inside out, so that the sizes below are taken from the new ones.
    const QList<QWidget*> widgets = findChildren<QWidget*>();
    for (auto it = widgets.rbegin(); it != widgets.rend(); ++it) {
        if (QLayout* inner = (*it)->layout(); inner && (*it)->window() == this) {
            inner->activate();
        }
    }
    KeepLayoutMinimum();
}

void TMainForm::KeepLayoutMinimum() {
    // The status bar leaves its width out of the window's minimum and would cut its panels; the
    // tool bar would fold its last buttons away behind an arrow.
    int status = statusBar()->minimumSizeHint().width();
    // The size grip joins the status bar's layout only once the window shows.
    const auto* grip = statusBar()->findChild<QSizeGrip*>();
    if (grip && grip->isHidden() && statusBar()->isSizeGripEnabled() && !isVisible()) {
        status += grip->sizeHint().width() + statusBar()->layout()->spacing();
    }
    const QSize layout = minimumSizeHint();
    setMinimumSize(
        std::max({layout.width(), status, m_menus.toolBar->sizeHint().width(), kMinimumWidth}),
        std::max(layout.height(), kMinimumHeight));
}

void TMainForm::OpenDatabase(const std::string& storedPath) {
    std::error_code ec;
    std::filesystem::create_directories(m_programFolder, ec);
    StartupOptions options;
    options.installedTemplate = FindResource(m_context.executableFolder, "empty.rec");
    const StartupFile startup = FindAtStartup(m_programFolder, storedPath, options);
    for (const std::string& error : startup.errors) {
        Message(QUtf8(error));
    }
    m_db.SetFileName(startup.path.string());
    const LoadResult result = m_db.LoadFromFile(startup.path);
    if (!result.message.empty()) {
        // The fixed text alone would not say that a pipe or a device was refused, nor why.
        Message(QUtf8(result.readError.empty() ? result.message
                                               : result.message + "\n\n" + result.readError));
    }
    if (!result.created) {
        Message(QUtf8(result.created.error));
    }
}

void TMainForm::FormActivate() {
    FormResize();
    if (m_showPersonSelector && m_settings.showPrompt && !m_promptShown) {
        m_showPersonSelector();
        m_promptShown = true;
        RepaintActivePage();
        m_pageControl->widget(static_cast<int>(ChartPage::Primary))->setFocus();
    }
    if (m_showTips && m_settings.showTips && !m_tipsShown) {
        m_showTips();
        m_tipsShown = true;
    }
}

void TMainForm::FormClose() {
    StoredSelection selection;
    selection.personIndex = SelectedRow(m_pname);
    selection.personGroup = m_group1->currentIndex();
    selection.personIndex2 = SelectedRow(m_pname2);
    selection.personGroup2 = m_group2->currentIndex();
    selection.databasePath = m_context.programFolderGiven ? m_storedDbPath : m_db.FileName();
    if (!SaveAppSettings(*m_context.store, m_settings, selection)) {
        Message(QString::fromLatin1(kSaveSettingsError));
    }
    if (m_closeCompanions) {
        m_closeCompanions();
    }
    KeepPlacement(*this, *m_context.store, kFormName);
}

void TMainForm::FormResize() {
    const ChartBox* box = m_boxes[0];
    m_geometry = paint::ComputeChartGeometry(box->width(), box->height(),
                                             paint::ChartTextHeight(m_pictureFont));
    const int needed = m_geometry.right + 1;
    if (m_buffers.sum.size() < static_cast<std::size_t>(needed)) {
        m_buffers.sum.resize(static_cast<std::size_t>(needed));
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

bool TMainForm::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    // A control that came to need more room (person two's box shown, a longer group name)
    // must not be squeezed: the window's minimum follows the layout's.
    if (event->type() == QEvent::LayoutRequest) {
        KeepLayoutMinimum();
    }
    return handled;
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FormActivate();
    }
    if (event->type() == QEvent::FontChange && m_boxes[0]) {
        FitToFont();
        // The pictures keep their size but take the new font's family.
        m_pictureFont = paint::PictureFont(font());
        FormResize();
        RepaintActivePage();
    }
}

void TMainForm::Message(const QString& text) const {
    if (m_context.showMessage) {
        m_context.showMessage(text);
    }
}

// --- state ---

std::int32_t TMainForm::CalculationDate() const {
    return FromQDate(m_cdate->date());
}

void TMainForm::SetCalculationDate(std::int32_t day) {
    m_cdate->setDate(ToQDate(ClampDay(day)));
}

ChartPage TMainForm::ActivePage() const {
    return static_cast<ChartPage>(m_pageControl->currentIndex());
}

void TMainForm::SetActivePage(ChartPage page) {
    m_pageControl->setCurrentIndex(static_cast<int>(page));
}

ChartBox* TMainForm::PaintBox(ChartPage page) const {
    return m_boxes[static_cast<std::size_t>(page)];
}

paint::ChartScene TMainForm::SceneFor(ChartPage page) const {
    const ChartBox* box = m_boxes[static_cast<std::size_t>(page)];
    paint::ChartScene scene =
        paint::MakeChartScene(page, box->size(), m_pictureFont, m_settings, CalculationDate(),
                              m_person1.birth, m_person2.birth);
    scene.barColours = m_barColours;
    scene.drawPicture = ArtworkPictures();
    return scene;
}

void TMainForm::PaintPage(QPainter& p, ChartPage page) {
    paint::ChartScene scene = SceneFor(page);
    paint::PaintChartPage(p, scene, m_buffers);
}

void TMainForm::RepaintActivePage() {
    m_boxes[static_cast<std::size_t>(ActivePage())]->update();
}

void TMainForm::SettingsChanged() {
    m_barColours = ComputeBarColours(m_settings.transparency);
    RepaintActivePage();
}

void TMainForm::DatabaseChanged() {
    const int group1 = m_group1->currentIndex();
    const int row1 = SelectedRow(m_pname);
    const int group2 = m_group2->currentIndex();
    const int row2 = SelectedRow(m_pname2);
    const auto valid = [this](int g) {
        return g >= 0 && static_cast<std::size_t>(g) < m_db.GroupCount() ? g : 0;
    };
    FillGroupList(m_group1);
    FillGroupList(m_group2);
    {
        const QSignalBlocker b1(m_group1);
        const QSignalBlocker b2(m_group2);
        m_group1->setCurrentIndex(valid(group1));
        m_group2->setCurrentIndex(valid(group2));
    }
    FillPersons(m_pname, m_model1, static_cast<std::size_t>(valid(group1)), row1);
    // Person two keeps its place, or the last person when the group has become shorter.
    FillPersons(m_pname2, m_model2, static_cast<std::size_t>(valid(group2)), row2,
                PastTheEnd::LastPerson);
    SelectPersonOne();
    if (ActivePage() == ChartPage::Compatibility) {
        SelectPersonTwo();
    } else {
        ReadPerson(m_pname2, m_model2, m_person2);
    }
    RepaintActivePage();
}

// --- lists ---

void TMainForm::FillGroupList(QComboBox* combo) {
    const QSignalBlocker block(combo);
    combo->clear();
    for (std::size_t i = 0; i < m_db.GroupCount(); ++i) {
        const PersonGroup group = ParseGroupEntry(m_db.GroupEntry(i));
        combo->addItem(art::PictureIcon(art::ImageList::GroupIcons, group.icon), QUtf8(group.name));
    }
}

void TMainForm::FillPersons(QListView* list, PersonListModel* model, std::size_t group, int index,
                            PastTheEnd pastTheEnd) {
    const QSignalBlocker block(list->selectionModel());
    model->SetGroup(group);
    const int count = model->rowCount();
    if (count == 0) {
        return;
    }
    int row = index >= 0 && index < count ? index : 0;
    if (index >= count && pastTheEnd == PastTheEnd::LastPerson) {
        row = count - 1;
    }
    list->setCurrentIndex(model->index(row));
    list->scrollTo(model->index(row), QAbstractItemView::PositionAtCenter);
}

int TMainForm::SelectedRow(const QListView* list) {
    const QModelIndex current = list->currentIndex();
    return current.isValid() ? current.row() : 0;
}

void TMainForm::ReadPerson(QListView* list, const PersonListModel* model, CurrentPerson& person) {
    if (!list->currentIndex().isValid() && model->rowCount() > 0) {
        const QSignalBlocker block(list->selectionModel());
        list->setCurrentIndex(model->index(0));
    }
    person.group = static_cast<int>(model->group());
    person.index = SelectedRow(list);
    const QString line =
        model->data(model->index(person.index), PersonListModel::kLineRole).toString();
    const Person fields = SplitPersonLine(line.toStdString());
    person.name = fields.name;
    person.birth = ParseDob(fields.dateText);
}

void TMainForm::SelectPersonOne() {
    ReadPerson(m_pname, m_model1, m_person1);
    m_panels[0]->setText(QUtf8(PersonDobText(m_person1.birth)));
    if (ActivePage() == ChartPage::Compatibility) {
        ShowAgeDifference();
    }
}

void TMainForm::SelectPersonTwo() {
    ReadPerson(m_pname2, m_model2, m_person2);
    m_panels[1]->setText(QUtf8(SecondPersonDobText(m_person2.birth)));
    if (ActivePage() == ChartPage::Compatibility) {
        ShowAgeDifference();
    }
}

void TMainForm::ShowAgeDifference() {
    m_panels[2]->setText(QUtf8(AgeDifferencePanelText(m_person1.birth, m_person2.birth)));
}

// --- handlers ---

void TMainForm::ChoosePersonOne(std::size_t group, std::size_t person) {
    const std::size_t g = group < m_db.GroupCount() ? group : 0;
    {
        const QSignalBlocker block(m_group1);
        m_group1->setCurrentIndex(static_cast<int>(g));
    }
    FillPersons(m_pname, m_model1, g,
                static_cast<int>(std::min<std::size_t>(person, std::numeric_limits<int>::max())));
    SelectPersonOne();
    RepaintActivePage();
}

void TMainForm::ShowPair(std::size_t group1, std::size_t person1, std::size_t group2,
                         std::size_t person2) {
    const std::size_t g = group2 < m_db.GroupCount() ? group2 : 0;
    {
        const QSignalBlocker block(m_group2);
        m_group2->setCurrentIndex(static_cast<int>(g));
    }
    FillPersons(m_pname2, m_model2, g,
                static_cast<int>(std::min<std::size_t>(person2, std::numeric_limits<int>::max())));
    SetActivePage(ChartPage::Compatibility);
    SelectPersonTwo();
    ChoosePersonOne(group1, person1);
}

void TMainForm::Group1Change(int index) {
    FillPersons(m_pname, m_model1, static_cast<std::size_t>(std::max(index, 0)), 0);
    SelectPersonOne();
    RepaintActivePage();
}

void TMainForm::Group2Change(int index) {
    FillPersons(m_pname2, m_model2, static_cast<std::size_t>(std::max(index, 0)), 0);
    SelectPersonTwo();
    RepaintActivePage();
}

void TMainForm::PNameChange() {
    SelectPersonOne();
    RepaintActivePage();
}

void TMainForm::PName2Change() {
    SelectPersonTwo();
    RepaintActivePage();
}

void TMainForm::CDateChange() {
    RepaintActivePage();
}

void TMainForm::PageControlChange(int index) {
    const bool compatibility = index == static_cast<int>(ChartPage::Compatibility);
    m_personTwoBox->setVisible(compatibility);
    m_personBox->setTitle(compatibility ? QStringLiteral(" Person one ")
                                        : QStringLiteral(" Person "));
    for (std::size_t i = 1; i < m_panels.size(); ++i) {
        m_panels[i]->clear();
    }
    if (compatibility) {
        SelectPersonTwo();
        // The list was filled while hidden, so it could not scroll then.
        m_pname2->scrollTo(m_pname2->currentIndex(), QAbstractItemView::PositionAtCenter);
    }
    RepaintActivePage();
}

void TMainForm::TodayBtnClick() {
    SetCalculationDate(m_context.clock->Today());
}

void TMainForm::DOBBtnClick() {
    SetCalculationDate(m_person1.birth);
}

void TMainForm::DayMinusClick() {
    StepDate(static_cast<std::int64_t>(CalculationDate()) - 1);
}

void TMainForm::DayPlusClick() {
    StepDate(static_cast<std::int64_t>(CalculationDate()) + 1);
}

void TMainForm::MonthMinusClick() {
    StepDate(MonthStep(CalculationDate(), -1));
}

void TMainForm::MonthPlusClick() {
    StepDate(MonthStep(CalculationDate(), 1));
}

void TMainForm::StepDate(std::int64_t target) {
    // At the ends of the calendar a step does nothing rather than land on the end day.
    if (IsInDateRange(target)) {
        SetCalculationDate(static_cast<std::int32_t>(target));
    }
}

}  // namespace vitalune::ui
