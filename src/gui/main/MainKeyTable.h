#pragma once
// The main window's own keys: which command a key stands for and whether the key is used up
// (so that the focused control never sees it). Pure lookup; the dispatcher runs the command.

#include <Qt>
#include <optional>

#include "gui/main/MainCommand.h"

namespace vitalune::ui {

struct KeyOutcome {
    std::optional<MainCommand> command;
    bool consumed = false;
    friend bool operator==(const KeyOutcome&, const KeyOutcome&) = default;
};

// `datePickerFocused`: the calculation date's picker has the keyboard focus, so Left and Right
// move within it instead of stepping the chart.
KeyOutcome MainWindowKey(int key, Qt::KeyboardModifiers modifiers, bool datePickerFocused);

}  // namespace vitalune::ui
