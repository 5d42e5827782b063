#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/entry/CellEdit.h"
#include "core/entry/EntryGrid.h"
#include "core/entry/EntryPrompt.h"
#include "core/entry/EntryState.h"
#include "core/entry/GridCapture.h"
#include "core/entry/OptionLists.h"
#include "core/entry/SaveAndExit.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

const char* const kGolf = "Golf, general";          // MET 4.4988, selected by default
const char* const kAerobics = "Aerobics, general";  // MET 6.4919, selected by default
const char* const kNote = "(Calories determined through formula calculation)";

struct Row {
    std::string type, description, duration, location, calories, notes;
};

void SetRow(EntryGrid& grid, int r, const Row& row) {
    grid.SetText(r, kColType, row.type);
    grid.SetText(r, kColDescription, row.description);
    grid.SetText(r, kColDuration, row.duration);
    grid.SetText(r, kColLocation, row.location);
    grid.SetText(r, kColCalories, row.calories);
    grid.SetText(r, kColNotes, row.notes);
    grid.SetModified(r, kColType);
}

CEventRecord Record(Time64 day, const std::string& type, const std::string& description, double minutes, const std::string& location,
                    const std::string& notes = "") {
    return CEventRecord(day, type, description, minutes, location, 100.0, 70.0, 1, notes);
}

struct EntryFixture : ::testing::Test {
    EntryFixture() {
        doc.m_bMetric = true;
        doc.m_dLastWeight = 70.0;
        settings.m_dMaxHours = 10.0;
        settings.m_arSelectedActivities = DefaultSelectedActivities();
        state.entryDate = tuesday;
        context.refreshDaySummary = [this](Time64 day) { summaryDays.push_back(day); };
        context.optionListChanged = [this](bool isDescription) { listRefills.push_back(isDescription); };
        context.refillRecordList = [this] { ++recordListRefills; };
        context.activityRowChanged = [this](int index, const std::string& name, const std::string& met) {
            activityRows.push_back(Format("%d|%s|%s", index, name.c_str(), met.c_str()));
        };
        ClearDataEntryGrid(grid);
    }

    const Time64 tuesday = LocalMidnight(2016, 1, 5);
    const Time64 saturday = LocalMidnight(2016, 1, 9);
    CKT2Doc doc;
    Settings settings;
    ActivityTable table;
    test::RecordingPrompter prompter;
    EntryGrid grid;
    EntryState state;
    CaptureContext context{doc, settings, table, prompter};
    std::vector<Time64> summaryDays;
    std::vector<bool> listRefills;
    int recordListRefills = 0;
    std::vector<std::string> activityRows;
};

TEST(EntryGrid, HeadingsClearingAndModifiedMarks) {
    EntryGrid grid;
    const char* headings[] = {"Exercise Event", "Description", "Duration", "Minutes/Hours", "Location", "Calories", "Notes & Comments", ""};
    for (int c = 0; c < kGridColumns; ++c) EXPECT_EQ(grid.Text(0, c), headings[c]);
    EXPECT_EQ(grid.Text(3, kColNotes), "");
    EXPECT_TRUE(IsComboColumn(kColType) && IsComboColumn(kColDescription) && IsComboColumn(kColLocation));
    EXPECT_FALSE(IsComboColumn(kColDuration) || IsComboColumn(kColCalories) || IsComboColumn(kColNotes));

    grid.SetText(2, kColNotes, "typed");
    grid.SetModified(2, kColNotes);
    EXPECT_TRUE(grid.IsEdited());
    ClearDataEntryGrid(grid);
    for (int r = 1; r <= 5; ++r) {
        for (int c = 0; c < kGridColumns; ++c) EXPECT_EQ(grid.Text(r, c), " ") << r << "," << c;
    }
    EXPECT_EQ(grid.Text(0, kColType), "Exercise Event");
    // Clearing by command leaves the mark, so the exit question still comes.
    EXPECT_TRUE(grid.IsEdited());
    EXPECT_TRUE(grid.IsModified(2, kColNotes));
    grid.ClearModified();
    EXPECT_FALSE(grid.IsEdited());
    EXPECT_FALSE(grid.IsModified(2, kColNotes));

    // Cells outside the grid are neither read nor written.
    grid.SetText(6, 0, "x");
    grid.SetText(1, 8, "x");
    grid.SetModified(-1, 0);
    EXPECT_EQ(grid.Text(6, 0), "");
    EXPECT_EQ(grid.Text(1, -1), "");
    EXPECT_FALSE(grid.IsEdited());
}

