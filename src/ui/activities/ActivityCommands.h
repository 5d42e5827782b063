#pragma once
// The activity catalogue's and the option lists' commands of the menus: reset the selected
// activities, show the default activities, write the HTML list, edit the descriptions, the
// locations and the order of the activity types.

#include <functional>

class QWidget;

namespace kt {
struct Session;
enum class OptionListMode : int;
}  // namespace kt

namespace kt::ui {

// Called after an option list changed in the settings (an editor's Apply or OK), so the
// drop-downs that offer it can show the new list.
using OptionListChanged = std::function<void(kt::OptionListMode)>;

// Registers the handlers with the session's commands; dialogs open over `dialogParent`, which
// must live as long as the handlers can be called.
void RegisterActivityCommands(kt::Session& session, QWidget* dialogParent, OptionListChanged listChanged);

}  // namespace kt::ui
