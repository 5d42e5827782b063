#include "core/entry/CellEdit.h"

#include "core/entry/Duration.h"
#include "core/entry/EntryGrid.h"
#include "core/entry/EntryState.h"
#include "core/entry/Texts.h"
#include "core/journal/KT2Doc.h"

namespace kt {

LastEntry FindLastEntryForActivity(const CKT2Doc& doc, EntryState& state, const std::string& type) {
    state.exitCaption = entry_text::kExitCaptionSave;
    const std::optional<size_t> last = doc.LastRecordOfType(type);
    if (!last) return {};
    const CEventRecord& record = doc.Records()[*last];
    return {record.m_strDescription, record.m_strLocation};
}

CellEditResult EndCellEdit(EntryGrid& grid, EntryState& state, const CKT2Doc& doc, bool autoFill, int row, int column,
                           const std::string& text) {
    CellEditResult result;
    if (row < kFirstEntryRow || row > kLastEntryRow || column < 0 || column >= kGridColumns) return result;

    if (text != grid.Text(row, column)) {
        grid.SetModified(row, column);
        grid.SetText(row, column, text);
        if (column == kColDuration) {
            grid.SetText(row, kColUnit, DurationUnitHint(text));
            return result;
        }
    }
    // Re-choosing the same activity fills again on purpose: it brings back the usual description
    // and location after the user changed them.
    if (column == kColType && autoFill) {
        const LastEntry last = FindLastEntryForActivity(doc, state, grid.Text(row, kColType));
        result.exitCaptionChanged = true;
        if (!last.description.empty()) {
            grid.SetText(row, kColDescription, last.description);
            grid.SetText(row, kColLocation, last.location);
        }
    }
    return result;
}

}  // namespace kt