TEST(EntryState, StartsFromSettingsAndStartUpEndsWithExitCaption) {
    Settings settings;
    settings.m_bAddToCombo = true;
    settings.m_bMonitorWeight = true;
    settings.m_bUseLastWeight = true;
    settings.m_nAveragingPeriod = 4;
    EntryState state = MakeEntryState(MakeLocalTime(2016, 3, 27, 18, 30), settings);
    EXPECT_EQ(state.entryDate, LocalMidnight(2016, 3, 27));
    EXPECT_TRUE(state.addToLists && state.showWeight && state.useCurrentWeight);
    EXPECT_EQ(state.averagingPeriod, 4);
    EXPECT_FALSE(state.replace);
    EXPECT_EQ(state.exitCaption, "    Save Database && Exit    ");

    EntryGrid grid;
    grid.SetModified(1, 1);
    state.newWeightSet = true;
    CompleteStartUp(state, grid);
    EXPECT_EQ(state.exitCaption, "Exit");
    EXPECT_FALSE(state.newWeightSet);
    EXPECT_FALSE(grid.IsEdited());
}

TEST_F(EntryFixture, EndCellEdit_MarksChangedCellsAndShowsDurationHint) {
    CellEditResult r = EndCellEdit(grid, state, doc, true, 1, kColDuration, "7");
    EXPECT_EQ(grid.Text(1, kColDuration), "7");
    EXPECT_EQ(grid.Text(1, kColUnit), "Minutes");  // the hint uses 5, whatever "MaxHours" says
    EXPECT_TRUE(grid.IsModified(1, kColDuration));
    EXPECT_FALSE(grid.IsModified(1, kColUnit));
    EXPECT_EQ(r.redraw, (std::vector<CellRef>{{1, kColDuration}, {1, kColUnit}}));

    grid.ClearModified();
    r = EndCellEdit(grid, state, doc, true, 1, kColDuration, "7");  // unchanged text
    EXPECT_FALSE(grid.IsEdited());
    EXPECT_TRUE(r.redraw.empty());

    r = EndCellEdit(grid, state, doc, true, 2, kColDuration, "1:30");
    EXPECT_EQ(grid.Text(2, kColUnit), "Hours");

    // The heading row is not editable.
    r = EndCellEdit(grid, state, doc, true, 0, kColType, "x");
    EXPECT_EQ(grid.Text(0, kColType), "Exercise Event");
    EXPECT_TRUE(r.redraw.empty());
}

TEST_F(EntryFixture, EndCellEdit_AutoFillTakesNewestRecordOfTheActivityAndOverwritesTypedText) {
    doc.m_arRecords = {Record(tuesday, "Archery", "Old range", 30, "Club"), Record(tuesday, "archery", "Lower case", 30, "Elsewhere"),
                       Record(tuesday, "Archery", "Field course", 30, ""), Record(tuesday, kGolf, "Nine holes", 30, "Links")};
    grid.SetText(2, kColDescription, "typed before");
    grid.SetText(2, kColLocation, "typed place");

    CellEditResult r = EndCellEdit(grid, state, doc, true, 2, kColType, "Archery");
    EXPECT_EQ(grid.Text(2, kColDescription), "Field course");
    EXPECT_EQ(grid.Text(2, kColLocation), "");  // an empty location is written too
    EXPECT_TRUE(r.exitCaptionChanged);
    EXPECT_EQ(state.exitCaption, "Save Database && Exit");
    EXPECT_FALSE(grid.IsModified(2, kColDescription));

    // Choosing the same activity again fills again, over what was typed meanwhile.
    grid.SetText(2, kColDescription, "changed");
    EndCellEdit(grid, state, doc, true, 2, kColType, "Archery");
    EXPECT_EQ(grid.Text(2, kColDescription), "Field course");

    // No record of the activity: nothing is filled, the caption still changes.
    state.exitCaption = "Exit";
    grid.SetText(3, kColDescription, "mine");
    r = EndCellEdit(grid, state, doc, true, 3, kColType, "ARCHERY");
    EXPECT_EQ(grid.Text(3, kColDescription), "mine");
    EXPECT_TRUE(r.exitCaptionChanged);
    EXPECT_EQ(state.exitCaption, "Save Database && Exit");

    // "AutoFill" off: the typed texts stay and the caption does not change.
    state.exitCaption = "Exit";
    r = EndCellEdit(grid, state, doc, false, 4, kColType, "Archery");
    EXPECT_EQ(grid.Text(4, kColDescription), " ");
    EXPECT_FALSE(r.exitCaptionChanged);
    EXPECT_EQ(state.exitCaption, "Exit");

    const LastEntry golf = FindLastEntryForActivity(doc, state, kGolf);
    EXPECT_EQ(golf.description, "Nine holes");
    EXPECT_EQ(golf.location, "Links");
}

