#pragma once
// The tip of the day: one of the 26 tips with its category, drawn at random when the window
// opens, "Next Tip" to step through them, and "Do not show this dialog again" to switch the
// window off for later runs. It stands beside the main window without blocking it, and keeps
// its place. The show-tips option it changes is stored by the main window when it closes.

#include <QString>
#include <functional>
#include <memory>

#include "gui/widgets/ProgramDialog.h"

class QCheckBox;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace vitalune {
class RandomSource;
class Shell;
struct AppSettings;
}  // namespace vitalune

namespace vitalune::ui {

class KeyDispatcher;

inline constexpr const char* kTipsCaption = " Vitalune: Tip of the Day";

struct TipsContext {
    AppSettings* settings = nullptr;  // the show-tips option
    SettingsStore* store = nullptr;   // the window's place; none: not kept
    RandomSource* random = nullptr;   // the first tip; none: the system's
    Shell* shell = nullptr;           // opens the web addresses in tips; none: not opened
    // Tells why an address could not be opened; none: a message box.
    std::function<void(QWidget* parent, const QString& text)> showMessage;
};

class TTipsForm final : public ProgramDialog {
    Q_OBJECT
  public:
    explicit TTipsForm(TipsContext context, QWidget* parent = nullptr);
    ~TTipsForm() override;

    // Shows a tip drawn at random, without blocking, above the window of `over`.
    void Open(QWidget* over = nullptr);
    int TipIndex() const { return m_index; }
    // Shows tip `index` (0 for an index outside the table).
    void ShowTip(int index);
    QTextBrowser* Memo() const { return m_memo; }

  public slots:
    void NextTipBtnClick();
    void CloseBtnClick();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void FormClose();
    void LinkClicked(const QUrl& link);

    TipsContext m_context;
    std::unique_ptr<RandomSource> m_ownRandom;
    int m_index = 0;
    QTextBrowser* m_memo = nullptr;
    QPushButton* m_next = nullptr;
    QCheckBox* m_showBox = nullptr;
};

// F1 opens the main window's help topic; the window has no keys of its own.
void AddTipsKeys(KeyDispatcher& dispatcher, TTipsForm& window);

}  // namespace vitalune::ui
