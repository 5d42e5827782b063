#include <gtest/gtest.h>

#include "core/activities/ActivityTable.h"
#include "core/entry/Correction.h"
#include "core/entry/Duration.h"
#include "core/entry/GridCapture.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

TEST(Correction, ShortDurationsAreLoadedSoThatTheCaptureReadsThemAsMinutes) {
    for (double minutes : {5.0, 5.5, 0.25, 59.99, 90.0, 419.0}) {
        const std::string text = CorrectionDurationText(minutes, 7.0);
        EXPECT_NEAR(ParseDuration(text, 7.0).minutes, minutes, 0.01) << text;
    }
    EXPECT_EQ(CorrectionDurationText(5.0, 7.0), "0:05:00");
    EXPECT_EQ(CorrectionDurationText(45.0, 7.0), "45.000");
    EXPECT_EQ(CorrectionDurationText(7.0, 7.0), "7.000");  // a value equal to the threshold reads as minutes
}

TEST(Correction, LoadedRecordIsWrittenBackInPlaceWithItsOwnValues) {
    CKT2Doc doc;
    doc.m_bMetric = true;
    doc.m_dLastWeight = 70;
    const Time64 day = LocalMidnight(2016, 1, 5);
    doc.m_arRecords = {CEventRecord(day, "Archery", "Target", 30, "Park", 200, 80, 1, "windy"),
                       CEventRecord(day, "Badminton", "Club", 5, "Hall", 50, 80, 1, ""),
                       CEventRecord(LocalMidnight(2016, 1, 6), "Archery", "Target", 40, "Park", 210, 80, 1, "")};
    Settings settings;
    settings.m_arSelectedActivities = DefaultSelectedActivities();
    ActivityTable table;
    test::RecordingPrompter prompter;
    EntryGrid grid;
    EntryState state;
    state.entryDate = LocalMidnight(2020, 1, 1);

    ASSERT_TRUE(LoadRecordForCorrection(grid, state, doc, 1, settings.m_dMaxHours));
    EXPECT_TRUE(state.replace);
    EXPECT_EQ(state.recordPosition, 1);
    EXPECT_EQ(state.entryDate, day);
    EXPECT_EQ(grid.Text(1, kColType), "Badminton");
    EXPECT_EQ(grid.Text(1, kColCalories), "50.000");

    grid.SetText(1, kColDescription, "Club night");
    CaptureContext context(doc, settings, table, prompter);
    context.editorShown = true;
    const ActionResult result = OnActionButton(grid, state, context);
    ASSERT_EQ(result.capture.recordsReplaced, 1);
    ASSERT_EQ(doc.m_arRecords.size(), 3u);
    const CEventRecord& r = doc.m_arRecords[1];
    EXPECT_EQ(r.m_strDescription, "Club night");
    EXPECT_NEAR(r.m_dDuration, 5.0, 1e-9);  // not 5 hours
    EXPECT_DOUBLE_EQ(r.m_dCalories, 50.0);
    EXPECT_EQ(r.m_strNotes, "");
    EXPECT_FALSE(state.replace);
    EXPECT_FALSE(LoadRecordForCorrection(grid, state, doc, 3, 7.0));
    EXPECT_FALSE(LoadRecordForCorrection(grid, state, doc, -1, 7.0));
}

TEST(Correction, ActivityLoadedForEditRenamesTheEntryAtItsIndex) {
    CKT2Doc doc;
    Settings settings;
    ActivityTable table;
    test::RecordingPrompter prompter;
    EntryGrid grid;
    EntryState state;
    ASSERT_TRUE(LoadActivityForEdit(grid, state, table, 305));
    EXPECT_EQ(grid.Text(1, 0), "User Defined");
    EXPECT_EQ(grid.Text(1, 1), "0.0000");
    EXPECT_EQ(grid.Text(1, 2), "305");
    grid.SetText(1, 0, "Stand-up paddling");
    grid.SetText(1, 1, "6.0");
    CaptureContext context(doc, settings, table, prompter);
    context.editorShown = true;
    context.editorMode = EditorMode::Activities;
    OnActionButton(grid, state, context);
    EXPECT_EQ(table.At(305).name, "Stand-up paddling");
    EXPECT_DOUBLE_EQ(table.At(305).met, 6.0);
    EXPECT_TRUE(settings.m_bActivityListChanged);
    EXPECT_FALSE(LoadActivityForEdit(grid, state, table, 310));
}

}  // namespace
}  // namespace kt