TEST_F(EntryFixture, Capture_AddsRowsSkipsIncompleteAndDuplicateRowsAndClearsTheGrid) {
    doc.m_arRecords = {Record(LocalMidnight(2016, 2, 1), kGolf, "Later", 30, "")};
    SetRow(grid, 1, {kGolf, "Nine holes", "45", "Links", "", ""});
    SetRow(grid, 2, {" ", "No type", "30", "", "", ""});                     // skipped silently
    SetRow(grid, 3, {kGolf, " Nine holes ", " 45 ", "Links", "", "again"});  // duplicate of row 1
    SetRow(grid, 4, {kAerobics, "Class", "1.5", "Gym", "250", "felt good"});
    SetRow(grid, 5, {kAerobics, "", "30", "", "", ""});  // no description: skipped

    const CaptureResult r = ReadDataGrid(grid, state, context);
    EXPECT_TRUE(r.completed);
    EXPECT_EQ(r.recordsAdded, 2);
    EXPECT_TRUE(prompter.messages.empty());
    ASSERT_EQ(doc.m_arRecords.size(), 3u);
    // Sorted by date: the two new records come before the February one.
    const CEventRecord& golf = doc.m_arRecords[0];
    EXPECT_EQ(golf.m_time, tuesday);
    EXPECT_EQ(golf.m_strType, kGolf);
    EXPECT_EQ(golf.m_strDescription, "Nine holes");
    EXPECT_DOUBLE_EQ(golf.m_dDuration, 45.0);
    EXPECT_EQ(golf.m_strLocation, "Links");
    EXPECT_NEAR(golf.m_dCalories, 4.4988 * 70.0 * 45.0 / 60.0, 1e-9);
    EXPECT_EQ(golf.m_bMetric, 1);
    EXPECT_EQ(golf.m_strNotes, kNote);
    const CEventRecord& aerobics = doc.m_arRecords[1];
    EXPECT_DOUBLE_EQ(aerobics.m_dDuration, 90.0);
    EXPECT_DOUBLE_EQ(aerobics.m_dCalories, 250.0);  // typed calories are kept without a note
    EXPECT_EQ(aerobics.m_strNotes, "felt good");
    EXPECT_EQ(doc.m_arRecords[2].m_strDescription, "Later");

    // The duplicate row still refreshes the day summary and marks the document changed.
    EXPECT_EQ(summaryDays, (std::vector<Time64>{tuesday, tuesday, tuesday}));
    EXPECT_TRUE(doc.m_bChanged);
    for (int row = 1; row <= 5; ++row) {
        for (int c = 0; c < kGridColumns; ++c) EXPECT_EQ(grid.Text(row, c), " ");
    }
    EXPECT_FALSE(grid.IsEdited());
    EXPECT_EQ(state.exitCaption, "Save Database && Exit");
    EXPECT_TRUE(r.refreshChart && r.refreshAverages && r.refreshPrompt && r.updateActionButton && r.exitCaptionChanged);
    EXPECT_EQ(state.entryDate, tuesday);  // a capture never moves the entry date
}

TEST_F(EntryFixture, Capture_UnitCellFollowsTheHoursThreshold) {
    SetRow(grid, 1, {kGolf, "a", "7", "", "1", ""});
    SetRow(grid, 2, {kGolf, "b", "12:30", "", "1", ""});
    settings.m_bSettingsChanged = false;
    // Stop at row 3 so the unit cells can still be seen.
    SetRow(grid, 3, {kGolf, "c", "", "", "1", ""});
    const CaptureResult r = ReadDataGrid(grid, state, context);
    EXPECT_FALSE(r.completed);
    EXPECT_EQ(grid.Text(1, kColUnit), "Hours");  // 7 < MaxHours 10 although typing showed "Minutes"
    EXPECT_EQ(grid.Text(2, kColUnit), "Minutes");
    ASSERT_EQ(doc.m_arRecords.size(), 2u);
    EXPECT_DOUBLE_EQ(doc.m_arRecords[0].m_dDuration, 420.0);
    EXPECT_DOUBLE_EQ(doc.m_arRecords[1].m_dDuration, 12.5);
}

