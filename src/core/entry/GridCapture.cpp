#include "core/entry/GridCapture.h"

#include <cmath>
#include <optional>
#include <utility>

#include "core/activities/ActivityTable.h"
#include "core/base/Format.h"
#include "core/base/Prompter.h"
#include "core/base/Scan.h"
#include "core/entry/CellNumber.h"
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
CaptureResult StopAtRow(const EntryState& state, int row, const std::string& message, Prompter& prompter) {
    prompter.Message(message);
    CaptureResult result;
    result.stoppedAtRow = row;
    // The replace state is left by the caller; the view must not keep claiming a correction is
    // under way.
    result.updateActionButton = state.replace;
    result.refreshPrompt = state.replace;
    return result;
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
    ClearDataEntryGrid(grid);
    grid.ClearModified();
    result.completed = true;
    result.exitCaptionChanged = true;
    result.updateActionButton = true;
    result.refreshPrompt = true;
    result.refreshAverages = true;
}

CaptureResult EditActivity(EntryGrid& grid, EntryState& state, CaptureContext& context) {
    CaptureResult result;
    result.activityEdit = true;
    const std::string name = SanitizeFieldText(grid.Text(kFirstEntryRow, kColType));
    const std::string metText = grid.Text(kFirstEntryRow, kColDescription);
    const double met = ScanCellNumber(metText, 0.0);
    const int index = ScanIntOr(grid.Text(kFirstEntryRow, kColDuration), -1);
    if (index != -1 && context.table.SetActivity(index, name, met)) {
        context.settings.m_bActivityListChanged = true;
        if (context.activityRowChanged) context.activityRowChanged(index, name, metText);
    }
    FinishCapture(grid, state, result);
    return result;
}

}  // namespace

CaptureResult ReadDataGrid(EntryGrid& grid, EntryState& state, CaptureContext& context) {
    if (context.editorShown && context.editorMode == EditorMode::Activities) return EditActivity(grid, state, context);

    CKT2Doc& doc = context.doc;
    CaptureResult result;
    const double weight = WeightForNewRecords(state, doc);
    std::optional<size_t> last;

    for (int r = kFirstEntryRow; r <= kLastEntryRow; ++r) {
        const RowValues row = ReadRowKey(grid, r);
        if (!RowHasInput(grid, r)) continue;
        if (row.type.empty() || row.description.empty()) {
            const char* missing = entry_text::kHeadings[row.type.empty() ? kColType : kColDescription];
            return StopAtRow(state, r, Format(entry_text::kCellMissingFormat, missing, r), context.prompter);
        }
        if (row.duration.empty()) return StopAtRow(state, r, entry_text::kDurationMissing, context.prompter);
        const DurationReading duration = ParseDuration(row.duration, context.settings.m_dMaxHours);
        grid.SetText(r, kColUnit, duration.asHours ? entry_text::kHours : entry_text::kMinutes);
        double calories = ScanCellNumber(grid.Text(r, kColCalories), 0.0);
        const bool formula = calories == 0.0;
        if (formula) {
            calories = CalculateCalories(context.table, context.settings.m_arSelectedActivities, doc, duration.minutes, weight, row.type);
        }
        // "1e307:0:0" hours, a weight of 1e300 or what the formula makes of them would go into
        // the file as "inf" or as a number that ruins every average: such a row is refused.
        const std::pair<const char*, double> values[] = {
            {"Duration", IsStorable(duration.minutes, kMaxDurationMinutes) ? 0.0 : duration.minutes},
            {"Calories", IsStorable(calories, kMaxCalories) ? 0.0 : calories},
            {"weight", IsStorable(weight, kMaxWeight) ? 0.0 : weight},
        };
        for (const auto& [name, bad] : values) {
            if (bad != 0.0)
                return StopAtRow(state, r, Format(entry_text::kNotStorableFormat, name, r, Format("%g", bad).c_str()), context.prompter);
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
            auto& records = doc.m_arRecords;
            const bool inArray = state.recordPosition >= 0 && static_cast<size_t>(state.recordPosition) < records.size();
            if (inArray) {
                const size_t position = static_cast<size_t>(state.recordPosition);
                // A corrected archived record stays in its archive file.
                record.m_nFile = records[position].m_nFile;
                records[position] = std::move(record);
                last = position;
                result.recordsReplaced = 1;
            } else {
                // The record to correct is no longer where it was loaded from (the array shrank
                // meanwhile): keep the corrected values as a record of their own rather than
                // writing outside the array or dropping what the user typed.
                records.push_back(std::move(record));
                last = records.size() - 1;
                result.recordsAdded = 1;
            }
            doc.m_bChanged = true;
            break;
        }
        if (doc.FindRecord(state.entryDate, row.type, row.description, duration.minutes, location) == -1) {
            doc.m_arRecords.push_back(std::move(record));
            last = doc.m_arRecords.size() - 1;
            ++result.recordsAdded;
        }
        if (context.refreshDaySummary) context.refreshDaySummary(state.entryDate);
        doc.m_bChanged = true;
    }

    if (last && DayOfWeek(state.entryDate) == kSaturday) {
        const double perDay = DurationAverage(doc, kOneWeekPeriod).perDay;
        CEventRecord& newest = doc.m_arRecords[*last];
        newest.m_strNotes = Format(entry_text::kWeeklyNote, perDay) + newest.m_strNotes;
    }
    doc.SortByDate();
    if (state.replace && context.refillRecordList) context.refillRecordList();
    result.refreshChart = true;
    FinishCapture(grid, state, result);
    return result;
}

ActionPath ChooseActionPath(bool editorShown, EditorMode mode, bool replace) {
    if (editorShown && mode != EditorMode::Records && !(mode == EditorMode::Activities && replace))
        return ActionPath::SyncSelectedActivities;
    return ActionPath::Capture;
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
