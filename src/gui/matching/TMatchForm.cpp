#include "gui/matching/TMatchForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/db/NamesDatabase.h"
#include "core/db/PersonLine.h"
#include "core/engine/Clock.h"
#include "core/engine/DateText.h"
#include "core/help/HelpTopics.h"
#include "core/matching/MatchSettings.h"
#include "core/reports/GroupReport.h"
#include "core/reports/PersonalReport.h"
#include "core/reports/ReportPictureFiles.h"
#include "core/settings/AppSettings.h"
#include "gui/matching/MatchListModel.h"
#include "gui/paint/art/Artwork.h"
#include "gui/platform/Shell.h"
#include "gui/platform/Utf8Text.h"
#include "gui/widgets/KeyDispatcher.h"
#include "gui/widgets/LookUpIcons.h"
#include "gui/widgets/PersonListModel.h"

namespace vitalune::ui {

namespace {

constexpr const char* kFormName = "MatchForm";
constexpr const char* kPanelHint = "Click twice to see a personal compatibility report";

QString L(const char* text) {
    return QString::fromLatin1(text);
}

QComboBox* Combo(const char* name, const QString& accessible) {
    auto* box = new QComboBox;
    box->setObjectName(L(name));
    box->setAccessibleName(accessible);
    return box;
}

QPushButton* PushButton(const char* name, const char* text, const char* hint) {
    auto* button = new QPushButton(L(text));
    button->setObjectName(L(name));
    button->setToolTip(L(hint));
    button->setAccessibleName(L(text).remove(QLatin1Char('&')));
    button->setAutoDefault(false);
    return button;
}

QToolButton* ToolButton(const char* name, const char* hint, const QIcon& icon) {
    auto* button = new QToolButton;
    button->setObjectName(L(name));
    button->setToolTip(L(hint));
    QString accessible = L(hint);
    accessible.truncate(accessible.indexOf(QLatin1String(" (")));
    button->setAccessibleName(accessible);
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    return button;
}

PictureScheme SchemeOf(const AppSettings* settings) {
    return settings && settings->matchingPictureScheme == 1 ? PictureScheme::Stars
                                                            : PictureScheme::Hearts;
}

// Sets a box's item without the change running anything.
void SetItem(QComboBox* box, int item) {
    const QSignalBlocker block(box);
    box->setCurrentIndex(item);
}

}  // namespace

// The compatibility panel; a double click writes the personal report.
class TMatchForm::PanelView final : public QWidget {
  public:
    explicit PanelView(TMatchForm& owner) : QWidget(&owner), m_owner(owner) {
        setFixedSize(paint::kMatchPanelSize);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paint::PaintMatchPanel(p, m_owner.PanelScene());
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            m_owner.PersonalReportBtnClick();
        }
    }

  private:
    TMatchForm& m_owner;
};

TMatchForm::TMatchForm(MatchContext context, QWidget* parent)
    : ProgramDialog(kFormName, context.store, parent), m_context(std::move(context)) {
    setWindowTitle(L(kMatchCaption));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    if (m_context.store) {
        LoadMatchSettings(*m_context.store, m_criteria);
    }
    BuildControls();
    RestorePlace();
}

TMatchForm::~TMatchForm() = default;

