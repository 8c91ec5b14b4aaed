#pragma once
// The birthday list: everyone in the names database born on the picked day and month, under
// their groups' headings, with "<" and ">" (and Left, Right) stepping the day, and web look-ups
// of the selected person. It reads the live database and changes nothing in it.

#include <cstdint>
#include <functional>
#include <string>

#include "gui/widgets/ProgramDialog.h"

class QDateEdit;
class QListView;

namespace vitalune {
class Clock;
class NamesDatabase;
class SettingsStore;
class Shell;
struct AppSettings;
}  // namespace vitalune

namespace vitalune::ui {

class BirthdayListModel;
class KeyDispatcher;

inline constexpr const char* kDOBCaption = " Birthday party";

struct DOBContext {
    const NamesDatabase* db = nullptr;
    const Clock* clock = nullptr;
    SettingsStore* store = nullptr;         // the window's place
    const AppSettings* settings = nullptr;  // the text and image search addresses
    Shell* shell = nullptr;                 // the web look-ups; none: they do nothing
    std::function<void(QWidget* parent, const QString& text)> showMessage;
};

class TDOBForm final : public ProgramDialog {
    Q_OBJECT
  public:
    explicit TDOBForm(DOBContext context, QWidget* parent = nullptr);
    ~TDOBForm() override;

    // Today's birthdays, shown modally over `over` (the window that asked for it).
    void Open(QWidget* over = nullptr);
    // What Open does before the window shows.
    void FormShow();

    std::int32_t PickedDay() const;
    void SetPickedDay(std::int32_t day);
    bool DatePickerFocused() const;
    BirthdayListModel* Model() const { return m_model; }
    QListView* PartyList() const { return m_partyList; }

  public slots:
    void BirthDateChange();
    void DayMinusClick();
    void DayPlusClick();
    void GetInfo1BtnClick();
    void GetPict1BtnClick();
    void PartyListDblClick();
    void OKBtnClick();

  protected:
  private:
    void BuildControls();
    void StepDay(int delta);
    void WebLookUp(const std::string& searchAddress);

    DOBContext m_context;
    BirthdayListModel* m_model = nullptr;
    QDateEdit* m_birthDate = nullptr;
    QListView* m_partyList = nullptr;
};

// The birthday list's keys: Left and Right step the day unless its date field has the focus.
void AddBirthdayListKeys(KeyDispatcher& dispatcher, TDOBForm& form);

}  // namespace vitalune::ui
