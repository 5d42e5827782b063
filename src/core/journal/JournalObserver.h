#pragma once
// How the journal tells the rest of the program what changed.
//
// One change path: every change of the record array is an operation of CKT2Doc (add, insert,
// replace, delete, change a date, sort, load, set the whole array); nothing else writes the array.
// Each operation reports to the registered observers in two kinds of notices:
//
// - Row notices, made before and after each single structural change, with array positions. A
//   Qt list model over the journal forwards them to beginInsertRows/endInsertRows and friends, so
//   a list of a million records never has to be rebuilt.
// - One JournalChanged notice when an operation is complete; operations run inside a
//   JournalBatch (a capture of five rows, an undo macro, a trim) give a single notice when the
//   outermost batch ends. Views that show totals (chart, averages, summaries, status panes)
//   recompute there, so they never see a half-done change and never recompute per row.
//
// Undo commands wrap the same operations; they never touch the array themselves.

#include <cstddef>
#include <filesystem>
#include <string>

namespace kt {

// Both false: the operations only marked the document changed (a captured row that duplicated a
// record); the totals are the same, but the views show the state after an edit all the same.
struct JournalChange {
    bool records = false;   // records were added, replaced, removed, re-dated or reordered
    bool reloaded = false;  // the whole array was replaced (a load)
    friend bool operator==(const JournalChange&, const JournalChange&) = default;
};

struct SaveReport {
    size_t records = 0;          // records written
    std::filesystem::path file;  // the file they were written to
};

// What the status bar says after a save: how many records went to which file.
std::string SaveReportText(const SaveReport& report);

// Every notice has an empty default, so an observer overrides only what it shows. Observers must
// not change the journal from a row notice; from JournalChanged they may.
class JournalObserver {
public:
    virtual ~JournalObserver() = default;

    // Positions first..last (inclusive) of the array after (inserted) or before (removed) the change.
    virtual void RecordsAboutToBeInserted(size_t /*first*/, size_t /*last*/) {}
    virtual void RecordsInserted(size_t /*first*/, size_t /*last*/) {}
    virtual void RecordsAboutToBeRemoved(size_t /*first*/, size_t /*last*/) {}
    virtual void RecordsRemoved(size_t /*first*/, size_t /*last*/) {}
    // Before and after records first..last receive new values in place (a replace, a new date).
    virtual void RecordsAboutToChange(size_t /*first*/, size_t /*last*/) {}
    virtual void RecordsChanged(size_t /*first*/, size_t /*last*/) {}
    // The same records in another order (a sort).
    virtual void AboutToReorder() {}
    virtual void Reordered() {}
    // Every record may be new (a load).
    virtual void AboutToReset() {}
    virtual void Reset() {}

    // One operation or outermost batch is complete.
    virtual void JournalChanged(const JournalChange& /*change*/) {}
    // The changed flag went up or down.
    virtual void ModifiedChanged(bool /*changed*/) {}
    // The database was written.
    virtual void Saved(const SaveReport& /*report*/) {}
};

}  // namespace kt
