#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/entry/CellEdit.h"
#include "core/entry/Correction.h"
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

const std::string kGolf = "Golf, general";          // MET 4.4988, selected by default
const std::string kAerobics = "Aerobics, general";  // selected by default
const std::string kNote = "(Calories determined through formula calculation)";
const Time64 kTuesday = LocalMidnight(2016, 1, 5);

void SetRow(EntryGrid& grid, int r, const std::vector<std::string>& cells) {  // type, desc, duration, location, calories, notes
    const int columns[] = {kColType, kColDescription, kColDuration, kColLocation, kColCalories, kColNotes};
    for (size_t i = 0; i < 6; ++i) grid.SetText(r, columns[i], i < cells.size() ? cells[i] : "");  // as in a fresh grid
    grid.SetModified(r, kColType);
}

CEventRecord Record(Time64 day, const std::string& description, const std::string& location = "", const std::string& notes = "") {
    return CEventRecord(day, kGolf, description, 30.0, location, 100.0, 70.0, 1, notes);
}

struct EntryFixture : ::testing::Test {
    EntryFixture() {
        doc.m_bMetric = true;
        doc.m_dLastWeight = 70.0;
        settings.m_dMaxHours = 10.0;
        settings.m_arSelectedActivities = DefaultSelectedActivities();
        state.entryDate = kTuesday;
        context.refreshDaySummary = [this](Time64) { ++summaries; };
        context.optionListChanged = [this](bool isDescription) { refills.push_back(isDescription); };
        context.activityRowChanged = [this](int index, const std::string& name, const std::string& met) {
            activityRows.push_back(std::to_string(index) + "|" + name + "|" + met);
        };
        ClearDataEntryGrid(grid);
        doc.AddObserver(&observer);
    }
    ~EntryFixture() override { doc.RemoveObserver(&observer); }
    // Each record as "month-day|description|location|minutes|calories|weight|notes".
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (const CEventRecord& r : doc.Records()) {
            rows.push_back(FormatTime(r.m_time, "%m-%d|") + Format("%s|%s|%g|%.4f|%g|%s", r.m_strDescription.c_str(),
                                                                   r.m_strLocation.c_str(), r.m_dDuration, r.m_dCalories, r.m_dWeight,
                                                                   r.m_strNotes.c_str()));
        }
        return rows;
    }

    CKT2Doc doc;
    Settings settings;
    ActivityTable table;
    test::RecordingPrompter prompter;
    EntryGrid grid;
    EntryState state;
    CaptureContext context{doc, settings, table, prompter};
    int summaries = 0;
    std::vector<bool> refills;
    // The journal's notices of completed changes, as a view of totals receives them.
    struct Notices : JournalObserver {
        explicit Notices(std::vector<JournalChange>& seen) : seen(seen) {}
        void JournalChanged(const JournalChange& change) override { seen.push_back(change); }
        std::vector<JournalChange>& seen;
    };
    std::vector<JournalChange> changes;
    Notices observer{changes};
    std::vector<std::string> activityRows;
};

TEST_F(EntryFixture, CellEdit_MarksChangeShowsHintAndAutoFillsFromNewestRecordOfTheType) {
    EndCellEdit(grid, state, doc, true, 1, kColDuration, "7");
    EXPECT_EQ(grid.Text(1, kColUnit), "Minutes");  // the hint uses 5 whatever "MaxHours" says
    EXPECT_TRUE(grid.IsModified(1, kColDuration) && grid.IsEdited());
    ClearDataEntryGrid(grid);
    EXPECT_TRUE(grid.IsEdited() && grid.Text(0, kColNotes) == "Notes & Comments");  // clearing by command keeps the mark
    grid.ClearModified();
    EndCellEdit(grid, state, doc, true, 1, kColDuration, " ");  // same text: not an edit
    EXPECT_FALSE(grid.IsEdited());

    CEventRecord older = Record(kTuesday, "Old range", "Club"), newer = Record(kTuesday, "Field course", "");
    older.m_strType = newer.m_strType = "Archery";
    doc.SetRecords({older, newer, Record(kTuesday, "Links")});
    grid.SetText(2, kColDescription, "typed before");
    grid.SetText(2, kColLocation, "typed place");
    std::vector<std::string> shown;  // what the grid tells the view, in write order
    grid.SetCellObserver([&](int row, int column) { shown.push_back(Format("%d,%d", row, column)); });
    EXPECT_TRUE(EndCellEdit(grid, state, doc, true, 2, kColType, "Archery").exitCaptionChanged);
    EXPECT_EQ(grid.Text(2, kColDescription) + "|" + grid.Text(2, kColLocation), "Field course|");  // written even when empty
    EXPECT_EQ(shown, (std::vector<std::string>{"2,0", "2,1", "2,4"}));
    EndCellEdit(grid, state, doc, true, 2, kColType, "Archery");  // the same texts again: nothing to show
    EXPECT_TRUE(shown.size() == 3u && state.exitCaption == "Save Database && Exit");
    grid.SetCellObserver({});

    state.exitCaption = "Exit";
    EndCellEdit(grid, state, doc, false, 3, kColType, "Archery");  // "AutoFill" off
    EXPECT_EQ(grid.Text(3, kColDescription) + "|" + state.exitCaption, " |Exit");
    grid.SetText(3, kColDescription, "mine");
    EndCellEdit(grid, state, doc, true, 3, kColType, "archery");  // case matters: no record
    EXPECT_EQ(grid.Text(3, kColDescription) + "|" + state.exitCaption, "mine|Save Database && Exit");
}

