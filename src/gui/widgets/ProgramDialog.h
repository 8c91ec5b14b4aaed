#pragma once
// What the program's windows other than the main one share: each opens where it was last
// closed (centred the first time) and keeps that place when it hides, stays above the window
// that opened it without becoming its child, and leaves Escape to the key dispatcher, which
// closes it once.

#include <QDialog>

class QTabWidget;

namespace vitalune {
class SettingsStore;
}

namespace vitalune::ui {

class ProgramDialog : public QDialog {
    Q_OBJECT
  public:
    // `formName` names the window's place in the settings; no store: the place is not kept.
    ProgramDialog(const char* formName, SettingsStore* store, QWidget* parent = nullptr);

  protected:
    // Called once the controls are built, so that a kept size never falls below their minimum.
    void RestorePlace();
    // Kept above the window of `over` (none: nothing changes).
    void KeepAbove(QWidget* over);
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages wherever the focus is, not only on the tabs.
    void TurnPagesFromAnywhere(QTabWidget* pages);
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    const char* m_formName;
    SettingsStore* m_store;
};

// Turns wheel movement into whole notches; a fine-grained wheel adds up to them.
class WheelNotches {
  public:
    // The whole notches the movement completes (negative: towards the user).
    int Take(int angleDelta);

  private:
    int m_rest = 0;
};

}  // namespace vitalune::ui
