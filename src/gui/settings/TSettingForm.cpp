#include "gui/settings/TSettingForm.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/help/HelpTopics.h"
#include "gui/paint/GdiCanvas.h"
#include "gui/paint/art/Artwork.h"
#include "gui/platform/Utf8Text.h"
#include "gui/widgets/ColourSwatch.h"
#include "gui/widgets/KeyDispatcher.h"

namespace vitalune::ui {

namespace {

using paint::ChartPage;

constexpr const char* kFormName = "SettingForm";

struct GraphRow {
    ChartPage page;
    const char* label;
};
// In the order of the main window's tabs.
constexpr std::array<GraphRow, paint::kChartPageCount> kGraphRows = {{
    {ChartPage::Primary, "&Primary rhythms:"},
    {ChartPage::Secondary, "&Secondary rhythms:"},
    {ChartPage::Extra, "&Extra rhythms:"},
    {ChartPage::IChing, "&I-Ching:"},
    {ChartPage::Compatibility, "&Compatibility:"},
}};

QString Plain(QString text) {
    text.remove(QLatin1Char('&'));
    text.remove(QChar(0x2026));
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.trimmed();
}

QCheckBox* CheckBox(const char* name, const QString& text, const QString& hint = {}) {
    auto* box = new QCheckBox(text);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(Plain(text));
    box->setToolTip(hint);
    return box;
}

QPushButton* PushButton(const char* name, const QString& text, const QString& hint) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(Plain(text));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

QLabel* Buddy(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    buddy->setAccessibleName(Plain(text));
    return label;
}

std::optional<Colour> AskDesktopColour(QWidget* parent, Colour current) {
    const QColor chosen =
        QColorDialog::getColor(paint::ToQColor(current), parent, QStringLiteral(" Pointer color"));
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return paint::FromQColor(chosen);
}

// An empty field would leave the web buttons nothing to open: it stands for the default, as
// it does when the settings are read.
std::string AddressOf(const QLineEdit* field, std::string_view fallback) {
    const QString text = field->text().trimmed();
    return text.isEmpty() ? std::string(fallback) : text.toStdString();
}

}  // namespace

TSettingForm::TSettingForm(OptionsContext context, QWidget* parent)
    : ProgramDialog(kFormName, context.store, parent), m_context(std::move(context)) {
    setWindowTitle(QString::fromLatin1(kOptionsCaption));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    if (!m_context.askColour) {
        m_context.askColour = AskDesktopColour;
    }
    BuildControls();
    RestorePlace();
}

void TSettingForm::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setAccessibleName(QStringLiteral("Option pages"));
    m_pages->addTab(BuildChartsPage(), QStringLiteral("Charts"));
    m_pages->addTab(BuildMiscPage(), QStringLiteral("Misc"));
    // Ctrl+Tab turns the pages wherever the focus is, not only on the tabs.
    const auto turn = [this] { m_pages->setCurrentIndex(1 - m_pages->currentIndex()); };
    connect(new QShortcut(QKeySequence::NextChild, this), &QShortcut::activated, this, turn);
    connect(new QShortcut(QKeySequence::PreviousChild, this), &QShortcut::activated, this, turn);
    layout->addWidget(m_pages);

