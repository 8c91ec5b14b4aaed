#include "gui/settings/TCColors.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/help/HelpTopics.h"
#include "gui/paint/GdiCanvas.h"
#include "gui/paint/LinesExamplePainter.h"
#include "gui/platform/Utf8Text.h"
#include "gui/widgets/ColourSwatch.h"
#include "gui/widgets/KeyDispatcher.h"

namespace vitalune::ui {

using paint::ChartPage;

namespace {

constexpr const char* kFormName = "CColors";

// The start of each control's name, by slot: PHB, PHST and PHSZ are Physical's button, style
// list and width list.
constexpr std::array<const char*, kRhythmCount> kSlotNames = {
    "PH", "EM",      "INTL",   "INTV",   "WS", "MA", "PA", "AE",    "AW",
    "SP", "BASEOVL", "SECOVL", "ICHOVL", "PE", "PS", "SU", "EXTOVL"};

struct TabInfo {
    ChartPage page;
    const char* caption;
};
constexpr std::array<TabInfo, 4> kTabs = {{{ChartPage::Primary, "Primary charts"},
                                           {ChartPage::Secondary, "Secondary charts"},
                                           {ChartPage::Extra, "Extra charts"},
                                           {ChartPage::IChing, "I-Ching charts"}}};

constexpr std::array<const char*, 5> kStyleEntries = {"Solid", "Dash", "Dot", "DashDot",
                                                      "DashDotDot"};
constexpr int kSampleWidth = 40;
constexpr int kSampleHeight = 12;
constexpr QSize kExampleMinimum{360, 96};

QString L(const char* text) {
    return QString::fromLatin1(text);
}

QString SlotName(RhythmId slot) {
    return QUtf8(RhythmName(slot));
}

// The name with the page for the four overall curves, which share one.
QString LineName(RhythmId slot) {
    for (const TabInfo& tab : kTabs) {
        if (paint::PageInfo(tab.page).overall == slot) {
            return QStringLiteral("%1 (%2)").arg(SlotName(slot), L(tab.caption));
        }
    }
    return SlotName(slot);
}

// A short piece of chart line in the pen's style and width, drawn as the curves are, so the
// lists show what each entry gives.
QImage LineSample(const ChartAttrib& pen, qreal ratio) {
    QImage image(QSize(kSampleWidth, kSampleHeight) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    std::vector<QRect> runs;
    // The runs keep a reference to the grid: it must outlive them.
    const paint::DeviceGrid grid(p);
    paint::CurveRuns line(pen, grid, runs);
    const int device = static_cast<int>(kSampleWidth * ratio);
    const int middle = static_cast<int>(kSampleHeight * ratio / 2);
    for (int x = 0; x < device; ++x) {
        line.Run(x, middle, middle);
    }
    line.Draw(p);
    return image;
}

QIcon LineSampleIcon(const ChartAttrib& pen) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        icon.addPixmap(QPixmap::fromImage(LineSample(pen, ratio)));
    }
    return icon;
}

QComboBox* List(const QString& objectName, const QString& accessible, const QString& hint) {
    auto* box = new QComboBox;
    box->setObjectName(objectName);
    box->setAccessibleName(accessible);
    box->setToolTip(hint);
    box->setIconSize(QSize(kSampleWidth, kSampleHeight));
    return box;
}

QPushButton* Button(const char* objectName, const QString& text, const char* hint) {
    auto* button = new QPushButton(text);
    button->setObjectName(L(objectName));
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')).trimmed());
    button->setToolTip(L(hint));
    button->setAutoDefault(false);
    return button;
}

std::optional<Colour> AskDesktopColour(QWidget* parent, Colour start, const QString& line) {
    const QColor chosen = QColorDialog::getColor(paint::ToQColor(start), parent,
                                                 QStringLiteral(" Colour of %1").arg(line));
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return paint::FromQColor(chosen);
}

void ShowNotesBox(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::information(parent, title, text);
}

}  // namespace

// The example below the tabs, framed: the shown page's curves with the pens as they are now.
class LinesExample final : public QFrame {
  public:
    using SceneOf = std::function<paint::LinesExampleScene(QSize)>;
    explicit LinesExample(SceneOf sceneOf) : m_sceneOf(std::move(sceneOf)) {
        setObjectName(QStringLiteral("Example"));
        setToolTip(QStringLiteral("Charts example"));
        setAccessibleName(QStringLiteral("Charts example"));
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        const int frame = 2 * frameWidth();
        setMinimumSize(kExampleMinimum + QSize(frame, frame));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override { return minimumSize(); }
    paint::LinesExampleScene Scene() const { return m_sceneOf(contentsRect().size()); }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter p(this);
        p.setClipRect(contentsRect());
        p.translate(contentsRect().topLeft());
        paint::PaintLinesExample(p, Scene());
    }

