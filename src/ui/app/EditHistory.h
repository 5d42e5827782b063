#pragma once
// The undo history of the session: deletions, new dates, corrections and captures of the journal
// and the changes of the activities, on one QUndoStack. A journal step is recorded from the
// document's own notices while its operations run (kt::JournalEdit) and replayed through the same
// operations, so every view follows an undo as it followed the step.
//
// The document's changed flag follows the history: a save marks the stack clean, and an undo or
// redo that brings the journal back to what was saved clears the flag again. Steps of the
// activities never count as changes of the journal. A change of the journal that is not a step of
// the history (a load, an archive, an import) starts the history again: the positions its steps
// remember would no longer be right.

#include <QObject>
#include <QString>
#include <functional>

#include "core/editor/ActivitySelection.h"
#include "core/journal/JournalObserver.h"

class QUndoStack;
class QAction;

namespace kt {
struct Session;
}

namespace kt::ui {

// The number of steps kept; older ones are dropped.
inline constexpr int kUndoLimit = 100;

class CEditHistory : public QObject, public kt::JournalObserver {
    Q_OBJECT
public:
    explicit CEditHistory(kt::Session& session, QObject* parent = nullptr);
    ~CEditHistory() override;

    QUndoStack* Stack() const { return m_stack; }
    // Menu items that take the last step back or do it again, named after it ("&Undo Delete
    // Exercise Record"), with Ctrl+Z and Ctrl+Y / Ctrl+Shift+Z.
    QAction* UndoAction() const { return m_undo; }
    QAction* RedoAction() const { return m_redo; }

    // Runs `operations`, which change the journal through the document's operations only, as one
    // step named `text`. A run that changed no record leaves no step.
    void RecordJournal(const QString& text, const std::function<void()>& operations);
    // A change of the activities already made, from `before` to `after`; no step when equal.
    void PushActivities(const QString& text, const kt::ActivitySnapshot& before, const kt::ActivitySnapshot& after);

    // Used by the steps.
    void ReplayJournal(const std::function<void()>& replay, int targetIndex);
    void RestoreActivities(const kt::ActivitySnapshot& snapshot, int targetIndex);

signals:
    // An undo or redo changed the selection or an activity's name or MET value.
    void activitiesRestored();

protected:
    void RecordsInserted(size_t first, size_t last) override;
    void RecordsRemoved(size_t first, size_t last) override;
    void RecordsChanged(size_t first, size_t last) override;
    void Reordered() override;
    void Reset() override;
    void JournalChanged(const kt::JournalChange& change) override;
    void ModifiedChanged(bool changed) override;

private:
    void Foreign();
    // With the stack at `index`: the journal differs from the last save.
    bool JournalDiffersFromSaved(int index) const;
    void FollowSavedState(int index);

    kt::Session& m_session;
    QUndoStack* m_stack = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    bool m_bBusy = false;     // a step is running or being replayed: its notices are its own
    bool m_bForeign = false;  // the journal changed outside the history since the last notice
};

}  // namespace kt::ui
