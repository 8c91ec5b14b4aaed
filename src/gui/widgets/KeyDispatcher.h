#pragma once
// The program's one keyboard hook: an event filter on the application that sees each key press
// before the focused control does. F1 opens the help topic of the active window and Escape
// closes it (the main window only after asking); every other key goes to the block of the
// window that is active, if that window has one. A window that joins later registers its own
// block here; nothing else changes.
//
// While a pop-up (a menu, the date picker's calendar) is open, keys are left to it.

#include <QObject>
#include <QPointer>
#include <QString>
#include <Qt>
#include <functional>
#include <vector>

class QKeyEvent;
class QWidget;

namespace vitalune::ui {

struct KeyStroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    bool Alt() const { return modifiers.testFlag(Qt::AltModifier); }
    bool Ctrl() const { return modifiers.testFlag(Qt::ControlModifier); }
};

inline constexpr const char* kExitQuestion = "Exit now?";
inline constexpr const char* kExitTitle = "Close the program";
// The help topic of a window without a topic of its own (also the main window's).
inline constexpr int kDefaultHelpTopic = 4;
// A focused control whose property of this name is true has a use for Escape itself (a find
// field clears its text first); the window is not closed then.
inline constexpr const char* kTakesEscapeProperty = "vitaluneTakesEscape";

class KeyDispatcher final : public QObject {
    Q_OBJECT
  public:
    // A window's keys: true when the key is used up.
    using KeyBlock = std::function<bool(const KeyStroke&)>;
    using HelpTopic = std::function<int()>;
    // A Yes/No question box; tests answer it themselves.
    using Question =
        std::function<bool(QWidget* parent, const QString& text, const QString& title)>;

    explicit KeyDispatcher(QWidget* mainWindow, QObject* parent = nullptr);
    ~KeyDispatcher() override;

    // Starts or stops seeing the application's keys.
    void Install();
    void Uninstall();

    void SetHelpShower(std::function<void(int topic)> show) { m_showHelp = std::move(show); }
    void SetQuestion(Question ask) { m_ask = std::move(ask); }
    // `topic` may be empty (the default topic), `keys` too (the window has no keys of its own).
    // A window registered again replaces its earlier entry; a destroyed one drops out.
    void AddWindow(QWidget* window, HelpTopic topic, KeyBlock keys);

    // The dispatch of one key stroke: true when it is used up. The event filter calls it once
    // per stroke; tests may call it directly.
    bool Dispatch(const KeyStroke& stroke);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct WindowEntry {
        QPointer<QWidget> window;
        HelpTopic topic;
        KeyBlock keys;
    };
    // What has been decided for the stroke whose events are passing now, so that a key seen
    // again on its way up to the parents, or as the press after the shortcut check, is neither
    // acted on twice nor let through after being used up.
    struct Seen {
        const QEvent* event = nullptr;
        int type = 0;
        int key = 0;
        Qt::KeyboardModifiers modifiers;
        quint64 timestamp = 0;
        bool consumed = false;
    };

    bool FilterKey(QKeyEvent* key);
    const WindowEntry* EntryFor(const QWidget* window) const;
    void ShowHelpOfActiveWindow(QWidget* active);
    void CloseActiveWindow(QWidget* active);

    QPointer<QWidget> m_main;
    std::vector<WindowEntry> m_windows;
    std::function<void(int)> m_showHelp;
    Question m_ask;
    Seen m_seen;
    bool m_installed = false;
};

}  // namespace vitalune::ui
