#include "gui/dayinfo/TDayInfo.h"

#include <QApplication>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>

#include "core/engine/Clock.h"
#include "core/help/HelpTopics.h"
#include "core/reports/DayInfoReport.h"
#include "core/reports/PersonalReport.h"
#include "core/reports/ReportPictureFiles.h"
#include "core/settings/AppSettings.h"
#include "gui/paint/art/Artwork.h"
#include "gui/platform/Shell.h"
#include "gui/platform/Utf8Text.h"
#include "gui/widgets/KeyDispatcher.h"
#include "gui/widgets/WindowPlacement.h"

namespace vitalune::ui {

namespace {

constexpr const char* kFormName = "DayInfo";

QString L(const char* text) {
    return QString::fromLatin1(text);
}

std::size_t Slot(DayInfoMode mode) {
    return static_cast<std::size_t>(mode) - 1;
}

// The notes as rich text: headings bold, line feeds kept as line breaks.
QString NotesHtml(const DayNotes& notes) {
    QString html;
    for (const NoteParagraph& paragraph : notes) {
        QString text = QUtf8(paragraph.text).toHtmlEscaped();
        text.replace(QLatin1Char('\n'), QLatin1String("<br>"));
        if (paragraph.kind == NoteParagraph::Kind::Heading) {
            html += QLatin1String("<p style=\"margin-top:6px; margin-bottom:2px\"><b>") + text +
                    QLatin1String("</b></p>");
        } else {
            html += QLatin1String("<p style=\"margin-top:0px\">") + text + QLatin1String("</p>");
        }
    }
    return html;
}

paint::DayInfoPictureDrawer ArtworkDrawer() {
    return [](QPainter& p, QPoint at, paint::DayInfoPicture kind, int index) {
        art::DrawPicture(p, at,
                         kind == paint::DayInfoPicture::CompatPict ? art::ImageList::CompatPict
                                                                   : art::ImageList::SmallWeather,
                         index);
    };
}

}  // namespace

// The painted table; a click cycles the view.
class TDayInfo::TablePane final : public QWidget {
  public:
    explicit TablePane(TDayInfo& owner) : QWidget(&owner), m_owner(owner) {
        setFixedSize(paint::kDayInfoTableSize);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        m_owner.m_columns = paint::PaintDayInfo(p, m_owner.Scene());
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            m_owner.ImageClick();
        }
    }
    // Taken here as well as in the window: a wheel event made by a program does not travel up.
    void wheelEvent(QWheelEvent* event) override { m_owner.wheelEvent(event); }

  private:
    TDayInfo& m_owner;
};

// The picture beside the table in the views without notes; a click cycles the view.
class TDayInfo::SidePicture final : public QWidget {
  public:
    explicit SidePicture(TDayInfo& owner) : QWidget(&owner), m_owner(owner) {
        setMinimumSize(paint::kDayInfoTableSize);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        const DayInfoMode mode = m_owner.Mode();
        const art::DayInfoSide side = mode == DayInfoMode::Secondary ? art::DayInfoSide::Secondary
                                      : mode == DayInfoMode::IChing  ? art::DayInfoSide::IChing
                                      : mode == DayInfoMode::Extra   ? art::DayInfoSide::Extra
                                                                   : art::DayInfoSide::Interaction;
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), art::DayInfoSidePicture(side, devicePixelRatioF()));
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            m_owner.ImageClick();
        }
    }

  private:
    TDayInfo& m_owner;
};

TDayInfo::TDayInfo(DayInfoContext context, QWidget* parent)
    : ProgramDialog(kFormName, context.store, parent), m_context(std::move(context)) {
    setWindowTitle(L(kDayInfoCaption));
    setModal(false);
    // The main window decides when the program ends; it closes this one with it.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    if (!m_context.random) {
        m_ownRandom = std::make_unique<SystemRandom>();
        m_context.random = m_ownRandom.get();
    }
    BuildControls();
    RestorePlace();
}

TDayInfo::~TDayInfo() = default;

