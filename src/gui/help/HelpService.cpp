#include "gui/help/HelpService.h"

#include <QMessageBox>
#include <QUrl>
#include <system_error>

#include "core/help/HelpTopics.h"
#include "gui/help/THelpViewer.h"
#include "gui/platform/Shell.h"

namespace vitalune::ui {

namespace fs = std::filesystem;

HelpService::HelpService(fs::path folder, std::function<void(const QString&)> showMessage,
                         Shell* shell)
    : m_folder(std::move(folder)), m_showMessage(std::move(showMessage)), m_shell(shell) {}

HelpService::~HelpService() = default;

void HelpService::ShowHelpTopic(int topic) {
    const std::string_view page = HelpTopicPage(topic);
    const fs::path path = m_folder / fs::path(page);
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        if (m_showMessage) {
            m_showMessage(QString::fromLatin1(kHelpFileNotFound) +
                          QString::fromStdString(path.string()));
        }
        return;
    }
    // Each topic opens in a fresh window, as if the old one had been closed and a new one
    // started: the open one is closed first and its history forgotten.
    CloseHelpWindow();
    if (!m_viewer) {
        m_viewer = std::make_unique<THelpViewer>(m_folder, m_shell);
    }
    m_viewer->OpenPage(page);
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
}

void HelpService::CloseHelpWindow() {
    if (m_viewer && m_viewer->isVisible()) {
        m_viewer->close();
    }
}

void OpenAddressOrTell(Shell* shell, const QUrl& url, QWidget* parent,
                       const std::function<void(QWidget*, const QString&)>& tell) {
    if (!shell) {
        return;
    }
    if (const auto message = OpenAddress(*shell, url)) {
        if (tell) {
            tell(parent, *message);
        } else {
            QMessageBox::information(parent, parent ? parent->windowTitle() : QString(), *message);
        }
    }
}

}  // namespace vitalune::ui
