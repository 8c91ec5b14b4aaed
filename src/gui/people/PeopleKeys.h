#pragma once
// Joins the people dialogs to the key dispatcher: the help topic of each. None has keys of its
// own; Enter and Escape are the dialogs' OK and Cancel.

namespace vitalune::ui {

class KeyDispatcher;
class TNewGroupForm;
class TNewPersForm;
class TSelForm;
class TSelectGroupForm;

void AddPeopleDialogKeys(KeyDispatcher& dispatcher, TNewPersForm& person, TNewGroupForm& group,
                         TSelectGroupForm& selection, TSelForm& selector);

}  // namespace vitalune::ui
