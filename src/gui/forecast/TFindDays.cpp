#include "gui/forecast/TFindDays.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <variant>

#include "core/engine/Clock.h"
#include "core/help/HelpTopics.h"
#include "core/reports/ForecastCalendar.h"
#include "core/reports/ForecastReport.h"
#include "core/reports/ReportPictureFiles.h"
#include "gui/forecast/THintForm.h"
#include "gui/paint/art/Artwork.h"
#include "gui/platform/Shell.h"
#include "gui/platform/Utf8Text.h"
#include "gui/widgets/DayDateEdit.h"
#include "gui/widgets/KeyDispatcher.h"

namespace vitalune::ui {

namespace {

constexpr const char* kFormName = "FindDays";
constexpr const char* kNobodyMessage =
    "There is nobody to make a forecast for. Add a person to the names database first.";

QString L(const char* text) {
    return QString::fromLatin1(text);
}

QIcon Weather(int index) {
    return art::PictureIcon(art::ImageList::SmallWeather, index);
}

const char* const kRhythmNames[4] = {"Physical", "Emotional", "Intellectual", "Intuitive"};

// Object names of one level page's controls, as the kept options name them.
struct LevelNames {
    const char* prefix;  // "S" or "R"
    const char* showAll;
    const char* showAllText;
    const char* overallLevel;
    std::array<const char*, 4> rhythm;
    std::array<const char*, 4> level;
    const char* picture;
    std::array<const char*, 4> rhythmPicture;
};

constexpr LevelNames kSunnyNames = {"S",
                                    "Showallsunny",
                                    "Show all sunny days",
                                    "Sday",
                                    {"Sphcheck", "Semcheck", "Sinlcheck", "Sinvcheck"},
                                    {"Sphday", "Semday", "Sinlday", "Sinvday"},
                                    "Spict",
                                    {"Sphpict", "Sempict", "Sinlpict", "Sinvpict"}};
constexpr LevelNames kRainyNames = {"R",
                                    "Showallrainy",
                                    "Show all rainy days",
                                    "Rday",
                                    {"Rphcheck", "Remcheck", "Rinlcheck", "Rinvcheck"},
                                    {"Rphday", "Remday", "Rinlday", "Rinvday"},
                                    "Rpict",
                                    {"Rphpict", "Rempict", "Rinlpict", "Rinvpict"}};

QComboBox* LevelBox(const char* name, bool sunny, const QString& accessible) {
    auto* box = new QComboBox;
    box->setObjectName(L(name));
    box->setAccessibleName(accessible);
    if (sunny) {
        box->addItem(Weather(0), QStringLiteral("75% or higher"));
        box->addItem(Weather(1), QStringLiteral("50% or higher"));
        box->addItem(Weather(2), QStringLiteral("25% or higher"));
    } else {
        box->addItem(Weather(3), QStringLiteral("less than 25%"));
        box->addItem(Weather(2), QStringLiteral("less than 50%"));
        box->addItem(Weather(1), QStringLiteral("less than 75%"));
    }
    // A hidden box keeps its room, so the rows do not move as boxes come and go.
    QSizePolicy policy = box->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    box->setSizePolicy(policy);
    return box;
}

// `picture`: the name of the option's small picture, whose description the box also carries
// for screen readers.
QCheckBox* CheckBox(const char* name, const QString& text, const char* picture) {
    auto* box = new QCheckBox(text);
    box->setObjectName(L(name));
    box->setAccessibleName(text);
    box->setAccessibleDescription(HintDescriptor(L(picture)));
    return box;
}

QRadioButton* Radio(const char* name, const QString& text, const QString& accessible = {}) {
    auto* radio = new QRadioButton(text);
    radio->setObjectName(L(name));
    radio->setAccessibleName(accessible.isEmpty() ? text : accessible);
    return radio;
}

QPushButton* PushButton(const char* name, const QString& text, const QString& hint) {
    auto* button = new QPushButton(text);
    button->setObjectName(L(name));
    button->setToolTip(hint);
    QString accessible = QString(text).remove(QLatin1Char('&'));
    accessible.remove(QChar(0x2026));
    button->setAccessibleName(accessible);
    button->setAutoDefault(false);
    return button;
}

// The OR/AND pair of a page: "Search mode:" and the two buttons, OR chosen.
QHBoxLayout* SearchMode(QWidget* page, const char* prefix, QRadioButton*& orButton,
                        QRadioButton*& andButton) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Search mode:")));
    orButton = Radio((std::string(prefix) + "_OR").c_str(), QStringLiteral("OR"),
                     QStringLiteral("Search mode OR: any chosen rhythm"));
    andButton = Radio((std::string(prefix) + "_AND").c_str(), QStringLiteral("AND"),
                      QStringLiteral("Search mode AND: every chosen rhythm"));
    auto* pair = new QButtonGroup(page);
    pair->addButton(orButton);
    pair->addButton(andButton);
    orButton->setChecked(true);
    row->addWidget(orButton);
    row->addWidget(andButton);
    row->addStretch(1);
    return row;
}

QGroupBox* AdvancedGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Advanced search: show days when  "));
    group->setObjectName(QStringLiteral("AdvancedGroup"));
    return group;
}

