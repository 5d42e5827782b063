#pragma once
// The caption of the data entry view's action button, which says what pressing it will do.

#include <string>

#include "core/entry/EntryState.h"

namespace kt {

// From the editor pane's visibility, the data entry view's replace state and the editor's mode.
// "&&" never occurs, so the text is shown as it is.
std::string ActionButtonCaption(bool editorShown, bool replace, EditorMode mode);

}  // namespace kt
