#include "core/entry/EntryGrid.h"

#include <utility>

#include "core/base/Scan.h"
#include "core/entry/Texts.h"

namespace kt {

bool IsComboColumn(int column) { return column == kColType || column == kColDescription || column == kColLocation; }

EntryGrid::EntryGrid() {
    for (int c = 0; c < kGridColumns; ++c) m_text[0][c] = entry_text::kHeadings[c];
}

const std::string& EntryGrid::Text(int row, int column) const {
    static const std::string kNone;
    if (!Contains(row, column)) return kNone;
    return m_text[row][column];
}

void EntryGrid::SetText(int row, int column, std::string text) {
    if (!Contains(row, column) || m_text[row][column] == text) return;
    m_text[row][column] = std::move(text);
    if (m_observer) m_observer(row, column);
}

bool EntryGrid::IsModified(int row, int column) const { return Contains(row, column) && m_modified[row][column]; }

void EntryGrid::SetModified(int row, int column) {
    if (!Contains(row, column)) return;
    m_modified[row][column] = true;
    m_edited = true;
}

void EntryGrid::ClearModified() {
    for (auto& row : m_modified) row.fill(false);
    m_edited = false;
}

void ClearDataEntryGrid(EntryGrid& grid) {
    for (int r = kFirstEntryRow; r <= kLastEntryRow; ++r) {
        for (int c = 0; c < kGridColumns; ++c) grid.SetText(r, c, entry_text::kClearedCell);
    }
}

}  // namespace kt

namespace kt {

std::string EditorTextFor(std::string_view cell) { return Trim(cell).empty() ? std::string() : std::string(cell); }

std::string CommittedText(std::string_view editorText, std::string_view cell) {
    if (editorText.empty() && Trim(cell).empty()) return std::string(cell);
    return std::string(editorText);
}

}  // namespace kt
