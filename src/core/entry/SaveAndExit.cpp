#include "core/entry/SaveAndExit.h"

#include "core/base/Prompter.h"
#include "core/entry/EntryGrid.h"
#include "core/entry/Texts.h"
#include "core/journal/KT2Doc.h"

namespace kt {

ExitDecision OnSaveAndExit(const EntryGrid& grid, CKT2Doc& doc, Prompter& prompter, const Clock& clock) {
    if (grid.IsEdited() && !prompter.AskYesNoDefaultNo(entry_text::kDiscardQuestion)) return ExitDecision::Stay;
    if (doc.IsChanged() && !doc.SaveDatabase(prompter, clock)) return ExitDecision::Stay;
    return ExitDecision::Close;
}

}  // namespace kt
