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
    state.correctedRecord = r;
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

std::optional<size_t> FindCorrectedRecord(const CKT2Doc& doc, const EntryState& state) {
    if (!state.correctedRecord) return std::nullopt;
    const std::vector<CEventRecord>& records = doc.Records();
    const CEventRecord& wanted = *state.correctedRecord;
    if (state.recordPosition >= 0 && static_cast<size_t>(state.recordPosition) < records.size() &&
        SameRecord(records[static_cast<size_t>(state.recordPosition)], wanted))
        return static_cast<size_t>(state.recordPosition);
    // Something moved it (a deletion above it, an undo): any record equal in every field is it.
    for (size_t i = 0; i < records.size(); ++i) {
        if (SameRecord(records[i], wanted)) return i;
    }
    return std::nullopt;
}

bool SameRecord(const CEventRecord& a, const CEventRecord& b) {
    return a.m_time == b.m_time && a.m_strType == b.m_strType && a.m_strDescription == b.m_strDescription &&
           a.m_dDuration == b.m_dDuration && a.m_strLocation == b.m_strLocation && a.m_dCalories == b.m_dCalories &&
           a.m_dWeight == b.m_dWeight && a.m_bMetric == b.m_bMetric && a.m_nFile == b.m_nFile && a.m_strNotes == b.m_strNotes;
}

bool LoadActivityForEdit(EntryGrid& grid, EntryState& state, const ActivityTable& table, int index) {
    const Activity* activity = table.Find(index);
    if (!activity) return false;
    grid.SetText(1, 0, activity->name);
    grid.SetText(1, 1, Format("%2.4lf", activity->met));
    grid.SetText(1, 2, Format("%d", index));
    state.replace = true;
    // No record is being corrected now: a record correction pressed next has nothing to replace.
    state.correctedRecord.reset();
    return true;
}

}  // namespace kt
