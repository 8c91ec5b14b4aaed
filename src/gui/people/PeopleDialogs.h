#pragma once
// What the names editor asks the people dialogs for.

#include <string>

namespace vitalune::ui {

struct GroupChoice { std::string name; int icon = 0; };

}  // namespace vitalune::ui