bool AnyChecked(const std::array<QCheckBox*, 4>& boxes) {
    return std::any_of(boxes.begin(), boxes.end(),
                       [](const QCheckBox* b) { return b->isChecked(); });
}

int LevelItem(const QComboBox* box) {
    return std::max(box->currentIndex(), 0);
}

}  // namespace

TFindDays::TFindDays(ForecastContext context, QWidget* parent)
    : ProgramDialog(kFormName, context.store, parent), m_context(std::move(context)) {
    setWindowTitle(L(kForecastCaption));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    m_hint = new THintForm(this);
    BuildControls();
    ApplySettings(m_context.store ? LoadForecastSettings(*m_context.store)
                                  : DefaultForecastSettings());
    m_pages->setCurrentIndex(0);
    RestorePlace();
}

TFindDays::~TFindDays() = default;

void TFindDays::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* forRow = new QHBoxLayout;
    m_for = new QComboBox;
    m_for->setObjectName(QStringLiteral("ForBox"));
    m_for->setAccessibleName(QStringLiteral("For"));
    m_for->setToolTip(
        QStringLiteral("Search the days of person one, or the days that suit a "
                       "whole group of the names database"));
    m_members = new QComboBox;
    m_members->setObjectName(QStringLiteral("MembersBox"));
    m_members->setAccessibleName(QStringLiteral("Days when"));
    m_members->addItems(
        {QStringLiteral("every member qualifies"), QStringLiteral("any member qualifies")});
    m_members->setToolTip(
        QStringLiteral("For a group's critical and stressful days: the days "
                       "of everyone at once, or of anyone"));
    auto* forLabel = new QLabel(QStringLiteral("&For:"));
    forLabel->setBuddy(m_for);
    auto* membersLabel = new QLabel(QStringLiteral("days when"));
    membersLabel->setBuddy(m_members);
    forRow->addWidget(forLabel);
    forRow->addWidget(m_for, 1);
    forRow->addWidget(membersLabel);
    forRow->addWidget(m_members);
    layout->addLayout(forRow);
    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("ShowDays"));
    m_pages->setAccessibleName(QStringLiteral("Kind of days"));
    // All four tabs in sight: the page shown decides the search.
    m_pages->setUsesScrollButtons(false);
    TurnPagesFromAnywhere(m_pages);
    m_pages->addTab(BuildLevelPage(m_sunny, true), Weather(art::SmallWeatherIndex::Sun),
                    QStringLiteral("Sunny days"));
    m_pages->addTab(BuildLevelPage(m_rainy, false), Weather(art::SmallWeatherIndex::Rain),
                    QStringLiteral("Rainy days"));
    m_pages->addTab(BuildCriticalPage(), Weather(art::SmallWeatherIndex::Storm),
                    QStringLiteral("Critical days"));
    m_pages->addTab(BuildStressPage(), Weather(art::SmallWeatherIndex::Wind),
                    QStringLiteral("Stresses"));
    layout->addWidget(m_pages);
    layout->addWidget(BuildAmounts());

    auto* start = new QHBoxLayout;
    m_startDate = DayDateEdit("ReportBeginDate", QStringLiteral("Starting from"));
    auto* startLabel = new QLabel(QStringLiteral("Starting from"));
    startLabel->setBuddy(m_startDate);
    QPushButton* today = PushButton("TodayBtn", QStringLiteral("Today"),
                                    QStringLiteral("Start the search from today"));
    start->addWidget(startLabel);
    start->addWidget(m_startDate, 1);
    start->addWidget(today);
    layout->addLayout(start);

    QPushButton* csv =
        PushButton("CsvBtn", QStringLiteral("Save as CSV\u2026"),
                   QStringLiteral("Save the days found as a table for spreadsheets"));
    QPushButton* calendar = PushButton(
        "CalendarBtn", QStringLiteral("Add to calendar\u2026"),
        QStringLiteral("Add the days found to your calendar application as all-day events"));
    auto* files = new QHBoxLayout;
    files->addStretch(1);
    files->addWidget(csv);
    files->addWidget(calendar);
    layout->addSpacing(4);
    layout->addLayout(files);

    QPushButton* reset = PushButton("LoadDefBtn", QStringLiteral("Reset"),
                                    QStringLiteral("Set all options into initial values (Alt+C)"));
    QPushButton* close =
        PushButton("CanxBtn", QStringLiteral("Close"), QStringLiteral("Close form (ESC)"));
    m_go = PushButton("GoBtn", QStringLiteral("&Go!"),
                      QStringLiteral("Generate Personal forecast (Alt+G)"));
    m_go->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset);
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addWidget(m_go);
    layout->addLayout(buttons);

    connect(m_for, &QComboBox::currentIndexChanged, this, &TFindDays::UpdateMembersBox);
    connect(m_pages, &QTabWidget::currentChanged, this, &TFindDays::UpdateMembersBox);
    connect(today, &QPushButton::clicked, this, &TFindDays::TodayBtnClick);
    connect(csv, &QPushButton::clicked, this, &TFindDays::CsvBtnClick);
    connect(calendar, &QPushButton::clicked, this, &TFindDays::CalendarBtnClick);
    connect(reset, &QPushButton::clicked, this, &TFindDays::LoadDefBtnClick);
    connect(close, &QPushButton::clicked, this, &TFindDays::CanxBtnClick);
    connect(m_go, &QPushButton::clicked, this, &TFindDays::GoBtnClick);
}