QWidget* TMatchForm::BuildCriteria() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* base = new QGroupBox(QStringLiteral(" Main person "));
    auto* baseForm = new QFormLayout(base);
    m_group1 = Combo("Group1", QStringLiteral("Group of the main person"));
    m_pname = Combo("Pname", QStringLiteral("Main person"));
    m_persons = new PersonListModel(*m_context.db, this);
    m_pname->setModel(m_persons);
    // A group of any size: the box must not measure every name.
    m_pname->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pname->setMinimumContentsLength(18);
    m_group1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_group1->setMinimumContentsLength(18);
    baseForm->addRow(QStringLiteral("Group:"), m_group1);
    baseForm->addRow(QStringLiteral("Person:"), m_pname);
    layout->addWidget(base);

    auto* search = new QGroupBox(QStringLiteral(" Search "));
    auto* form = new QFormLayout(search);
    m_group2 = Combo("Group2", QStringLiteral("Search among"));
    m_group2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_group2->setMinimumContentsLength(18);
    form->addRow(QStringLiteral("Search among:"), m_group2);
    m_sex = Combo("Sex", QStringLiteral("Sex"));
    for (int i = 0; i < kSexItemCount; ++i) {
        m_sex->addItem(QUtf8(SexCaption(static_cast<SexFilter>(i))));
    }
    form->addRow(QStringLiteral("Sex:"), m_sex);
    m_ageCheck = new QCheckBox(QStringLiteral("Age from"));
    m_ageCheck->setObjectName(L("AgeCheck"));
    m_ageCheck->setAccessibleName(QStringLiteral("Limit the age"));
    m_ageBegin = Combo("AgeBegin", QStringLiteral("Youngest age"));
    m_ageEnd = Combo("AgeEnd", QStringLiteral("Oldest age"));
    for (int i = 0; i < kAgeItemCount; ++i) {
        m_ageBegin->addItem(QString::number(AgeBeginYears(i)));
        m_ageEnd->addItem(QString::number(AgeEndYears(i)));
    }
    auto* age = new QHBoxLayout;
    age->addWidget(m_ageBegin);
    age->addWidget(new QLabel(QStringLiteral("to")));
    age->addWidget(m_ageEnd);
    age->addWidget(new QLabel(QStringLiteral("years")));
    age->addStretch(1);
    form->addRow(m_ageCheck, age);
    m_pattern = Combo("OvBox", QStringLiteral("Pattern"));
    for (int i = 0; i < kPatternCount; ++i) {
        m_pattern->addItem(QUtf8(PatternCaption(i)));
    }
    form->addRow(QStringLiteral("Looking for:"), m_pattern);
    const char* const names[3] = {"PhBox", "EmBox", "InBox"};
    const char* const labels[3] = {"Physical:", "Emotional:", "Intellectual:"};
    for (std::size_t i = 0; i < 3; ++i) {
        m_ratings[i] = Combo(names[i], L(labels[i]).chopped(1) + QStringLiteral(" rating"));
        m_ratings[i]->setIconSize(art::ImageSize(art::ImageList::CompatPict));
        form->addRow(L(labels[i]), m_ratings[i]);
    }
    m_exact = new QCheckBox(QStringLiteral("Exact compliance"));
    m_exact->setObjectName(L("ExactSearch"));
    m_exact->setAccessibleName(m_exact->text());
    m_exact->setToolTip(QStringLiteral("Ratings within their bands instead of at least"));
    form->addRow(QString(), m_exact);
    m_sort = Combo("SortBox", QStringLiteral("Sort by"));
    for (int i = 0; i < kSortItemCount; ++i) {
        m_sort->addItem(QUtf8(SortCaption(static_cast<MatchSort>(i))));
    }
    form->addRow(QStringLiteral("Sort by:"), m_sort);
    layout->addWidget(search);
    layout->addStretch(1);

    QPushButton* reset =
        PushButton("ResetBtn", "Reset", "Set all options into initial values (Alt+C)");
    layout->addWidget(reset, 0, Qt::AlignLeft);
    connect(reset, &QPushButton::clicked, this, &TMatchForm::ResetBtnClick);

    const auto runOnChange = [this](QComboBox* box) {
        connect(box, &QComboBox::currentIndexChanged, this, &TMatchForm::RunMatching);
    };
    for (QComboBox* box : {m_group2, m_sex, m_ratings[0], m_ratings[1], m_ratings[2], m_sort}) {
        runOnChange(box);
    }
    connect(m_group1, &QComboBox::currentIndexChanged, this, &TMatchForm::Group1Change);
    connect(m_pname, &QComboBox::currentIndexChanged, this, &TMatchForm::PnameChange);
    connect(m_pattern, &QComboBox::currentIndexChanged, this, &TMatchForm::OvBoxChange);
    connect(m_ageBegin, &QComboBox::currentIndexChanged, this, &TMatchForm::AgeBeginChange);
    connect(m_ageEnd, &QComboBox::currentIndexChanged, this, &TMatchForm::AgeEndChange);
    connect(m_ageCheck, &QCheckBox::clicked, this, [this] {
        m_ageBegin->setEnabled(m_ageCheck->isChecked());
        m_ageEnd->setEnabled(m_ageCheck->isChecked());
        RunMatching();
    });
    connect(m_exact, &QCheckBox::clicked, this, &TMatchForm::RunMatching);
    return column;
}