TEST_F(EntryFixture, Capture_AddsRowsSkipsIncompleteAndDuplicateRowsNotesTheFormulaSortsAndClears) {
    doc.SetRecords({Record(LocalMidnight(2016, 2, 1), "Later")});
    changes.clear();
    SetRow(grid, 1, {kGolf, "Nine holes", "45", "Links"});
    SetRow(grid, 2, {" ", " ", " ", " ", " ", " "});                          // blank: skipped
    grid.SetText(2, kColUnit, "Hours");                                       // the program's own hint is no input
    SetRow(grid, 3, {kGolf, " Nine holes ", " 45 ", "Links ", "", "again"});  // duplicate of row 1
    SetRow(grid, 4, {kAerobics, "Class", "1.5", "Gym", "250", "felt good"});  // typed calories: kept, no note
    SetRow(grid, 5, {kAerobics, "Late", "10", "", "-20", "refund"});          // negative ones too
    const CaptureResult r = ReadDataGrid(grid, state, context);
    EXPECT_TRUE(r.completed && prompter.messages.empty() && r.recordsAdded == 3);
    // One notice for the whole capture; the views refresh from it, not row by row.
    EXPECT_EQ(changes, (std::vector<JournalChange>{{true, false}}));
    EXPECT_TRUE(summaries == 0 && doc.IsChanged() && !grid.IsEdited());
    EXPECT_EQ(grid.Text(4, kColNotes) + "|" + state.exitCaption, " |Save Database && Exit");

    // Calories of 0 or no number use the formula too; new records get the typed weight, the
    // document's when it is taken over, else 0.
    state.newWeight = 150.0;
    state.newWeightSet = true;
    SetRow(grid, 1, {kGolf, "b", "30", "", "0", "windy"});
    SetRow(grid, 2, {kGolf, "c", "30", "", "abc", " "});
    ReadDataGrid(grid, state, context);
    state.newWeightSet = false;
    state.useCurrentWeight = true;
    SetRow(grid, 1, {kGolf, "d", "30"});
    ReadDataGrid(grid, state, context);
    state.useCurrentWeight = false;
    doc.m_bMetric = false;
    SetRow(grid, 1, {"Not selected", "e", "30"});
    SetRow(grid, 2, {kGolf, "f", "30"});
    ReadDataGrid(grid, state, context);
    // Golf (MET 4.4988) for 45 minutes at 70 kg; for half an hour at 150 kg, 70 kg and 70 lbs / 2.2.
    EXPECT_EQ(Rows(), (std::vector<std::string>{"01-05|Nine holes|Links|45|236.1870|0|" + kNote, "01-05|Class|Gym|90|250.0000|0|felt good",
                                                "01-05|Late||10|-20.0000|0|refund", "01-05|b||30|337.4100|150|windy " + kNote,
                                                "01-05|c||30|337.4100|150|  " + kNote, "01-05|d||30|157.4580|70|" + kNote,
                                                "01-05|e||30|0.0000|0|" + kNote, "01-05|f||30|71.5718|0|" + kNote,
                                                "02-01|Later||30|100.0000|70|"}));
    EXPECT_EQ(doc.Records()[7].m_bMetric, 0);
}