  private:
    SceneOf m_sceneOf;
};

TCColors::TCColors(LinesContext context, QWidget* parent)
    : ProgramDialog(kFormName, nullptr, parent), m_context(std::move(context)) {
    if (!m_context.askColour) {
        m_context.askColour = AskDesktopColour;
    }
    if (!m_context.showNotes) {
        m_context.showNotes = ShowNotesBox;
    }
    setWindowTitle(L(kLinesCaption));
    setModal(true);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("PageControl"));
    m_tabs->setAccessibleName(QStringLiteral("Chart pages"));
    m_tabs->setUsesScrollButtons(false);
    for (const TabInfo& tab : kTabs) {
        m_tabs->addTab(BuildPage(tab.page), L(tab.caption));
    }
    TurnPagesFromAnywhere(m_tabs);
    m_example = new LinesExample([this](QSize size) {
        return paint::MakeLinesExampleScene(Page(), m_pens ? *m_pens : DefaultChartAttribs(), size);
    });
    connect(m_tabs, &QTabWidget::currentChanged, m_example, qOverload<>(&QWidget::update));

    QPushButton* reset =
        Button("ResetBtn", QStringLiteral("&Reset"), "Set all charts into initial values");
    QPushButton* mono = Button("MonoBtn", QStringLiteral("&Monochrome "),
                               "Default settings for black&white printers");
    QPushButton* notes = Button("NotesBtn", QStringLiteral("&Notes"), "Additional info");
    QPushButton* cancel =
        Button("CancelBtn", QStringLiteral("Cancel"), "Cancel changes and close form");
    m_ok = Button("OkBtn", QStringLiteral("&Ok"), "Accept changes and close form");
    // Enter keeps the changes wherever the focus is, except on a list that is open.
    m_ok->setDefault(true);
    connect(reset, &QPushButton::clicked, this, &TCColors::ResetClick);
    connect(mono, &QPushButton::clicked, this, &TCColors::MonochromeClick);
    connect(notes, &QPushButton::clicked, this, &TCColors::NotesClick);
    connect(cancel, &QPushButton::clicked, this, &TCColors::CancelClick);
    connect(m_ok, &QPushButton::clicked, this, &TCColors::OkClick);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset);
    buttons->addWidget(mono);
    buttons->addWidget(notes);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_tabs);
    layout->addWidget(m_example);
    layout->addLayout(buttons);
}

TCColors::~TCColors() = default;

QWidget* TCColors::BuildPage(ChartPage page) {
    auto* widget = new QWidget;
    auto* grid = new QGridLayout(widget);
    grid->setColumnStretch(0, 1);
    const paint::ChartPageInfo& info = paint::PageInfo(page);
    int line = 0;
    for (int k = 0; k < info.slotCount; ++k) {
        BuildRow(info.curves[static_cast<std::size_t>(k)], grid, line++);
    }
    BuildRow(info.overall, grid, line++);
    grid->setRowStretch(line, 1);
    return widget;
}

void TCColors::BuildRow(RhythmId slot, QGridLayout* grid, int line) {
    Row& row = m_rows[static_cast<std::size_t>(slot)];
    const QString prefix = L(kSlotNames[static_cast<std::size_t>(slot)]);
    const QString name = SlotName(slot);
    row.name = new QLabel(name);
    row.name->setObjectName(prefix + QStringLiteral("L"));
    QFont bold = row.name->font();
    bold.setBold(true);
    row.name->setFont(bold);
    row.colour = new QPushButton(QStringLiteral("Color"));
    row.colour->setObjectName(prefix + QStringLiteral("B"));
    row.colour->setAccessibleName(name + QStringLiteral(" colour"));
    row.colour->setToolTip(QStringLiteral("Choose the colour of %1").arg(name));
    row.colour->setAutoDefault(false);
    row.name->setBuddy(row.colour);
    row.style = List(prefix + QStringLiteral("ST"), name + QStringLiteral(" line style"), {});
    for (int style = 0; style < static_cast<int>(kStyleEntries.size()); ++style) {
        row.style->addItem(LineSampleIcon({0, style, 1}),
                           L(kStyleEntries[static_cast<std::size_t>(style)]));
    }
    row.width = List(prefix + QStringLiteral("SZ"), name + QStringLiteral(" line width"),
                     QStringLiteral("Line width of %1 in pixels").arg(name));
    for (int width = 1; width <= 3; ++width) {
        row.width->addItem(LineSampleIcon({0, 0, width}), QString::number(width));
    }
    connect(row.colour, &QPushButton::clicked, this, [this, slot] { ColorClick(slot); });
    connect(row.style, &QComboBox::currentIndexChanged, this,
            [this, slot](int index) { StyleChange(slot, index); });
    connect(row.width, &QComboBox::currentIndexChanged, this,
            [this, slot](int index) { WidthChange(slot, index); });
    grid->addWidget(row.name, line, 0);
    grid->addWidget(row.colour, line, 1);
    grid->addWidget(row.style, line, 2);
    grid->addWidget(row.width, line, 3);
}

