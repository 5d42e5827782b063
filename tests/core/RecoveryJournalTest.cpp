#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "core/base/Format.h"
#include "core/journal/KT2Doc.h"
#include "core/journal/RecoveryJournal.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

using test::RecordingPrompter;

CEventRecord Rec(int day, const std::string& type, double minutes = 30) {
    return CEventRecord(LocalMidnight(2024, 3, day), type, "desc", minutes, "park", 100, 80, 1, "note\tx");
}

// The array as a save would write it: the same text means the same records in the same order.
std::vector<std::string> Lines(const CKT2Doc& doc) {
    std::vector<std::string> lines = doc.DatabaseLines(0);
    for (size_t i = 0; i < doc.Records().size(); ++i) lines[i + 1] += Format("|%u", doc.Records()[i].m_nFile);
    return lines;
}

struct Folder {
    Folder() {
        doc.m_strDataFolder = dir.path().string();
        doc.m_bMetric = true;
    }
    // A fresh program start on the same folder: the saved journal loaded, then the recovery step.
    // The journal is declared after the document, so it stops observing before the document dies.
    struct Started {
        Started() = default;
        Started(Started&&) = default;
        Started& operator=(Started&& other) noexcept {
            journal.reset();
            doc = std::move(other.doc);
            journal = std::move(other.journal);
            return *this;
        }
        CKT2Doc* operator->() const { return doc.get(); }
        std::unique_ptr<CKT2Doc> doc;
        std::unique_ptr<RecoveryJournal> journal;
    };
    Started Restart(RecordingPrompter& prompter) {
        Started s;
        s.doc = std::make_unique<CKT2Doc>();
        s.doc->m_strDataFolder = dir.path().string();
        s.doc->LoadDatabase();
        s.journal = std::make_unique<RecoveryJournal>(*s.doc, dir.path(), prompter);
        s.journal->Start(clock);
        return s;
    }
    size_t AsideFiles() const {
        size_t n = 0;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            n += e.path().filename().string().rfind("ExerciseData.recovery-", 0) == 0;
        return n;
    }
    test::TempDir dir;
    CKT2Doc doc;
    RecordingPrompter prompter;
    test::FixedClock clock{1710000000};
};

// Random edits through every operation, a "crash" (the program ends without saving), and a start
// that applies the file: the array is exactly what it was, each time, saved in between or not.
TEST(RecoveryJournal, EveryChangeSinceTheLastSaveComesBackExactly) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Folder f;
        std::mt19937 rng(seed);
        auto pick = [&rng](size_t n) { return static_cast<size_t>(rng() % n); };
        for (int d = 1; d <= 5; ++d) f.doc.AddRecord(Rec(d, "seed"));
        ASSERT_TRUE(f.doc.SaveDatabase(f.prompter, f.clock));
        auto journal = std::make_unique<RecoveryJournal>(f.doc, f.dir.path(), f.prompter);
        journal->Start(f.clock);
        const int steps = 1 + static_cast<int>(pick(30));
        for (int s = 0; s < steps; ++s) {
            const size_t n = f.doc.Records().size();
            switch (pick(8)) {
                case 0: {
                    JournalBatch capture(f.doc);  // a capture of several rows is one change
                    for (size_t r = 0; r <= pick(3); ++r) f.doc.AddRecord(Rec(1 + static_cast<int>(pick(28)), Format("add%d", s)));
                    break;
                }
                case 1:
                    if (n) f.doc.ReplaceRecord(pick(n), Rec(1 + static_cast<int>(pick(28)), Format("fix%d", s), 12.345));
                    break;
                case 2:
                    if (n) f.doc.DeleteRecord(pick(n));
                    break;
                case 3:
                    if (n) f.doc.ChangeDate(pick(n), LocalMidnight(2024, 4, 1 + static_cast<int>(pick(20))));
                    break;
                case 4:
                    f.doc.SortByDate();
                    break;
                case 5:
                    f.doc.InsertRecord(pick(n + 1), Rec(2, Format("ins%d", s)));
                    break;
                case 6:
                    f.doc.AppendRecords({Rec(9, "a"), Rec(3, "b")});
                    break;
                case 7:
                    ASSERT_TRUE(pick(3) != 0 || f.doc.SaveDatabase(f.prompter, f.clock));  // saved one time in three
                    break;
            }
        }
        const std::vector<std::string> before = Lines(f.doc);
        const bool unsaved = f.doc.IsChanged();
        journal.reset();  // the process ends here, however it ends: nothing more is written

        RecordingPrompter prompter;
        prompter.answers = {true};
        const auto again = f.Restart(prompter);
        SCOPED_TRACE(Format("seed %u", seed));
        EXPECT_EQ(Lines(*again.doc), before);
        EXPECT_EQ(prompter.questions.size(), unsaved ? 1u : 0u);
        EXPECT_EQ(again->IsChanged(), unsaved);
        EXPECT_TRUE(prompter.messages.empty() && std::filesystem::exists(f.dir / kRecoveryFileName));
    }
}

