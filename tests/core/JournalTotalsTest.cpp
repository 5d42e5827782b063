#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/chart/ChartFill.h"
#include "core/journal/JournalEdit.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

// Activities among the default selection (their calories follow the weight when none are stored)
// and one that is not.
const std::vector<std::string> kTypes = {"Cycling, 12-13.9mph, moderate", "Walking 4.8 k/h - 12:30 min/km (3.0 m/h), moderate",
                                         "Not an activity"};

class RandomJournal {
public:
    explicit RandomJournal(uint64_t seed) : m_rng(seed) {}

    size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(m_rng() % n); }
    // Forty days, so most days hold several records and some none.
    Time64 Day() { return LocalMidnight(2016, 3, 10 + static_cast<int>(Below(40))); }
    CEventRecord Record(Time64 day) {
        // Tenths and thirds of minutes: their sums round differently in every order.
        const double minutes = static_cast<double>(Below(900)) / (Below(2) ? 10.0 : 3.0);
        const double calories = Below(3) == 0 ? 0.0 : static_cast<double>(Below(5000)) / 10.0;
        const size_t w = Below(6);
        const double weight = w == 0 ? 0.0 : w == 1 ? 0.5 : 60.0 + static_cast<double>(Below(300)) / 10.0;
        return CEventRecord(day, kTypes[Below(kTypes.size())], Format("d%zu", Below(3)), minutes, "Park", calories, weight, 1, "");
    }
    CEventRecord Record() { return Record(Day()); }

private:
    std::mt19937_64 m_rng;
};

// The undo history as the edit history keeps it: each step recorded as it ran, the newest last.
// A step that replaced the whole array (a trim) starts it again; a new step drops what was undone.
struct History {
    std::vector<JournalEdit> done;
    std::vector<JournalEdit> undone;
    void Add(JournalEdit edit) {
        if (!edit.Reversible()) {
            done.clear();
            undone.clear();
        } else if (!edit.Empty()) {
            done.push_back(std::move(edit));
            undone.clear();
        }
    }
};

// Every way the journal changes; some keep the array in date order, the others need not. An undo
// or redo brings back an array the steps before made, so it keeps the order while they do.
struct Operation {
    const char* name;
    bool keepsOrder;
    std::function<void(CKT2Doc&, RandomJournal&)> apply;
    // Undo and redo: they replay steps of the history instead of being one.
    std::function<void(CKT2Doc&, RandomJournal&, History&)> replay = nullptr;
};

Time64 Newest(const CKT2Doc& doc, RandomJournal& r) { return doc.Records().empty() ? r.Day() : doc.Records().back().m_time; }

const std::vector<Operation>& Operations() {
    static const std::vector<Operation> operations = {
        {"capture", true, [](CKT2Doc& doc, RandomJournal& r) { doc.AddRecord(r.Record()); }},
        {"capture on the newest day", true, [](CKT2Doc& doc, RandomJournal& r) { doc.AddRecord(r.Record(Newest(doc, r))); }},
        {"delete", true, [](CKT2Doc& doc, RandomJournal& r) { doc.DeleteRecord(r.Below(doc.Records().size())); }},
        {"correct", true,
         [](CKT2Doc& doc, RandomJournal& r) {
             const size_t at = r.Below(doc.Records().size());
             if (at < doc.Records().size()) doc.ReplaceRecord(at, r.Record(doc.Records()[at].m_time));
         }},
        {"re-date the newest record later", true,
         [](CKT2Doc& doc, RandomJournal& r) {
             if (!doc.Records().empty()) doc.ChangeDate(doc.Records().size() - 1, Newest(doc, r) + kSecondsPerDay * (1 + r.Below(2)));
         }},
        {"import newer records", true,
         [](CKT2Doc& doc, RandomJournal& r) {
             const Time64 day = Newest(doc, r) + kSecondsPerDay;
             doc.AppendRecords({r.Record(day), r.Record(day), r.Record(day + kSecondsPerDay)});
         }},
        {"trim", true,
         [](CKT2Doc& doc, RandomJournal& r) {
             test::RecordingPrompter prompter;
             doc.TrimAndArchive(r.Day() - 20 * kSecondsPerDay, prompter, test::FixedClock(1460000000));
         }},
        {"sort", true, [](CKT2Doc& doc, RandomJournal&) { doc.SortByDate(); }},
        {"insert anywhere", false, [](CKT2Doc& doc, RandomJournal& r) { doc.InsertRecord(r.Below(doc.Records().size() + 1), r.Record()); }},
        {"re-date", false, [](CKT2Doc& doc, RandomJournal& r) { doc.ChangeDate(r.Below(doc.Records().size()), r.Day()); }},
        {"replace", false, [](CKT2Doc& doc, RandomJournal& r) { doc.ReplaceRecord(r.Below(doc.Records().size()), r.Record()); }},
        {"import", false,
         [](CKT2Doc& doc, RandomJournal& r) {
             doc.AppendRecords({r.Record(), r.Record(), r.Record()});
         }},
        {"read a line", false, [](CKT2Doc& doc, RandomJournal& r) { doc.ParseRecordLine(DatabaseRecordLine(r.Record())); }},
        {"undo", true, nullptr,
         [](CKT2Doc& doc, RandomJournal& r, History& h) {
             for (size_t n = 1 + r.Below(3); n > 0 && !h.done.empty(); --n) {
                 h.done.back().Undo(doc);
                 h.undone.push_back(std::move(h.done.back()));
                 h.done.pop_back();
             }
         }},
        {"redo", true, nullptr,
         [](CKT2Doc& doc, RandomJournal& r, History& h) {
             for (size_t n = 1 + r.Below(2); n > 0 && !h.undone.empty(); --n) {
                 h.undone.back().Redo(doc);
                 h.done.push_back(std::move(h.undone.back()));
                 h.undone.pop_back();
             }
         }},
    };
    return operations;
}

