#include "gui/main/MainKeyTable.h"

namespace vitalune::ui {

namespace {

struct AltLetter {
    int key;
    MainCommand command;
};

// These letters are used up even without Alt, so typing them in the main window does nothing.
constexpr AltLetter kAltLetters[] = {
    {Qt::Key_B, MainCommand::BirthDay},      {Qt::Key_C, MainCommand::Calendar},
    {Qt::Key_D, MainCommand::DayInfo},       {Qt::Key_F, MainCommand::Forecast},
    {Qt::Key_H, MainCommand::HelpMenu},      {Qt::Key_M, MainCommand::Matching},
    {Qt::Key_N, MainCommand::NamesDatabase}, {Qt::Key_O, MainCommand::Options},
    {Qt::Key_P, MainCommand::Print},         {Qt::Key_S, MainCommand::SavePicture},
    {Qt::Key_T, MainCommand::Today},
};

KeyOutcome Run(MainCommand command) {
    return {command, true};
}

}  // namespace

KeyOutcome MainWindowKey(int key, Qt::KeyboardModifiers modifiers, bool datePickerFocused) {
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    switch (key) {
        case Qt::Key_PageUp:
            return Run(MainCommand::MonthBack);
        case Qt::Key_PageDown:
            return Run(MainCommand::MonthForward);
        case Qt::Key_End:
            return Run(MainCommand::Today);
        case Qt::Key_Home:
            return Run(MainCommand::BirthDay);
        case Qt::Key_Left:
            return datePickerFocused ? KeyOutcome{} : Run(MainCommand::DayBack);
        case Qt::Key_Right:
            return datePickerFocused ? KeyOutcome{} : Run(MainCommand::DayForward);
        case Qt::Key_Insert:
            return ctrl ? Run(MainCommand::CopyPicture) : KeyOutcome{};
        default:
            break;
    }
    if (key == Qt::Key_C && ctrl && !alt) {
        return Run(MainCommand::CopyPicture);
    }
    for (const AltLetter& letter : kAltLetters) {
        if (letter.key == key) {
            return alt ? Run(letter.command) : KeyOutcome{std::nullopt, true};
        }
    }
    return {};
}

}  // namespace vitalune::ui