void TMatchForm::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(BuildCriteria());

    auto* results = new QVBoxLayout;
    m_panel = new PanelView(*this);
    m_panel->setObjectName(L("Image4"));
    m_panel->setAccessibleName(QStringLiteral("Compatibility of the pair"));
    results->addWidget(m_panel, 0, Qt::AlignHCenter);
    auto* resultsRow = new QHBoxLayout;
    m_resultsLabel = new QLabel(QUtf8(kResultsCaption));
    m_resultsLabel->setObjectName(L("ResultsLabel"));
    QToolButton* previous =
        ToolButton("PrevBtn", "Previous result (Up)", style()->standardIcon(QStyle::SP_ArrowUp));
    QToolButton* next =
        ToolButton("NextBtn", "Next result (Down)", style()->standardIcon(QStyle::SP_ArrowDown));
    resultsRow->addWidget(m_resultsLabel, 1);
    resultsRow->addWidget(previous);
    resultsRow->addWidget(next);
    results->addLayout(resultsRow);
    m_list = new QListView;
    m_list->setObjectName(L("ResultList"));
    m_list->setAccessibleName(QStringLiteral("Persons found"));
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setUniformItemSizes(true);
    // Rows are drawn to the list's width; a sideways scroll would only hide the icons.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_model = new MatchListModel(m_result, this);
    m_delegate = new MatchItemDelegate(m_list);
    m_list->setModel(m_model);
    m_list->setItemDelegate(m_delegate);
    m_list->setMinimumHeight(8 * MatchRowHeight(font()));
    results->addWidget(m_list, 1);
    top->addLayout(results, 1);
    layout->addLayout(top, 1);

    auto* buttons = new QHBoxLayout;
    m_groupReport = PushButton("GroupRepBtn", "&Group report", "Generate group report (Alt+G)");
    m_personalReport = PushButton("PersRepBtn", "&Personal report",
                                  "Generate detailed personal compatibility report (Alt+P)");
    m_viewCharts = PushButton("ViewChartsBtn", "&View charts",
                              "See the pair's charts in the main window (Alt+V)");
    m_getInfo = ToolButton("GetInfoBtn", "Ask Web about this person", WebIcon());
    m_getPict = ToolButton("GetPictBtn", "Find suitable images", PicturesIcon());
    QPushButton* close = PushButton("CloseBtn", "Close", "Close form (ESC)");
    for (QWidget* w : std::initializer_list<QWidget*>{m_groupReport, m_personalReport, m_viewCharts,
                                                      m_getInfo, m_getPict}) {
        buttons->addWidget(w);
    }
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    auto* status = new QStatusBar;
    status->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < m_status.size(); ++i) {
        m_status[i] = new QLabel;
        m_status[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        status->addWidget(m_status[i], i == 0 ? 1 : 1);
    }
    layout->addWidget(status);

    connect(previous, &QToolButton::clicked, this, &TMatchForm::PrevBtnClick);
    connect(next, &QToolButton::clicked, this, &TMatchForm::NextBtnClick);
    connect(m_groupReport, &QPushButton::clicked, this, &TMatchForm::GroupReportBtnClick);
    connect(m_personalReport, &QPushButton::clicked, this, &TMatchForm::PersonalReportBtnClick);
    connect(m_viewCharts, &QPushButton::clicked, this, &TMatchForm::ViewChartsBtnClick);
    connect(m_getInfo, &QToolButton::clicked, this, &TMatchForm::GetInfoBtnClick);
    connect(m_getPict, &QToolButton::clicked, this, &TMatchForm::GetPictBtnClick);
    connect(close, &QPushButton::clicked, this, &TMatchForm::close);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { ShowSelected(current.row()); });
    connect(m_list, &QListView::doubleClicked, this, &TMatchForm::GroupReportBtnClick);
}