// The newest record of `type`, walking back as the auto-fill once did.
std::optional<size_t> WalkBackTo(const CKT2Doc& doc, const std::string& type) {
    for (size_t i = doc.Records().size(); i > 0; --i) {
        if (doc.Records()[i - 1].m_strType == type) return i - 1;
    }
    return std::nullopt;
}

// The kept figures of `doc` against the same records counted from scratch, and its lookups
// against a walk over every record.
void ExpectAsCountedAgain(const CKT2Doc& doc, const std::string& after) {
    SCOPED_TRACE(after);
    const auto& records = doc.Records();
    const bool sorted =
        std::is_sorted(records.begin(), records.end(), [](const CEventRecord& a, const CEventRecord& b) { return a.m_time < b.m_time; });
    // The document may keep calling an array unordered after a deletion put it in order.
    ASSERT_TRUE(sorted || !doc.IsSorted());
    const JournalTotals& kept = doc.Totals();
    JournalTotals counted;
    counted.Update(records, doc.IsSorted());
    const ActivityTable& table = ActivityTable::Defaults();
    const std::vector<uint16_t> selected = DefaultSelectedActivities();
    EXPECT_EQ(kept.Minutes(), counted.Minutes());
    EXPECT_EQ(kept.Calories(table, selected, true, 77.7), counted.Calories(table, selected, true, 77.7));
    EXPECT_EQ(kept.ExerciseDays(records.size()), counted.ExerciseDays(records.size()));
    ASSERT_EQ(kept.Days() != nullptr, counted.Days() != nullptr);
    if (kept.Days()) {
        EXPECT_EQ(*kept.Days(), *counted.Days());
    }
    for (const std::string& type : kTypes) {
        EXPECT_EQ(doc.LastRecordOfType(type), WalkBackTo(doc, type)) << type;
        if (doc.IsSorted()) {
            EXPECT_EQ(kept.NewestOfType(records, type), counted.NewestOfType(records, type)) << type;
        }
    }
    // The chart drawn from kept days (or a walk) is the chart a walk over the records draws.
    CKT2Doc fresh;
    fresh.SetRecords(records);
    Settings a, b;
    const ChartData fromDoc = FillChart(doc, 0, true, a);
    const ChartData fromFresh = FillChart(fresh, 0, true, b);
    EXPECT_EQ(fromDoc.exercise, fromFresh.exercise);
    EXPECT_EQ(fromDoc.weight, fromFresh.weight);
    EXPECT_EQ(a.m_dMinWeight, b.m_dMinWeight);
}

TEST(JournalTotals, KeptFiguresEqualACountFromScratchAfterEveryOperationUndoAndRedo) {
    test::TempDir dir;
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        RandomJournal random(seed);
        CKT2Doc doc;
        doc.m_strDataFolder = dir.path().string();
        std::vector<CEventRecord> start;
        for (int i = 0; i < 30; ++i) start.push_back(random.Record());
        if (seed % 2 == 0) {
            std::stable_sort(start.begin(), start.end(), [](const CEventRecord& a, const CEventRecord& b) { return a.m_time < b.m_time; });
        }
        doc.SetRecords(start);
        // Asking for a type before the changes, so the kept newest dates are exercised too.
        for (const std::string& type : kTypes) doc.LastRecordOfType(type);
        ExpectAsCountedAgain(doc, "load");
        History history;
        // Mostly in date order, as the journal is kept, then anything.
        for (int step = 0; step < 160; ++step) {
            const Operation& op = Operations()[random.Below(Operations().size())];
            if (step < 100 && !op.keepsOrder) continue;
            if (op.replay) {
                op.replay(doc, random, history);
            } else {
                history.Add(JournalEdit::Record(doc, [&] { op.apply(doc, random); }));
            }
            ExpectAsCountedAgain(doc, Format("seed %llu step %d: %s", static_cast<unsigned long long>(seed), step, op.name));
            if (::testing::Test::HasFailure()) return;
        }
    }
}

}  // namespace
}  // namespace kt
