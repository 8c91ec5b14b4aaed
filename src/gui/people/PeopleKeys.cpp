#include "gui/people/PeopleKeys.h"

#include "core/help/HelpTopics.h"
#include "gui/people/TDateHintForm.h"
#include "gui/people/TNewGroupForm.h"
#include "gui/people/TNewPersForm.h"
#include "gui/people/TSelForm.h"
#include "gui/people/TSelectGroupForm.h"
#include "gui/widgets/KeyDispatcher.h"

namespace vitalune::ui {

void AddPeopleDialogKeys(KeyDispatcher& dispatcher, TNewPersForm& person, TNewGroupForm& group,
                         TSelectGroupForm& selection, TSelForm& selector) {
    const auto namesDatabase = [] { return help_topic::kNamesDatabase; };
    dispatcher.AddWindow(&person, namesDatabase, {});
    dispatcher.AddWindow(&group, namesDatabase, {});
    dispatcher.AddWindow(&selection, namesDatabase, {});
    dispatcher.AddWindow(&selector, [] { return help_topic::kGettingStarted; }, {});
    // The picture beside the person dialog has no topic of its own.
    dispatcher.AddWindow(&person.DateHint(), {}, {});
}

}  // namespace vitalune::ui
