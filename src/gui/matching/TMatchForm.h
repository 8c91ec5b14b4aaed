#pragma once
// The matching window: a base person, the criteria (where to look, sex, age, the wanted
// ratings of a pattern, exact bands, order) and the persons of the names database whose
// compatibility with the base person fits them, run anew on every change. The selected match
// is shown in the compatibility panel; the list and the pair can be written as reports, looked
// up on the web or handed to the main window's Compatibility page. The criteria are kept under
// "BioMatch" when the window closes.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "core/matching/Matching.h"
#include "gui/paint/MatchPanelPainter.h"
#include "gui/widgets/ProgramDialog.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QListView;
class QPushButton;
class QToolButton;

namespace vitalune {
class Clock;
class Shell;
struct AppSettings;
struct ReportResult;
}  // namespace vitalune

namespace vitalune::ui {

class KeyDispatcher;
class MatchItemDelegate;
class MatchListModel;
class PersonListModel;

inline constexpr const char* kMatchCaption = " Advanced Biorhythmic Matching";
inline constexpr const char* kMatchSettingsError =
    "The matching options could not be kept: the settings file cannot be written.";

struct MatchContext {
    const NamesDatabase* db = nullptr;
    std::function<PersonPlace()> personOne;  // the main window's person one
    const AppSettings* settings = nullptr;   // pens, rating scheme, web search addresses
    std::function<QFont()> pictureFont;      // the panel's font (made bold)
    const Clock* clock = nullptr;            // the age filter's year; none: the system's
    std::filesystem::path dataFolder;        // where the reports are written
    std::filesystem::path executableFolder;  // where the report pictures are installed
    SettingsStore* store = nullptr;          // the criteria and the window's place
    Shell* shell = nullptr;                  // reports and web look-ups; none: only written
    // View charts: the base person and the found one onto the Compatibility page.
    std::function<void(PersonPlace one, PersonPlace two)> viewCharts;
    std::function<void(QWidget* parent, const QString& text)> showMessage;
};

class TMatchForm final : public ProgramDialog {
    Q_OBJECT
  public:
    explicit TMatchForm(MatchContext context, QWidget* parent = nullptr);
    ~TMatchForm() override;

    // Shows the window modally over `over`, with the main window's person one as base person.
    void Open(QWidget* over = nullptr);
    // What Open does before the window shows: lists filled, base person set, matching run.
    void FormActivate();

    const MatchCriteria& Criteria() const { return m_criteria; }
    const MatchResult& Result() const { return m_result; }
    int CurrentEntry() const;
    paint::MatchPanelScene PanelScene() const;
    QListView* ResultList() const { return m_list; }
    QWidget* Panel() const;
    QAbstractButton* Button(const char* objectName) const;
    QString StatusText(int panel) const;

    bool DispatchKey(int key, bool alt);

  public slots:
    void RunMatching();
    void ShowSelected(int entry);
    void PrevBtnClick();
    void NextBtnClick();
    void ResetBtnClick();
    void GroupReportBtnClick();
    void PersonalReportBtnClick();
    void ViewChartsBtnClick();
    void GetInfoBtnClick();
    void GetPictBtnClick();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    class PanelView;

    void BuildControls();
    QWidget* BuildCriteria();
    void FillGroupBoxes();
    void FillRatingBoxes();
    void ShowCriteria();  // the controls from m_criteria, without running
    void ReadCriteria();  // m_criteria from the controls
    void Group1Change();
    void PnameChange();
    void OvBoxChange();
    void AgeBeginChange();
    void AgeEndChange();
    void StepToPerson(int direction);
    std::optional<std::pair<std::string, DateTime>> BasePerson() const;
    void WebLookUp(bool pictures);
    void Message(const QString& text);
    void OpenWritten(const ReportResult& written);

    MatchContext m_context;
    MatchCriteria m_criteria;
    MatchCache m_cache;
    MatchResult m_result;
    bool m_filling = false;                    // the lists are being filled: changes run nothing
    std::optional<PictureScheme> m_boxScheme;  // the scheme the rating boxes show

    QComboBox* m_group1 = nullptr;
    QComboBox* m_pname = nullptr;
    PersonListModel* m_persons = nullptr;
    QComboBox* m_group2 = nullptr;
    QComboBox* m_sex = nullptr;
    QCheckBox* m_ageCheck = nullptr;
    QComboBox* m_ageBegin = nullptr;
    QComboBox* m_ageEnd = nullptr;
    QComboBox* m_pattern = nullptr;
    std::array<QComboBox*, 3> m_ratings{};  // PhBox, EmBox, InBox
    QCheckBox* m_exact = nullptr;
    QComboBox* m_sort = nullptr;
    QLabel* m_resultsLabel = nullptr;
    QListView* m_list = nullptr;
    MatchListModel* m_model = nullptr;
    MatchItemDelegate* m_delegate = nullptr;
    PanelView* m_panel = nullptr;
    QPushButton* m_groupReport = nullptr;
    QPushButton* m_personalReport = nullptr;
    QPushButton* m_viewCharts = nullptr;
    QToolButton* m_getInfo = nullptr;
    QToolButton* m_getPict = nullptr;
    std::array<QLabel*, 3> m_status{};
};

// Joins the window to the key dispatcher: its help topic and its key block.
void AddMatchKeys(KeyDispatcher& dispatcher, TMatchForm& window);

}  // namespace vitalune::ui
