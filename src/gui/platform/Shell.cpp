#include "gui/platform/Shell.h"

#include <QDesktopServices>
#include <QFile>

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

std::optional<QString> OpenAddress(Shell& shell, const QUrl& url) {
    if (shell.Open(url)) {
        return std::nullopt;
    }
    if (url.scheme() == QLatin1String("mailto")) {
        return QStringLiteral("No e-mail program could be started. Write to ") + url.path();
    }
    return QStringLiteral("Unable to open the web address ") + url.toString();
}

namespace {

// `failure` tells the user what did not start and ends before the file's path.
std::optional<QString> OpenWrittenFile(Shell& shell, const std::filesystem::path& file,
                                       const QString& failure) {
    const QString path = QFile::decodeName(file.c_str());
    if (shell.Open(QUrl::fromLocalFile(path))) {
        return std::nullopt;
    }
    return failure + path;
}

}  // namespace

std::optional<QString> OpenReportFile(Shell& shell, const std::filesystem::path& file) {
    return OpenWrittenFile(shell, file,
                           QStringLiteral("The report was written, but no web browser could be "
                                          "started to show it. Open this file in your browser:\n"));
}

std::optional<QString> OpenCalendarFile(Shell& shell, const std::filesystem::path& file) {
    return OpenWrittenFile(
        shell, file,
        QStringLiteral("The calendar file was written, but no calendar application could be "
                       "started to import it. Import this file in your calendar application:\n"));
}

QString WriteFailureText(const ReportResult& written) {
    QString text = QString::fromStdString(written.message);
    if (!written.reason.empty()) {
        text += QLatin1Char('\n') + QString::fromStdString(written.reason);
    }
    return text;
}

std::optional<QString> OpenWrittenReport(Shell* shell, const ReportResult& written) {
    if (!written) {
        return WriteFailureText(written);
    }
    return shell ? OpenReportFile(*shell, written.path) : std::nullopt;
}

}  // namespace vitalune
