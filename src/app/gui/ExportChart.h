#pragma once
// Renders a chart page to a picture file for scripts, without a window: the persons, date
// and settings come from the user's files, read only, exactly as the main window would use
// them. One function takes the format and options so that more formats can join.

#include <QSize>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/db/NamesDatabase.h"
#include "core/settings/AppSettings.h"
#include "gui/paint/ChartScene.h"

namespace vitalune {
class Clock;
class FileOps;
class SettingsStore;
}  // namespace vitalune

namespace vitalune::app {

struct ExportRequest {
    QString output;
    QString format;  // "png", "bmp", "pdf", "svg", ...; empty: from the output's suffix, else PNG
    bool stamp = false;  // the margin and stamp texts of a printed or saved picture
    paint::ChartPage page = paint::ChartPage::Primary;
    std::optional<std::int32_t> date;    // none: today
    std::optional<std::string> person;   // "GROUP/NAME"; none: the stored person one
    std::optional<std::string> person2;  // the same for person two
    QSize size{751, 353};                // logical pixels of the chart
    qreal devicePixelRatio = 1.0;
};

struct ExportContext {
    const SettingsStore* store = nullptr;  // only read
    const Clock* clock = nullptr;
    std::filesystem::path programFolder;
    std::filesystem::path executableFolder;
    bool programFolderGiven = false;  // its database wins over the one the settings remember
    FileOps* ops = nullptr;           // writes the picture; the system's when null
};

struct ExportResult {
    enum class Status { Written, BadRequest, Failed };
    Status status = Status::Written;
    std::string message;  // why it failed; warnings when written
    int ExitCode() const {
        return status == Status::Written ? 0 : status == Status::BadRequest ? 2 : 1;
    }
};

ExportResult ExportChart(const ExportRequest& request, const ExportContext& context);

// What every export reads of the user's files: the settings, and the persons the main window
// would show (the stored ones, or those the request names as "GROUP/NAME").
struct ExportPerson {
    std::string name;  // UTF-8
    std::int32_t birth = 0;
};
struct ExportSource {
    LoadedSettings loaded;
    ExportPerson one;
    ExportPerson two;
    std::string warning;              // the database could not be read as it is
    std::optional<ExportResult> bad;  // a named person was not found
};
ExportSource ReadExportSource(const ExportContext& context,
                              const std::optional<std::string>& person,
                              const std::optional<std::string>& person2);

// Loads the database the main window would open into `db` (named by its file), creating,
// copying or renaming nothing.
LoadResult LoadUsersDatabase(const ExportContext& context, const LoadedSettings& loaded,
                             NamesDatabase& db);

// The database file a run would open, found without creating, copying or renaming anything.
std::filesystem::path ExportDatabasePath(const std::filesystem::path& programFolder,
                                         const std::string& storedPath,
                                         const std::filesystem::path& executableFolder);

// "primary", "secondary", "extra", "iching", "compatibility".
std::optional<paint::ChartPage> ParsePageName(const QString& name);
// "751x353"; each side 100 to 8000.
std::optional<QSize> ParseSize(const QString& text);

}  // namespace vitalune::app
