#include "core/entry/GridCapture.h"

#include <cmath>
#include <optional>
#include <utility>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/base/Prompter.h"
#include "core/base/Scan.h"
#include "core/base/Text.h"
#include "core/base/TypedNumber.h"
#include "core/entry/Correction.h"
#include "core/entry/Duration.h"
#include "core/entry/EntryGrid.h"
#include "core/entry/OptionLists.h"
#include "core/entry/Texts.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "core/stats/Averages.h"

namespace kt {
namespace {

constexpr int kOneWeekPeriod = 1;
constexpr int kSaturday = 7;  // DayOfWeek counts Sunday as 1

// A row as the capture reads it. Tabs and line breaks typed into a cell become blanks: the
// database keeps one record per line and one field per tab.
struct RowValues {
    std::string type;
    std::string description;
    std::string duration;
};

RowValues ReadRowKey(const EntryGrid& grid, int row) {
    return {Trim(SanitizeFieldText(grid.Text(row, kColType))), Trim(SanitizeFieldText(grid.Text(row, kColDescription))),
            Trim(grid.Text(row, kColDuration))};
}

// Whether the user typed anything into a row: the unit cell is the program's own and the last
// column is never read, so neither counts.
bool RowHasInput(const EntryGrid& grid, int row) {
    for (int c : {kColType, kColDescription, kColDuration, kColLocation, kColCalories, kColNotes}) {
        if (!Trim(grid.Text(row, c)).empty()) return true;
    }
    return false;
}

// The capture stops at a row it cannot take, and says which cell is missing: skipping the row
// would clear the user's text with the rest of the grid. Earlier rows stay captured.
void StopAtRow(int row, const std::string& message, Prompter& prompter, CaptureResult& result) {
    prompter.Message(message);
    result.stoppedAtRow = row;
}

// Bounds far beyond any real exercise, only there to keep absurd numbers out of the journal.
constexpr double kMaxDurationMinutes = 10000.0 * 60.0;
constexpr double kMaxCalories = 1000000.0;
constexpr double kMaxWeight = 10000.0;

bool IsStorable(double value, double bound) { return std::isfinite(value) && std::fabs(value) <= bound; }

double WeightForNewRecords(const EntryState& state, const CKT2Doc& doc) {
    if (state.newWeightSet) return state.newWeight;
    if (state.useCurrentWeight) return doc.m_dLastWeight;
    return 0.0;
}

// Tail steps shared by the record capture and the activity edit.
void FinishCapture(EntryGrid& grid, EntryState& state, CaptureResult& result) {
    state.exitCaption = entry_text::kExitCaptionSave;
    state.replace = false;
    state.correctedRecord.reset();
    ClearDataEntryGrid(grid);
    grid.ClearModified();
    result.completed = true;
}

CaptureResult EditActivity(EntryGrid& grid, EntryState& state, CaptureContext& context) {
    CaptureResult result;
    result.activityEdit = true;
    const std::string name = SanitizeFieldText(grid.Text(kFirstEntryRow, kColType));
    const std::string metText = grid.Text(kFirstEntryRow, kColDescription);
    const double met = ScanTypedNumberOr(metText, 0.0);
    const int index = ScanIntOr(grid.Text(kFirstEntryRow, kColDuration), -1);
    if (index != -1 && context.table.SetActivity(index, name, met)) {
        context.settings.m_bActivityListChanged = true;
        if (context.activityRowChanged) context.activityRowChanged(index, name, metText);
    }
    FinishCapture(grid, state, result);
    return result;
}

// The row loop and the tail steps that change the journal, inside the caller's batch.
void CaptureRows(EntryGrid& grid, EntryState& state, CaptureContext& context, CaptureResult& result, bool& showEntryDay) {
    CKT2Doc& doc = context.doc;
    const double weight = WeightForNewRecords(state, doc);
    std::optional<size_t> last;

    for (int r = kFirstEntryRow; r <= kLastEntryRow; ++r) {
        const RowValues row = ReadRowKey(grid, r);
        if (!RowHasInput(grid, r)) continue;
        if (row.type.empty() || row.description.empty()) {
            const char* missing = entry_text::kHeadings[row.type.empty() ? kColType : kColDescription];
            StopAtRow(r, Format(entry_text::kCellMissingFormat, missing, r), context.prompter, result);
            return;
        }
        if (row.duration.empty()) {
            StopAtRow(r, entry_text::kDurationMissing, context.prompter, result);
            return;
        }
        const DurationReading duration = ParseDuration(row.duration, context.settings.m_dMaxHours);
        grid.SetText(r, kColUnit, duration.asHours ? entry_text::kHours : entry_text::kMinutes);
        double calories = ScanTypedNumberOr(grid.Text(r, kColCalories), 0.0);
        const bool formula = calories == 0.0;
        if (formula) {
            calories = CalculateCalories(context.table, context.settings.m_arSelectedActivities, doc.m_bMetric, doc.m_dLastWeight,
                                         duration.minutes, weight, row.type);
        }
        // "1e307:0:0" hours, a weight of 1e300 or what the formula makes of them would go into
        // the file as "inf" or as a number that ruins every average: such a row is refused.
        const std::pair<const char*, double> values[] = {
            {"Duration", IsStorable(duration.minutes, kMaxDurationMinutes) ? 0.0 : duration.minutes},
            {"Calories", IsStorable(calories, kMaxCalories) ? 0.0 : calories},
            {"weight", IsStorable(weight, kMaxWeight) ? 0.0 : weight},
        };
        for (const auto& [name, bad] : values) {
            if (bad != 0.0) {
                StopAtRow(r, Format(entry_text::kNotStorableFormat, name, r, Format("%g", bad).c_str()), context.prompter, result);
                return;
            }
        }

        const std::string location = SanitizeFieldText(grid.Text(r, kColLocation));
        if (state.addToLists) {
            AddToOptionList(context.settings, row.description, true, context.optionListChanged);
            AddToOptionList(context.settings, location, false, context.optionListChanged);
        }
        const int metric = doc.m_bMetric ? 1 : 0;
        std::string notes = SanitizeFieldText(grid.Text(r, kColNotes));
        if (formula) {
            if (!notes.empty()) notes += ' ';
            notes += entry_text::kFormulaNote;
        }
        CEventRecord record(state.entryDate, row.type, row.description, duration.minutes, location, calories, weight, metric,
                            std::move(notes));

        if (state.replace) {
            // The editor or an undo may have changed the array since the record was loaded: the
            // correction goes to that record wherever it stands now, and when it is gone the
            // capture stops with the values still in the grid, rather than overwrite another one.
            last = FindCorrectedRecord(doc, state);
            if (!last) {
                StopAtRow(r, entry_text::kCorrectedRecordGone, context.prompter, result);
                return;
            }
            // A corrected archived record stays in its archive file.
            record.m_nFile = doc.Records()[*last].m_nFile;
            doc.ReplaceRecord(*last, std::move(record));
            result.recordsReplaced = 1;
            break;
        }
        if (doc.FindRecord(state.entryDate, row.type, row.description, duration.minutes, location) == -1) {
            last = doc.AddRecord(std::move(record));
            ++result.recordsAdded;
        }
        showEntryDay = true;
        doc.MarkChanged();
    }

    if (last && DayOfWeek(state.entryDate) == kSaturday) {
        // The week that ends on the entry date, over every record from its start on: the records
        // of this capture stand in date order already, as if appended to the array's end.
        const double perDay = DurationAverage(doc, kOneWeekPeriod, state.entryDate).perDay;
        CEventRecord newest = doc.Records()[*last];
        newest.m_strNotes = Format(entry_text::kWeeklyNote, perDay) + newest.m_strNotes.str();
        doc.ReplaceRecord(*last, std::move(newest));
    }
    doc.SortByDate();
    result.completed = true;
}

}  // namespace

CaptureResult ReadDataGrid(EntryGrid& grid, EntryState& state, CaptureContext& context) {
    if (context.editorShown && context.editorMode == EditorMode::Activities) return EditActivity(grid, state, context);

    CKT2Doc& doc = context.doc;
    CaptureResult result;
    bool showEntryDay = false;
    {
        // One change for the views, whether the capture completes or stops at a row.
        const JournalBatch batch(doc);
        CaptureRows(grid, state, context, result, showEntryDay);
    }
    if (result.completed) {
        FinishCapture(grid, state, result);
    } else if (showEntryDay && context.refreshDaySummary) {
        // A stopped capture leaves the day summary on the entry date of the rows it read.
        context.refreshDaySummary(state.entryDate);
    }
    return result;
}

ActionPath ChooseActionPath(bool editorShown, EditorMode mode, bool replace) {
    if (editorShown && mode != EditorMode::Records && !(mode == EditorMode::Activities && replace))
        return ActionPath::SyncSelectedActivities;
    return ActionPath::Capture;
}

int ResumeRow(const CaptureResult& capture) {
    return !capture.completed && capture.stoppedAtRow >= kFirstEntryRow ? capture.stoppedAtRow : kFirstEntryRow;
}

ActionResult OnActionButton(EntryGrid& grid, EntryState& state, CaptureContext& context) {
    ActionResult action;
    action.path = ChooseActionPath(context.editorShown, context.editorMode, state.replace);
    if (action.path == ActionPath::Capture) {
        action.capture = ReadDataGrid(grid, state, context);
        state.replace = false;
    }
    return action;
}

}  // namespace kt