QWidget* TMatchForm::Panel() const {
    return m_panel;
}

QAbstractButton* TMatchForm::Button(const char* objectName) const {
    return findChild<QAbstractButton*>(L(objectName));
}

QString TMatchForm::StatusText(int panel) const {
    return m_status[static_cast<std::size_t>(panel)]->text();
}

void TMatchForm::Open(QWidget* over) {
    KeepAbove(over);
    FormActivate();
    exec();
}

void TMatchForm::FillRatingBoxes() {
    const PictureScheme scheme = SchemeOf(m_context.settings);
    if (m_boxScheme == scheme) {
        return;
    }
    m_boxScheme = scheme;
    m_delegate->SetScheme(scheme);
    const CompatRating ratings[4] = {CompatRating::Excellent, CompatRating::Good,
                                     CompatRating::Weak, CompatRating::None};
    for (QComboBox* box : m_ratings) {
        const int item = box->currentIndex();
        const QSignalBlocker block(box);
        box->clear();
        box->addItem(art::PictureIcon(art::ImageList::CompatPict, AnyPictureIndex(scheme)),
                     QUtf8(RatingCaption(WantedRating::Any)));
        for (int i = 0; i < 4; ++i) {
            box->addItem(art::PictureIcon(art::ImageList::CompatPict,
                                          CompatPictureIndex(ratings[i], scheme)),
                         QUtf8(RatingCaption(static_cast<WantedRating>(i + 1))));
        }
        box->setCurrentIndex(std::max(item, 0));
    }
}

void TMatchForm::FillGroupBoxes() {
    const NamesDatabase& db = *m_context.db;
    const QSignalBlocker block1(m_group1);
    const QSignalBlocker block2(m_group2);
    m_group1->clear();
    m_group2->clear();
    m_group2->addItem(art::PictureIcon(art::ImageList::GroupIcons, 2), QUtf8(kAllGroupsCaption));
    for (std::size_t i = 0; i < db.GroupCount(); ++i) {
        const PersonGroup group = ParseGroupEntry(db.GroupEntry(i));
        const QIcon icon = art::PictureIcon(art::ImageList::GroupIcons, group.icon);
        m_group1->addItem(icon, QUtf8(group.name));
        m_group2->addItem(icon, QUtf8(group.name));
    }
}

void TMatchForm::FormActivate() {
    m_filling = true;
    FillRatingBoxes();
    FillGroupBoxes();
    FitSearchGroup(m_criteria, m_context.db->GroupCount());
    const PersonPlace one = m_context.personOne ? m_context.personOne() : PersonPlace{};
    m_criteria.baseGroup = one.group < m_context.db->GroupCount() ? one.group : 0;
    SetItem(m_group1, static_cast<int>(m_criteria.baseGroup));
    m_persons->SetGroup(m_criteria.baseGroup);
    const int person =
        static_cast<int>(one.person) < m_persons->rowCount() ? static_cast<int>(one.person) : 0;
    SetItem(m_pname, person);
    ShowCriteria();
    m_filling = false;
    PnameChange();
}

void TMatchForm::ShowCriteria() {
    SetItem(m_group2, m_criteria.searchItem);
    SetItem(m_sex, static_cast<int>(m_criteria.sex));
    m_ageCheck->setChecked(m_criteria.ageCheck);
    m_ageBegin->setEnabled(m_criteria.ageCheck);
    m_ageEnd->setEnabled(m_criteria.ageCheck);
    SetItem(m_ageBegin, m_criteria.ageBegin);
    SetItem(m_ageEnd, m_criteria.ageEnd);
    SetItem(m_pattern, m_criteria.pattern);
    for (std::size_t i = 0; i < 3; ++i) {
        SetItem(m_ratings[i], static_cast<int>(m_criteria.ratings[i]));
    }
    m_exact->setChecked(m_criteria.exact);
    SetItem(m_sort, static_cast<int>(m_criteria.sort));
}

