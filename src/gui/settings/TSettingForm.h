#pragma once
// The " Options" dialog over the main window's settings. The display options change the chart
// behind it at once (details, bar transparency, pointer, each page's overall display) and the
// matching pictures at once too; the search addresses and the start-up choices are taken over
// by Ok, and so is the reminder, which Ok also installs or removes. Cancel, Escape and the window's
// close button put back every option as the dialog found it, the pens excepted: the lines dialog it
// opens keeps or restores those itself. It writes nothing; the main window keeps the options when
// it closes.

#include <array>
#include <functional>
#include <optional>

#include "core/reports/Reminder.h"
#include "core/settings/AppSettings.h"
#include "gui/paint/ChartScene.h"
#include "gui/widgets/ProgramDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;

namespace vitalune::ui {

class KeyDispatcher;

inline constexpr const char* kOptionsCaption = " Options";

// A choice of whom the reminder watches, as the list shows it ("Group: Family").
struct ReminderChoice {
    std::string label;  // UTF-8
    ReminderSettings watch;
};

struct OptionsContext {
    AppSettings* settings = nullptr;  // the main window's, changed in place
    std::function<paint::ChartPage()> activePage;
    // The bar colours made again from the settings and the page in view repainted.
    std::function<void()> settingsChanged;
    // The lines settings dialog; none: the Lines button stays disabled.
    std::function<void(QWidget* parent)> showLines;
    // The colour dialog, nothing when cancelled; none: the desktop's.
    std::function<std::optional<Colour>(QWidget* parent, Colour current)> askColour;
    SettingsStore* store = nullptr;  // the window's place
    // The reminder as kept, whom it may watch, and what Ok does when the user changed it
    // (keep it, install or remove its schedule): an error text, empty when done. Without
    // applyReminder the reminder's controls are disabled.
    std::function<ReminderSettings()> reminder;
    std::function<std::vector<ReminderChoice>()> reminderChoices;
    std::function<std::string(const ReminderSettings&)> applyReminder;
};

class TSettingForm final : public ProgramDialog {
    Q_OBJECT
  public:
    explicit TSettingForm(OptionsContext context, QWidget* parent = nullptr);

    // Shows the dialog modally over `over` on the settings as they are now.
    void Open(QWidget* over = nullptr);
    // What Open does before the dialog shows: the snapshot, then the controls.
    void FormShow();

  public slots:
    void LShowDetailsClick();
    void TrackBar1Change(int position);
    void LShowPointerClick();
    void PointerColorBtnClick();
    void GraphChange(paint::ChartPage page, int mode);
    void MatchPictChange(int index);
    void LinesBtnClick();
    void ResetBtnClick();
    void RemindClick();

  protected:
    // Ok takes the addresses and start-up choices over; anything else puts the snapshot back.
    void done(int result) override;

  private:
    void BuildControls();
    QWidget* BuildChartsPage();
    QWidget* BuildMiscPage();
    // The controls from the settings, their handlers quiet meanwhile.
    void ShowOptions(const AppSettings& shown);
    void ShowReminder(const ReminderSettings& shown);
    ReminderSettings ChosenReminder() const;
    void ShowTransparency(int position);
    void ShowPointerColour();
    void Repaint();
    bool Showing(paint::ChartPage page) const;

    OptionsContext m_context;
    AppSettings m_snapshot;
    bool m_setUp = false;  // the handlers act only once the controls show the settings

    QTabWidget* m_pages = nullptr;
    QCheckBox* m_showDetails = nullptr;
    QSlider* m_trackBar = nullptr;
    QLabel* m_transparency = nullptr;
    QCheckBox* m_showPointer = nullptr;
    QPushButton* m_pointerColour = nullptr;
    std::array<QComboBox*, paint::kChartPageCount> m_graph{};  // by chart page
    QPushButton* m_lines = nullptr;
    QLineEdit* m_textAddress = nullptr;
    QLineEdit* m_imagesAddress = nullptr;
    QCheckBox* m_showPrompt = nullptr;
    QCheckBox* m_showTips = nullptr;
    QComboBox* m_matchPict = nullptr;
    QCheckBox* m_remind = nullptr;
    QComboBox* m_watch = nullptr;
    ReminderSettings m_reminder;  // as kept when the dialog opened
    std::vector<ReminderChoice> m_watchChoices;
    QPushButton* m_ok = nullptr;
};

// Joins the dialog to the key dispatcher: F1 opens the main window's page, where the options
// are described; the dialog has no keys of its own.
void AddOptionsKeys(KeyDispatcher& dispatcher, TSettingForm& dialog);

}  // namespace vitalune::ui
