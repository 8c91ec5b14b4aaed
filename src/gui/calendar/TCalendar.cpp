#include "gui/calendar/TCalendar.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>
#include <vector>

#include "core/engine/Date.h"
#include "core/engine/DateText.h"
#include "core/help/HelpTopics.h"
#include "core/settings/AppSettings.h"
#include "gui/paint/art/Artwork.h"
#include "gui/platform/Utf8Text.h"
#include "gui/widgets/KeyDispatcher.h"
#include "gui/widgets/PictureDialogs.h"
#include "gui/widgets/WindowPlacement.h"

namespace vitalune::ui {

namespace {

constexpr const char* kFormName = "Calendar";
constexpr QSize kInitialSize{871, 744};
constexpr int kScrollStep = 20;

QString L(const char* text) {
    return QString::fromLatin1(text);
}

// "December 2026".
QString MonthTitle(std::int32_t month) {
    const CivilDate c = DecodeDate(month);
    return QUtf8(std::string(kMonthNames[static_cast<std::size_t>(c.month)])) + QLatin1Char(' ') +
           QString::number(c.year);
}

}  // namespace

// The page at its own size; the frame scrolls it.
class TCalendar::PagePane final : public QWidget {
  public:
    explicit PagePane(TCalendar& owner) : m_owner(owner) {
        setFixedSize(paint::kCalendarPageSize);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setContextMenuPolicy(Qt::DefaultContextMenu);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        paint::PaintCalendar(p, m_owner.Scene());
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        m_owner.m_popup->popup(event->globalPos());
    }