void TMatchForm::ReadCriteria() {
    m_criteria.baseGroup = static_cast<std::size_t>(std::max(m_group1->currentIndex(), 0));
    m_criteria.basePerson = m_persons->PersonIndex(std::max(m_pname->currentIndex(), 0));
    m_criteria.searchItem = std::max(m_group2->currentIndex(), 0);
    m_criteria.sex = static_cast<SexFilter>(std::max(m_sex->currentIndex(), 0));
    m_criteria.ageCheck = m_ageCheck->isChecked();
    m_criteria.ageBegin = std::max(m_ageBegin->currentIndex(), 0);
    m_criteria.ageEnd = std::max(m_ageEnd->currentIndex(), 0);
    m_criteria.pattern = std::max(m_pattern->currentIndex(), 0);
    for (std::size_t i = 0; i < 3; ++i) {
        m_criteria.ratings[i] =
            static_cast<WantedRating>(std::max(m_ratings[i]->currentIndex(), 0));
    }
    m_criteria.exact = m_exact->isChecked();
    m_criteria.sort = static_cast<MatchSort>(std::max(m_sort->currentIndex(), 0));
    const SystemClock system;
    const Clock& clock = m_context.clock ? *m_context.clock : static_cast<const Clock&>(system);
    m_criteria.currentYear = DecodeDate(clock.Today()).year;
}

std::optional<std::pair<std::string, DateTime>> TMatchForm::BasePerson() const {
    if (m_persons->rowCount() == 0) {
        return std::nullopt;
    }
    const QString line = m_persons
                             ->data(m_persons->index(std::max(m_pname->currentIndex(), 0)),
                                    PersonListModel::kLineRole)
                             .toString();
    const Person fields = SplitPersonLine(line.toStdString());
    return std::pair(fields.name, static_cast<DateTime>(ParseDob(fields.dateText)));
}

void TMatchForm::Group1Change() {
    if (m_filling) {
        return;
    }
    {
        // The box's own change on refilling would run the search once more.
        const QSignalBlocker block(m_pname);
        m_persons->SetGroup(static_cast<std::size_t>(std::max(m_group1->currentIndex(), 0)));
        m_pname->setCurrentIndex(0);
    }
    PnameChange();
}

void TMatchForm::PnameChange() {
    if (m_filling) {
        return;
    }
    const auto base = BasePerson();
    m_status[0]->setText(base ? QStringLiteral(" Main person: ") + QUtf8(DateText(base->second))
                              : QString());
    RunMatching();
}

void TMatchForm::OvBoxChange() {
    if (m_filling) {
        return;
    }
    ApplyPattern(m_criteria, std::max(m_pattern->currentIndex(), 0));
    for (std::size_t i = 0; i < 3; ++i) {
        SetItem(m_ratings[i], static_cast<int>(m_criteria.ratings[i]));
    }
    RunMatching();
}

void TMatchForm::AgeBeginChange() {
    ChooseAgeBegin(m_criteria, std::max(m_ageBegin->currentIndex(), 0));
    SetItem(m_ageEnd, m_criteria.ageEnd);
    RunMatching();
}

void TMatchForm::AgeEndChange() {
    ChooseAgeEnd(m_criteria, std::max(m_ageEnd->currentIndex(), 0));
    SetItem(m_ageBegin, m_criteria.ageBegin);
    RunMatching();
}

