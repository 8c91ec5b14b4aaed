#include "GuiApplication.h"

#include <QApplication>

namespace vitalune::bench {

void EnsureGuiApplication() {
    static int argc = 1;
    static char name[] = "vitalune-bench-gui";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

}  // namespace vitalune::bench