QLabel* TFindDays::HelpPicture(const char* objectName, const QString& option) {
    auto* picture = new QLabel;
    picture->setObjectName(L(objectName));
    picture->setPixmap(Weather(art::SmallWeatherIndex::Help).pixmap(16, 16));
    picture->setFixedSize(16, 16);
    picture->setCursor(Qt::WhatsThisCursor);
    picture->setAccessibleName(QStringLiteral("About ") + option);
    picture->setAccessibleDescription(HintDescriptor(L(objectName)));
    picture->installEventFilter(this);
    return picture;
}

QWidget* TFindDays::BuildLevelPage(LevelPage& page, bool sunny) {
    const LevelNames& names = sunny ? kSunnyNames : kRainyNames;
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);

    auto* top = new QGridLayout;
    page.showAll = CheckBox(names.showAll, L(names.showAllText), names.picture);
    page.overallLevel = LevelBox(names.overallLevel, sunny, QStringLiteral("Overall level"));
    top->addWidget(HelpPicture(names.picture, L(names.showAllText)), 0, 0);
    top->addWidget(page.showAll, 0, 1);
    top->addWidget(page.overallLevel, 0, 2);
    top->setColumnStretch(1, 1);
    layout->addLayout(top);

    QGroupBox* group = AdvancedGroup();
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < 4; ++i) {
        const QString rhythm = L(kRhythmNames[i]);
        page.rhythm[i] =
            CheckBox(names.rhythm[i], rhythm + QStringLiteral(" rhythm"), names.rhythmPicture[i]);
        page.level[i] = LevelBox(names.level[i], sunny, rhythm + QStringLiteral(" level"));
        const int row = static_cast<int>(i);
        grid->addWidget(HelpPicture(names.rhythmPicture[i], rhythm + QStringLiteral(" rhythm")),
                        row, 0);
        grid->addWidget(page.rhythm[i], row, 1);
        grid->addWidget(page.level[i], row, 2);
        connect(page.rhythm[i], &QCheckBox::clicked, this,
                [this, &page, i] { RhythmClick(page, i); });
    }
    grid->setColumnStretch(1, 1);
    layout->addWidget(group);
    layout->addLayout(SearchMode(widget, names.prefix, page.orButton, page.andButton));
    layout->addStretch(1);
    connect(page.showAll, &QCheckBox::clicked, this, [this, &page] { ShowAllClick(page); });
    return widget;
}

