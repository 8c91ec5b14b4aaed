#include "gui/platform/Shell.h"

#include <QDesktopServices>

#include "core/text/SearchAddress.h"

namespace vitalune {

bool DesktopShell::Open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

std::optional<QString> OpenWebSearch(Shell& shell, std::string_view searchAddress,
                                     std::string_view name) {
    const std::string address = SearchAddress(searchAddress, name);
    const QUrl url = QUrl::fromEncoded(QByteArray::fromStdString(address), QUrl::TolerantMode);
    if (url.isValid() && shell.Open(url)) {
        return std::nullopt;
    }
    return QStringLiteral("Unable to open the web address ") + QString::fromStdString(address);
}

}  // namespace vitalune
