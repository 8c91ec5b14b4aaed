#include "gui/platform/Shell.h"

#include <QDesktopServices>

namespace vitalune {

bool DesktopShell::Open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace vitalune
