#pragma once
// Opens help topics for every window: finds the topic's page in the help folder, reports
// missing pages with their path, and shows the one help window, closing any open one first so
// that each topic starts in a fresh window. Knows nothing of keys or menus.

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

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

}  // namespace vitalune::ui