    QPushButton* reset = PushButton("ResetBtn", QStringLiteral("&Reset"),
                                    QStringLiteral("Set all options into initial state"));
    m_ok = PushButton("OkBtn", QStringLiteral("Ok"), QStringLiteral("Accept changes"));
    QPushButton* cancel =
        PushButton("CancelBtn", QStringLiteral("Cancel"), QStringLiteral("Cancel changes (ESC)"));
    // Enter keeps the changes wherever the focus is; Escape cancels.
    m_ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(reset, &QPushButton::clicked, this, &TSettingForm::ResetBtnClick);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TSettingForm::BuildChartsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("ChartsPage"));
    auto* columns = new QHBoxLayout(page);

    auto* overall = new QGroupBox(QStringLiteral(" How to show an overall value "));
    auto* form = new QFormLayout(overall);
    for (const GraphRow& row : kGraphRows) {
        auto* box = new QComboBox;
        box->setObjectName(QUtf8(GraphValueName(paint::PageInfo(row.page).graph)));
        box->addItems(
            {QStringLiteral("none"), QStringLiteral("line"), QStringLiteral("histogram")});
        box->setToolTip(
            QStringLiteral("What the page draws besides its curves: nothing, the "
                           "overall curve or a daily bar"));
        form->addRow(Buddy(QString::fromLatin1(row.label), box), box);
        box->setAccessibleName(box->accessibleName() + QStringLiteral(": overall value"));
        m_graph[static_cast<std::size_t>(row.page)] = box;
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, page = row.page](int mode) { GraphChange(page, mode); });
    }
    m_showDetails =
        CheckBox("LShowDetails", QStringLiteral("Show &details for compatibility rhythms"),
                 QStringLiteral("The Compatibility page also draws both persons' own "
                                "curves"));
    form->addRow(m_showDetails);
    columns->addWidget(overall);

    auto* right = new QVBoxLayout;
    auto* histogram = new QGroupBox(QStringLiteral(" Histogram settings "));
    auto* histogramLayout = new QVBoxLayout(histogram);
    m_trackBar = new QSlider(Qt::Horizontal);
    m_trackBar->setObjectName(QStringLiteral("TrackBar1"));
    m_trackBar->setRange(0, 100);
    m_trackBar->setTickPosition(QSlider::TicksBelow);
    m_trackBar->setTickInterval(10);
    m_trackBar->setPageStep(10);
    m_trackBar->setToolTip(QStringLiteral("How far the daily bars fade toward white"));
    m_transparency = Buddy(QString(), m_trackBar);
    m_transparency->setObjectName(QStringLiteral("Label3"));
    m_trackBar->setAccessibleName(QStringLiteral("Transparency"));
    histogramLayout->addWidget(m_transparency);
    histogramLayout->addWidget(m_trackBar);
    right->addWidget(histogram);

    auto* pointer = new QGroupBox(QStringLiteral(" Current day pointer "));
    auto* pointerLayout = new QHBoxLayout(pointer);
    m_showPointer = CheckBox("LShowPointer", QStringLiteral("Show p&ointer"),
                             QStringLiteral("The pointer may be turned off for printing"));
    m_pointerColour = PushButton("PointerColorBtn", QStringLiteral("Co&lor\u2026"),
                                 QStringLiteral("Select pointer's color"));
    pointerLayout->addWidget(m_showPointer, 1);
    pointerLayout->addWidget(m_pointerColour);
    right->addWidget(pointer);

    auto* lines = new QGroupBox(QStringLiteral(" Lines "));
    auto* linesLayout = new QHBoxLayout(lines);
    auto* linesText = new QLabel(QStringLiteral("Color, style and width of the curves"));
    m_lines = PushButton("LinesBtn", QStringLiteral("Li&nes\u2026"),
                         QStringLiteral("Adjust lines settings "));
    m_lines->setEnabled(static_cast<bool>(m_context.showLines));
    linesLayout->addWidget(linesText, 1);
    linesLayout->addWidget(m_lines);
    right->addWidget(lines);
    right->addStretch(1);
    columns->addLayout(right);

    connect(m_showDetails, &QCheckBox::clicked, this, &TSettingForm::LShowDetailsClick);
    connect(m_trackBar, &QSlider::valueChanged, this, &TSettingForm::TrackBar1Change);
    connect(m_showPointer, &QCheckBox::clicked, this, &TSettingForm::LShowPointerClick);
    connect(m_pointerColour, &QPushButton::clicked, this, &TSettingForm::PointerColorBtnClick);
    connect(m_lines, &QPushButton::clicked, this, &TSettingForm::LinesBtnClick);
    return page;
}

