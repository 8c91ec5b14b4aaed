#include "gui/main/MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace vitalune::ui {

namespace {

struct ToolEntry {
    const char* name;
    const char* caption;
    const char* hint;
    MainCommand command;
    bool separatorBefore;
};

constexpr ToolEntry kToolEntries[] = {
    {"ToolButton1", "&Print", "Alt+P", MainCommand::Print, false},
    {"ToolButton2", "&Save", "Alt+S", MainCommand::SavePicture, false},
    {"ToolButton11", "&Names DB", "Alt+N", MainCommand::NamesDatabase, true},
    {"ToolButton4", "&Day Info", "Alt+D", MainCommand::DayInfo, true},
    {"ToolButton5", "&Calendar ", "Alt+C", MainCommand::Calendar, false},
    {"ToolButton6", "&Forecast", "Alt+F", MainCommand::Forecast, false},
    {"ToolButton10", "&Matching", "Alt+M", MainCommand::Matching, false},
    {"ToolButton8", "&Options", "Alt+O", MainCommand::Options, true},
    {"ToolButton9", "&Help", "F1, Alt+H", MainCommand::HelpMenu, false},
};

struct MenuEntry {
    const char* name;
    const char* caption;
    MainCommand command;
};

constexpr MenuEntry kPopupEntries[] = {
    {"GetDayinfo1", "Get &day info (Alt+D)", MainCommand::DayInfoAtClick},
    {"PrintPicture1", "&Print Picture (Alt+P)", MainCommand::Print},
    {"SavePicture2", "&Save Picture (Alt+S)", MainCommand::SavePicture},
    {"Copy1", "Copy to clipboard (Ctrl+C)", MainCommand::CopyPicture},
    {"NamesDB", "Names Database (Alt+N)", MainCommand::NamesDatabase},
    {"ChartSettings1", "Options", MainCommand::Options},
};

struct HelpEntry {
    const char* name;
    const char* caption;
    int topic;  // -1: the about box
};

constexpr HelpEntry kHelpEntries[] = {
    {"Index2", "Help (F1)", 0},
    {"Gettingstarted2", "Getting started", 10},
    {"Theoverview1", "The overview", 4},
    {"Theory2", "Theory", 1},
    {"About2", "About", -1},
};

QString Text(const char* s) {
    return QString::fromLatin1(s);
}

}  // namespace

MainMenus BuildMainMenus(QMainWindow& window, const std::function<void(MainCommand)>& run,
                         const std::function<void(int topic)>& showHelp) {
    MainMenus menus;
    menus.toolBar = new QToolBar(QStringLiteral("Tools"), &window);
    menus.toolBar->setObjectName(QStringLiteral("ToolBar1"));
    menus.toolBar->setAccessibleName(QStringLiteral("Tools"));
    menus.toolBar->setMovable(false);
    menus.toolBar->setFloatable(false);
    menus.toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    menus.toolBar->toggleViewAction()->setVisible(false);
    window.addToolBar(Qt::TopToolBarArea, menus.toolBar);

    for (const ToolEntry& entry : kToolEntries) {
        if (entry.separatorBefore) {
            menus.toolBar->addSeparator();
        }
        auto* button = new QToolButton;
        button->setObjectName(Text(entry.name));
        button->setText(Text(entry.caption));
        button->setToolTip(Text(entry.hint));
        button->setAccessibleName(QString(Text(entry.caption)).remove(QLatin1Char('&')).trimmed());
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(true);
        menus.toolBar->addWidget(button);
        if (entry.command == MainCommand::HelpMenu) {
            menus.helpButton = button;
        }
        const MainCommand command = entry.command;
        QObject::connect(button, &QToolButton::clicked, &window, [run, command] { run(command); });
    }

    menus.popup = new QMenu(&window);
    menus.popup->setObjectName(QStringLiteral("PopupMenuCommon"));
    for (const MenuEntry& entry : kPopupEntries) {
        QAction* action = menus.popup->addAction(Text(entry.caption));
        action->setObjectName(Text(entry.name));
        const MainCommand command = entry.command;
        QObject::connect(action, &QAction::triggered, &window, [run, command] { run(command); });
    }

    menus.helpMenu = new QMenu(&window);
    menus.helpMenu->setObjectName(QStringLiteral("HelpMenu"));
    for (const HelpEntry& entry : kHelpEntries) {
        QAction* action = menus.helpMenu->addAction(Text(entry.caption));
        action->setObjectName(Text(entry.name));
        const int topic = entry.topic;
        QObject::connect(action, &QAction::triggered, &window, [run, showHelp, topic] {
            if (topic < 0) {
                run(MainCommand::About);
            } else {
                showHelp(topic);
            }
        });
    }
    return menus;
}

QPoint HelpMenuPosition(const MainMenus& menus) {
    return menus.toolBar->mapToGlobal(QPoint(menus.helpButton->x(), menus.toolBar->height() - 1));
}

}  // namespace vitalune::ui