bool TCColors::Ask(ChartAttribTable& pens, QWidget* over, std::function<void()> changed) {
    Prepare(pens, std::move(changed));
    KeepAbove(over);
    adjustSize();
    CentreOver(over);
    return exec() == Accepted;
}

void TCColors::Prepare(ChartAttribTable& pens, std::function<void()> changed) {
    m_pens = &pens;
    m_opened = pens;
    m_changed = std::move(changed);
    for (int i = 0; i < kRhythmCount; ++i) {
        ShowRow(static_cast<RhythmId>(i));
    }
    m_example->update();
    m_tabs->tabBar()->setFocus(Qt::OtherFocusReason);
}

ChartPage TCColors::Page() const {
    return kTabs[static_cast<std::size_t>(std::clamp(m_tabs->currentIndex(), 0, 3))].page;
}

void TCColors::SetPage(ChartPage page) {
    for (std::size_t i = 0; i < kTabs.size(); ++i) {
        if (kTabs[i].page == page) {
            m_tabs->setCurrentIndex(static_cast<int>(i));
        }
    }
}

QImage TCColors::ExampleImage() const {
    QImage image(m_example->Scene().size, QImage::Format_RGB32);
    QPainter p(&image);
    paint::PaintLinesExample(p, m_example->Scene());
    return image;
}

void TCColors::ColorClick(RhythmId slot) {
    if (!m_pens) {
        return;
    }
    if (const auto chosen = m_context.askColour(this, Pen(slot).colour, LineName(slot))) {
        Pen(slot).colour = *chosen;
        Changed();
    }
}

void TCColors::StyleChange(RhythmId slot, int index) {
    if (m_showing || !m_pens || index < 0) {
        return;
    }
    Pen(slot).style = index;
    Changed();
}

void TCColors::WidthChange(RhythmId slot, int index) {
    if (m_showing || !m_pens || index < 0) {
        return;
    }
    Pen(slot).width = index + 1;
    Changed();
}

void TCColors::ResetClick() {
    if (m_pens) {
        ResetChartAttribs(*m_pens);
        Changed();
    }
}

void TCColors::MonochromeClick() {
    if (m_pens) {
        ApplyMonochromeChartAttribs(*m_pens);
        Changed();
    }
}

void TCColors::NotesClick() {
    m_context.showNotes(this, L(kChartNotesTitle), L(kChartNotes).trimmed());
}

void TCColors::OkClick() {
    accept();
}

void TCColors::CancelClick() {
    reject();
}

void TCColors::done(int result) {
    // Escape and the window's close button cancel as the Cancel button does.
    if (result != Accepted && m_pens) {
        *m_pens = m_opened;
        Changed();
    }
    m_pens = nullptr;
    m_changed = nullptr;
    QDialog::done(result);
}

void TCColors::Changed() {
    for (int i = 0; i < kRhythmCount; ++i) {
        ShowRow(static_cast<RhythmId>(i));
    }
    m_example->update();
    if (m_changed) {
        m_changed();
    }
}

void TCColors::ShowRow(RhythmId slot) {
    const ChartAttrib& pen = (*m_pens)[static_cast<std::size_t>(slot)];
    const Row& row = m_rows[static_cast<std::size_t>(slot)];
    m_showing = true;
    QPalette palette = row.name->palette();
    palette.setColor(QPalette::WindowText, paint::ToQColor(pen.colour));
    row.name->setPalette(palette);
    row.colour->setIcon(ColourSwatch(paint::ToQColor(pen.colour)));
    row.style->setCurrentIndex(std::clamp(pen.style, 0, 4));
    const QString name = SlotName(slot);
    row.style->setToolTip(pen.width > 1 ? QStringLiteral("Line style of %1: a line wider than 1 "
                                                         "pixel is drawn solid")
                                              .arg(name)
                                        : QStringLiteral("Line style of %1").arg(name));
    row.width->setCurrentIndex(std::clamp(pen.width, 1, 3) - 1);
    m_showing = false;
}

void TCColors::CentreOver(QWidget* over) {
    if (!over) {
        return;
    }
    QRect frame = frameGeometry();
    frame.moveCenter(over->window()->frameGeometry().center());
    move(frame.topLeft());
}

void AddLinesKeys(KeyDispatcher& dispatcher, TCColors& dialog) {
    dispatcher.AddWindow(&dialog, [] { return kDefaultHelpTopic; }, {});
}

}  // namespace vitalune::ui