QWidget* TSettingForm::BuildMiscPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("MiscPage"));
    auto* layout = new QVBoxLayout(page);

    auto* internet = new QGroupBox(QStringLiteral(" Internet "));
    auto* grid = new QGridLayout(internet);
    const auto address = [](const char* name) {
        auto* field = new QLineEdit;
        field->setObjectName(QString::fromLatin1(name));
        field->setToolTip(
            QStringLiteral("The person's name is added after the address; "
                           "left empty, the program's own address is used"));
        // Room for a whole address of the usual length.
        field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 72);
        return field;
    };
    m_textAddress = address("TextAddress");
    m_imagesAddress = address("ImagesAddress");
    grid->addWidget(Buddy(QStringLiteral("Te&xt search address "), m_textAddress), 0, 0);
    grid->addWidget(m_textAddress, 0, 1);
    grid->addWidget(Buddy(QStringLiteral("I&mages search address "), m_imagesAddress), 1, 0);
    grid->addWidget(m_imagesAddress, 1, 1);
    layout->addWidget(internet);

    auto* row = new QHBoxLayout;
    auto* startup = new QGroupBox(QStringLiteral(" Startup options "));
    auto* startupLayout = new QVBoxLayout(startup);
    m_showPrompt = CheckBox("LShowPrompt", QStringLiteral("Select a person at st&artup"),
                            QStringLiteral("Open the person selector when the program starts"));
    m_showTips = CheckBox("LShowTips", QStringLiteral("Show Tip of the Da&y"),
                          QStringLiteral("Show a short tip when the program starts"));
    startupLayout->addWidget(m_showPrompt);
    startupLayout->addWidget(m_showTips);
    row->addWidget(startup, 1);

    auto* matching = new QGroupBox(QStringLiteral(" Matching pictures "));
    auto* matchingLayout = new QVBoxLayout(matching);
    m_matchPict = new QComboBox;
    m_matchPict->setObjectName(QStringLiteral("MatchPict"));
    m_matchPict->setIconSize(art::ImageSize(art::ImageList::CompatPict));
    for (const auto& [scheme, name] :
         {std::pair{PictureScheme::Hearts, "Hearts"}, std::pair{PictureScheme::Stars, "Stars"}}) {
        m_matchPict->addItem(art::PictureIcon(art::ImageList::CompatPict,
                                              CompatPictureIndex(CompatRating::Excellent, scheme)),
                             QString::fromLatin1(name));
    }
    m_matchPict->setToolTip(QStringLiteral("The pictures that rate a pair in matching"));
    matchingLayout->addWidget(Buddy(QStringLiteral("Ratin&g pictures:"), m_matchPict));
    matchingLayout->addWidget(m_matchPict);
    matchingLayout->addStretch(1);
    row->addWidget(matching);
    layout->addLayout(row);

    auto* reminder = new QGroupBox(QStringLiteral(" Reminders "));
    auto* reminderLayout = new QHBoxLayout(reminder);
    m_remind = CheckBox("LRemind", QStringLiteral("Remi&nd me of critical days"),
                        QStringLiteral("Every morning and at log-in a desktop notification "
                                       "names who has a critical day today or tomorrow"));
    m_watch = new QComboBox;
    m_watch->setObjectName(QStringLiteral("RemindWatch"));
    m_watch->setToolTip(QStringLiteral("The group or the person the reminder watches"));
    m_watch->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_watch->setMinimumContentsLength(28);
    reminderLayout->addWidget(m_remind);
    reminderLayout->addStretch(1);
    reminderLayout->addWidget(Buddy(QStringLiteral("&Watch:"), m_watch));
    reminderLayout->addWidget(m_watch);
    layout->addWidget(reminder);
    layout->addStretch(1);
    const bool canRemind = static_cast<bool>(m_context.applyReminder);
    reminder->setEnabled(canRemind);
    if (!canRemind) {
        reminder->setToolTip(QStringLiteral("Reminders cannot be set up in this run"));
    }
    connect(m_remind, &QCheckBox::toggled, this, &TSettingForm::RemindClick);

    connect(m_matchPict, &QComboBox::currentIndexChanged, this, &TSettingForm::MatchPictChange);
    return page;
}

