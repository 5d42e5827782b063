#include <gtest/gtest.h>

#include "core/activities/ActivityTable.h"
#include "core/app/Shutdown.h"
#include "core/base/AtomicFile.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsPersistence.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

struct Program {
    test::TempDir dir;
    CKT2Doc doc;
    Settings settings;
    ActivityTable activities;
    MemorySettingsStore store;
    test::RecordingPrompter prompter;
    ExitContext Context(const std::filesystem::path& folder) { return {doc, settings, activities, store, folder, prompter}; }
    bool Stored(const char* name) { return store.ReadValue(kSettingsKeyPath, name).has_value(); }
};

TEST(Shutdown, UnchangedSettingsWriteNothing) {
    Program p;
    ExitContext c = p.Context(p.dir.path());
    StoreAtExit(c);
    EXPECT_FALSE(p.store.OpenKey(kSettingsKeyPath, false));
    EXPECT_TRUE(std::filesystem::is_empty(p.dir.path()));
}

TEST(Shutdown, AnActivityListThatCannotBeWrittenStillKeepsTheSelection) {
    Program p;
    test::WriteAll(p.dir / "file", "x");
    p.settings.m_bActivityListChanged = true;
    p.settings.m_arSelectedActivities = {5, 7};
    ExitContext c = p.Context(p.dir / "file" / "KT");
    StoreAtExit(c);
    EXPECT_TRUE(p.settings.m_bActivityListChanged);
    EXPECT_EQ(p.prompter.messages, std::vector<std::string>{"Unable to save activity list."});
    EXPECT_EQ(p.store.ReadValue(kSettingsKeyPath, "Events").value_or(StoredValue{0, "none"}).data, "5\t7\n");
    EXPECT_FALSE(p.Stored("GraphPeriod"));  // nothing else was due

    // Written list: the selection is not written separately.
    Program q;
    q.settings.m_bActivityListChanged = true;
    q.settings.m_arSelectedActivities = {5};
    ExitContext d = q.Context(q.dir.path());
    StoreAtExit(d);
    EXPECT_TRUE(!q.settings.m_bActivityListChanged && std::filesystem::exists(q.dir / "ActivityList.txt") && !q.Stored("Events"));
}

TEST(Shutdown, SaveBeforeCloseSavesTheDatabaseAndLeavesTheRestToTheCloseOnce) {
    Program p;
    p.doc.m_strDataFolder = p.dir.path().string();
    p.doc.SetRecords({CEventRecord(LocalMidnight(2016, 1, 5), "Archery", "", 30, "", 200, 80, 1, "")});
    p.doc.MarkChanged();
    p.settings.m_bSettingsChanged = true;
    ExitContext c = p.Context(p.dir.path());
    SetAtomicWriteFailureAfterBytesForTesting(0);
    const bool closed = SaveBeforeClose(c, test::FixedClock(1700000000));
    SetAtomicWriteFailureAfterBytesForTesting(-1);
    EXPECT_TRUE(!closed && p.doc.IsChanged() && p.settings.m_bSettingsChanged && !p.Stored("GraphPeriod"));

    // The activity list cannot be written: the whole exit reports that once.
    p.settings.m_bActivityListChanged = true;
    ExitContext broken = p.Context(p.dir / "ExerciseData.edb" / "KT");
    EXPECT_TRUE(SaveBeforeClose(broken, test::FixedClock(1700000000)));
    EXPECT_TRUE(std::filesystem::exists(p.doc.DatabasePath()) && !p.Stored("GraphPeriod"));
    StoreAtExit(broken);
    EXPECT_TRUE(p.Stored("GraphPeriod"));
    EXPECT_EQ(p.prompter.messages.size(), 2u);  // the failed database save, then the list once
    EXPECT_EQ(p.prompter.messages.back(), "Unable to save activity list.");
}

}  // namespace
}  // namespace kt
