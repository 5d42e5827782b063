#include "core/journal/JournalEdit.h"

#include <algorithm>
#include <numeric>

#include "core/journal/KT2Doc.h"

namespace kt {
namespace {

// Tells records apart that share a date, so a reordering is checked record by record.
uint64_t Identity(const CEventRecord& r) { return RecordHash(r) ^ (static_cast<uint64_t>(r.m_nFile) * 0x9e3779b97f4a7c15ULL); }

std::vector<CEventRecord> Copy(const std::vector<CEventRecord>& records, size_t first, size_t last) {
    return {records.begin() + static_cast<std::ptrdiff_t>(first), records.begin() + static_cast<std::ptrdiff_t>(last) + 1};
}

}  // namespace

// Listens to the document while the operations of one step run.
class JournalRecorder : public JournalObserver {
public:
    JournalRecorder(CKT2Doc& doc, JournalEdit& edit) : m_doc(doc), m_edit(edit) { m_doc.AddObserver(this); }
    ~JournalRecorder() override { m_doc.RemoveObserver(this); }
    JournalRecorder(const JournalRecorder&) = delete;
    JournalRecorder& operator=(const JournalRecorder&) = delete;

    void RecordsInserted(size_t first, size_t last) override {
        Add(JournalEdit::Step::Kind::Insert, first).after = Copy(m_doc.Records(), first, last);
    }
    void RecordsAboutToBeRemoved(size_t first, size_t last) override {
        Add(JournalEdit::Step::Kind::Remove, first).before = Copy(m_doc.Records(), first, last);
    }
    void RecordsAboutToChange(size_t first, size_t last) override { m_changing = Copy(m_doc.Records(), first, last); }
    void RecordsChanged(size_t first, size_t last) override {
        JournalEdit::Step& step = Add(JournalEdit::Step::Kind::Change, first);
        step.before = std::move(m_changing);
        step.after = Copy(m_doc.Records(), first, last);
        if (step.before.size() != step.after.size()) m_edit.m_reversible = false;
    }
    void AboutToReorder() override {
        // The sort puts the records in date order and keeps the order of equal dates; the order
        // it will apply is worked out here, and checked against what it did.
        const std::vector<CEventRecord>& records = m_doc.Records();
        m_order.resize(records.size());
        std::iota(m_order.begin(), m_order.end(), 0u);
        std::stable_sort(m_order.begin(), m_order.end(),
                         [&records](uint32_t a, uint32_t b) { return records[a].m_time < records[b].m_time; });
        m_identities.resize(records.size());
        for (size_t i = 0; i < records.size(); ++i) m_identities[i] = Identity(records[i]);
    }
    void Reordered() override {
        const std::vector<CEventRecord>& records = m_doc.Records();
        bool same = records.size() == m_order.size();
        for (size_t i = 0; same && i < records.size(); ++i) same = Identity(records[i]) == m_identities[m_order[i]];
        if (!same) m_edit.m_reversible = false;
        Add(JournalEdit::Step::Kind::Reorder, 0).order = std::move(m_order);
        m_identities.clear();
    }
    void AboutToReset() override { m_edit.m_reversible = false; }

private:
    JournalEdit::Step& Add(JournalEdit::Step::Kind kind, size_t first) {
        JournalEdit::Step& step = m_edit.m_steps.emplace_back();
        step.kind = kind;
        step.first = first;
        return step;
    }

    CKT2Doc& m_doc;
    JournalEdit& m_edit;
    std::vector<CEventRecord> m_changing;
    std::vector<uint32_t> m_order;
    std::vector<uint64_t> m_identities;
};

JournalEdit JournalEdit::Record(CKT2Doc& doc, const std::function<void()>& operations) {
    JournalEdit edit;
    {
        const JournalRecorder recorder(doc, edit);
        if (operations) operations();
    }
    if (!edit.m_reversible) edit.m_steps.clear();
    return edit;
}

void JournalEdit::Undo(CKT2Doc& doc) const {
    if (!m_reversible) return;
    const JournalBatch batch(doc);
    for (auto step = m_steps.rbegin(); step != m_steps.rend(); ++step) {
        switch (step->kind) {
            case Step::Kind::Insert:
                for (size_t i = step->after.size(); i-- > 0;) doc.DeleteRecord(step->first + i);
                break;
            case Step::Kind::Remove:
                for (size_t i = 0; i < step->before.size(); ++i) doc.InsertRecord(step->first + i, step->before[i]);
                break;
            case Step::Kind::Change:
                for (size_t i = 0; i < step->before.size(); ++i) doc.ReplaceRecord(step->first + i, step->before[i]);
                break;
            case Step::Kind::Reorder: {
                const std::vector<CEventRecord>& records = doc.Records();
                if (records.size() != step->order.size()) break;
                std::vector<CEventRecord> old(records.size());
                for (size_t i = 0; i < records.size(); ++i) old[step->order[i]] = records[i];
                doc.SetRecords(std::move(old));
                break;
            }
        }
    }
}

void JournalEdit::Redo(CKT2Doc& doc) const {
    if (!m_reversible) return;
    const JournalBatch batch(doc);
    for (const Step& step : m_steps) {
        switch (step.kind) {
            case Step::Kind::Insert:
                for (size_t i = 0; i < step.after.size(); ++i) doc.InsertRecord(step.first + i, step.after[i]);
                break;
            case Step::Kind::Remove:
                for (size_t i = step.before.size(); i-- > 0;) doc.DeleteRecord(step.first + i);
                break;
            case Step::Kind::Change:
                for (size_t i = 0; i < step.after.size(); ++i) doc.ReplaceRecord(step.first + i, step.after[i]);
                break;
            case Step::Kind::Reorder: {
                const std::vector<CEventRecord>& records = doc.Records();
                if (records.size() != step.order.size()) break;
                std::vector<CEventRecord> sorted;
                sorted.reserve(step.order.size());
                for (uint32_t from : step.order) sorted.push_back(records[from]);
                doc.SetRecords(std::move(sorted));
                break;
            }
        }
    }
}

}  // namespace kt
