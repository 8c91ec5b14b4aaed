#pragma once
// The desktop's "open" for web addresses and local files (reports, help pages), behind an
// interface so that tests record what would have been opened.

#include <QList>
#include <QString>
#include <QUrl>
#include <filesystem>
#include <optional>
#include <string_view>

#include "core/reports/HtmlWriter.h"

namespace vitalune {

class Shell {
  public:
    virtual ~Shell() = default;
    // False when the desktop could not open it.
    virtual bool Open(const QUrl& url) = 0;
};

class DesktopShell final : public Shell {
  public:
    bool Open(const QUrl& url) override;
};

class RecordingShell final : public Shell {
  public:
    bool Open(const QUrl& url) override {
        opened.append(url);
        return succeed;
    }
    QList<QUrl> opened;
    bool succeed = true;
};

// Opens a web search for `name` (the search address with the name put in). Nothing when the
// desktop opened it; otherwise the message for the user, which names the address.
std::optional<QString> OpenWebSearch(Shell& shell, std::string_view searchAddress,
                                     std::string_view name);

// Opens a web address in the browser, or a mailto: address in the mail program. Nothing when
// the desktop opened it; otherwise the message for the user, which names the address.
std::optional<QString> OpenAddress(Shell& shell, const QUrl& url);

// Opens a report the program has just written in the user's browser. Nothing when the desktop
// opened it; otherwise the message for the user, which names the file so it can be opened by
// hand.
std::optional<QString> OpenReportFile(Shell& shell, const std::filesystem::path& file);

// Hands an iCalendar file the program has just written to the desktop's calendar application,
// which offers to import it. As OpenReportFile, the message names the file to import by hand.
std::optional<QString> OpenCalendarFile(Shell& shell, const std::filesystem::path& file);

// What the user is told when a file the program writes could not be written: the message
// naming the file, and the system's reason on the next line.
QString WriteFailureText(const ReportResult& written);

// Opens a report the program has just written, or tells why it could not be written. Nothing
// when all went well; otherwise the message for the user. A null shell opens nothing.
std::optional<QString> OpenWrittenReport(Shell* shell, const ReportResult& written);

}  // namespace vitalune