void TDayInfo::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(4);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* top = new QHBoxLayout;
    top->setSpacing(0);
    m_table = new TablePane(*this);
    m_table->setObjectName(L("Image4"));
    m_table->setAccessibleName(L("Day values"));
    m_table->setToolTip(L("Click to see the next view"));
    m_memo = new QTextBrowser;
    m_memo->setObjectName(L("Memo"));
    m_memo->setAccessibleName(L("Notes on the day"));
    m_memo->setFrameShape(QFrame::NoFrame);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setOpenLinks(false);
    // Selectable for copying, but without a caret: the notes are read, not edited.
    m_memo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette white = m_memo->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    m_memo->setPalette(white);
    QFont notesFont = font();
    notesFont.setPointSizeF(notesFont.pointSizeF() * 1.1);
    m_memo->document()->setDefaultFont(notesFont);
    m_memo->document()->setDocumentMargin(6);
    m_memo->setFixedWidth(paint::kDayInfoTableSize.width());
    m_memo->setMinimumHeight(paint::kDayInfoTableSize.height());
    m_picture = new SidePicture(*this);
    m_picture->setObjectName(L("Image2"));
    m_picture->setToolTip(L("Click to see the next view"));
    m_right = new QStackedWidget;
    m_right->addWidget(m_memo);
    m_right->addWidget(m_picture);
    m_right->setFixedSize(paint::kDayInfoTableSize);
    top->addWidget(m_table, 0, Qt::AlignTop);
    top->addWidget(m_right);
    layout->addLayout(top);

    const auto button = [this](const char* name, const char* hint, const QIcon& icon) {
        auto* b = new QToolButton(this);
        b->setObjectName(L(name));
        b->setToolTip(L(hint));
        QString accessible = L(hint);
        accessible.truncate(accessible.indexOf(QLatin1String(" (")));
        b->setAccessibleName(accessible);
        b->setIcon(icon);
        b->setIconSize(QSize(16, 16));
        b->setAutoRaise(true);
        return b;
    };
    using art::ImageList;
    const auto picture = [](ImageList list, int index) { return art::PictureIcon(list, index); };
    struct ViewButton {
        const char* name;
        const char* hint;
        QIcon icon;
        DayInfoMode mode;
        void (TDayInfo::*click)();
    };
    const ViewButton views[] = {
        {"PrimaryBtn", "Primary rhythms info (Alt + 1)",
         picture(ImageList::TabPictures, art::TabPictureIndex::Primary), DayInfoMode::Primary,
         &TDayInfo::PrimaryBtnClick},
        {"SecondaryBtn", "Secondary rhythms info (Alt + 2)",
         picture(ImageList::TabPictures, art::TabPictureIndex::Secondary), DayInfoMode::Secondary,
         &TDayInfo::SecondaryBtnClick},
        {"ExtraBtn", "Extra rhythms info (Alt + 3)",
         picture(ImageList::TabPictures, art::TabPictureIndex::Extra), DayInfoMode::Extra,
         &TDayInfo::ExtraBtnClick},
        {"IchingBtn", "I-Ching rhythms info (Alt + 4)",
         picture(ImageList::TabPictures, art::TabPictureIndex::IChing), DayInfoMode::IChing,
         &TDayInfo::IchingBtnClick},
        {"CurrentBtn", "Interaction info (Alt + 5)",
         picture(ImageList::SmallWeather, art::SmallWeatherIndex::SunCloud),
         DayInfoMode::Interaction, &TDayInfo::CurrentBtnClick},
        {"PermanentBtn", "Compatibility info (Alt + 6)",
         picture(ImageList::TabPictures, art::TabPictureIndex::Compatibility),
         DayInfoMode::Compatibility, &TDayInfo::PermanentBtnClick},
    };
    auto* row = new QHBoxLayout;
    row->setContentsMargins(28, 0, 4, 0);
    row->setSpacing(2);
    auto* exclusive = new QButtonGroup(this);
    for (const ViewButton& v : views) {
        QToolButton* b = button(v.name, v.hint, v.icon);
        b->setCheckable(true);
        exclusive->addButton(b);
        m_viewButtons[Slot(v.mode)] = b;
        connect(b, &QToolButton::clicked, this, v.click);
        row->addWidget(b);
    }
    row->addStretch(1);
    QStyle* s = style();
    m_previous =
        button("PreviousBtn", "Previous day (Left)", s->standardIcon(QStyle::SP_ArrowLeft));
    m_next = button("NextBtn", "Next day (Right)", s->standardIcon(QStyle::SP_ArrowRight));
    m_report = button("ReportBtn", "Printable report (Alt+P)",
                      QIcon::fromTheme(L("document-print-preview"),
                                       s->standardIcon(QStyle::SP_FileDialogContentsView)));
    m_help = button("HelpBtn", "Help (F1)",
                    picture(ImageList::SmallWeather, art::SmallWeatherIndex::Help));
    m_exit =
        button("ExitBtn", "Close Day Info (ESC)",
               QIcon::fromTheme(L("window-close"), s->standardIcon(QStyle::SP_DialogCloseButton)));
    // The day and report buttons keep their places when a view hides some of them.
    for (QToolButton* b : {m_previous, m_next, m_report}) {
        QSizePolicy policy = b->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        b->setSizePolicy(policy);
    }
    row->addWidget(m_previous);
    row->addWidget(m_next);
    row->addSpacing(8);
    row->addWidget(m_report);
    row->addWidget(m_help);
    row->addWidget(m_exit);
    layout->addLayout(row);

    connect(m_previous, &QToolButton::clicked, this, &TDayInfo::PreviousBtnClick);
    connect(m_next, &QToolButton::clicked, this, &TDayInfo::NextBtnClick);
    connect(m_report, &QToolButton::clicked, this, &TDayInfo::ReportBtnClick);
    connect(m_help, &QToolButton::clicked, this, &TDayInfo::HelpBtnClick);
    connect(m_exit, &QToolButton::clicked, this, &TDayInfo::ExitBtnClick);
}

