#pragma once
// Joins the main window to the key dispatcher: its help topic and its block of keys.

namespace vitalune::ui {

class KeyDispatcher;
class TMainForm;

void AddMainWindowKeys(KeyDispatcher& dispatcher, TMainForm& form);

}  // namespace vitalune::ui
