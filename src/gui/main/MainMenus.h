#pragma once
// The main window's tool bar, the chart pop-up menu and the help menu, with their captions,
// hints and object names. Each entry runs a MainCommand (or, in the help menu, a help topic)
// through the callbacks; nothing here knows what the commands do.

#include <QPoint>
#include <functional>

#include "gui/main/MainCommand.h"

class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;

namespace vitalune::ui {

struct MainMenus {
    QToolBar* toolBar = nullptr;
    QToolButton* helpButton = nullptr;  // ToolButton9
    QMenu* popup = nullptr;             // PopupMenuCommon
    QMenu* helpMenu = nullptr;
};

// Adds the tool bar to `window` and creates both menus as its children.
MainMenus BuildMainMenus(QMainWindow& window, const std::function<void(MainCommand)>& run,
                         const std::function<void(int topic)>& showHelp);

// Where the help menu opens: just below the help button, in screen coordinates.
QPoint HelpMenuPosition(const MainMenus& menus);

}  // namespace vitalune::ui