void TMatchForm::RunMatching() {
    if (m_filling) {
        return;
    }
    ReadCriteria();
    m_groupReport->setEnabled(false);
    m_personalReport->setEnabled(false);
    m_viewCharts->setEnabled(false);
    if (m_persons->rowCount() == 0) {
        m_result = {};
    } else {
        vitalune::RunMatching(m_criteria, *m_context.db, m_cache, m_result);
    }
    m_model->Reset();
    m_resultsLabel->setText(m_result.found > 0 ? QUtf8(ResultsLabel(m_result.found))
                                               : QUtf8(kResultsCaption));
    m_list->setToolTip(m_result.entries.empty() ? QString() : QUtf8(ResultListHint(m_result)));
    m_groupReport->setEnabled(m_result.found > 0);
    if (!m_result.entries.empty()) {
        m_list->setCurrentIndex(m_model->index(0));
    }
    ShowSelected(m_result.entries.empty() ? -1 : 0);
}

int TMatchForm::CurrentEntry() const {
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

paint::MatchPanelScene TMatchForm::PanelScene() const {
    paint::MatchPanelScene scene;
    scene.scheme = SchemeOf(m_context.settings);
    if (m_context.settings) {
        scene.pens = m_context.settings->pens;
    }
    scene.font = m_context.pictureFont ? m_context.pictureFont() : font();
    scene.font.setBold(true);
    scene.art.background = [](QPainter& p, const QRect& area, PictureScheme scheme) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(area, art::SchemeBackground(scheme, p.device()->devicePixelRatioF()));
    };
    scene.art.rating = [](QPainter& p, QPoint at, int index) {
        art::DrawPicture(p, at, art::ImageList::CompatPict, index);
    };
    const int entry = CurrentEntry();
    if (entry >= 0 && static_cast<std::size_t>(entry) < m_result.entries.size() &&
        m_result.entries[static_cast<std::size_t>(entry)].IsPerson()) {
        const MatchEntry& found = m_result.entries[static_cast<std::size_t>(entry)];
        scene.person = true;
        const auto base = BasePerson();
        scene.baseName = base ? base->first : std::string();
        scene.foundName = found.name;
        scene.compat = found.compat;
    }
    return scene;
}

void TMatchForm::ShowSelected(int entry) {
    const bool person = entry >= 0 && static_cast<std::size_t>(entry) < m_result.entries.size() &&
                        m_result.entries[static_cast<std::size_t>(entry)].IsPerson();
    m_personalReport->setEnabled(person);
    m_viewCharts->setEnabled(person);
    m_getInfo->setEnabled(person);
    m_getPict->setEnabled(person);
    m_panel->setToolTip(person ? L(kPanelHint) : QString());
    if (person) {
        const MatchEntry& found = m_result.entries[static_cast<std::size_t>(entry)];
        const DateTime foundBirth = ParseDob(found.dateOfBirthText);
        const auto base = BasePerson();
        m_status[1]->setText(QStringLiteral(" Found person: ") + QUtf8(DateText(foundBirth)));
        m_status[2]->setText(QStringLiteral(" Age difference: ") +
                             QUtf8(YearsApartText(base ? base->second : 0, foundBirth)));
    } else {
        m_status[1]->clear();
        m_status[2]->clear();
    }
    m_panel->update();
}

void TMatchForm::StepToPerson(int direction) {
    const int count = static_cast<int>(m_result.entries.size());
    for (int i = CurrentEntry() + direction; i >= 0 && i < count; i += direction) {
        if (m_result.entries[static_cast<std::size_t>(i)].IsPerson()) {
            m_list->setCurrentIndex(m_model->index(i));
            return;
        }
    }
}

void TMatchForm::PrevBtnClick() {
    StepToPerson(-1);
}

void TMatchForm::NextBtnClick() {
    StepToPerson(+1);
}

void TMatchForm::ResetBtnClick() {
    ResetMatchSettings(m_criteria);
    m_filling = true;
    ShowCriteria();
    m_filling = false;
    RunMatching();
}

void TMatchForm::Message(const QString& text) {
    if (m_context.showMessage) {
        m_context.showMessage(this, text);
    }
}

void TMatchForm::OpenWritten(const ReportResult& written) {
    if (const auto failed = OpenWrittenReport(m_context.shell, written)) {
        Message(*failed);
    }
}

