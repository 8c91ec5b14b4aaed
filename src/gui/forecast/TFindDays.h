#pragma once
// The personal forecast window: four pages of criteria (sunny, rainy and critical days,
// stresses), how far to look and from which day, and the search for person one written as the
// report forecast.htm opened in the browser, as an iCalendar file handed to the calendar
// application, or as a CSV table. The options are kept under "ForthToTheFuture" when the window
// closes; OR/AND, months/results and the start date always start afresh.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/forecast/ForecastSettings.h"
#include "gui/widgets/ProgramDialog.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace vitalune {
class Clock;
class Shell;
struct ForecastReportInput;
struct GroupForecastMember;
struct GroupForecastReportInput;
struct ReportResult;
}  // namespace vitalune

namespace vitalune::ui {

class KeyDispatcher;
class THintForm;

inline constexpr const char* kForecastCaption = " Personal Forecast";
inline constexpr const char* kForecastSettingsError =
    "The forecast options could not be kept: the settings file cannot be written.";

struct ForecastPerson {
    std::string name;  // UTF-8; empty when the database has nobody to choose
    DateTime birth = 0;
};

struct ForecastContext {
    std::function<std::int32_t()> calculationDate;
    std::function<ForecastPerson()> person;  // person one
    // The database's groups, for a forecast of a whole group; none: person one only.
    std::function<std::vector<std::string>()> groupNames;
    std::function<std::vector<GroupForecastMember>(std::size_t group)> groupMembers;
    const Clock* clock = nullptr;            // the Today button; none: the system's
    std::filesystem::path dataFolder;        // where forecast.htm and forecast.ics go
    std::filesystem::path executableFolder;  // beside it, the report pictures installed
    SettingsStore* store = nullptr;          // the options and the window's place
    Shell* shell = nullptr;                  // opens what was written; none: only written
    std::function<void(QWidget* parent, const QString& text)> showMessage;
    // Where to save the CSV table; none: the desktop's save dialog.
    std::function<std::optional<QString>(QWidget* parent, const QString& suggested)> askCsvFile;
};

class TFindDays final : public ProgramDialog {
    Q_OBJECT
  public:
    explicit TFindDays(ForecastContext context, QWidget* parent = nullptr);
    ~TFindDays() override;

    // Shows the window modally over `over`, starting from the main window's calculation date.
    void Open(QWidget* over = nullptr);
    // What Open does before the window shows.
    void FormActivate();

    // The options as the controls hold them, and back.
    ForecastSettings Settings() const;
    void ApplySettings(const ForecastSettings& settings);
    ForecastChoices Choices() const;
    std::int32_t StartDate() const;
    void SetStartDate(std::int32_t day);
    THintForm& Hint() const { return *m_hint; }
    QAbstractButton* Button(const char* objectName) const;

    bool DispatchKey(int key, bool alt);

  public slots:
    void LoadDefBtnClick();
    void CanxBtnClick();
    void TodayBtnClick();
    void GoBtnClick();
    void CalendarBtnClick();
    void CsvBtnClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    // The controls of a Sunny or Rainy page.
    struct LevelPage {
        QCheckBox* showAll = nullptr;
        QComboBox* overallLevel = nullptr;
        std::array<QCheckBox*, 4> rhythm{};
        std::array<QComboBox*, 4> level{};
        QRadioButton* orButton = nullptr;
        QRadioButton* andButton = nullptr;
    };
    struct CriticalPage {
        QCheckBox* showAll = nullptr;
        std::array<QCheckBox*, 4> rhythm{};
        QRadioButton* orButton = nullptr;
        QRadioButton* andButton = nullptr;
    };

    void BuildControls();
    QWidget* BuildLevelPage(LevelPage& page, bool sunny);
    QWidget* BuildCriticalPage();
    QWidget* BuildStressPage();
    QWidget* BuildAmounts();
    // A criterion's small picture: pointing at it shows its description.
    QLabel* HelpPicture(const char* objectName, const QString& option);
    void RhythmClick(LevelPage& page, std::size_t rhythm);
    void ShowAllClick(LevelPage& page);
    void CriticalShowAllClick();
    void CriticalRhythmClick();
    // The criteria shown, with the amounts corrected in their fields; nothing (the user has
    // been told why) when they cannot be searched with.
    std::optional<ForecastCriteria> Criteria();
    // The search for person one or for the group chosen in "For:"; nothing (the user has been
    // told why) when it cannot run or finds no day.
    std::optional<ForecastReportInput> Search();
    std::optional<GroupForecastReportInput> SearchGroup();
    // The group chosen in "For:", none for person one.
    std::optional<std::size_t> ChosenGroup() const;
    void FillForBox();
    void UpdateMembersBox();
    enum class DaysFile { Report, Calendar, Csv };
    // Searches and writes the days: the report and the calendar into the data folder, handed
    // to the desktop; the table where the user saves it.
    void WriteDays(DaysFile kind);
    template <typename Input, typename Write>
    void WriteAndOpen(const Input& input, std::string_view fileName, Write&& write, bool calendar);
    template <typename Input, typename Write>
    void SaveCsv(const Input& input, std::string_view suggested, Write&& write);
    void Message(const QString& text);

    ForecastContext m_context;
    THintForm* m_hint = nullptr;
    QTabWidget* m_pages = nullptr;
    QComboBox* m_for = nullptr;             // person one, then the database's groups
    QComboBox* m_members = nullptr;         // every or any member, for critical and stress days
    std::vector<std::string> m_groupNames;  // as m_for lists them
    LevelPage m_sunny;
    LevelPage m_rainy;
    CriticalPage m_critical;
    std::array<QRadioButton*, 3> m_stress{};  // all, women, men
    QRadioButton* m_months = nullptr;
    QRadioButton* m_results = nullptr;
    QLineEdit* m_monthsAmount = nullptr;
    QLineEdit* m_resultsAmount = nullptr;
    QDateEdit* m_startDate = nullptr;
    QPushButton* m_go = nullptr;
};

// Joins the window to the key dispatcher: its help topic and its key block.
void AddForecastKeys(KeyDispatcher& dispatcher, TFindDays& window);

}  // namespace vitalune::ui
