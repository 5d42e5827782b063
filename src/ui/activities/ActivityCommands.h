#pragma once
// The activity catalogue's commands of the menus: reset the selected activities, show the default
// activities, write the HTML list.

class QWidget;

namespace kt {
struct Session;
}

namespace kt::ui {

// Registers the handlers with the session's commands; dialogs open over `dialogParent`, which
// must live as long as the handlers can be called.
void RegisterActivityCommands(kt::Session& session, QWidget* dialogParent);

}  // namespace kt::ui
