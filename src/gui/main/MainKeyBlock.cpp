#include "gui/main/MainKeyBlock.h"

#include "gui/main/MainKeyTable.h"
#include "gui/main/TMainForm.h"
#include "gui/widgets/KeyDispatcher.h"

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