QWidget* TDayInfo::Table() const {
    return m_table;
}

QAbstractButton* TDayInfo::Button(const char* objectName) const {
    return findChild<QAbstractButton*>(L(objectName));
}

void TDayInfo::ShowDay(std::int32_t day, bool onlyFocusWhenShown) {
    if (onlyFocusWhenShown && isVisible()) {
        raise();
        activateWindow();
        return;
    }
    const std::int32_t calculation = m_context.calculationDate ? m_context.calculationDate() : day;
    // Day and view are set together: the notes are composed once, for the day and view shown.
    m_dayOffset = static_cast<std::int64_t>(day) - calculation + kCalculationDayOffset;
    FormActivate();
    if (isVisible()) {
        raise();
    } else {
        if (parentWidget() == nullptr) {
            KeepAbove(QApplication::activeWindow());
        }
        show();
    }
    activateWindow();
}

void TDayInfo::SetDayOffset(std::int64_t offset) {
    m_dayOffset = offset;
    Refresh();
}

DateTime TDayInfo::ReportDateShown() const {
    const std::int32_t calculation = m_context.calculationDate ? m_context.calculationDate() : 0;
    return ReportDate(calculation, m_dayOffset);
}

bool TDayInfo::PairView() const {
    return m_mode == DayInfoMode::Compatibility || m_mode == DayInfoMode::Interaction;
}

paint::DayInfoScene TDayInfo::Scene() const {
    paint::DayInfoScene scene;
    const DayInfoPerson one = m_context.personOne ? m_context.personOne() : DayInfoPerson{};
    const DayInfoPerson two = m_context.personTwo ? m_context.personTwo() : DayInfoPerson{};
    scene.view =
        ViewValues(m_mode, {one.name, one.birth}, {two.name, two.birth}, ReportDateShown());
    const QFont base = m_context.pictureFont ? m_context.pictureFont() : font();
    scene.regular = base;
    scene.bold = base;
    scene.bold.setBold(true);
    if (m_context.settings) {
        scene.pens = m_context.settings->pens;
        scene.scheme = static_cast<PictureScheme>(m_context.settings->matchingPictureScheme);
    }
    scene.drawPicture = ArtworkDrawer();
    return scene;
}

void TDayInfo::SetMode(DayInfoMode mode, bool newText) {
    m_mode = mode;
    m_viewButtons[Slot(mode)]->setChecked(true);
    Refresh(newText);
}

