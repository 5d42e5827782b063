#include "core/app/EditorPane.h"

#include "core/app/Commands.h"

namespace kt {

std::optional<EditorPaneStep> EditorPaneCommand(int command, bool shown, EditorMode mode) {
    EditorPaneStep step;
    step.shown = shown;
    step.layout = true;
    switch (command) {
        case cmd::kShowHideEditor:
            step.shown = !shown;
            step.fillRecords = step.shown;
            step.hiddenPrompt = !step.shown;
            if (step.shown) step.mode = EditorMode::Records;
            break;
        case cmd::kToggleEditor:
            step.shown = !shown;
            if (step.shown) step.mode = EditorMode::Records;
            break;
        case cmd::kShowRecords:
            step.shown = true;
            step.mode = EditorMode::Records;
            break;
        case cmd::kShowActivities:
            step.shown = true;
            step.mode = EditorMode::Activities;
            break;
        case cmd::kShowDataEntry:
            step.shown = false;
            break;
        case cmd::kEditorMode:
            step.layout = false;
            if (shown) step.mode = mode == EditorMode::Records ? EditorMode::Activities : EditorMode::Records;
            break;
        default:
            return std::nullopt;
    }
    return step;
}

}  // namespace kt
