#pragma once
// The program's desktop entry id: the window, its notifications and the reminder's autostart
// entry name it, and the desktop finds the icon and the name to show by it.

namespace vitalune {

inline constexpr char kDesktopId[] = "com.qor.vitalune";

}  // namespace vitalune
