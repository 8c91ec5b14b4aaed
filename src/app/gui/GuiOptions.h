#pragma once
// The desktop program's command line: --data-dir, and the picture export for scripts.

#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>

#include "app/gui/ExportChart.h"

namespace vitalune::app {

struct GuiOptions {
    std::optional<std::filesystem::path> dataDir;
    std::optional<ExportRequest> exportRequest;
    std::string error;  // a usage error: print it and exit with 2
};

// Handles --help and --version itself (prints and exits, as Qt programs do).
GuiOptions ParseGuiOptions(const QStringList& arguments);

// Whether the arguments ask for an export (checked before the application object exists).
bool WantsExport(int argc, char** argv);

}  // namespace vitalune::app
