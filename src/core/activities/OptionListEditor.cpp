#include "core/activities/OptionListEditor.h"

#include <algorithm>

#include "core/activities/ActivityTable.h"
#include "core/activities/Texts.h"
#include "core/base/Format.h"
#include "core/base/Text.h"

namespace kt {
namespace {

namespace tx = activities_text;

constexpr Rgb kStatusBusy{200, 0, 0};
constexpr Rgb kStatusEdited{0, 128, 0};
constexpr Rgb kStatusPlain{0, 0, 128};
constexpr OptionRowColours kHighlightedRow{{132, 0, 0}, {255, 255, 0}};
constexpr OptionRowColours kPlainRow{{0, 0, 128}, {220, 255, 220}};

size_t Index(OptionListMode mode) { return static_cast<size_t>(mode); }

}  // namespace

std::string TruncateCharacters(const std::string& text, size_t maxChars) {
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        // A byte 10xxxxxx continues the character before it.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (chars == maxChars) return text.substr(0, i);
        ++chars;
    }
    return text;
}

std::optional<int> ActivityItemPosition(const std::string& text) {
    const size_t blank = text.rfind(' ');
    if (blank == std::string::npos) return std::nullopt;
    const std::string digits = text.substr(blank + 1);
    if (digits.empty()) return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value >= kActivityCount) return std::nullopt;
    }
    return value;
}

OptionListEditor::OptionListEditor(OptionListMode mode, std::vector<std::string> items) : m_mode(mode), m_items(std::move(items)) {
    if (m_mode == OptionListMode::ActivityTypes) {
        m_positions.reserve(m_items.size());
        // Texts handed in directly still say which position they stand for; one that names none
        // stays out of the result rather than becoming some other activity.
        std::vector<std::string> named;
        for (const std::string& item : m_items) {
            if (const auto position = ActivityItemPosition(item)) {
                named.push_back(item);
                m_positions.push_back(static_cast<uint16_t>(*position));
            }
        }
        m_items = std::move(named);
    }
}

OptionListEditor OptionListEditor::ForActivityTypes(const ActivityTable& table, const std::vector<uint16_t>& selected) {
    OptionListEditor editor(OptionListMode::ActivityTypes, {});
    for (uint16_t position : selected) {
        const Activity* activity = table.Find(position);
        editor.m_items.push_back(Format("%s %d", activity ? activity->name.c_str() : "", static_cast<int>(position)));
        editor.m_positions.push_back(position);
    }
    return editor;
}

std::string OptionListEditor::Title() const { return tx::kEditorTitles[Index(m_mode)]; }
std::string OptionListEditor::ColumnHeading() const { return tx::kColumnHeadings[Index(m_mode)]; }
std::string OptionListEditor::SwitchCaption() const { return tx::kSwitchCaptions[Index(m_mode)]; }

OptionListStatus OptionListEditor::Status() const {
    const char* plural = tx::kPluralNouns[Index(m_mode)];
    const char* singular = tx::kSingularNouns[Index(m_mode)];
    if (m_nDeleted != 0 || m_nReordered != 0) {
        auto noun = [&](int n) { return n == 1 ? singular : plural; };
        auto verb = [](int n) { return n == 1 ? tx::kHas : tx::kHave; };
        return {Format(tx::kStatusWithEdits, Count(), plural, m_nDeleted, noun(m_nDeleted), verb(m_nDeleted), m_nReordered,
                       noun(m_nReordered), verb(m_nReordered), m_nAdded, noun(m_nAdded), verb(m_nAdded)),
                m_nDeleted > 0 && m_nReordered > 0 ? kStatusBusy : kStatusEdited};
    }
    if (m_mode == OptionListMode::ActivityTypes) return {Format(tx::kStatusActivityTypes, Count(), plural), kStatusPlain};
    return {Format(tx::kStatusPlain, Count(), plural), kStatusPlain};
}

bool OptionListEditor::IsHighlighted(int row) const {
    return row >= 0 && row < Count() && m_highlights.count(m_items[static_cast<size_t>(row)]) > 0;
}

OptionRowColours OptionListEditor::RowColours(int row) const { return IsHighlighted(row) ? kHighlightedRow : kPlainRow; }

