#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/journal/JournalEdit.h"
#include "core/journal/KT2Doc.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

CEventRecord Rec(int day, const char* description, uint32_t file = 0) {
    CEventRecord r(LocalMidnight(2016, 1, day), "Golf", description, 30, "Park", 100, 80, 1, "n");
    r.m_nFile = file;
    return r;
}

struct Counter : JournalObserver {
    void JournalChanged(const JournalChange&) override { ++changes; }
    int changes = 0;
};

TEST(JournalEdit, UndoPutsEveryRecordBackAndRedoDoesTheStepAgain) {
    const struct {
        const char* name;
        std::vector<CEventRecord> start;
        std::function<void(CKT2Doc&)> step;
    } cases[] = {
        {"delete", {Rec(1, "a"), Rec(2, "b", 3), Rec(3, "c")}, [](CKT2Doc& d) { d.DeleteRecord(1); }},
        {"new date keeps the position",
         {Rec(1, "a"), Rec(2, "b"), Rec(3, "c")},
         [](CKT2Doc& d) { d.ChangeDate(0, LocalMidnight(2016, 2, 9)); }},
        {"correction of an archived record",
         {Rec(1, "a"), Rec(2, "b", 2), Rec(3, "c")},
         [](CKT2Doc& d) {
             CEventRecord r = Rec(2, "corrected", 2);
             r.m_dWeight = 75;
             d.ReplaceRecord(1, r);
         }},
        {"capture with a weekly note",
         {Rec(1, "a"), Rec(5, "b")},
         [](CKT2Doc& d) {
             const JournalBatch batch(d);
             d.AddRecord(Rec(2, "x"));
             const size_t last = d.AddRecord(Rec(2, "y"));
             CEventRecord noted = d.Records()[last];
             noted.m_strNotes = "week " + noted.m_strNotes.str();
             d.ReplaceRecord(last, noted);
             d.MarkChanged();
             d.SortByDate();
         }},
        {"capture into an array out of date order",
         {Rec(4, "a"), Rec(1, "b"), Rec(3, "c"), Rec(1, "d")},
         [](CKT2Doc& d) {
             const JournalBatch batch(d);
             d.AddRecord(Rec(2, "x"));
             d.SortByDate();
         }},
        {"several operations",
         {Rec(1, "a"), Rec(2, "b")},
         [](CKT2Doc& d) {
             d.InsertRecord(0, Rec(9, "first"));
             d.DeleteRecord(2);
             d.ChangeDate(1, LocalMidnight(2015, 5, 5));
             d.InsertRecord(2, Rec(3, "last", 1));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CKT2Doc doc;
        doc.SetRecords(c.start);
        const std::string before = test::DumpRecords(doc);
        const JournalEdit edit = JournalEdit::Record(doc, [&] { c.step(doc); });
        const std::string after = test::DumpRecords(doc);
        ASSERT_NE(before, after);
        EXPECT_TRUE(edit.Reversible() && !edit.Empty());
        Counter counter;
        doc.AddObserver(&counter);
        edit.Undo(doc);
        EXPECT_EQ(test::DumpRecords(doc), before);
        EXPECT_TRUE(counter.changes == 1 && doc.IsChanged());  // one notice for the whole step
        edit.Redo(doc);
        EXPECT_EQ(test::DumpRecords(doc), after);
        edit.Undo(doc);
        EXPECT_EQ(test::DumpRecords(doc), before);
        EXPECT_EQ(counter.changes, 3);
        doc.RemoveObserver(&counter);
        doc.MarkUnchanged();
        EXPECT_FALSE(doc.IsChanged());
    }
}

TEST(JournalEdit, AStepWithoutRecordsLeavesNothingAndAWholeNewArrayCannotBeTakenBack) {
    CKT2Doc doc;
    doc.SetRecords({Rec(1, "a")});
    const JournalEdit duplicate = JournalEdit::Record(doc, [&doc] { doc.MarkChanged(); });
    EXPECT_TRUE(duplicate.Empty() && duplicate.Reversible());

    const JournalEdit load = JournalEdit::Record(doc, [&doc] {
        doc.DeleteRecord(0);
        doc.SetRecords({Rec(2, "b"), Rec(3, "c")});
    });
    EXPECT_FALSE(load.Reversible());
    EXPECT_TRUE(load.Empty());
    load.Undo(doc);  // does nothing
    EXPECT_EQ(doc.Records().size(), 2u);
}

}  // namespace
}  // namespace kt
