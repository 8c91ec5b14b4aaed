#pragma once
// Where each window opens: the place (and, for the windows that keep it, the size) the settings
// remember under the window's subkey, or the centre of the screen the first time. Every window
// restores its place when it is made and keeps it when it closes.

#include <string_view>

class QWidget;

namespace vitalune {
class SettingsStore;
}

namespace vitalune::ui {

// A kept size never goes below the window's minimum, and a place on no screen (a monitor
// since unplugged) is given up for the centre of the primary screen.
void RestorePlacement(QWidget& window, const SettingsStore& store, std::string_view name);
// False when the settings could not take it.
bool KeepPlacement(const QWidget& window, SettingsStore& store, std::string_view name);

}  // namespace vitalune::ui
