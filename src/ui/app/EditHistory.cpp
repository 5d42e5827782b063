#include "ui/app/EditHistory.h"

#include <QAction>
#include <QKeySequence>
#include <QUndoStack>
#include <algorithm>

#include "core/app/Session.h"
#include "core/editor/Texts.h"
#include "core/journal/JournalEdit.h"
#include "core/settings/SettingsPersistence.h"
#include "ui/base/QtText.h"

namespace kt::ui {
namespace {

// A step of the journal. It was done when it was recorded, so the stack's first redo is skipped.
class JournalStep : public QUndoCommand {
public:
    JournalStep(CEditHistory& history, kt::CKT2Doc& doc, kt::JournalEdit edit, const QString& text)
        : QUndoCommand(text), m_history(history), m_doc(doc), m_edit(std::move(edit)) {}

    void undo() override {
        m_history.ReplayJournal([this] { m_edit.Undo(m_doc); }, m_history.Stack()->index() - 1);
    }
    void redo() override {
        if (m_bFirst) {
            m_bFirst = false;
            return;
        }
        m_history.ReplayJournal([this] { m_edit.Redo(m_doc); }, m_history.Stack()->index() + 1);
    }

private:
    CEditHistory& m_history;
    kt::CKT2Doc& m_doc;
    kt::JournalEdit m_edit;
    bool m_bFirst = true;
};

// A change of the activities: the selection and perhaps one activity's name and MET value.
class ActivityStep : public QUndoCommand {
public:
    ActivityStep(CEditHistory& history, kt::ActivitySnapshot before, kt::ActivitySnapshot after, const QString& text)
        : QUndoCommand(text), m_history(history), m_before(std::move(before)), m_after(std::move(after)) {}

    void undo() override { m_history.RestoreActivities(m_before, m_history.Stack()->index() - 1); }
    void redo() override {
        if (m_bFirst) {
            m_bFirst = false;
            return;
        }
        m_history.RestoreActivities(m_after, m_history.Stack()->index() + 1);
    }

private:
    CEditHistory& m_history;
    kt::ActivitySnapshot m_before;
    kt::ActivitySnapshot m_after;
    bool m_bFirst = true;
};

}  // namespace

CEditHistory::CEditHistory(kt::Session& session, QObject* parent) : QObject(parent), m_session(session) {
    namespace tx = kt::editor_text;
    m_stack = new QUndoStack(this);
    m_stack->setUndoLimit(kUndoLimit);
    m_undo = m_stack->createUndoAction(this, ToQ(tx::kUndo));
    m_undo->setShortcuts(QKeySequence::Undo);
    m_undo->setStatusTip(ToQ(tx::kUndoPrompt));
    m_redo = m_stack->createRedoAction(this, ToQ(tx::kRedo));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_redo->setStatusTip(ToQ(tx::kRedoPrompt));
    m_session.doc.AddObserver(this);
}

CEditHistory::~CEditHistory() { m_session.doc.RemoveObserver(this); }

void CEditHistory::RecordJournal(const QString& text, const std::function<void()>& operations) {
    m_bBusy = true;
    kt::JournalEdit edit = kt::JournalEdit::Record(m_session.doc, operations);
    m_bBusy = false;
    if (!edit.Reversible()) {
        // The operations replaced the whole array: nothing before it can be taken back.
        m_bForeign = true;
        JournalChanged({});
        return;
    }
    if (edit.Empty()) return;
    m_stack->push(new JournalStep(*this, m_session.doc, std::move(edit), text));
}

void CEditHistory::PushActivities(const QString& text, const kt::ActivitySnapshot& before, const kt::ActivitySnapshot& after) {
    if (before == after) return;
    m_stack->push(new ActivityStep(*this, before, after, text));
}

void CEditHistory::ReplayJournal(const std::function<void()>& replay, int targetIndex) {
    m_bBusy = true;
    replay();
    FollowSavedState(targetIndex);
    m_bBusy = false;
}

void CEditHistory::RestoreActivities(const kt::ActivitySnapshot& snapshot, int /*targetIndex*/) {
    kt::RestoreActivities(snapshot, m_session.settings, m_session.activities);
    // As a tick does: the selection is stored at once.
    kt::SaveSelectedActivities(*m_session.store, m_session.settings);
    emit activitiesRestored();
}

bool CEditHistory::JournalDiffersFromSaved(int index) const {
    const int clean = m_stack->cleanIndex();
    if (clean < 0) return true;
    for (int i = std::min(clean, index); i < std::max(clean, index); ++i) {
        if (dynamic_cast<const JournalStep*>(m_stack->command(i))) return true;
    }
    return false;
}

void CEditHistory::FollowSavedState(int index) {
    kt::CKT2Doc& doc = m_session.doc;
    const bool differs = JournalDiffersFromSaved(index);
    if (!differs && doc.IsChanged()) doc.MarkUnchanged();
    if (differs && !doc.IsChanged()) doc.MarkChanged();
}

void CEditHistory::Foreign() {
    if (!m_bBusy) m_bForeign = true;
}

void CEditHistory::RecordsInserted(size_t, size_t) { Foreign(); }
void CEditHistory::RecordsRemoved(size_t, size_t) { Foreign(); }
void CEditHistory::RecordsChanged(size_t, size_t) { Foreign(); }
void CEditHistory::Reordered() { Foreign(); }
void CEditHistory::Reset() { Foreign(); }

void CEditHistory::JournalChanged(const kt::JournalChange&) {
    if (m_bBusy || !m_bForeign) return;
    m_bForeign = false;
    m_stack->clear();
    if (m_session.doc.IsChanged()) m_stack->resetClean();
}

void CEditHistory::ModifiedChanged(bool changed) {
    // Saved, or loaded afresh: what the journal holds now is what its file holds.
    if (!m_bBusy && !changed) m_stack->setClean();
}

}  // namespace kt::ui