void TMatchForm::GroupReportBtnClick() {
    const auto base = BasePerson();
    if (m_result.found == 0 || !base) {
        return;
    }
    CopyMissingReportPictures(m_context.dataFolder, m_context.executableFolder);
    GroupReportInput input;
    input.baseName = base->first;
    input.baseBirth = base->second;
    input.searchAmong = SearchAmongCaption(m_criteria, *m_context.db);
    input.criteria = m_criteria;
    OpenWritten(WriteGroupReport(input, m_result, m_context.dataFolder / kGroupReportFileName));
}

void TMatchForm::PersonalReportBtnClick() {
    const int entry = CurrentEntry();
    const auto base = BasePerson();
    if (entry < 0 || !base || !m_result.entries[static_cast<std::size_t>(entry)].IsPerson()) {
        return;
    }
    CopyMissingReportPictures(m_context.dataFolder, m_context.executableFolder);
    PersonalReportInput input;
    input.dataFolder = m_context.dataFolder;
    input.firstName = base->first;
    const QString line = m_persons
                             ->data(m_persons->index(std::max(m_pname->currentIndex(), 0)),
                                    PersonListModel::kLineRole)
                             .toString();
    input.firstDateOfBirthText = SplitPersonLine(line.toStdString()).dateText;
    input.second = m_result.entries[static_cast<std::size_t>(entry)];
    if (m_context.settings) {
        input.pens = m_context.settings->pens;
    } else {
        input.pens = DefaultChartAttribs();
    }
    input.scheme = SchemeOf(m_context.settings);
    OpenWritten(WritePersonalReport(input, m_context.dataFolder / kPersonalReportFileName));
}

void TMatchForm::ViewChartsBtnClick() {
    const int entry = CurrentEntry();
    if (entry < 0 || !m_result.entries[static_cast<std::size_t>(entry)].IsPerson()) {
        return;
    }
    const PersonPlace found = LocateEntry(m_result, static_cast<std::size_t>(entry), *m_context.db);
    if (m_context.viewCharts) {
        m_context.viewCharts({m_criteria.baseGroup, m_criteria.basePerson}, found);
    }
    close();
}

void TMatchForm::WebLookUp(bool pictures) {
    const int entry = CurrentEntry();
    if (!m_context.shell || !m_context.settings || entry < 0 ||
        !m_result.entries[static_cast<std::size_t>(entry)].IsPerson()) {
        return;
    }
    const std::string& address =
        pictures ? m_context.settings->imageSearchUrl : m_context.settings->textSearchUrl;
    if (const auto failed = OpenWebSearch(*m_context.shell, address,
                                          m_result.entries[static_cast<std::size_t>(entry)].name)) {
        Message(*failed);
    }
}

void TMatchForm::GetInfoBtnClick() {
    WebLookUp(false);
}

void TMatchForm::GetPictBtnClick() {
    WebLookUp(true);
}

bool TMatchForm::DispatchKey(int key, bool alt) {
    const auto press = [alt](QAbstractButton* b) {
        if (alt && b->isEnabled()) {
            b->click();
        }
        return true;
    };
    switch (key) {
        case Qt::Key_Up:
            PrevBtnClick();
            return true;
        case Qt::Key_Down:
            NextBtnClick();
            return true;
        case Qt::Key_C:
            if (alt) {
                ResetBtnClick();
            }
            return true;
        case Qt::Key_G:
            return press(m_groupReport);
        case Qt::Key_P:
            return press(m_personalReport);
        case Qt::Key_V:
            return press(m_viewCharts);
        default:
            return false;
    }
}

void TMatchForm::hideEvent(QHideEvent* event) {
    if (m_context.store && !SaveMatchSettings(*m_context.store, m_criteria)) {
        Message(L(kMatchSettingsError));
    }
    ProgramDialog::hideEvent(event);
}

void AddMatchKeys(KeyDispatcher& dispatcher, TMatchForm& window) {
    dispatcher.AddWindow(
        &window, [] { return help_topic::kMatching; },
        [&window](const KeyStroke& stroke) {
            return window.DispatchKey(stroke.key, stroke.Alt());
        });
}

}  // namespace vitalune::ui