void TDayInfo::Refresh(bool newText) {
    const bool pair = PairView();
    const bool notes = m_mode == DayInfoMode::Primary || m_mode == DayInfoMode::Compatibility;
    setWindowTitle(L(m_mode == DayInfoMode::Compatibility ? kCompatibilityCaption
                     : m_mode == DayInfoMode::Interaction ? kInteractionCaption
                                                          : kDayInfoCaption));
    for (std::size_t i = 0; i < m_viewButtons.size(); ++i) {
        const auto mode = static_cast<DayInfoMode>(i + 1);
        const bool pairButton =
            mode == DayInfoMode::Compatibility || mode == DayInfoMode::Interaction;
        m_viewButtons[i]->setVisible(pairButton == pair);
    }
    m_viewButtons[Slot(m_mode)]->setChecked(true);
    m_previous->setVisible(m_mode != DayInfoMode::Compatibility);
    m_next->setVisible(m_mode != DayInfoMode::Compatibility);
    m_report->setVisible(m_mode != DayInfoMode::Interaction);
    m_right->setCurrentWidget(notes ? static_cast<QWidget*>(m_memo) : m_picture);
    if (notes) {
        const DayInfoPerson one = m_context.personOne ? m_context.personOne() : DayInfoPerson{};
        const DayInfoPerson two = m_context.personTwo ? m_context.personTwo() : DayInfoPerson{};
        const NotesFor now{m_mode, ReportDateShown(), one.birth, two.birth};
        if (newText || m_notesFor != now) {
            m_notesFor = now;
            ComposeNotes();
        }
    }
    m_table->update();
    m_picture->update();
}

void TDayInfo::ComposeNotes() {
    const DayInfoPerson one = m_context.personOne ? m_context.personOne() : DayInfoPerson{};
    if (m_mode == DayInfoMode::Compatibility) {
        const DayInfoPerson two = m_context.personTwo ? m_context.personTwo() : DayInfoPerson{};
        m_notes = ComposeCompatibilityNotes(ComputeCompatibility(one.birth, two.birth));
    } else {
        const DateTime date = ReportDateShown();
        DayRhythms day;
        ComputeDayRhythms(one.birth, date, day, true);
        m_notes = ComposeDayNotes(day, m_choice, *m_context.random);
    }
    m_memo->setHtml(NotesHtml(m_notes));
    m_memo->verticalScrollBar()->setValue(0);
    if (isVisible()) {
        m_exit->setFocus(Qt::OtherFocusReason);
    }
}

void TDayInfo::FormActivate() {
    if (m_context.activePage) {
        switch (m_context.activePage()) {
            case paint::ChartPage::Primary:
                m_mode = DayInfoMode::Primary;
                break;
            case paint::ChartPage::Secondary:
                m_mode = DayInfoMode::Secondary;
                break;
            case paint::ChartPage::IChing:
                m_mode = DayInfoMode::IChing;
                break;
            case paint::ChartPage::Compatibility:
                m_mode = DayInfoMode::Interaction;
                break;
            case paint::ChartPage::Extra:
                m_mode = DayInfoMode::Extra;
                break;
        }
    }
    Refresh();
}

void TDayInfo::PrimaryBtnClick() {
    SetMode(DayInfoMode::Primary, true);
}
void TDayInfo::SecondaryBtnClick() {
    SetMode(DayInfoMode::Secondary, true);
}
void TDayInfo::ExtraBtnClick() {
    SetMode(DayInfoMode::Extra, true);
}
void TDayInfo::IchingBtnClick() {
    SetMode(DayInfoMode::IChing, true);
}
void TDayInfo::CurrentBtnClick() {
    SetMode(DayInfoMode::Interaction, true);
}
void TDayInfo::PermanentBtnClick() {
    SetMode(DayInfoMode::Compatibility, true);
}

void TDayInfo::StepDay(int delta) {
    SetDayOffset(m_dayOffset + delta);
}

void TDayInfo::PreviousBtnClick() {
    StepDay(-1);
}

void TDayInfo::NextBtnClick() {
    StepDay(+1);
}

void TDayInfo::ImageClick() {
    switch (m_mode) {
        case DayInfoMode::Primary:
            return SetMode(DayInfoMode::Secondary, true);
        case DayInfoMode::Secondary:
            return SetMode(DayInfoMode::Extra, true);
        case DayInfoMode::Extra:
            return SetMode(DayInfoMode::IChing, true);
        case DayInfoMode::IChing:
            return SetMode(DayInfoMode::Primary, true);
        case DayInfoMode::Compatibility:
            return SetMode(DayInfoMode::Interaction, true);
        case DayInfoMode::Interaction:
            return SetMode(DayInfoMode::Compatibility, true);
    }
}

