#include "ui/views/RecordListModel.h"

#include <algorithm>

#include "core/activities/ActivityTable.h"
#include "core/editor/ActivitySelection.h"
#include "core/editor/Texts.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "ui/base/QtText.h"
#include "ui/base/ShownColours.h"

namespace kt::ui {
namespace {

namespace tx = kt::editor_text;

constexpr int kActivityColumnCount = 3;

}  // namespace

RecordListModel::RecordListModel(kt::CKT2Doc& doc, QObject* parent) : QAbstractTableModel(parent), m_doc(doc), m_order(doc) {
    m_doc.AddObserver(this);
}

RecordListModel::~RecordListModel() { m_doc.RemoveObserver(this); }

int RecordListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(m_order.Rows()); }

int RecordListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kt::kListColumns; }

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const int position = PositionAt(index.row());
    if (position < 0) return {};
    const tx::RowColours& colours = IsEdited(index.row()) ? tx::kEditedRow : tx::kRecordRow;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return ToQ(kt::RecordCellText(m_doc.Records()[static_cast<size_t>(position)], index.column()));
        case Qt::ForegroundRole:
        case Qt::BackgroundRole:
            return ColourRole(colours, role);
        default:
            return {};
    }
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kt::kListColumns) return {};
    return ToQ(tx::kRecordColumns[static_cast<size_t>(section)]);
}

void RecordListModel::Fill() {
    beginResetModel();
    m_order.Unsort();
    endResetModel();
}

void RecordListModel::Sort(int column, bool ascending, kt::Time64 now) {
    if (kt::RecordColumnSort(column) == kt::SortKind::None) return;
    beginResetModel();
    m_order.Sort(column, ascending, now);
    endResetModel();
}

int RecordListModel::PositionAt(int row) const {
    if (row < 0 || static_cast<size_t>(row) >= m_order.Rows()) return -1;
    const size_t position = m_order.PositionAt(static_cast<size_t>(row));
    return position < m_doc.Records().size() ? static_cast<int>(position) : -1;
}

int RecordListModel::RowOf(int position) const {
    if (position < 0) return -1;
    const auto row = m_order.RowOf(static_cast<size_t>(position));
    return row ? static_cast<int>(*row) : -1;
}

void RecordListModel::MarkEdited(int row) {
    if (!m_editedRows.insert(row).second) return;
    emit dataChanged(index(row, 0), index(row, kt::kListColumns - 1), {Qt::ForegroundRole, Qt::BackgroundRole});
}

// Rows are announced after the array changed: only then is the new record's place in a sorted
// list known. The order is told between the announcement and its end, so the view never sees a
// count that does not match it.
void RecordListModel::RecordsInserted(size_t first, size_t last) {
    if (m_order.IsSorted() && last > first) {
        beginResetModel();
        m_order.Refresh();
        endResetModel();
        return;
    }
    for (size_t position = first; position <= last; ++position) {
        const int row = static_cast<int>(m_order.Inserted(position, false));
        beginInsertRows({}, row, row);
        m_order.Inserted(position, true);
        endInsertRows();
    }
}

void RecordListModel::RecordsAboutToBeRemoved(size_t first, size_t last) {
    m_pendingRows.clear();
    if (m_order.IsSorted() && last > first) {
        m_bResetting = true;
        beginResetModel();
        return;
    }
    for (size_t position = last + 1; position-- > first;) {
        if (const auto row = m_order.RowOf(position)) m_pendingRows.push_back(*row);
    }
    if (m_pendingRows.empty()) return;
    // Reverse order keeps the removed rows together: the highest position has the lowest row.
    const auto [low, high] = std::minmax_element(m_pendingRows.begin(), m_pendingRows.end());
    beginRemoveRows({}, static_cast<int>(*low), static_cast<int>(*high));
}

