#pragma once
// The help window: the contents list of the ten pages beside the page itself, with working
// links between pages, back and forward. It reads the pages of one help folder and keeps
// nothing between openings but its place on the screen; HelpService decides when it opens.

#include <QWidget>
#include <filesystem>
#include <memory>

class QAction;
class QListWidget;
class QTextBrowser;
class QUrl;

namespace vitalune {
class Shell;
}

namespace vitalune::ui {

inline constexpr const char* kHelpWindowTitle = "Vitalune Help";

class THelpViewer final : public QWidget {
    Q_OBJECT
  public:
    // Web addresses in the pages go to the shell (the user's browser); without one the desktop's.
    explicit THelpViewer(std::filesystem::path folder, Shell* shell = nullptr,
                         QWidget* parent = nullptr);
    ~THelpViewer() override;

    // Starts afresh at the page of the help folder: back and forward of an earlier opening are
    // forgotten. False when the page is not there.
    bool OpenPage(std::string_view file);

    const std::filesystem::path& Folder() const { return m_folder; }
    // The page shown, as a file name of the help folder ("Overview.htm"); empty before any.
    QString CurrentPage() const;
    QTextBrowser* Browser() const { return m_browser; }
    QListWidget* Contents() const { return m_contents; }
    QAction* BackAction() const { return m_back; }
    QAction* ForwardAction() const { return m_forward; }

    // Follows a link as a click on it would: pages and pictures of the help folder open here,
    // web and mail addresses go to the shell, anything else is refused. False when refused.
    bool FollowLink(const QUrl& link);

  private slots:
    void ContentsRowChanged(int row);
    void SourceChanged(const QUrl& source);

  private:
    void BuildControls();
    bool InsideFolder(const std::filesystem::path& file) const;

    std::filesystem::path m_folder;
    Shell* m_shell;
    std::unique_ptr<Shell> m_ownShell;
    QListWidget* m_contents = nullptr;
    QTextBrowser* m_browser = nullptr;
    QAction* m_back = nullptr;
    QAction* m_forward = nullptr;
    QAction* m_home = nullptr;
};

}  // namespace vitalune::ui
