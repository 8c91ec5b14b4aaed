#pragma once
// The main window: owns the names database, the settings and pens, the calculation date, the
// two current persons and the active chart page for the whole run, and paints the five chart
// pages from them. Other windows read this state through the accessors and hand back what
// they change; every change ends in RepaintActivePage.

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/db/NamesDatabase.h"
#include "core/settings/AppSettings.h"
#include "gui/main/MainCommand.h"
#include "gui/main/MainMenus.h"
#include "gui/paint/ChartPainter.h"
#include "gui/widgets/PictureOutput.h"
#include "gui/widgets/ProgramDialog.h"

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QListView;
class QPrinter;
class QPushButton;
class QTabWidget;
class QWheelEvent;

namespace vitalune {
class Clock;
class SettingsStore;
class Shell;
}  // namespace vitalune

namespace vitalune::ui {

class ChartBox;
class PersonListModel;

inline constexpr const char* kApplicationTitle = "Vitalune 3.04";
inline constexpr const char* kMainCaption = " Vitalune v3.04";
inline constexpr const char* kSaveSettingsError = "Error while saving settings to Windows registry";

struct MainFormContext {
    SettingsStore* store = nullptr;
    const Clock* clock = nullptr;
    std::filesystem::path programFolder;  // the data folder: db.rec, reports, Pict
    // The user named the data folder: its db.rec is used, and the database file the settings
    // remember is neither used nor replaced.
    bool programFolderGiven = false;
    std::filesystem::path executableFolder;  // where the installed files are looked up
    // A message box with an OK button; tests record the texts instead.
    std::function<void(const QString&)> showMessage;
    // The desktop's "open" for the web look-ups; none means they do nothing.
    Shell* shell = nullptr;
    // The picture save dialog: the file name chosen, nothing on cancel. selectedFilter comes
    // in as the filter to preselect and goes out as the one chosen. Tests answer it.
    std::function<std::optional<QString>(const QString& folder, const QString& filters,
                                         QString* selectedFilter)>
        askPictureFile;
    // The print dialog, setting up the printer; false on cancel. Tests answer it.
    std::function<bool(QPrinter& printer)> askPrinter;
};

// How the day info window is asked for: shown for the day, or, from the chart pop-up menu,
// only brought forward when it is already showing.
enum class DayInfoRequest { Show, FocusOrShow };

struct CurrentPerson {
    int group = 0;
    int index = 0;
    std::string name;
    std::int32_t birth = 0;  // day number
};

class TMainForm final : public QMainWindow {
    Q_OBJECT
  public:
    explicit TMainForm(MainFormContext context, QWidget* parent = nullptr);
    ~TMainForm() override;

    // --- state shared with the other windows ---
    NamesDatabase& Database() { return m_db; }
    AppSettings& Settings() { return m_settings; }
    const BarColours& Bars() const { return m_barColours; }
    const CurrentPerson& PersonOne() const { return m_person1; }
    const CurrentPerson& PersonTwo() const { return m_person2; }
    std::int32_t CalculationDate() const;
    void SetCalculationDate(std::int32_t day);
    paint::ChartPage ActivePage() const;
    void SetActivePage(paint::ChartPage page);
    const paint::ChartGeometry& Geometry() const { return m_geometry; }
    const std::filesystem::path& ProgramFolder() const { return m_programFolder; }
    const std::filesystem::path& DefaultDatabasePath() const { return m_defaultDbPath; }
    const std::filesystem::path& EmptyDatabasePath() const { return m_emptyDbPath; }
    const QFont& PictureFont() const { return m_pictureFont; }
    ChartBox* PaintBox(paint::ChartPage page) const;
    int LastClickX() const { return m_lastClickX; }

    // The scene of a page at the paint boxes' size; the picture output draws from it too.
    paint::ChartScene SceneFor(paint::ChartPage page) const;
    void RepaintActivePage();
    // The active page's chart with its stamp, as printing, saving and copying draw it.
    Picture ActivePicture();
    // After the options or pens changed: bar colours again, then repaint.
    void SettingsChanged();
    // Refills the group and person lists after the database changed, keeping the selection
    // where it still exists.
    void DatabaseChanged();
    // Makes a person of the database person one (the person selector's and the names editor's
    // choice); indexes out of range take the first group or person.
    void ChoosePersonOne(std::size_t group, std::size_t person);
    // Shows a pair on the Compatibility page (the matching window's View charts); indexes out
    // of range take the first group or person.
    void ShowPair(std::size_t group1, std::size_t person1, std::size_t group2, std::size_t person2);

    // Windows that join later: shown once on the first activation when enabled.
    void SetPersonSelector(std::function<void()> show) { m_showPersonSelector = std::move(show); }
    void SetTipsWindow(std::function<void()> show) { m_showTips = std::move(show); }
    // Closes the windows that stay open beside this one (help, day info) when it closes.
    void SetCompanionCloser(std::function<void()> close) { m_closeCompanions = std::move(close); }
    // Windows opened from the tool bar, menus and keys; while a hook is empty its entries do
    // nothing.
    void SetDayInfoWindow(std::function<void(std::int32_t day, DayInfoRequest how)> show) {
        m_showDayInfo = std::move(show);
    }
    void SetCalendarWindow(std::function<void()> show) { m_showCalendar = std::move(show); }
    void SetForecastWindow(std::function<void()> show) { m_showForecast = std::move(show); }
    void SetMatchingWindow(std::function<void()> show) { m_showMatching = std::move(show); }
    void SetNamesEditor(std::function<void()> show) { m_showNamesEditor = std::move(show); }
    void SetOptionsDialog(std::function<void()> show) { m_showOptions = std::move(show); }
    void SetAboutBox(std::function<void()> show) { m_showAbout = std::move(show); }
    void SetHelpTopicShower(std::function<void(int topic)> show) { m_showHelp = std::move(show); }

