#pragma once
// Opens help topics for every window: finds the topic's page in the help folder, reports
// missing pages with their path, and shows the one help window, closing any open one first so
// that each topic starts in a fresh window. Knows nothing of keys or menus.

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

class QUrl;
class QWidget;

namespace vitalune {
class Shell;
}

namespace vitalune::ui {

class THelpViewer;

inline constexpr const char* kHelpFileNotFound = "Help file not found\n";

class HelpService final {
  public:
    // showMessage shows a message box with an OK button; tests record the texts instead.
    HelpService(std::filesystem::path folder, std::function<void(const QString&)> showMessage,
                Shell* shell = nullptr);
    ~HelpService();
    HelpService(const HelpService&) = delete;
    HelpService& operator=(const HelpService&) = delete;

    void ShowHelpTopic(int topic);
    void CloseHelpWindow();

    const std::filesystem::path& Folder() const { return m_folder; }
    // The window, once a topic has been shown; nullptr before.
    THelpViewer* Viewer() const { return m_viewer.get(); }

  private:
    std::filesystem::path m_folder;
    std::function<void(const QString&)> m_showMessage;
    Shell* m_shell;
    std::unique_ptr<THelpViewer> m_viewer;
};

// Opens a web or mail address of a help window through the shell (none: nothing happens).
// When that fails, `tell` says why over `parent`, or a message box does when there is none.
void OpenAddressOrTell(Shell* shell, const QUrl& url, QWidget* parent,
                       const std::function<void(QWidget*, const QString&)>& tell);

}  // namespace vitalune::ui
