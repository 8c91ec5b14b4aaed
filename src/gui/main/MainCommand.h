#pragma once
// What the user can ask of the main window from its tool bar, menus and keys. One list, so that
// a button, its menu entry and its key all end in the same place (TMainForm::RunCommand).

namespace vitalune::ui {

enum class MainCommand {
    Print,
    SavePicture,
    CopyPicture,
    NamesDatabase,
    DayInfo,         // the calculation date (column 16)
    DayInfoAtClick,  // the column of the last press on a chart
    Calendar,
    Forecast,
    Matching,
    Options,
    HelpMenu,
    About,
    Today,
    BirthDay,
    DayBack,
    DayForward,
    MonthBack,
    MonthForward,
};

}  // namespace vitalune::ui
