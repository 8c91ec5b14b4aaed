#pragma once
// Where each window opens: the place (and, for the windows that keep it, the size) the settings
// remember under the window's subkey, or the centre of the screen the first time. Every window
// restores its place when it is made and keeps it when it closes.

#include <QList>
#include <QRect>
#include <QSize>
#include <string_view>

class QWidget;

namespace vitalune {
class SettingsStore;
}

namespace vitalune::ui {

// The place a window kept at `window` should take among the screens' available areas. A window
// that is usable where it is stays there; one off every screen, or mostly off, is brought onto
// the nearest screen, fully inside it where it fits, no larger than that screen and no smaller
// than `minimum`. No screens at all leaves the window as it is.
QRect FitOnScreens(QRect window, const QList<QRect>& screenAreas, QSize minimum);

// A kept size never goes below the window's minimum, and a kept place off the screens (a monitor
// since unplugged, a resolution since lowered) is moved onto the nearest one.
void RestorePlacement(QWidget& window, const SettingsStore& store, std::string_view name);
// False when the settings could not take it.
bool KeepPlacement(const QWidget& window, SettingsStore& store, std::string_view name);

}  // namespace vitalune::ui
