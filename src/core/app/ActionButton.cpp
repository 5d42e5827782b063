#include "core/app/ActionButton.h"

namespace kt {

std::string ActionButtonCaption(bool editorShown, bool replace, EditorMode mode) {
    if (!editorShown) return "Read Data Grid";
    const bool activities = mode == EditorMode::Activities;
    if (replace) return activities ? "Replace Activity Data" : "Replace Record";
    return activities ? "Update Selected Activities" : "Read Data Grid";
}

}  // namespace kt
