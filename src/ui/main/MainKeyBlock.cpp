#include "ui/main/MainKeyBlock.h"

#include "ui/main/KeyDispatcher.h"
#include "ui/main/MainKeyTable.h"
#include "ui/main/TMainForm.h"

namespace vitalune::ui {

void AddMainWindowKeys(KeyDispatcher& dispatcher, TMainForm& form) {
    dispatcher.AddWindow(
        &form, [] { return kDefaultHelpTopic; },
        [&form](const KeyStroke& stroke) {
            const KeyOutcome outcome =
                MainWindowKey(stroke.key, stroke.modifiers, form.DatePickerFocused());
            if (outcome.command) {
                form.RunCommand(*outcome.command);
            }
            return outcome.consumed;
        });
    dispatcher.SetHelpShower([&form](int topic) { form.ShowHelpTopic(topic); });
}

}  // namespace vitalune::ui
