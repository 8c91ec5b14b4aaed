#pragma once
// The person, group and group selection dialogs as the names editor asks them: plain functions,
// so that the program hands in the real dialogs and tests answer them. An empty function makes
// the command that needs it do nothing.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace vitalune {
class NamesDatabase;
}

namespace vitalune::ui {

struct GroupChoice {
    std::string name;
    int icon = 0;
};

struct PeopleDialogs {
    // The new person line ("name|dd.mm.yyyy|M"), or nothing on Cancel; no editLine: create.
    std::function<std::optional<std::string>(QWidget* parent,
                                             const std::optional<std::string>& editLine)>
        askPerson;
    // The group's name and icon, or nothing on Cancel; no edit: create.
    std::function<std::optional<GroupChoice>(QWidget* parent,
                                             const std::optional<GroupChoice>& edit)>
        askGroup;
    // The group to move or copy to (never editorGroup), or nothing.
    std::function<std::optional<std::size_t>(QWidget* parent, const NamesDatabase& db,
                                             std::size_t editorGroup, bool moveMode)>
        askTargetGroup;
};

}  // namespace vitalune::ui
