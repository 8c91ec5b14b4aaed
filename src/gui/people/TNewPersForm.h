#pragma once
// The person dialog: creates a person line or edits one (name, date of birth, sex). It only
// builds the line; the caller adds it to the database. A name the database could not keep is
// refused with the reason under the name field, and the dialog stays open.

#include <QDialog>
#include <optional>
#include <string>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vitalune {
class Clock;
}

namespace vitalune::ui {

class TDateHintForm;

inline constexpr const char* kCreatePersonCaption = " Create new profile";
inline constexpr const char* kEditPersonCaption = " Edit profile";
inline constexpr const char* kChooseSex = "Choose Male or Female.";

class TNewPersForm final : public QDialog {
    Q_OBJECT
  public:
    // `clock` gives today for a new person; it must outlive the dialog.
    explicit TNewPersForm(const Clock& clock, QWidget* parent = nullptr);
    ~TNewPersForm() override;

    // Shows the dialog modally over `parent`: a new person when `editLine` is empty, else the
    // person of that line. The new person line on OK; nothing on Cancel or an empty name.
    std::optional<std::string> Ask(QWidget* parent, const std::optional<std::string>& editLine);

    // The steps of Ask before and after the wait, for callers and tests that drive the
    // dialog themselves.
    void Prepare(const std::optional<std::string>& editLine);
    const std::optional<std::string>& Result() const { return m_result; }

    TDateHintForm& DateHint() const { return *m_hint; }

  public slots:
    void OkButtonClick();
    void CanxButtonClick();
    void Button1Click();
    void MaleClick();
    void FemaleClick();
    void Edit1Change();

  protected:
    void done(int result) override;

  private:
    void ShowFaults();

    const Clock& m_clock;
    std::optional<std::string> m_result;
    QLineEdit* m_edit1 = nullptr;
    QLabel* m_nameFault = nullptr;
    QDateEdit* m_date = nullptr;
    QRadioButton* m_male = nullptr;
    QRadioButton* m_female = nullptr;
    QLabel* m_sexFault = nullptr;
    QPushButton* m_hintButton = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    TDateHintForm* m_hint = nullptr;
};

}  // namespace vitalune::ui