void RecordListModel::RecordsRemoved(size_t /*first*/, size_t last) {
    if (m_bResetting) {
        m_bResetting = false;
        m_order.Refresh();
        endResetModel();
        return;
    }
    if (m_pendingRows.empty()) return;
    for (size_t i = 0; i < m_pendingRows.size(); ++i) m_order.Removed(m_pendingRows[i], last - i);
    m_pendingRows.clear();
    endRemoveRows();
}

void RecordListModel::RecordsAboutToChange(size_t first, size_t last) {
    m_pendingRows.clear();
    for (size_t position = first; position <= last; ++position) {
        const auto row = m_order.RowOf(position);
        m_pendingRows.push_back(row ? *row : m_order.Rows());
    }
}

void RecordListModel::RecordsChanged(size_t first, size_t last) {
    const std::vector<size_t> rows = std::move(m_pendingRows);
    m_pendingRows.clear();
    if (rows.size() != last - first + 1 || (m_order.IsSorted() && last > first)) {
        beginResetModel();
        m_order.Refresh();
        endResetModel();
        return;
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const size_t oldRow = rows[i];
        if (oldRow >= m_order.Rows()) continue;
        const size_t newRow = m_order.Changed(first + i, oldRow, false);
        if (newRow == oldRow) {
            const int row = static_cast<int>(oldRow);
            emit dataChanged(index(row, 0), index(row, kt::kListColumns - 1));
            continue;
        }
        const int destination = static_cast<int>(newRow > oldRow ? newRow + 1 : newRow);
        if (!beginMoveRows({}, static_cast<int>(oldRow), static_cast<int>(oldRow), {}, destination)) continue;
        m_order.Changed(first + i, oldRow, true);
        endMoveRows();
    }
}

void RecordListModel::AboutToReorder() { beginResetModel(); }

void RecordListModel::Reordered() {
    m_order.Refresh();
    endResetModel();
}

void RecordListModel::AboutToReset() { beginResetModel(); }

void RecordListModel::Reset() {
    m_order.Refresh();
    endResetModel();
}

ActivityListModel::ActivityListModel(const kt::ActivityTable& table, const kt::Settings& settings, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_settings(settings), m_rows(kt::ActivityRowOrder(table, -1, true)) {}

int ActivityListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(m_rows.size()); }

int ActivityListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kActivityColumnCount; }

QVariant ActivityListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const int activity = IndexAt(index.row());
    const bool ticked = kt::IsSelected(m_settings.m_arSelectedActivities, activity);
    const tx::RowColours& colours = ticked ? tx::kTickedActivity : tx::kUntickedActivity;
    switch (role) {
        case Qt::DisplayRole:
            return ToQ(kt::ActivityCellText(m_table, activity, index.column()));
        case Qt::CheckStateRole:
            if (index.column() == 0) return ticked ? Qt::Checked : Qt::Unchecked;
            return {};
        case Qt::ForegroundRole:
        case Qt::BackgroundRole:
            return ColourRole(colours, role);
        default:
            return {};
    }
}

bool ActivityListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !checkIndex(index, CheckIndexOption::IndexIsValid) || index.column() != 0) return false;
    emit tickToggled(IndexAt(index.row()), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags ActivityListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0) f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant ActivityListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kActivityColumnCount) return {};
    return ToQ(tx::kActivityColumns[static_cast<size_t>(section)]);
}

void ActivityListModel::Fill() {
    beginResetModel();
    m_rows = kt::ActivityRowOrder(m_table, -1, true);
    endResetModel();
}

void ActivityListModel::Sort(int column, bool ascending) {
    beginResetModel();
    m_rows = kt::ActivityRowOrder(m_table, column, ascending);
    endResetModel();
}

int ActivityListModel::IndexAt(int row) const {
    return row >= 0 && static_cast<size_t>(row) < m_rows.size() ? m_rows[static_cast<size_t>(row)] : -1;
}

void ActivityListModel::Refresh() {
    if (m_rows.empty()) return;
    emit dataChanged(index(0, 0), index(static_cast<int>(m_rows.size()) - 1, kActivityColumnCount - 1));
}

}  // namespace kt::ui
