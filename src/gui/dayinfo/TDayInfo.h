#pragma once
// The day information window: the painted table of one view of the day report on the left, the
// notes (Primary and Compatibility) or a picture on the right, and a row of small buttons for
// the views, the day, the printable report, help and closing. Made once for the run and hidden,
// never destroyed, when closed, so its view, day and last day text live as long as the program.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/dayreport/DayNotes.h"
#include "core/dayreport/DayReportModel.h"
#include "gui/paint/ChartScene.h"
#include "gui/paint/DayInfoPainter.h"
#include "gui/widgets/ProgramDialog.h"

class QAbstractButton;
class QStackedWidget;
class QTextBrowser;
class QToolButton;

namespace vitalune {
class RandomSource;
class SettingsStore;
class Shell;
struct AppSettings;
}  // namespace vitalune

namespace vitalune::ui {

class KeyDispatcher;

inline constexpr const char* kDayInfoCaption = " Vitalune: Day Info";
inline constexpr const char* kCompatibilityCaption = " Vitalune: Compatibility";
inline constexpr const char* kInteractionCaption = " Vitalune: Interaction";

struct DayInfoPerson {
    std::string name;  // UTF-8
    DateTime birth = 0;
    std::string dateText;  // as stored, "DD.MM.YYYY"
    std::string sex;       // "M", "F" or other
};

// What the window reads of the main window, and the desktop services it uses; tests give
// their own.
struct DayInfoContext {
    std::function<std::int32_t()> calculationDate;
    std::function<DayInfoPerson()> personOne;
    std::function<DayInfoPerson()> personTwo;
    std::function<paint::ChartPage()> activePage;
    const AppSettings* settings = nullptr;   // chart pens and the rating pictures' scheme
    std::function<QFont()> pictureFont;      // the table's font
    std::filesystem::path dataFolder;        // where the reports are written
    std::filesystem::path executableFolder;  // where the report pictures are installed
    SettingsStore* store = nullptr;          // the window's place
    Shell* shell = nullptr;                  // opens the reports; none: they are only written
    RandomSource* random = nullptr;          // the day text's variant; none: the system's
    std::function<void(int topic)> showHelp;
    std::function<void(QWidget* parent, const QString& text)> showMessage;
};

class TDayInfo final : public ProgramDialog {
    Q_OBJECT
  public:
    explicit TDayInfo(DayInfoContext context, QWidget* parent = nullptr);
    ~TDayInfo() override;

    // The main window's call: the day of a chart column, shown (or, FocusOrShow, only brought
    // forward when already showing).
    void ShowDay(std::int32_t day, bool onlyFocusWhenShown = false);

    DayInfoMode Mode() const { return m_mode; }
    std::int64_t DayOffset() const { return m_dayOffset; }
    void SetDayOffset(std::int64_t offset);
    DateTime ReportDateShown() const;
    const DayTextChoice& TextChoice() const { return m_choice; }
    const DayNotes& Notes() const { return m_notes; }
    const paint::DayInfoColumns& Columns() const { return m_columns; }
    // The scene the table paints, for pictures of the table outside the window.
    paint::DayInfoScene Scene() const;
    QWidget* Table() const;
    QTextBrowser* NotesBox() const { return m_memo; }
    QAbstractButton* Button(const char* objectName) const;

    // Sets the view from the main window's page, as each activation does.
    void FormActivate();
    // The day info keys; true when used up.
    bool DispatchKey(int key, bool alt);

  public slots:
    void PrimaryBtnClick();
    void SecondaryBtnClick();
    void ExtraBtnClick();
    void IchingBtnClick();
    void CurrentBtnClick();
    void PermanentBtnClick();
    void PreviousBtnClick();
    void NextBtnClick();
    void ImageClick();
    void ReportBtnClick();
    void HelpBtnClick();
    void ExitBtnClick();

  protected:
    bool event(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    class TablePane;
    class SidePicture;

    void BuildControls();
    // `newText`: the user asked for the view, which gives the Primary view a new day text even
    // for the same day.
    void SetMode(DayInfoMode mode, bool newText);
    // Caption, buttons, table and, where the view has notes, the notes box. The notes are
    // composed again only for another view, day or pair, or on request, so that coming back
    // to the window does not change the text under the reader's eyes.
    void Refresh(bool newText = false);
    void ComposeNotes();
    void StepDay(int delta);
    bool PairView() const;

    DayInfoContext m_context;
    std::unique_ptr<RandomSource> m_ownRandom;
    DayInfoMode m_mode = DayInfoMode::Primary;
    std::int64_t m_dayOffset = kCalculationDayOffset;
    DayTextChoice m_choice;
    DayNotes m_notes;
    struct NotesFor {
        DayInfoMode mode;
        DateTime date;
        DateTime birth1;
        DateTime birth2;
        friend bool operator==(const NotesFor&, const NotesFor&) = default;
    };
    std::optional<NotesFor> m_notesFor;  // what the notes box tells about
    paint::DayInfoColumns m_columns;
    WheelNotches m_wheel;

    TablePane* m_table = nullptr;
    SidePicture* m_picture = nullptr;
    QTextBrowser* m_memo = nullptr;
    QStackedWidget* m_right = nullptr;
    std::array<QToolButton*, 6> m_viewButtons{};  // in the order of DayInfoMode's values
    QToolButton* m_previous = nullptr;
    QToolButton* m_next = nullptr;
    QToolButton* m_report = nullptr;
    QToolButton* m_help = nullptr;
    QToolButton* m_exit = nullptr;
};

// Joins the window to the key dispatcher: its help topic and its key block.
void AddDayInfoKeys(KeyDispatcher& dispatcher, TDayInfo& window);

}  // namespace vitalune::ui