    const MainMenus& Menus() const { return m_menus; }
    // The calculation date's picker (or its text field) has the keyboard focus.
    bool DatePickerFocused() const;
    // The day shown in chart column k (clamped to 0..31).
    std::int32_t ColumnDay(int k) const;

  public slots:
    void Group1Change(int index);
    void Group2Change(int index);
    void PNameChange();
    void PName2Change();
    void CDateChange();
    void PageControlChange(int index);
    void TodayBtnClick();
    void DOBBtnClick();
    void DayMinusClick();
    void DayPlusClick();
    void MonthMinusClick();
    void MonthPlusClick();
    void RunCommand(MainCommand command);
    void ShowHelpTopic(int topic);
    void HelpButtonClick();
    void GetInfo1BtnClick();
    void GetInfo2BtnClick();
    void GetPict1BtnClick();
    void GetPict2BtnClick();
    void ChartClick(paint::ChartPage page, int x, Qt::MouseButton button);
    void Print2Click();
    void MakePicture(vitalune::ui::PictureMode mode);

  signals:
    // A press on a chart: x in the paint box, with the button (the chart mouse handler).
    void chartPressed(paint::ChartPage page, int x, Qt::MouseButton button);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    QWidget* BuildPersonBox(QGroupBox* box, QComboBox*& group, QListView*& list,
                            PersonListModel*& model, const char* which);
    QWidget* BuildDateBox();
    void FormCreate();
    // Status panels and person lists sized for the window's font, then the minimum size.
    void FitToFont();
    void KeepLayoutMinimum();
    void FormActivate();
    void FormClose();
    void FormResize();
    void OpenDatabase(const std::string& storedPath);
    void FillGroupList(QComboBox* combo);
    // What an index past the list's end selects: the first person (stored indexes) or the
    // last (person two after the database changed).
    enum class PastTheEnd { FirstPerson, LastPerson };
    void FillPersons(QListView* list, PersonListModel* model, std::size_t group, int index,
                     PastTheEnd pastTheEnd = PastTheEnd::FirstPerson);
    static int SelectedRow(const QListView* list);
    void SelectPersonOne();
    void SelectPersonTwo();
    void ReadPerson(QListView* list, const PersonListModel* model, CurrentPerson& person);
    void PaintPage(QPainter& p, paint::ChartPage page);
    void Message(const QString& text) const;
    void ShowDayInfo(std::int32_t day, DayInfoRequest how);
    void RunModal(const std::function<void()>& show, bool repaintAfter);
    void StepDate(std::int64_t target);
    void WebLookUp(const std::string& searchAddress, const std::string& name);
    // Steps the date by the wheel when the pointer is over the chart pages; false otherwise.
    bool WheelOverPages(QWheelEvent* event);
    void ShowAgeDifference();

    MainFormContext m_context;
    NamesDatabase m_db;
    AppSettings m_settings;
    BarColours m_barColours{};
    std::filesystem::path m_programFolder;
    std::filesystem::path m_defaultDbPath;
    std::filesystem::path m_emptyDbPath;
    std::string m_storedDbPath;  // the settings' database file, as read at start-up
    CurrentPerson m_person1;
    CurrentPerson m_person2;
    bool m_promptShown = false;
    bool m_tipsShown = false;
    QString m_pictureFilter;  // the file type last chosen in the save dialog
    QFont m_pictureFont;
    paint::ChartGeometry m_geometry;
    paint::PaintBuffers m_buffers;
    int m_lastClickX = 0;
    std::function<void()> m_showPersonSelector;
    std::function<void()> m_showTips;
    std::function<void()> m_closeCompanions;
    std::function<void(std::int32_t, DayInfoRequest)> m_showDayInfo;
    std::function<void()> m_showCalendar;
    std::function<void()> m_showForecast;
    std::function<void()> m_showMatching;
    std::function<void()> m_showNamesEditor;
    std::function<void()> m_showOptions;
    std::function<void()> m_showAbout;
    std::function<void(int)> m_showHelp;
    WheelNotches m_wheel;

    MainMenus m_menus;
    QWidget* m_panel1 = nullptr;
    QPushButton* m_dayPlus = nullptr;

    QTabWidget* m_pageControl = nullptr;
    std::array<ChartBox*, paint::kChartPageCount> m_boxes{};
    QGroupBox* m_personBox = nullptr;
    QGroupBox* m_personTwoBox = nullptr;
    QComboBox* m_group1 = nullptr;
    QComboBox* m_group2 = nullptr;
    QListView* m_pname = nullptr;
    QListView* m_pname2 = nullptr;
    PersonListModel* m_model1 = nullptr;
    PersonListModel* m_model2 = nullptr;
    QDateEdit* m_cdate = nullptr;
    std::array<QLabel*, 4> m_panels{};
};

}  // namespace vitalune::ui