QWidget* TFindDays::BuildCriticalPage() {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    auto* top = new QHBoxLayout;
    const QString showAllText = QStringLiteral("Show all critical days");
    m_critical.showAll = CheckBox("Showallcritical", showAllText, "Cpict");
    top->addWidget(HelpPicture("Cpict", showAllText));
    top->addWidget(m_critical.showAll, 1);
    layout->addLayout(top);

    constexpr const char* kChecks[4] = {"Cphcheck", "Cemcheck", "Cinlcheck", "Cinvcheck"};
    constexpr const char* kPictures[4] = {"Cphpict", "Cempict", "Cinlpict", "Cinvpict"};
    QGroupBox* group = AdvancedGroup();
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < 4; ++i) {
        const QString text = L(kRhythmNames[i]) + QStringLiteral(" rhythm is unstable");
        m_critical.rhythm[i] = CheckBox(kChecks[i], text, kPictures[i]);
        grid->addWidget(HelpPicture(kPictures[i], text), static_cast<int>(i), 0);
        grid->addWidget(m_critical.rhythm[i], static_cast<int>(i), 1);
        connect(m_critical.rhythm[i], &QCheckBox::clicked, this, &TFindDays::CriticalRhythmClick);
    }
    grid->setColumnStretch(1, 1);
    layout->addWidget(group);
    layout->addLayout(SearchMode(widget, "C", m_critical.orButton, m_critical.andButton));
    layout->addStretch(1);
    connect(m_critical.showAll, &QCheckBox::clicked, this, &TFindDays::CriticalShowAllClick);
    return widget;
}

QWidget* TFindDays::BuildStressPage() {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    auto* group = new QGroupBox(QStringLiteral(" Stressful days "));
    auto* grid = new QGridLayout(group);
    const struct {
        const char* name;
        const char* picture;
        const char* text;
    } kChoices[3] = {{"Str_all", "Str_allpict", "Show all stressful days"},
                     {"Str_women", "Str_womenpict", "Show days, stressful for women"},
                     {"Str_men", "Str_menpict", "Show days, stressful for men"}};
    auto* exclusive = new QButtonGroup(widget);
    for (std::size_t i = 0; i < 3; ++i) {
        m_stress[i] = Radio(kChoices[i].name, L(kChoices[i].text));
        m_stress[i]->setAccessibleDescription(HintDescriptor(L(kChoices[i].picture)));
        exclusive->addButton(m_stress[i]);
        grid->addWidget(HelpPicture(kChoices[i].picture, L(kChoices[i].text)), static_cast<int>(i),
                        0);
        grid->addWidget(m_stress[i], static_cast<int>(i), 1);
    }
    grid->setColumnStretch(1, 1);
    layout->addWidget(group);
    layout->addStretch(1);
    return widget;
}

