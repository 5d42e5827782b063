#include "core/entry/Correction.h"

#include <cmath>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/journal/KT2Doc.h"

namespace kt {

std::string CorrectionDurationText(double minutes, double maxHours) {
    if (!(minutes >= 0) || minutes >= maxHours || minutes >= 1e7) return Format("%2.3lf", minutes);
    const int hours = static_cast<int>(minutes / 60);
    const int whole = static_cast<int>(minutes - 60.0 * hours);
    const double seconds = (minutes - 60.0 * hours - whole) * 60.0;
    const double rounded = std::round(seconds * 10.0) / 10.0;
    if (rounded == std::floor(rounded)) return Format("%d:%02d:%02d", hours, whole, static_cast<int>(rounded));
    return Format("%d:%02d:%04.1f", hours, whole, rounded);
}

bool LoadRecordForCorrection(EntryGrid& grid, EntryState& state, const CKT2Doc& doc, int position, double maxHours) {
    if (position < 0 || static_cast<size_t>(position) >= doc.Records().size()) return false;
    const CEventRecord& r = doc.Records()[static_cast<size_t>(position)];
    state.entryDate = MidnightOf(r.m_time);
    state.recordPosition = position;
    state.replace = true;
    // The editor's list shows numbers with "%2.3lf"; the grid receives those texts. The unit cell
    // and column 7 keep what they hold, and the weight is not loaded: the capture gives the
    // corrected record the current weight.
    grid.SetText(1, kColType, r.m_strType);
    grid.SetText(1, kColDescription, r.m_strDescription);
    grid.SetText(1, kColDuration, CorrectionDurationText(r.m_dDuration, maxHours));
    grid.SetText(1, kColLocation, r.m_strLocation);
    grid.SetText(1, kColCalories, Format("%2.3lf", r.m_dCalories));
    grid.SetText(1, kColNotes, r.m_strNotes);
    return true;
}

bool LoadActivityForEdit(EntryGrid& grid, EntryState& state, const ActivityTable& table, int index) {
    const Activity* activity = table.Find(index);
    if (!activity) return false;
    grid.SetText(1, 0, activity->name);
    grid.SetText(1, 1, Format("%2.4lf", activity->met));
    grid.SetText(1, 2, Format("%d", index));
    state.replace = true;
    return true;
}

}  // namespace kt