TEST_F(EntryFixture, Capture_MissingDurationStopsKeepingEarlierRowsAndTheGrid) {
    doc.m_arRecords = {Record(LocalMidnight(2016, 2, 1), kGolf, "Later", 30, "")};
    SetRow(grid, 1, {kGolf, "First", "45", "", "", ""});
    SetRow(grid, 2, {kGolf, "Second", " ", "", "", ""});
    SetRow(grid, 3, {kGolf, "Third", "20", "", "", ""});

    CaptureResult r = ReadDataGrid(grid, state, context);
    EXPECT_FALSE(r.completed);
    EXPECT_EQ(r.stoppedAtRow, 2);
    EXPECT_EQ(r.recordsAdded, 1);
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{"The duration of the exercise must be supplied."}));
    ASSERT_EQ(doc.m_arRecords.size(), 2u);
    EXPECT_EQ(doc.m_arRecords[1].m_strDescription, "First");  // appended, not sorted
    EXPECT_TRUE(doc.m_bChanged);
    EXPECT_EQ(grid.Text(1, kColDescription), "First");
    EXPECT_EQ(grid.Text(3, kColDescription), "Third");
    EXPECT_TRUE(grid.IsEdited());
    EXPECT_FALSE(r.refreshChart || r.refreshAverages || r.exitCaptionChanged);
    EXPECT_EQ(state.exitCaption, "    Save Database && Exit    ");

    // Completing the row and pressing again: the first row is now a duplicate.
    grid.SetText(2, kColDuration, "30");
    r = ReadDataGrid(grid, state, context);
    EXPECT_TRUE(r.completed);
    EXPECT_EQ(r.recordsAdded, 2);
    ASSERT_EQ(doc.m_arRecords.size(), 4u);
    EXPECT_EQ(doc.m_arRecords[0].m_strDescription, "First");
    EXPECT_EQ(doc.m_arRecords[1].m_strDescription, "Second");
    EXPECT_EQ(doc.m_arRecords[2].m_strDescription, "Third");
    EXPECT_EQ(doc.m_arRecords[3].m_strDescription, "Later");
}

TEST_F(EntryFixture, Capture_FormulaNoteJoinsExistingNotesWithOneBlank) {
    SetRow(grid, 1, {kGolf, "Empty notes", "30", "", "", ""});
    SetRow(grid, 2, {kGolf, "Typed notes", "30", "", "0", "windy"});
    SetRow(grid, 3, {kGolf, "Cleared notes", "30", "", "abc", " "});
    SetRow(grid, 4, {"Not selected", "Unknown", "30", "", "", ""});
    ReadDataGrid(grid, state, context);
    ASSERT_EQ(doc.m_arRecords.size(), 4u);
    EXPECT_EQ(doc.m_arRecords[0].m_strNotes, kNote);
    EXPECT_EQ(doc.m_arRecords[1].m_strNotes, std::string("windy ") + kNote);
    EXPECT_EQ(doc.m_arRecords[2].m_strNotes, std::string("  ") + kNote);
    // An activity that is not selected burns nothing, and still gets the note.
    EXPECT_DOUBLE_EQ(doc.m_arRecords[3].m_dCalories, 0.0);
    EXPECT_EQ(doc.m_arRecords[3].m_strNotes, kNote);
}

TEST_F(EntryFixture, Capture_WeightOfNewRecords) {
    const double golfPerKgHalfHour = 4.4988 * 0.5;
    // A typed new weight wins.
    state.newWeight = 150.0;
    state.newWeightSet = true;
    state.useCurrentWeight = true;
    SetRow(grid, 1, {kGolf, "a", "30", "", "", ""});
    ReadDataGrid(grid, state, context);
    EXPECT_DOUBLE_EQ(doc.m_arRecords.back().m_dWeight, 150.0);
    EXPECT_NEAR(doc.m_arRecords.back().m_dCalories, golfPerKgHalfHour * 150.0, 1e-9);

    // Without it the document's weight, when "UseLastWeight" is on.
    state.newWeightSet = false;
    SetRow(grid, 1, {kGolf, "b", "30", "", "", ""});
    ReadDataGrid(grid, state, context);
    EXPECT_DOUBLE_EQ(doc.m_arRecords.back().m_dWeight, 70.0);

    // With it off the record stores 0, while the calories still use the document's weight.
    state.useCurrentWeight = false;
    SetRow(grid, 1, {kGolf, "c", "30", "", "", ""});
    ReadDataGrid(grid, state, context);
    EXPECT_DOUBLE_EQ(doc.m_arRecords.back().m_dWeight, 0.0);
    EXPECT_NEAR(doc.m_arRecords.back().m_dCalories, golfPerKgHalfHour * 70.0, 1e-9);

    // Pounds: the record keeps the document's unit.
    doc.m_bMetric = false;
    SetRow(grid, 1, {kGolf, "d", "30", "", "", ""});
    ReadDataGrid(grid, state, context);
    EXPECT_EQ(doc.m_arRecords.back().m_bMetric, 0);
    EXPECT_NEAR(doc.m_arRecords.back().m_dCalories, golfPerKgHalfHour * 70.0 / 2.2, 1e-9);
}

