#pragma once
// The editing model behind the option-lists editor: one list (locations, descriptions or the
// order of the selected activity types) as a working copy, with the counts, highlights and
// status line the dialog shows. The dialog only forwards the selected row and shows the results;
// nothing reaches the caller's list before Apply (locations, descriptions) or
// ResultPositions (activity types).
//
// Rows and items are the same sequence here, so an edit acts on the row the user selected even
// when two items carry the same text.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/base/StyledColor.h"

namespace kt {

class ActivityTable;

enum class OptionListMode : int { Locations = 0, Descriptions = 1, ActivityTypes = 2 };

// An edited item text keeps at most this many characters (not bytes).
constexpr size_t kMaxOptionItemLength = 255;

struct OptionListStatus {
    std::string text;
    Rgb colour;
    friend bool operator==(const OptionListStatus&, const OptionListStatus&) = default;
};

using OptionRowColours = TextColours;

enum class RenameResult {
    Renamed,     // the item has the new text
    Kept,        // empty or unchanged text: nothing happened
    NoPosition,  // activity types: the text does not end in a blank and a table position; kept
};

class OptionListEditor {
public:
    // Locations or descriptions. For the activity types use ForActivityTypes; texts handed in here
    // in that mode keep only the items that name a table position (ActivityItemPosition).
    OptionListEditor(OptionListMode mode, std::vector<std::string> items);
    // The activity types: one "%s %d" text (table name, position) per selected activity, in
    // order. A position outside the table shows an empty name and is handed back unchanged.
    static OptionListEditor ForActivityTypes(const ActivityTable& table, const std::vector<uint16_t>& selected);

    OptionListMode Mode() const { return m_mode; }
    const std::vector<std::string>& Items() const { return m_items; }
    int Count() const { return static_cast<int>(m_items.size()); }
    bool Changed() const { return m_bChanged; }
    int DeletedCount() const { return m_nDeleted; }
    int RepositionedCount() const { return m_nReordered; }
    int AddedCount() const { return m_nAdded; }

    // Texts that depend on the mode.
    std::string Title() const;
    std::string ColumnHeading() const;
    std::string SwitchCaption() const;  // empty for the activity types (no switch)
    bool CanSwitch() const { return m_mode != OptionListMode::ActivityTypes; }
    OptionListStatus Status() const;
    bool IsHighlighted(int row) const;
    OptionRowColours RowColours(int row) const;

    // Edits of the selected row. The moves and Add return the row to select afterwards, or
    // nothing when the row does not exist or the edit does not apply (Move Up on the first row);
    // Remove says whether it removed a row (none is selected afterwards).
    bool Remove(int row);
    // Appends `text` (tabs and line breaks as blanks) unless an item equals it; not in the
    // activity types mode, whose texts must name a table position.
    std::optional<int> Add(const std::string& text);
    std::optional<int> MoveUp(int row);
    std::optional<int> MoveDown(int row);
    std::optional<int> MoveToTop(int row);
    std::optional<int> MoveToBottom(int row);
    // The label edit of a row: tabs and line breaks become blanks, and at most
    // kMaxOptionItemLength characters are kept.
    RenameResult Rename(int row, const std::string& text);

    // The apply step: the items that become the caller's list; the changed flag goes down.
    const std::vector<std::string>& Apply();
    // The question asked before switching lists; none when nothing is left unapplied.
    std::optional<std::string> SwitchQuestion() const;
    // Switches locations <-> descriptions with the other list's items. Every count, highlight
    // and the changed flag start afresh: they described the list that was left.
    void SwitchList(std::vector<std::string> otherItems);

    // OK with the activity types: the table positions in row order.
    const std::vector<uint16_t>& ResultPositions() const { return m_positions; }

private:
    void Highlight(const std::string& text) { m_highlights.insert(text); }
    void MoveItem(size_t from, size_t to);
    void Touch() { m_bChanged = true; }

    OptionListMode m_mode;
    std::vector<std::string> m_items;
    std::vector<uint16_t> m_positions;  // activity types only: one per item
    bool m_bChanged = false;
    int m_nDeleted = 0;
    int m_nReordered = 0;  // moves and text edits
    int m_nAdded = 0;
    std::set<std::string> m_highlights;  // texts of moved or added items
    std::optional<std::string> m_lastMoved;
};

// The table position an activity type item names: the number after its last blank, when that
// piece is all digits and names a table entry (0..309).
std::optional<int> ActivityItemPosition(const std::string& text);

// At most `maxChars` characters of UTF-8 `text`, never cutting a character in two.
std::string TruncateCharacters(const std::string& text, size_t maxChars);

}  // namespace kt