QWidget* TFindDays::BuildAmounts() {
    auto* group = new QGroupBox(QStringLiteral(" Display first: "));
    group->setObjectName(QStringLiteral("DisplayFirst"));
    auto* row = new QHBoxLayout(group);
    const auto amount = [this](const char* name, const QString& accessible) {
        auto* edit = new QLineEdit;
        edit->setObjectName(L(name));
        edit->setAccessibleName(accessible);
        edit->setMaxLength(static_cast<int>(kAmountFieldLength));
        // Typed keys are sifted by the event filter; this also keeps pasted text to digits.
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,3}")), edit));
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        edit->installEventFilter(this);
        return edit;
    };
    m_months = Radio("DMonths", QString(), QStringLiteral("Search a number of months"));
    m_monthsAmount = amount("MonthsAmnt", QStringLiteral("Months to search"));
    m_results = Radio("DResults", QString(), QStringLiteral("Show a number of results"));
    m_resultsAmount = amount("ResultsAmnt", QStringLiteral("Results to show"));
    auto* exclusive = new QButtonGroup(group);
    exclusive->addButton(m_months);
    exclusive->addButton(m_results);
    auto* monthsLabel = new QLabel(QStringLiteral("month(s)"));
    monthsLabel->setBuddy(m_monthsAmount);
    auto* resultsLabel = new QLabel(QStringLiteral("result(s)"));
    resultsLabel->setBuddy(m_resultsAmount);
    row->addWidget(m_months);
    row->addWidget(m_monthsAmount);
    row->addWidget(monthsLabel);
    row->addStretch(1);
    row->addWidget(new QLabel(QStringLiteral("or")));
    row->addStretch(1);
    row->addWidget(m_results);
    row->addWidget(m_resultsAmount);
    row->addWidget(resultsLabel);
    return group;
}

QAbstractButton* TFindDays::Button(const char* objectName) const {
    return findChild<QAbstractButton*>(L(objectName));
}

void TFindDays::Open(QWidget* over) {
    KeepAbove(over);
    FormActivate();
    exec();
}

void TFindDays::FormActivate() {
    // Set when the window opens rather than on every activation, so that a start date the user
    // chose survives a message box or a visit to another window.
    if (m_context.calculationDate) {
        SetStartDate(m_context.calculationDate());
    }
    FillForBox();
    m_go->setFocus(Qt::OtherFocusReason);
}

ForecastSettings TFindDays::Settings() const {
    ForecastSettings s;
    const auto read = [](const LevelPage& page, LevelCriteria& out) {
        out.showAll = page.showAll->isChecked();
        out.overallLevel = LevelItem(page.overallLevel);
        for (std::size_t i = 0; i < 4; ++i) {
            out.rhythm[i] = page.rhythm[i]->isChecked();
            out.level[i] = LevelItem(page.level[i]);
        }
    };
    read(m_sunny, s.sunny);
    read(m_rainy, s.rainy);
    s.criticalShowAll = m_critical.showAll->isChecked();
    for (std::size_t i = 0; i < 4; ++i) {
        s.criticalRhythm[i] = m_critical.rhythm[i]->isChecked();
    }
    s.resultsAmount = m_resultsAmount->text().toStdString();
    s.monthsAmount = m_monthsAmount->text().toStdString();
    s.stressMode = m_stress[1]->isChecked()   ? StressMode::Women
                   : m_stress[2]->isChecked() ? StressMode::Men
                                              : StressMode::All;
    return s;
}