TEST_F(EntryFixture, Capture_MissingDurationStopsKeepingEarlierRowsAndTheGrid) {
    doc.SetRecords({Record(LocalMidnight(2016, 2, 1), "Later")});
    changes.clear();
    SetRow(grid, 1, {kGolf, "First", "7", "", "1"});
    SetRow(grid, 2, {kGolf, "Second", " "});
    SetRow(grid, 3, {kGolf, "Third", "20", "", "1"});
    const CaptureResult r = ReadDataGrid(grid, state, context);
    EXPECT_TRUE(!r.completed && r.stoppedAtRow == 2);
    // Typing goes on in the row that stopped the capture; after a whole capture, in the first.
    EXPECT_EQ(std::pair(ResumeRow(r), ResumeRow(CaptureResult{true, 0})), std::pair(2, kFirstEntryRow));
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{"The duration of the exercise must be supplied."}));
    // 7 < MaxHours 10 reads as hours. The views hear of it once, then the day summary is shown.
    EXPECT_EQ(Rows(), (std::vector<std::string>{"01-05|First||420|1.0000|0|", "02-01|Later||30|100.0000|70|"}));
    EXPECT_TRUE(changes.size() == 1u && summaries == 1 && grid.IsEdited() && doc.IsChanged());
    EXPECT_EQ(grid.Text(1, kColUnit) + "|" + grid.Text(3, kColDescription), "Hours|Third");
}

TEST_F(EntryFixture, Capture_RowWithTextButNoTypeOrDescriptionStopsNamingTheCell) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {{{" ", "No type", "30"}, "Exercise Event"},
                                                                      {{kGolf, " ", "30", "Park"}, "Description"},
                                                                      {{"", "", "", "", "", "only a note"}, "Exercise Event"},
                                                                      {{kGolf, "", ""}, "Description"}};
    for (const auto& [row2, cell] : cases) {
        doc.SetRecords({});
        prompter.messages.clear();
        SetRow(grid, 1, {kGolf, "First", "20", "", "1"});
        SetRow(grid, 2, row2);
        SetRow(grid, 3, {kGolf, "Third", "20", "", "1"});
        const CaptureResult r = ReadDataGrid(grid, state, context);
        EXPECT_TRUE(!r.completed && r.stoppedAtRow == 2);
        EXPECT_EQ(prompter.messages, std::vector<std::string>{
                                         Format("The %s of row 2 must be supplied. Complete the row, or clear it to leave it out.", cell)});
        EXPECT_EQ(Rows(), std::vector<std::string>{"01-05|First||20|1.0000|0|"});
        EXPECT_EQ(grid.Text(2, kColNotes) + grid.Text(3, kColDescription), row2.size() > 5 ? "only a noteThird" : "Third");
    }
}

TEST_F(EntryFixture, Capture_RefusesNumbersNoRecordCanHold) {
    // {row 2, the weight typed into the toolbar (0: none), the row stopped at, what the message shows}
    const std::tuple<std::vector<std::string>, double, int, const char*> cases[] = {
        {{kGolf, "Far", "1e307:0:0"}, 0, 2, "Duration of row 2 (inf)"},        // hours times 60 overflow
        {{kGolf, "Far", "-1e307"}, 0, 2, "Duration of row 2 (-inf)"},          // below MaxHours: hours
        {{kGolf, "Far", "600001"}, 0, 2, "Duration of row 2 (600001)"},        // more than 10,000 hours
        {{kGolf, "Far", "30", "", "1e7"}, 0, 2, "Calories of row 2 (1e+07)"},  // typed
        {{kGolf, "Far", "600000"}, 0, 2, "Calories of row 2 (3.14916e+06)"},   // worked out by the formula
        {{kGolf, "Far", "30", "", "5"}, 20000, 1, "weight of row 1 (20000)"},  // typed into the toolbar
    };
    for (const auto& [row2, newWeight, stoppedAt, shown] : cases) {
        SCOPED_TRACE(shown);
        doc.SetRecords({});
        prompter.messages.clear();
        settings.m_arDescriptions.clear();
        state.addToLists = true;
        state.newWeight = newWeight;
        state.newWeightSet = newWeight != 0;
        SetRow(grid, 1, {kGolf, "Near", "600000", "", "1000000"});  // the largest values still taken
        SetRow(grid, 2, row2);
        EXPECT_EQ(ReadDataGrid(grid, state, context).stoppedAtRow, stoppedAt);
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_NE(prompter.messages[0].find(shown), std::string::npos) << prompter.messages[0];
        // Rows before it are kept; the refused row adds no record and nothing to the lists.
        const size_t kept = static_cast<size_t>(stoppedAt - 1);
        EXPECT_EQ(std::make_pair(doc.Records().size(), settings.m_arDescriptions.size()), std::make_pair(kept, kept));
    }
}