void TDayInfo::ReportBtnClick() {
    if (m_mode == DayInfoMode::Interaction) {
        return;
    }
    const DayInfoPerson one = m_context.personOne ? m_context.personOne() : DayInfoPerson{};
    const std::filesystem::path& folder = m_context.dataFolder;
    // Missing pictures do not stop the report; the browser shows its placeholder for them.
    CopyMissingReportPictures(folder, m_context.executableFolder);
    const ChartAttribTable pens =
        m_context.settings ? m_context.settings->pens : DefaultChartAttribs();
    ReportResult written;
    if (m_mode == DayInfoMode::Compatibility) {
        const DayInfoPerson two = m_context.personTwo ? m_context.personTwo() : DayInfoPerson{};
        PersonalReportInput input;
        input.dataFolder = folder;
        input.firstName = one.name;
        input.firstDateOfBirthText = one.dateText;
        // Person two is a person of the database whatever its sex field holds.
        input.second = {two.name, two.dateText, two.sex == "F" ? "F" : "M",
                        ComputeCompatibility(one.birth, two.birth)};
        input.pens = pens;
        if (m_context.settings) {
            input.scheme = static_cast<PictureScheme>(m_context.settings->matchingPictureScheme);
        }
        written = WritePersonalReport(input, folder / kPersonalReportFileName);
    } else {
        DayReportInput input;
        input.dataFolder = folder;
        input.person = {one.name, one.birth};
        input.reportDate = ReportDateShown();
        input.choice = m_choice;
        input.pens = pens;
        written = WriteDayReport(input, folder / kDayReportFileName);
    }
    if (const auto failed = OpenWrittenReport(m_context.shell, written);
        failed && m_context.showMessage) {
        m_context.showMessage(this, *failed);
    }
}

void TDayInfo::HelpBtnClick() {
    if (m_context.showHelp) {
        m_context.showHelp(PairView() ? help_topic::kCompatibility : help_topic::kDayInfo);
    }
}

void TDayInfo::ExitBtnClick() {
    close();
}

bool TDayInfo::DispatchKey(int key, bool alt) {
    const auto press = [](QAbstractButton* b) {
        if (b->isVisible()) {
            b->click();
        }
        return true;
    };
    switch (key) {
        case Qt::Key_Left:
            return press(m_previous);
        case Qt::Key_Right:
            return press(m_next);
        case Qt::Key_1:
            return press(m_viewButtons[Slot(DayInfoMode::Primary)]);
        case Qt::Key_2:
            return press(m_viewButtons[Slot(DayInfoMode::Secondary)]);
        case Qt::Key_3:
            return press(m_viewButtons[Slot(DayInfoMode::Extra)]);
        case Qt::Key_4:
            return press(m_viewButtons[Slot(DayInfoMode::IChing)]);
        case Qt::Key_5:
            return press(m_viewButtons[Slot(DayInfoMode::Interaction)]);
        case Qt::Key_6:
            return press(m_viewButtons[Slot(DayInfoMode::Compatibility)]);
        case Qt::Key_P:
            return alt && press(m_report);
        default:
            return false;
    }
}

bool TDayInfo::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QDialog::event(event);
}

void TDayInfo::wheelEvent(QWheelEvent* event) {
    // Over the table's half only: the notes scroll with the wheel and must not move the day.
    const int x = mapFromGlobal(event->globalPosition().toPoint()).x();
    const bool leftHalf = x >= 0 && x < m_table->geometry().right() + 1;
    if (!isActiveWindow() || m_mode == DayInfoMode::Compatibility || !leftHalf) {
        event->ignore();
        return;
    }
    if (const int notches = m_wheel.Take(event->angleDelta().y())) {
        StepDay(notches);
    }
    event->accept();
}

void AddDayInfoKeys(KeyDispatcher& dispatcher, TDayInfo& window) {
    dispatcher.AddWindow(
        &window,
        [&window] {
            return window.Mode() == DayInfoMode::Compatibility ||
                           window.Mode() == DayInfoMode::Interaction
                       ? help_topic::kCompatibility
                       : help_topic::kDayInfo;
        },
        [&window](const KeyStroke& stroke) {
            return window.DispatchKey(stroke.key, stroke.Alt());
        });
}

}  // namespace vitalune::ui