void TSettingForm::Open(QWidget* over) {
    KeepAbove(over);
    FormShow();
    exec();
}

void TSettingForm::FormShow() {
    m_snapshot = *m_context.settings;
    m_reminder = m_context.reminder ? m_context.reminder() : ReminderSettings{};
    m_watchChoices =
        m_context.reminderChoices ? m_context.reminderChoices() : std::vector<ReminderChoice>{};
    // The kept choice stays offered though its group is gone, so that Ok does not change it
    // unasked.
    if (std::none_of(m_watchChoices.begin(), m_watchChoices.end(), [&](const ReminderChoice& c) {
            return c.watch.group == m_reminder.group && c.watch.person == m_reminder.person;
        })) {
        ReminderSettings kept = m_reminder;
        kept.on = false;
        m_watchChoices.push_back(
            {(kept.person.empty() ? "Group: " + kept.group
                                  : "Person: " + kept.person + " (" + kept.group + ")"),
             kept});
    }
    m_watch->clear();
    for (const ReminderChoice& choice : m_watchChoices) {
        m_watch->addItem(QUtf8(choice.label));
    }
    ShowOptions(*m_context.settings);
    ShowReminder(m_reminder);
    m_ok->setFocus(Qt::OtherFocusReason);
}

void TSettingForm::ShowOptions(const AppSettings& shown) {
    m_setUp = false;
    m_showDetails->setChecked(shown.showDetails);
    m_trackBar->setValue(TransparencyPercent(shown.transparency));
    ShowTransparency(m_trackBar->value());
    m_showPointer->setChecked(shown.showPointer);
    ShowPointerColour();
    for (const GraphRow& row : kGraphRows) {
        m_graph[static_cast<std::size_t>(row.page)]->setCurrentIndex(
            shown.Graph(paint::PageInfo(row.page).graph).mode);
    }
    m_textAddress->setText(QUtf8(shown.textSearchUrl));
    m_textAddress->setCursorPosition(0);
    m_imagesAddress->setText(QUtf8(shown.imageSearchUrl));
    m_imagesAddress->setCursorPosition(0);
    m_showPrompt->setChecked(shown.showPrompt);
    m_showTips->setChecked(shown.showTips);
    m_matchPict->setCurrentIndex(shown.matchingPictureScheme == 1 ? 1 : 0);
    m_setUp = true;
}

void TSettingForm::ShowReminder(const ReminderSettings& shown) {
    m_remind->setChecked(shown.on);
    for (std::size_t i = 0; i < m_watchChoices.size(); ++i) {
        const ReminderSettings& watch = m_watchChoices[i].watch;
        if (watch.group == shown.group && watch.person == shown.person) {
            m_watch->setCurrentIndex(static_cast<int>(i));
        }
    }
    RemindClick();
}

ReminderSettings TSettingForm::ChosenReminder() const {
    ReminderSettings chosen = m_reminder;
    const int index = m_watch->currentIndex();
    if (index >= 0 && static_cast<std::size_t>(index) < m_watchChoices.size()) {
        chosen = m_watchChoices[static_cast<std::size_t>(index)].watch;
    }
    chosen.on = m_remind->isChecked();
    return chosen;
}

void TSettingForm::RemindClick() {
    m_watch->setEnabled(m_remind->isChecked());
}

void TSettingForm::ShowTransparency(int position) {
    m_transparency->setText(QStringLiteral("&Transparency %1%").arg(position));
}

void TSettingForm::ShowPointerColour() {
    m_pointerColour->setIcon(ColourSwatch(paint::ToQColor(m_context.settings->pointerColour)));
}

void TSettingForm::Repaint() {
    if (m_context.settingsChanged) {
        m_context.settingsChanged();
    }
}