// After a capture every cell holds one blank; a row typed again that way is still recognised.
TEST_F(EntryFixture, Capture_RowTypedAgainAfterAStopIsNotStoredTwice) {
    SetRow(grid, 1, {kGolf, "Range", "30", "", "1"});
    ReadDataGrid(grid, state, context);
    for (const auto& [column, text] : std::vector<std::pair<int, std::string>>{
             {kColType, kGolf}, {kColDescription, "Nine holes"}, {kColDuration, "45"}, {kColCalories, "5"}}) {
        grid.SetText(1, column, text);
        grid.SetText(2, column, column == kColDuration ? " " : text + "!");
    }
    EXPECT_FALSE(ReadDataGrid(grid, state, context).completed);  // row 2 has no duration
    grid.SetText(2, kColDuration, "20");
    EXPECT_TRUE(ReadDataGrid(grid, state, context).completed);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"01-05|Range||30|1.0000|0|", "01-05|Nine holes| |45|5.0000|0| ",
                                                "01-05|Nine holes!| |20|5.0000|0| "}));
}

TEST_F(EntryFixture, Capture_OnSaturdayPutsTheWeeklyAverageBeforeTheNewestRecordsNotes) {
    doc.SetRecords({Record(LocalMidnight(2015, 12, 1), "Old", "", "old"), Record(kTuesday, "Tue", "", "tue")});
    state.entryDate = LocalMidnight(2016, 1, 9);
    SetRow(grid, 1, {kGolf, "Front nine", "45", "", "100", "first"});
    SetRow(grid, 2, {kGolf, "Back nine", "60", "", "100", "typed"});
    ReadDataGrid(grid, state, context);
    // (30 + 45 + 60) minutes over the seven days up to Saturday.
    const std::vector<std::string> noted = {
        "12-01|Old||30|100.0000|70|old", "01-05|Tue||30|100.0000|70|tue", "01-09|Front nine||45|100.0000|0|first",
        "01-09|Back nine||60|100.0000|0|The average time spent exercising this week is 19.286 minutes per day.typed"};
    EXPECT_EQ(Rows(), noted);

    changes.clear();
    ReadDataGrid(grid, state, context);  // an empty grid adds and notes nothing, and tells nobody
    EXPECT_TRUE(changes.empty());
    SetRow(grid, 1, {kGolf, "Front nine", "45", "", "100", "again"});
    ReadDataGrid(grid, state, context);  // nor does a duplicate row, which only marks the document
    EXPECT_EQ(Rows(), noted);
    EXPECT_EQ(changes, (std::vector<JournalChange>{{false, false}}));
}

