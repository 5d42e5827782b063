#pragma once
// The entry grid as plain data: six rows of eight UTF-8 texts, row 0 the headings, rows 1 to 5
// the entry rows. Every rule of the data entry view reads and writes this grid, so the rules can
// be tested without a window; the Qt table model shows it and learns of every changed cell from
// the cell observer, so nothing is kept twice.

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace kt {

constexpr int kGridRows = 6;
constexpr int kGridColumns = 8;
constexpr int kFirstEntryRow = 1;
constexpr int kLastEntryRow = 5;

// What each column holds in the entry rows.
enum GridColumn : int {
    kColType = 0,         // activity type, drop-down of the selected activities
    kColDescription = 1,  // drop-down of the description list
    kColDuration = 2,     // text, see ParseDuration
    kColUnit = 3,         // "Minutes" or "Hours", written by the program only
    kColLocation = 4,     // drop-down of the location list
    kColCalories = 5,     // empty or 0: computed by the formula
    kColNotes = 6,        //
    kColSpare = 7,        // never read
};

// True for the columns whose entry cells are editable drop-downs (type, description, location).
bool IsComboColumn(int column);

class EntryGrid {
public:
    // Headings in row 0, every entry cell empty, nothing modified.
    EntryGrid();

    // Cell text; an empty text for a cell outside the grid.
    const std::string& Text(int row, int column) const;
    // Sets a cell's text without touching its modified state. Cells outside the grid are ignored.
    // The cell observer hears of every cell whose text really changed.
    void SetText(int row, int column, std::string text);
    void SetCellObserver(std::function<void(int row, int column)> observer) { m_observer = std::move(observer); }

    // Per-cell modified state; marking a cell also sets the whole-grid edited mark.
    bool IsModified(int row, int column) const;
    void SetModified(int row, int column);
    // The edited mark: some cell was changed by the user since the mark was last cleared.
    bool IsEdited() const { return m_edited; }
    // Clears the modified state of every cell and the edited mark.
    void ClearModified();

    static bool Contains(int row, int column) { return row >= 0 && row < kGridRows && column >= 0 && column < kGridColumns; }

private:
    std::array<std::array<std::string, kGridColumns>, kGridRows> m_text;
    std::array<std::array<bool, kGridColumns>, kGridRows> m_modified{};
    bool m_edited = false;
    std::function<void(int row, int column)> m_observer;
};

// Puts one blank into every cell of the entry rows, all eight columns. The edited mark and the
// cells' modified states stay as they are: a cleared grid still counts as holding unrecorded
// input until a capture or start-up clears the mark.
void ClearDataEntryGrid(EntryGrid& grid);

// An in-place editor opens empty on a cell that holds only blanks (a cleared cell's " "), so the
// user does not type after an invisible blank; otherwise it shows the cell's text.
std::string EditorTextFor(std::string_view cell);
// The text an editor hands back: closing the editor of a blank cell without typing keeps the
// cell's own text (its " "), anything else is what the editor holds.
std::string CommittedText(std::string_view editorText, std::string_view cell);

}  // namespace kt