TEST_F(EntryFixture, Capture_OnSaturdayPutsTheWeeklyAverageBeforeTheNewestRecordsNotes) {
    doc.m_arRecords = {Record(LocalMidnight(2015, 12, 1), kGolf, "Old", 30, "", "old notes"),
                       Record(LocalMidnight(2016, 1, 5), kGolf, "Tuesday", 30, "", "tuesday notes")};
    state.entryDate = saturday;
    SetRow(grid, 1, {kGolf, "Front nine", "45", "", "100", "first"});
    SetRow(grid, 2, {kGolf, "Back nine", "60", "", "100", "typed"});
    ReadDataGrid(grid, state, context);
    ASSERT_EQ(doc.m_arRecords.size(), 4u);
    // Seven days back from Saturday: 30 + 45 + 60 minutes over 7 days.
    EXPECT_EQ(doc.m_arRecords[3].m_strNotes, "The average time spent exercising this week is 19.286 minutes per day.typed");
    EXPECT_EQ(doc.m_arRecords[2].m_strNotes, "first");
    EXPECT_EQ(doc.m_arRecords[1].m_strNotes, "tuesday notes");
    EXPECT_EQ(doc.m_arRecords[0].m_strNotes, "old notes");

    // An empty grid on a Saturday changes no notes.
    ClearDataEntryGrid(grid);
    const CaptureResult r = ReadDataGrid(grid, state, context);
    EXPECT_TRUE(r.completed);
    EXPECT_EQ(r.recordsAdded, 0);
    EXPECT_EQ(doc.m_arRecords[3].m_strNotes, "The average time spent exercising this week is 19.286 minutes per day.typed");
    EXPECT_EQ(doc.m_arRecords[2].m_strNotes, "first");

    // A duplicate only (nothing added) gets no note either.
    SetRow(grid, 1, {kGolf, "Front nine", "45", "", "100", "again"});
    ReadDataGrid(grid, state, context);
    EXPECT_EQ(doc.m_arRecords.size(), 4u);
    EXPECT_EQ(doc.m_arRecords[2].m_strNotes, "first");
}

TEST_F(EntryFixture, Capture_GrowsOptionListsOnceWhenAddToListsIsOn) {
    state.addToLists = true;
    settings.m_arDescriptions = {"Nine holes"};
    settings.m_arLocations = {"Links"};
    SetRow(grid, 1, {kGolf, "Nine holes", "30", "Links", "1", ""});
    SetRow(grid, 2, {kGolf, "Morning loop", "40", " ", "1", ""});
    ReadDataGrid(grid, state, context);
    EXPECT_EQ(settings.m_arDescriptions, (std::vector<std::string>{"Nine holes", "Morning loop"}));
    EXPECT_EQ(settings.m_arLocations, (std::vector<std::string>{"Links", ""}));
    EXPECT_TRUE(settings.m_bSettingsChanged);
    EXPECT_EQ(listRefills, (std::vector<bool>{true, false}));
    // The record keeps the location cell as it stood.
    EXPECT_EQ(doc.m_arRecords[1].m_strLocation, " ");

    SetRow(grid, 1, {kGolf, "Morning loop", "50", "", "1", ""});
    ReadDataGrid(grid, state, context);
    EXPECT_EQ(settings.m_arDescriptions.size(), 2u);
    EXPECT_EQ(settings.m_arLocations.size(), 2u);
    EXPECT_EQ(listRefills.size(), 2u);

    // Off: nothing is added.
    state.addToLists = false;
    SetRow(grid, 1, {kGolf, "Evening loop", "50", "Park", "1", ""});
    ReadDataGrid(grid, state, context);
    EXPECT_EQ(settings.m_arDescriptions.size(), 2u);
    EXPECT_EQ(settings.m_arLocations.size(), 2u);
}

