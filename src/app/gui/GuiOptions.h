#pragma once
// The desktop program's command line (--data-dir, the chart and calendar exports for scripts,
// the reminder, --help and --version) and the name and icon it carries.

#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>

#include "app/gui/ExportCalendar.h"
#include "app/gui/ExportChart.h"
#include "app/gui/Remind.h"

namespace vitalune::app {

struct GuiOptions {
    std::optional<std::filesystem::path> dataDir;
    std::optional<ExportRequest> exportRequest;
    std::optional<CalendarExportRequest> calendarRequest;
    std::optional<RemindRequest> remindRequest;
    std::string error;  // a usage error: print it on stderr and exit with 2
    std::string text;   // the answer to --help or --version: print it on stdout and exit
};

// Never exits the process, so that the caller decides the exit code.
GuiOptions ParseGuiOptions(const QStringList& arguments);

// Names the program (organisation, name, version, the settings' place) and gives every window
// and message box its icon. Call once, right after the application object is made.
void SetProgramIdentity();

// Whether the arguments ask for an export or the reminder, which need no display (checked
// before the application object exists).
bool WantsExport(int argc, char** argv);

}  // namespace vitalune::app