void OptionListEditor::MoveItem(size_t from, size_t to) {
    auto rotate = [&](auto& v) {
        if (from < to) {
            std::rotate(v.begin() + static_cast<ptrdiff_t>(from), v.begin() + static_cast<ptrdiff_t>(from) + 1,
                        v.begin() + static_cast<ptrdiff_t>(to) + 1);
        } else if (to < from) {
            std::rotate(v.begin() + static_cast<ptrdiff_t>(to), v.begin() + static_cast<ptrdiff_t>(from),
                        v.begin() + static_cast<ptrdiff_t>(from) + 1);
        }
    };
    rotate(m_items);
    if (!m_positions.empty()) rotate(m_positions);
}

bool OptionListEditor::Remove(int row) {
    if (row < 0 || row >= Count()) return false;
    m_items.erase(m_items.begin() + row);
    if (!m_positions.empty()) m_positions.erase(m_positions.begin() + row);
    ++m_nDeleted;
    Touch();
    return true;
}

std::optional<int> OptionListEditor::Add(const std::string& text) {
    if (m_mode == OptionListMode::ActivityTypes) return std::nullopt;
    // The lists are stored one item per line with tabs between items.
    const std::string item = SanitizeFieldText(text);
    if (std::find(m_items.begin(), m_items.end(), item) != m_items.end()) return std::nullopt;
    m_items.push_back(item);
    Highlight(item);
    ++m_nAdded;
    Touch();
    return Count() - 1;
}

std::optional<int> OptionListEditor::MoveUp(int row) {
    if (row <= 0 || row >= Count()) return std::nullopt;
    const std::string text = m_items[static_cast<size_t>(row)];
    MoveItem(static_cast<size_t>(row), static_cast<size_t>(row - 1));
    // Pressing Move Up again on the same item is one repositioning, however far it travels.
    if (m_lastMoved != text) {
        ++m_nReordered;
        Highlight(text);
        m_lastMoved = text;
    }
    Touch();
    return row - 1;
}

std::optional<int> OptionListEditor::MoveDown(int row) {
    if (row < 0 || row + 1 >= Count()) return std::nullopt;
    const std::string text = m_items[static_cast<size_t>(row)];
    MoveItem(static_cast<size_t>(row), static_cast<size_t>(row + 1));
    if (m_lastMoved != text) {
        ++m_nReordered;
        Highlight(text);
        m_lastMoved = text;
    }
    Touch();
    return row + 1;
}

std::optional<int> OptionListEditor::MoveToTop(int row) {
    if (row < 0 || row >= Count()) return std::nullopt;
    Highlight(m_items[static_cast<size_t>(row)]);
    MoveItem(static_cast<size_t>(row), 0);
    ++m_nReordered;
    Touch();
    return 0;
}

std::optional<int> OptionListEditor::MoveToBottom(int row) {
    if (row < 0 || row >= Count()) return std::nullopt;
    Highlight(m_items[static_cast<size_t>(row)]);
    MoveItem(static_cast<size_t>(row), m_items.size() - 1);
    ++m_nReordered;
    Touch();
    return Count() - 1;
}

RenameResult OptionListEditor::Rename(int row, const std::string& text) {
    if (row < 0 || row >= Count()) return RenameResult::Kept;
    const std::string item = TruncateCharacters(SanitizeFieldText(text), kMaxOptionItemLength);
    std::string& current = m_items[static_cast<size_t>(row)];
    if (item.empty() || item == current) return RenameResult::Kept;
    if (m_mode == OptionListMode::ActivityTypes) {
        const auto position = ActivityItemPosition(item);
        if (!position) return RenameResult::NoPosition;
        m_positions[static_cast<size_t>(row)] = static_cast<uint16_t>(*position);
    }
    current = item;
    ++m_nReordered;
    Touch();
    return RenameResult::Renamed;
}

const std::vector<std::string>& OptionListEditor::Apply() {
    m_bChanged = false;
    return m_items;
}

std::optional<std::string> OptionListEditor::SwitchQuestion() const {
    if (!m_bChanged || !CanSwitch()) return std::nullopt;
    return Format(tx::kSwitchQuestion, tx::kSingularNouns[Index(m_mode)]);
}

void OptionListEditor::SwitchList(std::vector<std::string> otherItems) {
    if (!CanSwitch()) return;
    m_mode = m_mode == OptionListMode::Locations ? OptionListMode::Descriptions : OptionListMode::Locations;
    m_items = std::move(otherItems);
    m_bChanged = false;
    m_nDeleted = 0;
    m_nReordered = 0;
    m_nAdded = 0;
    m_highlights.clear();
    m_lastMoved.reset();
}

}  // namespace kt
