#pragma once
// The month calendar window: the printable page of one month for person one in a scrolling
// frame, a tool bar and menus to step months, print, save and copy the page, switch the name,
// age and date of birth texts and choose the page's fonts. Fonts and switches are kept under
// the settings subkey "CalendSet" when the window closes.

#include <QFont>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/settings/CalendarSettings.h"
#include "gui/calendar/CalendarPage.h"
#include "gui/widgets/ProgramDialog.h"

class QAction;
class QMenu;
class QPrinter;
class QScrollArea;
class QToolButton;

namespace vitalune {
class SettingsStore;
struct AppSettings;
}  // namespace vitalune

namespace vitalune::ui {

class KeyDispatcher;

inline constexpr const char* kCalendarCaption = " Vitalune: Calendar";
// The save dialog's extra type: the shown month and those after it, one PDF page each.
inline constexpr const char* kCalendarSettingsError =
    "The calendar's fonts and switches could not be kept: the settings file cannot be written.";
inline constexpr const char* kSeveralMonthsFilter = "PDF, several months (*.pdf)";

struct CalendarContext {
    std::function<std::int32_t()> calculationDate;
    std::function<CalendarPerson()> person;  // person one
    const AppSettings* settings = nullptr;   // pens, bar transparency, the Primary graph mode
    std::function<QFont()> pictureFont;
    std::function<QFont()> programFont;   // for calendar fonts that could not be read
    SettingsStore* store = nullptr;       // place, size, fonts and switches
    std::filesystem::path programFolder;  // where the save dialog starts
    std::function<void(int topic)> showHelp;
    std::function<void()> showAbout;  // none: the entry is disabled
    std::function<void()> showLines;  // the lines settings ("Charts"); none: disabled
    // The fonts dialog over the live settings; it calls `redraw` after each change.
    std::function<void(QWidget* parent, CalendarSettings& settings,
                       const std::function<void()>& redraw)>
        editFonts;
    std::function<void(QWidget* parent, const QString& text)> showMessage;
    // Dialogs tests answer; none: the desktop's.
    std::function<std::optional<QString>(QWidget* parent, const QString& folder,
                                         const QString& filters, QString* selectedFilter)>
        askPictureFile;
    std::function<bool(QWidget* parent, QPrinter& printer)> askPrinter;
    std::function<std::optional<int>(QWidget* parent, const QString& firstMonth)> askMonths;
};

class TCalendar final : public ProgramDialog {
    Q_OBJECT
  public:
    explicit TCalendar(CalendarContext context, QWidget* parent = nullptr);
    ~TCalendar() override;

    // Shows the month of the main window's calculation date, modally over `over`.
    void Open(QWidget* over = nullptr);
    // What Open does before the window shows.
    void FormShow();

    std::int32_t Month() const { return m_month; }
    void SetMonth(std::int32_t anyDayOfMonth);
    const CalendarSettings& Settings() const { return m_settings; }
    paint::CalendarScene Scene() const;
    QWidget* Page() const;
    QScrollArea* Frame() const { return m_frame; }
    QMenu* PopupMenu() const { return m_popup; }
    QAction* Action(const char* objectName) const;

    // The calendar keys; true when used up (every key while the calendar is active).
    bool DispatchKey(int key, Qt::KeyboardModifiers modifiers);

  public slots:
    void PrintCalendarClick();
    void SavePicture1Click();
    void Copy1Click();
    void PreviousMonthClick();
    void NextMonthClick();
    void Fonts1Click();
    void Charts1Click();
    void ShowOptionsMenu();
    void ShowHelpMenu();
    void Redraw();

  protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class PagePane;

    void BuildControls();
    void Message(const QString& text);
    void ScrollBy(int steps);
    void SaveSeveralMonths(const QString& path);

    CalendarContext m_context;
    CalendarSettings m_settings;
    std::int32_t m_month = 0;
    QString m_pictureFilter;
    WheelNotches m_wheel;

    PagePane* m_page = nullptr;
    QScrollArea* m_frame = nullptr;
    QMenu* m_popup = nullptr;
    QMenu* m_options = nullptr;
    QMenu* m_help = nullptr;
    QToolButton* m_optionsButton = nullptr;
    QToolButton* m_helpButton = nullptr;
    QAction* m_showName = nullptr;
    QAction* m_showAge = nullptr;
    QAction* m_showDob = nullptr;
};

// Joins the window to the key dispatcher: its help topic and its key block.
void AddCalendarKeys(KeyDispatcher& dispatcher, TCalendar& window);

}  // namespace vitalune::ui