TEST_F(EntryFixture, Capture_GrowsOptionListsOnceAndTurnsTabsAndLineBreaksIntoBlanks) {
    state.addToLists = true;
    settings.m_arDescriptions = {"Nine holes"};
    SetRow(grid, 1, {kGolf, "Nine holes", "30", " ", "1"});
    SetRow(grid, 2, {kGolf, "Hill\trun", "40", "Park\r\nNorth", "1", "line one\nline\ttwo"});
    ReadDataGrid(grid, state, context);
    EXPECT_EQ(settings.m_arDescriptions, (std::vector<std::string>{"Nine holes", "Hill run"}));
    EXPECT_EQ(settings.m_arLocations, (std::vector<std::string>{"", "Park  North"}));
    EXPECT_EQ(refills, (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(settings.m_bSettingsChanged);
    // The record keeps the location cell as it stood.
    EXPECT_EQ(Rows(),
              (std::vector<std::string>{"01-05|Nine holes| |30|1.0000|0|", "01-05|Hill run|Park  North|40|1.0000|0|line one line two"}));

    SetRow(grid, 1, {kGolf, "Hill run", "50", "", "1"});
    ReadDataGrid(grid, state, context);
    state.addToLists = false;
    SetRow(grid, 1, {kGolf, "Evening loop", "50", "Pool", "1"});
    ReadDataGrid(grid, state, context);
    EXPECT_EQ(settings.m_arDescriptions.size() + settings.m_arLocations.size(), 4u);

    EXPECT_TRUE(AddToOptionList(settings, "hill run", true));  // exact, case-sensitive
    EXPECT_FALSE(AddToOptionList(settings, "  Hill run ", true));
    EXPECT_EQ(ActivityComboOptions(table, {97, 400, 0}), (std::vector<std::string>{kGolf, kAerobics}));
    EXPECT_FALSE(ActivityComboOptions(table, {}).has_value());
}

TEST_F(EntryFixture, Correction_LoadedRecordIsRewrittenInPlaceWithoutDuplicateTest) {
    CEventRecord five = Record(kTuesday, "B", "Hall", "windy");
    five.m_dDuration = 5.0;
    five.m_nFile = 2;  // shown from an archive: the corrected record goes back there
    doc.SetRecords({Record(LocalMidnight(2016, 1, 2), "A"), five, Record(LocalMidnight(2016, 1, 7), "C")});
    state.entryDate = LocalMidnight(2020, 1, 1);
    state.newWeight = 75.0;
    state.newWeightSet = true;
    EXPECT_FALSE(LoadRecordForCorrection(grid, state, doc, 3, 7.0));
    EXPECT_FALSE(LoadRecordForCorrection(grid, state, doc, -1, 7.0));
    ASSERT_TRUE(LoadRecordForCorrection(grid, state, doc, 1, settings.m_dMaxHours));
    // Five minutes as a plain "5" would be read back as five hours.
    EXPECT_EQ(grid.Text(1, kColDuration) + " " + grid.Text(1, kColCalories), "0:05:00 100.000");
    grid.SetText(1, kColCalories, "321");  // the record's own key stays: a duplicate test would skip the row
    SetRow(grid, 2, {kAerobics, "Not read", "30"});
    EXPECT_EQ(OnActionButton(grid, state, context).capture.recordsReplaced, 1);
    // The record's day, the capture's weight.
    EXPECT_EQ(Rows(),
              (std::vector<std::string>{"01-02|A||30|100.0000|70|", "01-05|B|Hall|5|321.0000|75|windy", "01-07|C||30|100.0000|70|"}));
    EXPECT_TRUE(doc.Records()[1].m_nFile == 2u && summaries == 0 && !state.replace && doc.IsChanged());

    // A correction whose duration was removed stops; the replace state is left anyway.
    ASSERT_TRUE(LoadRecordForCorrection(grid, state, doc, 0, settings.m_dMaxHours));
    grid.SetText(1, kColDuration, "");
    const CaptureResult stopped = OnActionButton(grid, state, context).capture;
    EXPECT_FALSE(stopped.completed || state.replace);

    // The record moved after it was loaded (a deletion above it): the correction follows it.
    ASSERT_TRUE(LoadRecordForCorrection(grid, state, doc, 2, settings.m_dMaxHours));
    doc.DeleteRecord(0);
    grid.SetText(1, kColLocation, "Moved");
    EXPECT_EQ(OnActionButton(grid, state, context).capture.recordsReplaced, 1);
    EXPECT_TRUE(doc.Records()[1].m_strLocation == "Moved" && doc.Records().size() == 2u);

    // Gone or changed since it was loaded, or an activity loaded instead: nothing is replaced, the user is told.
    const std::function<void()> spoilers[] = {[&] { doc.DeleteRecord(1); },
                                              [&] {
                                                  CEventRecord other = doc.Records()[1];
                                                  other.m_dCalories += 1;
                                                  doc.ReplaceRecord(1, other);
                                              },
                                              [&] { LoadActivityForEdit(grid, state, table, 4); }};
    for (const auto& spoil : spoilers) {
        doc.SetRecords({Record(LocalMidnight(2016, 1, 2), "A"), Record(LocalMidnight(2016, 1, 7), "C")});
        ASSERT_TRUE(LoadRecordForCorrection(grid, state, doc, 1, settings.m_dMaxHours));
        spoil();
        const std::vector<std::string> rows = Rows();
        SetRow(grid, 1, {kGolf, "Typed", "30", "", "10"});
        prompter.messages.clear();
        const CaptureResult refused = OnActionButton(grid, state, context).capture;
        EXPECT_FALSE(refused.completed || refused.recordsReplaced || refused.recordsAdded);
        EXPECT_EQ(Rows(), rows);
        EXPECT_EQ(grid.Text(1, kColDescription), "Typed");
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].rfind("The exercise record loaded for correction is no longer in the database", 0), 0u);
    }
}