void TFindDays::ApplySettings(const ForecastSettings& s) {
    const auto apply = [](LevelPage& page, const LevelCriteria& in) {
        page.showAll->setChecked(in.showAll);
        page.overallLevel->setCurrentIndex(in.overallLevel);
        page.overallLevel->setVisible(in.showAll);
        for (std::size_t i = 0; i < 4; ++i) {
            page.rhythm[i]->setChecked(in.rhythm[i]);
            page.level[i]->setCurrentIndex(in.level[i]);
            page.level[i]->setVisible(in.rhythm[i]);
        }
    };
    apply(m_sunny, s.sunny);
    apply(m_rainy, s.rainy);
    m_critical.showAll->setChecked(s.criticalShowAll);
    for (std::size_t i = 0; i < 4; ++i) {
        m_critical.rhythm[i]->setChecked(s.criticalRhythm[i]);
    }
    m_resultsAmount->setText(QUtf8(s.resultsAmount));
    m_monthsAmount->setText(QUtf8(s.monthsAmount));
    m_stress[s.stressMode == StressMode::Women ? 1
             : s.stressMode == StressMode::Men ? 2
                                               : 0]
        ->setChecked(true);
    // Not kept: each opening of the program starts with OR and months.
    for (QRadioButton* orButton : {m_sunny.orButton, m_rainy.orButton, m_critical.orButton}) {
        orButton->setChecked(true);
    }
    m_months->setChecked(true);
}

ForecastChoices TFindDays::Choices() const {
    ForecastChoices c;
    c.kind = static_cast<ForecastKind>(std::clamp(m_pages->currentIndex(), 0, 3));
    c.sunnyAnd = m_sunny.andButton->isChecked();
    c.rainyAnd = m_rainy.andButton->isChecked();
    c.criticalAnd = m_critical.andButton->isChecked();
    c.limitByResults = m_results->isChecked();
    c.startDate = StartDate();
    return c;
}

std::int32_t TFindDays::StartDate() const {
    return FromQDate(m_startDate->date());
}

void TFindDays::SetStartDate(std::int32_t day) {
    m_startDate->setDate(ToQDate(day));
}

void TFindDays::RhythmClick(LevelPage& page, std::size_t rhythm) {
    page.level[rhythm]->setVisible(page.rhythm[rhythm]->isChecked());
    const bool any = AnyChecked(page.rhythm);
    page.showAll->setChecked(!any);
    page.overallLevel->setVisible(!any);
}

void TFindDays::ShowAllClick(LevelPage& page) {
    if (page.showAll->isChecked()) {
        for (std::size_t i = 0; i < 4; ++i) {
            page.rhythm[i]->setChecked(false);
            page.level[i]->setVisible(false);
        }
    }
    if (!AnyChecked(page.rhythm)) {
        page.showAll->setChecked(true);
    }
    page.overallLevel->setVisible(page.showAll->isChecked());
}

void TFindDays::CriticalShowAllClick() {
    if (m_critical.showAll->isChecked()) {
        for (QCheckBox* box : m_critical.rhythm) {
            box->setChecked(false);
        }
    }
    // Without a rhythm chosen there is nothing else to search for.
    CriticalRhythmClick();
}

void TFindDays::CriticalRhythmClick() {
    m_critical.showAll->setChecked(!AnyChecked(m_critical.rhythm));
}

void TFindDays::LoadDefBtnClick() {
    ApplySettings(DefaultForecastSettings());
}

void TFindDays::CanxBtnClick() {
    close();
}

void TFindDays::TodayBtnClick() {
    const SystemClock system;
    SetStartDate((m_context.clock ? *m_context.clock : static_cast<const Clock&>(system)).Today());
}

void TFindDays::Message(const QString& text) {
    if (m_context.showMessage) {
        m_context.showMessage(this, text);
    }
}

void TFindDays::FillForBox() {
    const ForecastPerson person = m_context.person ? m_context.person() : ForecastPerson{};
    const int chosen = std::max(m_for->currentIndex(), 0);
    const QSignalBlocker quiet(m_for);
    m_for->clear();
    m_for->addItem(QStringLiteral("Person one: ") + QUtf8(person.name));
    m_groupNames = m_context.groupNames ? m_context.groupNames() : std::vector<std::string>{};
    for (const std::string& name : m_groupNames) {
        m_for->addItem(QStringLiteral("Group: ") + QUtf8(name));
    }
    // The group stays chosen while the database still has it.
    m_for->setCurrentIndex(chosen < m_for->count() ? chosen : 0);
    UpdateMembersBox();
}

