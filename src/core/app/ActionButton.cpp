#include "core/app/ActionButton.h"

#include "core/entry/Texts.h"

namespace kt {

std::string ActionButtonCaption(bool editorShown, bool replace, EditorMode mode) {
    namespace tx = entry_text;
    if (!editorShown) return tx::kActionRead;
    const bool activities = mode == EditorMode::Activities;
    if (replace) return activities ? tx::kActionReplaceActivity : tx::kActionReplaceRecord;
    return activities ? tx::kActionUpdateSelected : tx::kActionRead;
}

}  // namespace kt
