#pragma once
// What happens when the user finishes typing into a cell of the entry grid: the cell takes the
// text, the Duration column shows its unit, and choosing an activity can fill description and
// location from the newest record of that activity.

#include <string>
#include <vector>

namespace kt {

class CKT2Doc;
class EntryGrid;
struct EntryState;

struct CellRef {
    int row = 0;
    int column = 0;
    friend bool operator==(const CellRef&, const CellRef&) = default;
};

struct CellEditResult {
    std::vector<CellRef> redraw;      // cells whose text the view must show again, in write order
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