std::optional<std::size_t> TFindDays::ChosenGroup() const {
    const int item = m_for->currentIndex();
    return item > 0 ? std::optional<std::size_t>{static_cast<std::size_t>(item - 1)} : std::nullopt;
}

void TFindDays::UpdateMembersBox() {
    const int page = m_pages->currentIndex();
    m_members->setEnabled(ChosenGroup() && (page == 2 || page == 3));
}

std::optional<ForecastCriteria> TFindDays::Criteria() {
    const auto made = MakeForecastCriteria(Settings(), Choices());
    if (const auto* text = std::get_if<std::string>(&made)) {
        Message(QUtf8(*text));
        (m_results->isChecked() ? m_resultsAmount : m_monthsAmount)->setFocus();
        return std::nullopt;
    }
    const ForecastCriteria criteria = std::get<ForecastCriteria>(made);
    // The amounts searched with, as corrected, go back into their fields.
    if (ParseAmount(m_resultsAmount->text().toStdString())) {
        m_resultsAmount->setText(QString::number(criteria.resultsAmount));
    }
    if (ParseAmount(m_monthsAmount->text().toStdString())) {
        m_monthsAmount->setText(QString::number(criteria.monthsAmount));
    }
    return criteria;
}

std::optional<ForecastReportInput> TFindDays::Search() {
    const ForecastPerson person = m_context.person ? m_context.person() : ForecastPerson{};
    if (person.name.empty()) {
        Message(L(kNobodyMessage));
        return std::nullopt;
    }
    const auto criteria = Criteria();
    if (!criteria) {
        return std::nullopt;
    }
    ForecastReportInput input;
    input.name = person.name;
    input.birth = person.birth;
    input.criteria = *criteria;
    input.result = RunForecast(input.criteria, person.birth);
    if (input.result.hits.empty()) {
        Message(QUtf8(kNothingFoundMessage));
        return std::nullopt;
    }
    return input;
}

std::optional<GroupForecastReportInput> TFindDays::SearchGroup() {
    const std::size_t group = *ChosenGroup();
    GroupForecastReportInput input;
    input.groupName = group < m_groupNames.size() ? m_groupNames[group] : std::string();
    input.members =
        m_context.groupMembers ? m_context.groupMembers(group) : std::vector<GroupForecastMember>{};
    if (input.members.empty()) {
        Message(QStringLiteral("The group \"%1\" has nobody with a date of birth. Add persons "
                               "to it in the names editor, or choose another group.")
                    .arg(QUtf8(input.groupName)));
        return std::nullopt;
    }
    const auto criteria = Criteria();
    if (!criteria) {
        return std::nullopt;
    }
    input.criteria = *criteria;
    input.mode = m_members->currentIndex() == 1 ? GroupMembers::Any : GroupMembers::All;
    input.dataFolder = m_context.dataFolder;
    std::vector<DateTime> births;
    births.reserve(input.members.size());
    for (const GroupForecastMember& member : input.members) {
        births.push_back(member.birth);
    }
    input.result = RunGroupForecast(input.criteria, births, input.mode);
    if (input.result.hits.empty()) {
        Message(QUtf8(kNothingFoundMessage));
        return std::nullopt;
    }
    return input;
}

template <typename Input, typename Write>
void TFindDays::WriteAndOpen(const Input& input, std::string_view fileName, Write&& write,
                             bool calendar) {
    const ReportResult written = write(input, m_context.dataFolder / fileName, nullptr);
    if (!written) {
        Message(WriteFailureText(written));
        return;
    }
    if (m_context.shell) {
        const auto failed = calendar ? OpenCalendarFile(*m_context.shell, written.path)
                                     : OpenReportFile(*m_context.shell, written.path);
        if (failed) {
            Message(*failed);
        }
    }
}

