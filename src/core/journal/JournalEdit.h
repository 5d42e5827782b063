#pragma once
// One undoable change of the journal. The operations of a user's step (a deletion, a new date, a
// capture of five rows with its weekly note and sort) run once through the document while their
// row notices are recorded; taking the step back and doing it again replays the record through
// the same operations, so every view follows as it followed the step itself and nothing writes
// the array behind the document's back.
//
// The record holds copies of the records each operation touched (before and after), not of the
// journal: a deletion costs one record, a capture a handful. Only a reordering of the whole array
// (the sort after a capture into an array out of date order) keeps the order it applied, one
// position per record.

#include <cstdint>
#include <functional>
#include <vector>

#include "core/journal/EventRecord.h"

namespace kt {

class CKT2Doc;

class JournalEdit {
public:
    // Runs `operations`, which change `doc` through its operations only, and records what they did.
    static JournalEdit Record(CKT2Doc& doc, const std::function<void()>& operations);

    // The operations changed no record (a capture of an empty grid or of duplicates only).
    bool Empty() const { return m_steps.empty(); }
    // False when the operations replaced the whole array (a load, a trim): such a step cannot be
    // taken back record by record, and an undo history must start again after it.
    bool Reversible() const { return m_reversible; }

    // Puts every record back where it stood before the operations, with every field (its file of
    // origin included), in one batch: the observers hear one change. Valid only on the array as
    // the operations, or Redo, left it. The document's changed flag is set, as by any edit; the
    // caller knows whether the array is back at its saved state.
    void Undo(CKT2Doc& doc) const;
    // Does the operations again, on the array as they found it (or as Undo left it).
    void Redo(CKT2Doc& doc) const;

private:
    struct Step {
        enum class Kind { Insert, Remove, Change, Reorder } kind = Kind::Insert;
        size_t first = 0;                  // array position of the first record concerned
        std::vector<CEventRecord> before;  // Remove, Change: the records as they were
        std::vector<CEventRecord> after;   // Insert, Change: the records as they became
        std::vector<uint32_t> order;       // Reorder: new position i holds old position order[i]
    };
    friend class JournalRecorder;

    std::vector<Step> m_steps;
    bool m_reversible = true;
};

}  // namespace kt