TEST_F(EntryFixture, Capture_TabsAndLineBreaksInCellsBecomeBlanks) {
    state.addToLists = true;
    SetRow(grid, 1, {kGolf, "Hill\trun", "30", "Park\r\nNorth", "1", "line one\nline\ttwo"});
    ReadDataGrid(grid, state, context);
    ASSERT_EQ(doc.m_arRecords.size(), 1u);
    EXPECT_EQ(doc.m_arRecords[0].m_strDescription, "Hill run");
    EXPECT_EQ(doc.m_arRecords[0].m_strLocation, "Park  North");
    EXPECT_EQ(doc.m_arRecords[0].m_strNotes, "line one line two");
    EXPECT_EQ(settings.m_arDescriptions.back(), "Hill run");
    EXPECT_EQ(settings.m_arLocations.back(), "Park  North");
}

TEST_F(EntryFixture, Capture_ReplaceStateRewritesTheLoadedRecordInPlace) {
    doc.m_arRecords = {Record(LocalMidnight(2016, 1, 2), kGolf, "A", 30, ""), Record(tuesday, kGolf, "B", 30, "Links"),
                       Record(LocalMidnight(2016, 1, 7), kGolf, "C", 30, "")};
    doc.m_arRecords[1].m_dWeight = 80.0;
    state.replace = true;
    state.recordPosition = 1;
    state.newWeight = 75.0;
    state.newWeightSet = true;
    // The correction duplicates record A's key on purpose: no duplicate test is made.
    SetRow(grid, 1, {kGolf, "B corrected", "45.000", "Links", "321.000", "fixed"});
    SetRow(grid, 2, {kAerobics, "Not read", "30", "", "", ""});

    const ActionResult a = OnActionButton(grid, state, context);
    EXPECT_EQ(a.path, ActionPath::Capture);
    EXPECT_EQ(a.capture.recordsReplaced, 1);
    EXPECT_EQ(a.capture.recordsAdded, 0);
    ASSERT_EQ(doc.m_arRecords.size(), 3u);
    EXPECT_EQ(doc.m_arRecords[0].m_strDescription, "A");
    EXPECT_EQ(doc.m_arRecords[1].m_strDescription, "B corrected");
    EXPECT_DOUBLE_EQ(doc.m_arRecords[1].m_dDuration, 45.0);  // 45 is above MaxHours: minutes
    EXPECT_DOUBLE_EQ(doc.m_arRecords[1].m_dCalories, 321.0);
    EXPECT_DOUBLE_EQ(doc.m_arRecords[1].m_dWeight, 75.0);  // the capture's weight, not the old one
    EXPECT_EQ(doc.m_arRecords[1].m_strNotes, "fixed");
    EXPECT_EQ(doc.m_arRecords[2].m_strDescription, "C");
    EXPECT_TRUE(doc.m_bChanged);
    EXPECT_TRUE(summaryDays.empty());
    EXPECT_EQ(recordListRefills, 1);
    EXPECT_FALSE(state.replace);
    EXPECT_EQ(grid.Text(2, kColDescription), " ");
}

TEST_F(EntryFixture, Capture_ReplacePositionNoLongerInTheArrayKeepsTheRowAsANewRecord) {
    doc.m_arRecords = {Record(tuesday, kGolf, "A", 30, "")};
    state.replace = true;
    state.recordPosition = 3;
    SetRow(grid, 1, {kGolf, "Corrected", "30", "", "10", ""});
    const CaptureResult r = ReadDataGrid(grid, state, context);
    EXPECT_TRUE(r.completed);
    EXPECT_EQ(r.recordsReplaced, 0);
    EXPECT_EQ(r.recordsAdded, 1);
    ASSERT_EQ(doc.m_arRecords.size(), 2u);
    EXPECT_EQ(doc.m_arRecords[0].m_strDescription, "A");
    EXPECT_EQ(doc.m_arRecords[1].m_strDescription, "Corrected");

    state.replace = true;
    state.recordPosition = -1;
    SetRow(grid, 1, {kGolf, "Again", "30", "", "10", ""});
    ReadDataGrid(grid, state, context);
    EXPECT_EQ(doc.m_arRecords.size(), 3u);
}