template <typename Input, typename Write>
void TFindDays::SaveCsv(const Input& input, std::string_view suggestedName, Write&& write) {
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QUtf8(suggestedName));
    std::optional<QString> file;
    if (m_context.askCsvFile) {
        file = m_context.askCsvFile(this, suggested);
    } else if (const QString chosen =
                   QFileDialog::getSaveFileName(this, QStringLiteral("Save the forecast as CSV"),
                                                suggested, QStringLiteral("CSV table (*.csv)"));
               !chosen.isEmpty()) {
        file = chosen;
    }
    if (!file) {
        return;
    }
    const ReportResult written = write(input, QFile::encodeName(*file).toStdString(), nullptr);
    if (!written) {
        Message(WriteFailureText(written));
    }
}

void TFindDays::WriteDays(DaysFile kind) {
    if (ChosenGroup()) {
        const auto input = SearchGroup();
        if (!input) {
            return;
        }
        switch (kind) {
            case DaysFile::Report:
                // Its weather pictures are the data folder's; missing ones do not stop it.
                CopyMissingReportPictures(m_context.dataFolder, m_context.executableFolder);
                return WriteAndOpen(*input, kGroupForecastReportFileName, WriteGroupForecastReport,
                                    false);
            case DaysFile::Calendar:
                return WriteAndOpen(*input, kGroupForecastCalendarFileName,
                                    WriteGroupForecastICalendar, true);
            case DaysFile::Csv:
                return SaveCsv(*input, "groupforecast.csv", WriteGroupForecastCsv);
        }
        return;
    }
    const auto input = Search();
    if (!input) {
        return;
    }
    switch (kind) {
        case DaysFile::Report:
            return WriteAndOpen(*input, kForecastReportFileName, WriteForecastReport, false);
        case DaysFile::Calendar:
            return WriteAndOpen(*input, kForecastCalendarFileName, WriteForecastICalendar, true);
        case DaysFile::Csv:
            return SaveCsv(*input, "forecast.csv", WriteForecastCsv);
    }
}

void TFindDays::GoBtnClick() {
    WriteDays(DaysFile::Report);
}

void TFindDays::CalendarBtnClick() {
    WriteDays(DaysFile::Calendar);
}

void TFindDays::CsvBtnClick() {
    WriteDays(DaysFile::Csv);
}

bool TFindDays::DispatchKey(int key, bool alt) {
    switch (key) {
        case Qt::Key_C:
            if (alt) {
                LoadDefBtnClick();
            }
            return true;
        case Qt::Key_G:
            if (alt) {
                GoBtnClick();
            }
            return true;
        default:
            return false;
    }
}

bool TFindDays::eventFilter(QObject* watched, QEvent* event) {
    const QString name = watched->objectName();
    if (name.endsWith(QLatin1String("pict"))) {
        if (event->type() == QEvent::Enter) {
            m_hint->ShowFor(name, *this);
        } else if (event->type() == QEvent::Leave) {
            m_hint->hide();
        }
        return false;
    }
    if (watched == m_monthsAmount || watched == m_resultsAmount) {
        if (event->type() == QEvent::FocusIn) {
            (watched == m_monthsAmount ? m_months : m_results)->setChecked(true);
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                focusNextChild();
                return true;
            }
            const QString text = key->text();
            const bool typed = !text.isEmpty() && text.at(0).isPrint();
            const bool digit = text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9';
            if (typed && !digit) {
                QApplication::beep();
                return true;
            }
        }
    }
    return ProgramDialog::eventFilter(watched, event);
}

void TFindDays::hideEvent(QHideEvent* event) {
    m_hint->hide();
    if (m_context.store && !SaveForecastSettings(*m_context.store, Settings())) {
        Message(L(kForecastSettingsError));
    }
    ProgramDialog::hideEvent(event);
}

void AddForecastKeys(KeyDispatcher& dispatcher, TFindDays& window) {
    dispatcher.AddWindow(
        &window, [] { return help_topic::kForecast; },
        [&window](const KeyStroke& stroke) {
            return window.DispatchKey(stroke.key, stroke.Alt());
        });
}

}  // namespace vitalune::ui