TEST_F(EntryFixture, ActionButton_SyncsOrCapturesAndActivityEditNeedsAValidIndex) {
    context.editorShown = true;
    context.editorMode = EditorMode::Activities;
    SetRow(grid, 1, {"Archery, target", "3.75", "4"});
    EXPECT_EQ(OnActionButton(grid, state, context).path, ActionPath::SyncSelectedActivities);
    EXPECT_EQ(grid.Text(1, kColType), "Archery, target");  // untouched: the sync path captures nothing
    EXPECT_TRUE(ChooseActionPath(true, EditorMode::Records, false) == ActionPath::Capture &&
                ChooseActionPath(false, EditorMode::Activities, false) == ActionPath::Capture);

    state.replace = true;
    const ActionResult a = OnActionButton(grid, state, context);
    EXPECT_TRUE(a.capture.activityEdit && a.capture.completed && changes.empty());  // the journal did not change
    EXPECT_EQ(table.At(4).name + Format(" %g", table.At(4).met), "Archery, target 3.75");
    EXPECT_EQ(activityRows, (std::vector<std::string>{"4|Archery, target|3.75"}));
    EXPECT_TRUE(settings.m_bActivityListChanged && !state.replace && doc.Records().empty());

    settings.m_bActivityListChanged = false;
    for (const char* index : {"abc", "-1", "310", "-2"}) {
        SetRow(grid, 1, {"Renamed", "9", index});
        EXPECT_TRUE(ReadDataGrid(grid, state, context).completed);
    }
    EXPECT_EQ(table.At(0).name + "|" + table.At(309).name, kAerobics + "|User Defined");
    EXPECT_TRUE(!settings.m_bActivityListChanged && activityRows.size() == 1u);
}

TEST(EntryPrompt, TextColourAndBoldFollowDateAndReplaceState) {
    EntryState state;
    state.entryDate = kTuesday;
    const auto shown = [&state](Time64 now) {
        const EntryPrompt p = MakeEntryPrompt(state, now);
        return p.text + Format(" %d,%d,%d", p.colour.r, p.colour.g, p.colour.b) + (p.bold ? " bold" : "");
    };
    EXPECT_EQ(shown(MakeLocalTime(2016, 1, 5, 21, 0)), "Enter the information for exercise on Tuesday January 05, 2016 255,0,0");
    EXPECT_EQ(shown(MakeLocalTime(2016, 1, 6, 0, 0, 1)), "Enter the information for exercise on Tuesday January 05, 2016 0,0,255");
    state.replace = true;
    EXPECT_EQ(shown(kTuesday), "Make corrections to exercise information for Tuesday January 05, 2016 255,0,0 bold");
}

TEST(SaveAndExit, AsksAboutUnrecordedRowsSavesAChangedDatabaseAndStaysWhenTheSaveFails) {
    test::TempDir dir;
    CKT2Doc doc;
    doc.m_strDataFolder = dir.path().string();
    doc.MarkChanged();
    EntryGrid grid;
    grid.SetModified(1, 1);
    test::RecordingPrompter prompter;
    prompter.answers = {false, true};
    EXPECT_EQ(OnSaveAndExit(grid, doc, prompter), ExitDecision::Stay);
    EXPECT_FALSE(std::filesystem::exists(dir / "ExerciseData.edb"));
    EXPECT_EQ(OnSaveAndExit(grid, doc, prompter), ExitDecision::Close);
    EXPECT_TRUE(std::filesystem::exists(dir / "ExerciseData.edb") && !doc.IsChanged() && prompter.questions.size() == 2u);

    grid.ClearModified();
    test::WriteAll(dir / "file", "x");
    doc.m_strDataFolder = (dir / "file").string();  // a folder path through a regular file
    doc.MarkChanged();
    EXPECT_EQ(OnSaveAndExit(grid, doc, prompter), ExitDecision::Stay);
    EXPECT_TRUE(prompter.questions.size() == 2u && doc.IsChanged());  // nothing left in the grid: no question
}

}  // namespace
}  // namespace kt