TEST(RecoveryJournal, NoKeepsTheChangesAsideAndAStaleOrTornFileAppliesNothingWrong) {
    Folder f;
    f.doc.AddRecord(Rec(1, "saved"));
    ASSERT_TRUE(f.doc.SaveDatabase(f.prompter, f.clock));
    auto journal = std::make_unique<RecoveryJournal>(f.doc, f.dir.path(), f.prompter);
    journal->Start(f.clock);
    f.doc.AddRecord(Rec(2, "unsaved"));
    f.doc.AddRecord(Rec(3, "torn"));
    journal.reset();
    const std::string whole = test::ReadAll(f.dir / kRecoveryFileName);

    // A line the crash cut short is not applied; the complete ones before it are.
    test::WriteAll(f.dir / kRecoveryFileName, whole.substr(0, whole.size() - 10));
    RecordingPrompter yes;
    yes.answers = {true};
    auto doc = f.Restart(yes);
    ASSERT_EQ(yes.questions.size(), 1u);
    EXPECT_EQ(yes.questions[0].find("Kinetrax was not closed properly the last time: 1 changes"), 0u);
    EXPECT_EQ(doc->Records().size(), 2u);
    doc = {};

    // No: the saved journal as it is, and the changes kept aside under a dated name.
    test::WriteAll(f.dir / kRecoveryFileName, whole);
    RecordingPrompter no;
    no.answers = {false};
    doc = f.Restart(no);
    EXPECT_TRUE(doc->Records().size() == 1u && f.AsideFiles() == 1u);
    EXPECT_TRUE(std::filesystem::exists(f.dir / (std::string(kRecoveryFileName) + "-2024-03-09-170000")));
    doc.journal.reset();  // an unchanged journal leaves no recovery file behind
    EXPECT_FALSE(std::filesystem::exists(f.dir / kRecoveryFileName));

    // The journal was saved after the file was written (the program ended between the save and
    // the emptying): nothing is applied twice; the file is kept and the user told.
    doc->AddRecord(Rec(4, "later"));
    test::WriteAll(f.dir / kRecoveryFileName, whole);
    ASSERT_TRUE(doc->SaveDatabase(no, f.clock));
    RecordingPrompter stale;
    auto after = f.Restart(stale);
    EXPECT_TRUE(stale.questions.empty());
    ASSERT_EQ(stale.messages.size(), 1u);
    EXPECT_NE(stale.messages[0].find("saved or replaced after it was written"), std::string::npos);
    EXPECT_TRUE(after->Records().size() == 2u && f.AsideFiles() == 2u);
}

TEST(RecoveryJournal, ASaveOrADiscardEmptiesTheFileAndAMisfitChangeStopsTheReplay) {
    Folder f;
    f.doc.AddRecord(Rec(1, "one"));
    ASSERT_TRUE(f.doc.SaveDatabase(f.prompter, f.clock));
    {
        RecoveryJournal journal(f.doc, f.dir.path(), f.prompter);
        journal.Start(f.clock);
        f.doc.AddRecord(Rec(2, "two"));
        EXPECT_EQ(ReadRecoveryFile(f.dir / kRecoveryFileName)->steps.size(), 1u);
        ASSERT_TRUE(f.doc.SaveDatabase(f.prompter, f.clock));
        EXPECT_TRUE(ReadRecoveryFile(f.dir / kRecoveryFileName)->steps.empty());
        f.doc.DeleteRecord(0);
        journal.Discard();  // closing with "No": these are not to be offered again
        EXPECT_TRUE(ReadRecoveryFile(f.dir / kRecoveryFileName)->steps.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(f.dir / kRecoveryFileName));

    // A change that does not fit the saved array stops the replay there, and says so.
    const FileFingerprint base = FingerprintOf(f.doc.DatabasePath());
    test::WriteAll(f.dir / kRecoveryFileName,
                   Format("KTRECOVERY\t1\t0\t%llu\t%llu\t%lld\r\nS\r\nD\t7\r\nD\t0\r\n", base.inode, base.size, base.mtimeNs));
    RecordingPrompter yes;
    yes.answers = {true};
    auto doc = f.Restart(yes);
    ASSERT_EQ(yes.messages.size(), 1u);
    EXPECT_EQ(yes.messages[0].find("Only 1 of the 3 unsaved changes could be applied"), 0u);
    EXPECT_EQ(doc->Records().size(), 2u);
    EXPECT_EQ(f.AsideFiles(), 1u);
}

}  // namespace
}  // namespace kt