TEST_F(EntryFixture, ActivityEdit_ChangesTheTableOnlyForAValidIndex) {
    context.editorShown = true;
    context.editorMode = EditorMode::Activities;
    state.replace = true;
    grid.SetText(1, 0, "Archery, target");
    grid.SetText(1, 1, "3.75");
    grid.SetText(1, 2, "4");
    const ActionResult a = OnActionButton(grid, state, context);
    EXPECT_EQ(a.path, ActionPath::Capture);
    EXPECT_TRUE(a.capture.activityEdit);
    EXPECT_TRUE(a.capture.completed);
    EXPECT_FALSE(a.capture.refreshChart);
    EXPECT_EQ(table.At(4).name, "Archery, target");
    EXPECT_DOUBLE_EQ(table.At(4).met, 3.75);
    EXPECT_TRUE(settings.m_bActivityListChanged);
    EXPECT_EQ(activityRows, (std::vector<std::string>{"4|Archery, target|3.75"}));
    EXPECT_FALSE(state.replace);
    EXPECT_EQ(grid.Text(1, 0), " ");
    EXPECT_TRUE(doc.m_arRecords.empty());

    settings.m_bActivityListChanged = false;
    const ActivityTable before = table;
    for (const char* index : {"abc", "-1", "310", "-2", "99999999999"}) {
        SCOPED_TRACE(index);
        state.replace = true;
        grid.SetText(1, 0, "Renamed");
        grid.SetText(1, 1, "9");
        grid.SetText(1, 2, index);
        const CaptureResult r = ReadDataGrid(grid, state, context);
        EXPECT_TRUE(r.completed);
        EXPECT_FALSE(state.replace);
    }
    for (int i = 0; i < kActivityCount; ++i) EXPECT_EQ(table.At(i).name, before.At(i).name);
    EXPECT_FALSE(settings.m_bActivityListChanged);
    EXPECT_EQ(activityRows.size(), 1u);
}

TEST_F(EntryFixture, ActionButton_ChoosesSyncOrCaptureAndAlwaysLeavesTheReplaceState) {
    EXPECT_EQ(ChooseActionPath(false, EditorMode::Activities, false), ActionPath::Capture);
    EXPECT_EQ(ChooseActionPath(true, EditorMode::Records, false), ActionPath::Capture);
    EXPECT_EQ(ChooseActionPath(true, EditorMode::Records, true), ActionPath::Capture);
    EXPECT_EQ(ChooseActionPath(true, EditorMode::Activities, true), ActionPath::Capture);
    EXPECT_EQ(ChooseActionPath(true, EditorMode::Activities, false), ActionPath::SyncSelectedActivities);

    // Synchronising touches neither the grid nor the document.
    context.editorShown = true;
    context.editorMode = EditorMode::Activities;
    SetRow(grid, 1, {kGolf, "Kept", "30", "", "", ""});
    ActionResult a = OnActionButton(grid, state, context);
    EXPECT_EQ(a.path, ActionPath::SyncSelectedActivities);
    EXPECT_EQ(grid.Text(1, kColDescription), "Kept");
    EXPECT_TRUE(grid.IsEdited());
    EXPECT_TRUE(doc.m_arRecords.empty());

    // A correction whose duration was removed stops, and the replace state is left anyway.
    context.editorMode = EditorMode::Records;
    doc.m_arRecords = {Record(tuesday, kGolf, "Kept", 30, "")};
    state.replace = true;
    state.recordPosition = 0;
    grid.SetText(1, kColDuration, "");
    a = OnActionButton(grid, state, context);
    EXPECT_FALSE(a.capture.completed);
    EXPECT_FALSE(state.replace);
    EXPECT_TRUE(a.capture.updateActionButton && a.capture.refreshPrompt);
    EXPECT_EQ(doc.m_arRecords[0].m_dDuration, 30.0);
}

TEST(OptionLists, AddTrimsComparesExactlyAndAppends) {
    Settings settings;
    int refills = 0;
    auto refill = [&](bool isDescription) {
        EXPECT_TRUE(isDescription);
        ++refills;
    };
    EXPECT_TRUE(AddToOptionList(settings, "  Run  ", true, refill));
    EXPECT_FALSE(AddToOptionList(settings, "Run", true, refill));
    EXPECT_TRUE(AddToOptionList(settings, "run", true, refill));
    EXPECT_TRUE(AddToOptionList(settings, "", true, refill));
    EXPECT_FALSE(AddToOptionList(settings, "   ", true, refill));
    EXPECT_EQ(settings.m_arDescriptions, (std::vector<std::string>{"Run", "run", ""}));
    EXPECT_TRUE(settings.m_arLocations.empty());
    EXPECT_EQ(refills, 3);
    EXPECT_TRUE(settings.m_bSettingsChanged);

    Settings unchanged;
    unchanged.m_arLocations = {"Gym"};
    EXPECT_FALSE(AddToOptionList(unchanged, "Gym", false));
    EXPECT_FALSE(unchanged.m_bSettingsChanged);
}

