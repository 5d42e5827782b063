#pragma once
// The Help and Actions commands that hand over to the desktop: the calculator, the help file, the
// maker's web site, and the list of keyboard shortcuts.

class QWidget;

namespace kt {
struct Session;
}

namespace kt::ui {

// Registers the handlers with the session's commands; the dialog opens over `dialogParent`.
void RegisterDesktopCommands(kt::Session& session, QWidget* dialogParent);

// Starts the first calculator of the list that PATH holds and that starts; false, after telling
// the user, when none could be started.
bool RunCalculator(kt::Session& session);
// Opens the help file of the current folder with the desktop's handler; a missing file or a
// desktop without a handler is not reported.
void OpenHelp();
void OpenWebSite();

}  // namespace kt::ui