bool TSettingForm::Showing(ChartPage page) const {
    return m_context.activePage && m_context.activePage() == page;
}

void TSettingForm::LShowDetailsClick() {
    if (!m_setUp) {
        return;
    }
    m_context.settings->showDetails = m_showDetails->isChecked();
    if (Showing(ChartPage::Compatibility)) {
        Repaint();
    }
}

void TSettingForm::TrackBar1Change(int position) {
    if (!m_setUp) {
        return;
    }
    m_context.settings->transparency = TransparencyFromPercent(position);
    ShowTransparency(position);
    Repaint();
}

void TSettingForm::LShowPointerClick() {
    if (!m_setUp) {
        return;
    }
    m_context.settings->showPointer = m_showPointer->isChecked();
    Repaint();
}

void TSettingForm::PointerColorBtnClick() {
    if (!m_setUp) {
        return;
    }
    const auto chosen = m_context.askColour(this, m_context.settings->pointerColour);
    if (!chosen) {
        return;
    }
    m_context.settings->pointerColour = *chosen;
    ShowPointerColour();
    Repaint();
}

void TSettingForm::GraphChange(ChartPage page, int mode) {
    if (!m_setUp || mode < 0) {
        return;
    }
    // Only the mode: the second number of the setting stays as it was read.
    m_context.settings->Graph(paint::PageInfo(page).graph).mode = mode;
    if (Showing(page)) {
        Repaint();
    }
}

void TSettingForm::MatchPictChange(int index) {
    if (!m_setUp || index < 0) {
        return;
    }
    m_context.settings->matchingPictureScheme = index;
    m_ok->setFocus(Qt::OtherFocusReason);
}

void TSettingForm::LinesBtnClick() {
    if (m_context.showLines) {
        m_context.showLines(this);
        Repaint();
    }
}

void TSettingForm::ResetBtnClick() {
    AppSettings& s = *m_context.settings;
    const AppSettings defaults;
    s.showDetails = defaults.showDetails;
    s.transparency = defaults.transparency;
    s.showPointer = defaults.showPointer;
    s.pointerColour = defaults.pointerColour;
    s.graph = defaults.graph;
    s.matchingPictureScheme = defaults.matchingPictureScheme;
    // The fields and boxes of the Misc page are taken over only by Ok.
    AppSettings shown = s;
    shown.textSearchUrl = defaults.textSearchUrl;
    shown.imageSearchUrl = defaults.imageSearchUrl;
    shown.showPrompt = true;
    shown.showTips = true;
    ShowOptions(shown);
    ShowReminder(ReminderSettings{});
    Repaint();
}

void TSettingForm::done(int result) {
    AppSettings& s = *m_context.settings;
    if (!m_setUp) {
        // Never opened: there is no snapshot to go back to.
    } else if (result == Accepted) {
        s.textSearchUrl = AddressOf(m_textAddress, kDefaultTextSearchUrl);
        s.imageSearchUrl = AddressOf(m_imagesAddress, kDefaultImageSearchUrl);
        s.showPrompt = m_showPrompt->isChecked();
        s.showTips = m_showTips->isChecked();
        const ReminderSettings chosen = ChosenReminder();
        if (m_context.applyReminder && chosen != m_reminder) {
            if (const std::string error = m_context.applyReminder(chosen); !error.empty()) {
                QMessageBox::warning(
                    this, windowTitle().trimmed(),
                    QStringLiteral("The reminder could not be set up:\n%1").arg(QUtf8(error)));
            }
        }
    } else {
        // The pens are the lines dialog's to keep or put back.
        const ChartAttribTable pens = s.pens;
        s = m_snapshot;
        s.pens = pens;
        Repaint();
    }
    m_setUp = false;
    ProgramDialog::done(result);
}

void AddOptionsKeys(KeyDispatcher& dispatcher, TSettingForm& dialog) {
    dispatcher.AddWindow(&dialog, [] { return help_topic::kOverview; }, {});
}

}  // namespace vitalune::ui
