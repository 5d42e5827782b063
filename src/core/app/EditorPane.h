#pragma once
// What the commands that show, hide and switch the database editor pane do: the main window
// carries the answer out (pane, editor mode, record list, prompt line, row heights) and then
// recaptions the action button and the menus.

#include <optional>

#include "core/entry/EntryState.h"

namespace kt {

struct EditorPaneStep {
    bool shown = false;              // the pane afterwards
    std::optional<EditorMode> mode;  // the editor's mode to set (SetEditorMode), if any
    bool fillRecords = false;        // refill the record list before the mode is set
    bool hiddenPrompt = false;       // the entry prompt becomes the "enter the exercise data" line
    bool layout = false;             // the row heights follow the pane (LayoutPanes)
};

// The step for `command` with the pane `shown` and the editor in `mode`; nullopt for a command
// that is not one of the pane commands. The mode switch does nothing (its step changes nothing)
// while the pane is hidden.
std::optional<EditorPaneStep> EditorPaneCommand(int command, bool shown, EditorMode mode);

}  // namespace kt
