#pragma once
// Loading a record or an activity into row 1 of the entry grid for correction, as the database
// editor does on a double-click. The action button then writes the row back (ReadDataGrid).

#include <optional>
#include <string>

#include "core/entry/EntryGrid.h"
#include "core/entry/EntryState.h"

namespace kt {

class CKT2Doc;
class ActivityTable;

// Puts the record at `position` into row 1 (type, description, duration and calories as the
// editor's list shows them, location, notes), sets the entry date to the record's day and enters
// the replace state for that record. False, and nothing changed, for a position outside the array.
// A duration shorter than `maxHours` minutes is loaded as "h:mm:ss": as a plain number the
// capture would read it as hours and turn a 5-minute record into 5 hours.
bool LoadRecordForCorrection(EntryGrid& grid, EntryState& state, const CKT2Doc& doc, int position, double maxHours);

// The duration text loaded for correction (see above).
std::string CorrectionDurationText(double minutes, double maxHours);

// Where the record being corrected stands now: its loaded position while the record there is
// still the one loaded, else the first record equal to it in every field; nullopt when the array
// no longer holds it (deleted or changed since it was loaded) or nothing was loaded.
std::optional<size_t> FindCorrectedRecord(const CKT2Doc& doc, const EntryState& state);
// Every field equal, the file of origin included.
bool SameRecord(const CEventRecord& a, const CEventRecord& b);

// Puts activity `index` into row 1 (name, MET "%2.4lf", index "%d") and enters the replace state.
// False, and nothing changed, for an index outside the table.
bool LoadActivityForEdit(EntryGrid& grid, EntryState& state, const ActivityTable& table, int index);

}  // namespace kt