TEST(OptionLists, ActivityOptionsFollowTheSelectionOrder) {
    const ActivityTable& table = ActivityTable::Defaults();
    EXPECT_FALSE(ActivityComboOptions(table, {}).has_value());
    const auto names = ActivityComboOptions(table, {97, 0, 400, 4});
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(*names, (std::vector<std::string>{kGolf, kAerobics, "Archery"}));
}

TEST(EntryPrompt, TextColourAndBoldFollowDateAndReplaceState) {
    EntryState state;
    state.entryDate = LocalMidnight(2016, 1, 5);
    const Time64 sameDayEvening = MakeLocalTime(2016, 1, 5, 21, 0);
    EntryPrompt p = MakeEntryPrompt(state, sameDayEvening);
    EXPECT_EQ(p.text, "Enter the information for exercise on Tuesday January 05, 2016");
    EXPECT_EQ(p.colour, (Rgb{255, 0, 0}));
    EXPECT_FALSE(p.bold);

    p = MakeEntryPrompt(state, MakeLocalTime(2016, 1, 6, 0, 0, 1));
    EXPECT_EQ(p.colour, (Rgb{0, 0, 255}));

    state.replace = true;
    p = MakeEntryPrompt(state, sameDayEvening);
    EXPECT_EQ(p.text, "Make corrections to exercise information for Tuesday January 05, 2016");
    EXPECT_TRUE(p.bold);
    EXPECT_EQ(p.colour, (Rgb{255, 0, 0}));
}

TEST(SaveAndExit, AsksAboutUnrecordedRowsThenSavesAChangedDatabase) {
    const std::string question =
        "There are data that have been entered, but not recorded. Do you wish to discard these data and exit? \n\nSelect \"Yes\" to exit "
        "without saving these data and select \"No\" to continue with Kinetrax. (Y/N)";
    test::TempDir dir;
    test::FixedClock clock(LocalMidnight(2016, 1, 5));
    CKT2Doc doc;
    doc.m_strDataFolder = dir.path().string();
    doc.m_arRecords = {Record(LocalMidnight(2016, 1, 5), kGolf, "a", 30, "")};
    doc.m_bChanged = true;
    EntryGrid grid;
    grid.SetModified(1, 1);

    test::RecordingPrompter no;
    EXPECT_EQ(OnSaveAndExit(grid, doc, no, clock), ExitDecision::Stay);
    EXPECT_EQ(no.questions, (std::vector<std::string>{question}));
    EXPECT_TRUE(doc.m_bChanged);
    EXPECT_FALSE(std::filesystem::exists(dir / "ExerciseData.edb"));

    test::RecordingPrompter yes;
    yes.answers = {true};
    EXPECT_EQ(OnSaveAndExit(grid, doc, yes, clock), ExitDecision::Close);
    EXPECT_TRUE(std::filesystem::exists(dir / "ExerciseData.edb"));
    EXPECT_FALSE(doc.m_bChanged);

    // Nothing typed and nothing changed: no question, nothing written.
    grid.ClearModified();
    std::filesystem::remove(dir / "ExerciseData.edb");
    test::RecordingPrompter quiet;
    EXPECT_EQ(OnSaveAndExit(grid, doc, quiet, clock), ExitDecision::Close);
    EXPECT_TRUE(quiet.questions.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "ExerciseData.edb"));
}

TEST(SaveAndExit, FailedSaveKeepsTheProgramRunning) {
    test::TempDir dir;
    test::WriteAll(dir / "file", "x");
    CKT2Doc doc;
    doc.m_strDataFolder = (dir / "file").string();  // a folder path through a regular file
    doc.m_arRecords = {Record(LocalMidnight(2016, 1, 5), kGolf, "a", 30, "")};
    doc.m_bChanged = true;
    EntryGrid grid;
    test::RecordingPrompter prompter;
    EXPECT_EQ(OnSaveAndExit(grid, doc, prompter), ExitDecision::Stay);
    EXPECT_FALSE(prompter.messages.empty());  // the document reported the failure
    EXPECT_TRUE(doc.m_bChanged);
}

}  // namespace
}  // namespace kt