  private:
    TCalendar& m_owner;
};

TCalendar::TCalendar(CalendarContext context, QWidget* parent)
    : ProgramDialog(kFormName, context.store, parent), m_context(std::move(context)) {
    setWindowTitle(L(kCalendarCaption));
    setModal(true);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    m_settings =
        m_context.store ? LoadCalendarSettings(*m_context.store) : DefaultCalendarSettings();
    m_month = FirstOfMonth(m_context.calculationDate ? m_context.calculationDate() : 0);
    BuildControls();
    resize(kInitialSize);
    RestorePlace();
}

TCalendar::~TCalendar() = default;

void TCalendar::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    const auto action = [this](const char* name, const char* caption, auto slot) {
        auto* a = new QAction(L(caption), this);
        a->setObjectName(L(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QAction* print =
        action("PrintCalendar", "&Print calendar (Alt+P)", &TCalendar::PrintCalendarClick);
    QAction* save =
        action("SavePicture1", "&Save as a picture (Alt+S)", &TCalendar::SavePicture1Click);
    QAction* copy = action("Copy1", "Copy to clipboard (Ctrl+C)", &TCalendar::Copy1Click);
    QAction* fonts = action("Fonts1", "&Fonts (Alt+F)", &TCalendar::Fonts1Click);
    QAction* charts = action("Charts1", "Charts", &TCalendar::Charts1Click);
    // Until the lines settings can be shown, the entry says so by being unavailable.
    charts->setEnabled(static_cast<bool>(m_context.showLines));
    const auto toggle = [&action](const char* name, const char* caption, bool on) {
        QAction* a = action(name, caption, &TCalendar::Redraw);
        a->setCheckable(true);
        a->setChecked(on);
        return a;
    };
    m_showName = toggle("ShowName", "Show name", m_settings.showName);
    m_showAge = toggle("ShowAge", "Show age", m_settings.showAge);
    m_showDob = toggle("ShowDOB", "Show DOB", m_settings.showDob);

    m_popup = new QMenu(this);
    m_popup->setObjectName(L("PopupMenu1"));
    m_popup->addActions({print, save, copy});
    m_popup->addSeparator();
    m_options = new QMenu(this);
    m_options->setObjectName(L("OptionsMenu"));
    for (QMenu* menu : {m_popup, m_options}) {
        menu->addActions({fonts, charts, m_showName, m_showAge, m_showDob});
    }
    m_help = new QMenu(this);
    m_help->setObjectName(L("HelpMenu"));
    QAction* make = m_help->addAction(L("Make a calendar"));
    make->setObjectName(L("Makeacalendar1"));
    connect(make, &QAction::triggered, this, [this] {
        if (m_context.showHelp) {
            m_context.showHelp(help_topic::kCalendar);
        }
    });
    QAction* about = m_help->addAction(L("About"));
    about->setObjectName(L("About1"));
    about->setEnabled(static_cast<bool>(m_context.showAbout));
    connect(about, &QAction::triggered, this, [this] { m_context.showAbout(); });

    auto* bar = new QToolBar(L("Calendar"), this);
    bar->setObjectName(L("ToolBar1"));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(24, 24));
    QStyle* s = style();
    const auto button = [&](const char* name, const char* caption, const char* hint,
                            const char* themeIcon, QStyle::StandardPixmap fallback) {
        auto* b = new QToolButton;
        b->setObjectName(L(name));
        b->setText(L(caption));
        b->setToolTip(L(hint));
        b->setAccessibleName(L(caption).remove(QLatin1Char('&')));
        b->setIcon(QIcon::fromTheme(L(themeIcon), s->standardIcon(fallback)));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setMinimumSize(80, 52);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRaise(true);
        bar->addWidget(b);
        return b;
    };
    QToolButton* printButton = button("ToolButton1", "&Print", "Print the calendar (Alt+P)",
                                      "document-print", QStyle::SP_FileDialogContentsView);
    QToolButton* saveButton =
        button("ToolButton2", "&Save", "Save the calendar as a picture (Alt+S)", "document-save",
               QStyle::SP_DialogSaveButton);
    bar->addSeparator();
    QToolButton* previous = button("ToolButton4", "Previous month", "Show previous month (Left)",
                                   "", QStyle::SP_ArrowLeft);
    QToolButton* next =
        button("ToolButton5", "Next month", "Show next month (Right)", "", QStyle::SP_ArrowRight);
    bar->addSeparator();
    m_optionsButton = button("ToolButton7", "&Options", "Options (Alt+O)", "preferences-system",
                             QStyle::SP_FileDialogDetailedView);
    m_helpButton = button("ToolButton8", "&Help", "Help (F1 or Alt+H)", "help-browser",
                          QStyle::SP_DialogHelpButton);
    if (!QIcon::hasThemeIcon(L("help-browser"))) {
        m_helpButton->setIcon(
            art::PictureIcon(art::ImageList::SmallWeather, art::SmallWeatherIndex::Help));
    }
    layout->addWidget(bar);

    m_page = new PagePane(*this);
    m_page->setObjectName(L("Image1"));
    m_page->setAccessibleName(L("Calendar page"));
    m_frame = new QScrollArea;
    m_frame->setObjectName(L("ScrollBox1"));
    m_frame->setWidget(m_page);
    m_frame->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_frame->setBackgroundRole(QPalette::Dark);
    m_frame->verticalScrollBar()->setSingleStep(kScrollStep);
    m_frame->horizontalScrollBar()->setSingleStep(kScrollStep);
    // The wheel scrolls the page, never the month.
    m_frame->viewport()->installEventFilter(this);
    layout->addWidget(m_frame, 1);

    connect(printButton, &QToolButton::clicked, this, &TCalendar::PrintCalendarClick);
    connect(saveButton, &QToolButton::clicked, this, &TCalendar::SavePicture1Click);
    connect(previous, &QToolButton::clicked, this, &TCalendar::PreviousMonthClick);
    connect(next, &QToolButton::clicked, this, &TCalendar::NextMonthClick);
    connect(m_optionsButton, &QToolButton::clicked, this, &TCalendar::ShowOptionsMenu);
    connect(m_helpButton, &QToolButton::clicked, this, &TCalendar::ShowHelpMenu);
}

QWidget* TCalendar::Page() const {
    return m_page;
}

QAction* TCalendar::Action(const char* objectName) const {
    return findChild<QAction*>(L(objectName));
}

void TCalendar::Open(QWidget* over) {
    KeepAbove(over);
    FormShow();
    exec();
}

void TCalendar::FormShow() {
    // The month follows the main window each time the calendar is opened; its own dialogs
    // (fonts, save, print) leave the month the user stepped to.
    SetMonth(m_context.calculationDate ? m_context.calculationDate() : m_month);
    m_frame->verticalScrollBar()->setValue(0);
}

void TCalendar::SetMonth(std::int32_t anyDayOfMonth) {
    m_month = FirstOfMonth(ClampDay(anyDayOfMonth));
    Redraw();
}

paint::CalendarScene TCalendar::Scene() const {
    CalendarSettings shown = m_settings;
    shown.showName = m_showName->isChecked();
    shown.showAge = m_showAge->isChecked();
    shown.showDob = m_showDob->isChecked();
    const AppSettings settings = m_context.settings ? *m_context.settings : AppSettings{};
    const QFont pictureFont = m_context.pictureFont ? m_context.pictureFont() : font();
    const QFont fallback = m_context.programFont ? m_context.programFont() : font();
    const CalendarPerson person = m_context.person ? m_context.person() : CalendarPerson{};
    return MakeCalendarScene(m_month, person, shown, settings, pictureFont, fallback);
}

void TCalendar::Redraw() {
    m_settings.showName = m_showName->isChecked();
    m_settings.showAge = m_showAge->isChecked();
    m_settings.showDob = m_showDob->isChecked();
    m_page->update();
}

void TCalendar::PreviousMonthClick() {
    SetMonth(AddMonths(m_month, -1));
}

void TCalendar::NextMonthClick() {
    SetMonth(AddMonths(m_month, +1));
}

void TCalendar::Message(const QString& text) {
    if (m_context.showMessage) {
        m_context.showMessage(this, text);
    }
}

void TCalendar::PrintCalendarClick() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    const bool accepted =
        m_context.askPrinter ? m_context.askPrinter(this, printer) : AskPrinter(this, printer);
    if (!accepted) {
        return;
    }
    if (!PrintPicture(CalendarPicture(Scene()), printer, PortraitPrintTarget)) {
        Message(L(kPrinterError));
    }
}

void TCalendar::SavePicture1Click() {
    const QString folder = QString::fromStdString(m_context.programFolder.string());
    const QString filters = PictureFileFilters() + QStringLiteral(";;") + L(kSeveralMonthsFilter);
    QString filter = m_pictureFilter;
    const std::optional<QString> chosen =
        m_context.askPictureFile ? m_context.askPictureFile(this, folder, filters, &filter)
                                 : AskPictureFile(this, folder, filters, &filter);
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    m_pictureFilter = filter;
    if (filter == L(kSeveralMonthsFilter)) {
        SaveSeveralMonths(*chosen);
        return;
    }
    // A name with a suffix of its own decides; anything else is written as the chosen type.
    const PictureFormat format =
        FormatForPath(*chosen).value_or(FormatForFilter(filter).value_or(PictureFormat::Bmp));
    if (QString why; !WritePicture(CalendarPicture(Scene()), *chosen, format, &why)) {
        Message(SaveImageErrorText(*chosen, why));
    }
}

void TCalendar::SaveSeveralMonths(const QString& path) {
    std::optional<int> months;
    if (m_context.askMonths) {
        months = m_context.askMonths(this, MonthTitle(m_month));
    } else {
        bool ok = false;
        const int n = QInputDialog::getInt(
            this, L("PDF, several months"),
            L("How many months, starting with ") + MonthTitle(m_month) + L("?"), 12, 1, 120, 1,
            &ok);
        if (ok) {
            months = n;
        }
    }
    if (!months || *months < 1) {
        return;
    }
    std::vector<Picture> pages;
    paint::CalendarScene scene = Scene();
    for (int i = 0; i < *months; ++i) {
        scene.month = AddMonths(m_month, i);
        pages.push_back(CalendarPicture(scene));
    }
    if (QString why; !WritePdfPages(pages, path, &why)) {
        Message(SaveImageErrorText(path, why));
    }
}

void TCalendar::Copy1Click() {
    QClipboard* clipboard = QApplication::clipboard();
    if (!clipboard || !CopyPicture(CalendarPicture(Scene()), *clipboard)) {
        Message(L(kCopyImageError));
    }
}

void TCalendar::Fonts1Click() {
    if (m_context.editFonts) {
        m_context.editFonts(this, m_settings, [this] { Redraw(); });
    }
    Redraw();
}

void TCalendar::Charts1Click() {
    if (m_context.showLines) {
        m_context.showLines();
    }
    Redraw();
}

void TCalendar::ShowOptionsMenu() {
    m_options->popup(m_optionsButton->mapToGlobal(QPoint(0, m_optionsButton->height())));
}

void TCalendar::ShowHelpMenu() {
    m_help->popup(m_helpButton->mapToGlobal(QPoint(0, m_helpButton->height())));
}

void TCalendar::ScrollBy(int steps) {
    QScrollBar* bar = m_frame->verticalScrollBar();
    bar->setValue(std::clamp(bar->value() + steps * bar->singleStep(), 0, bar->maximum()));
}

bool TCalendar::DispatchKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    switch (key) {
        case Qt::Key_Left:
            PreviousMonthClick();
            break;
        case Qt::Key_Right:
            NextMonthClick();
            break;
        // The page is read with the keyboard too: every key is the calendar's.
        case Qt::Key_Up:
            ScrollBy(-1);
            break;
        case Qt::Key_Down:
            ScrollBy(+1);
            break;
        case Qt::Key_PageUp:
            ScrollBy(-m_frame->viewport()->height() / kScrollStep);
            break;
        case Qt::Key_PageDown:
            ScrollBy(m_frame->viewport()->height() / kScrollStep);
            break;
        case Qt::Key_P:
            if (alt) {
                PrintCalendarClick();
            }
            break;
        case Qt::Key_S:
            if (alt) {
                SavePicture1Click();
            }
            break;
        case Qt::Key_O:
            if (alt) {
                ShowOptionsMenu();
            }
            break;
        case Qt::Key_H:
            if (alt) {
                ShowHelpMenu();
            }
            break;
        case Qt::Key_F:
            if (alt) {
                Fonts1Click();
            }
            break;
        case Qt::Key_C:
        case Qt::Key_Insert:
            if (ctrl) {
                Copy1Click();
            }
            break;
        default:
            break;
    }
    return true;
}

bool TCalendar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_frame->viewport() && event->type() == QEvent::Wheel) {
        ScrollBy(-2 * m_wheel.Take(static_cast<QWheelEvent*>(event)->angleDelta().y()));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TCalendar::hideEvent(QHideEvent* event) {
    if (m_context.store) {
        if (!SaveCalendarSettings(*m_context.store, m_settings)) {
            Message(L(kCalendarSettingsError));
        }
    }
    ProgramDialog::hideEvent(event);
}

void AddCalendarKeys(KeyDispatcher& dispatcher, TCalendar& window) {
    dispatcher.AddWindow(
        &window, [] { return help_topic::kCalendar; },
        [&window](const KeyStroke& stroke) {
            return window.DispatchKey(stroke.key, stroke.modifiers);
        });
}

}  // namespace vitalune::ui
