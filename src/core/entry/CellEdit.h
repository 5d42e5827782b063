#pragma once
// What happens when the user finishes typing into a cell of the entry grid: the cell takes the
// text, the Duration column shows its unit, and choosing an activity can fill description and
// location from the newest record of that activity.

#include <string>

namespace kt {

class CKT2Doc;
class EntryGrid;
struct EntryState;

// Which cells changed the grid tells its cell observer; what is left for the view is the button.
struct CellEditResult {
    bool exitCaptionChanged = false;  // the exit button must show state.exitCaption
};

struct LastEntry {
    std::string description;
    std::string location;
};

// Description and location of the record with the highest array position whose activity type
// equals `type` exactly (case-sensitive); both empty when there is none. Every call also switches
// the exit button to "Save Database && Exit".
LastEntry FindLastEntryForActivity(const CKT2Doc& doc, EntryState& state, const std::string& type);

// The in-place editor of cell (row, column) closed with `text`. `autoFill` is the setting
// "AutoFill" at that moment. Edits of the heading row or outside the grid change nothing.
CellEditResult EndCellEdit(EntryGrid& grid, EntryState& state, const CKT2Doc& doc, bool autoFill, int row, int column,
                           const std::string& text);

}  // namespace kt
