#include "gui/widgets/KeyDispatcher.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWidget>
#include <algorithm>

namespace vitalune::ui {

namespace {

bool AskYesNo(QWidget* parent, const QString& text, const QString& title) {
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

KeyDispatcher::KeyDispatcher(QWidget* mainWindow, QObject* parent)
    : QObject(parent), m_main(mainWindow), m_ask(AskYesNo) {}

KeyDispatcher::~KeyDispatcher() {
    Uninstall();
}

void KeyDispatcher::Install() {
    if (!m_installed && qApp) {
        qApp->installEventFilter(this);
        m_installed = true;
    }
}

void KeyDispatcher::Uninstall() {
    if (m_installed && qApp) {
        qApp->removeEventFilter(this);
    }
    m_installed = false;
}

void KeyDispatcher::AddWindow(QWidget* window, HelpTopic topic, KeyBlock keys) {
    std::erase_if(m_windows,
                  [window](const WindowEntry& e) { return !e.window || e.window == window; });
    m_windows.push_back({window, std::move(topic), std::move(keys)});
}

const KeyDispatcher::WindowEntry* KeyDispatcher::EntryFor(const QWidget* window) const {
    if (!window) {
        return nullptr;
    }
    const auto it = std::find_if(m_windows.begin(), m_windows.end(),
                                 [window](const WindowEntry& e) { return e.window == window; });
    return it == m_windows.end() ? nullptr : &*it;
}

bool KeyDispatcher::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress) {
        return FilterKey(static_cast<QKeyEvent*>(event));
    }
    return QObject::eventFilter(watched, event);
}

bool KeyDispatcher::FilterKey(QKeyEvent* key) {
    const int type = key->type();
    const bool sameStroke = key->key() == m_seen.key && key->modifiers() == m_seen.modifiers &&
                            key->timestamp() == m_seen.timestamp;
    // The same event on its way up to the parents, or the press that follows the shortcut check
    // of the same stroke: decided already.
    const bool decided =
        sameStroke && ((key == m_seen.event && type == m_seen.type) ||
                       (type == QEvent::KeyPress && m_seen.type == QEvent::ShortcutOverride));
    if (decided) {
        m_seen.event = key;
        m_seen.type = type;
    } else {
        Seen seen{key, type, key->key(), key->modifiers(), key->timestamp(), false};
        m_seen = seen;
        if (!QApplication::activePopupWidget()) {
            // An action may open a window with its own event loop, whose keys pass here
            // meanwhile.
            seen.consumed = Dispatch({key->key(), key->modifiers()});
            m_seen = seen;
        }
    }
    if (m_seen.consumed) {
        key->accept();
    }
    return m_seen.consumed;
}

bool KeyDispatcher::Dispatch(const KeyStroke& stroke) {
    QWidget* active = QApplication::activeWindow();
    if (stroke.key == Qt::Key_F1) {
        ShowHelpOfActiveWindow(active);
        return false;
    }
    if (stroke.key == Qt::Key_Escape) {
        const QWidget* focus = QApplication::focusWidget();
        if (focus && focus->property(kTakesEscapeProperty).toBool()) {
            return false;
        }
        CloseActiveWindow(active);
        return false;
    }
    const WindowEntry* entry = EntryFor(active);
    return entry && entry->keys && entry->keys(stroke);
}

void KeyDispatcher::ShowHelpOfActiveWindow(QWidget* active) {
    const WindowEntry* entry = EntryFor(active);
    const int topic = entry && entry->topic ? entry->topic() : kDefaultHelpTopic;
    if (m_showHelp) {
        m_showHelp(topic);
    }
}

void KeyDispatcher::CloseActiveWindow(QWidget* active) {
    if (active && active == m_main) {
        // Closing the main window ends the program, so it is asked first.
        if (m_ask(active, QString::fromLatin1(kExitQuestion), QString::fromLatin1(kExitTitle))) {
            active->close();
        }
        return;
    }
    if (active) {
        active->close();
    }
}

}  // namespace vitalune::ui
