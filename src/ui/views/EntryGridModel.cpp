#include "ui/views/EntryGridModel.h"

#include "core/entry/CellEdit.h"
#include "core/settings/Settings.h"
#include "ui/base/QtText.h"
#include "ui/widgets/GridCtrl.h"

namespace kt::ui {

EntryGridModel::EntryGridModel(kt::EntryGrid& grid, kt::EntryState& state, const kt::CKT2Doc& doc, const kt::Settings& settings,
                               QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_state(state), m_doc(doc), m_settings(settings) {
    m_grid.SetCellObserver([this](int row, int column) {
        if (row == 0) {
            emit headerDataChanged(Qt::Horizontal, column, column);
            return;
        }
        const QModelIndex cell = index(row - kt::kFirstEntryRow, column);
        emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
    });
}

EntryGridModel::~EntryGridModel() { m_grid.SetCellObserver({}); }

int EntryGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kt::kLastEntryRow - kt::kFirstEntryRow + 1; }

int EntryGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kt::kGridColumns; }

QVariant EntryGridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const int row = index.row() + kt::kFirstEntryRow;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return ToQ(m_grid.Text(row, index.column()));
        case kDropDownRole:
            return kt::IsComboColumn(index.column());
        case kOptionsRole:
            return kt::IsComboColumn(index.column()) ? QVariant(m_options[static_cast<size_t>(index.column())]) : QVariant();
        default:
            return {};
    }
}

QVariant EntryGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) {
        return section >= 0 && section < kt::kGridColumns ? QVariant(ToQ(m_grid.Text(0, section))) : QVariant();
    }
    return section >= 0 && section < rowCount() ? QVariant(section + kt::kFirstEntryRow) : QVariant();
}

Qt::ItemFlags EntryGridModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool EntryGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) return false;
    const kt::CellEditResult result = kt::EndCellEdit(m_grid, m_state, m_doc, m_settings.m_bAutoFill, index.row() + kt::kFirstEntryRow,
                                                      index.column(), FromQ(value.toString()));
    if (result.exitCaptionChanged) emit exitCaptionChanged();
    return true;
}

void EntryGridModel::SetColumnOptions(int column, const QStringList& options) {
    if (!kt::IsComboColumn(column)) return;
    m_options[static_cast<size_t>(column)] = options;
    emit dataChanged(index(0, column), index(rowCount() - 1, column), {kOptionsRole});
}

QStringList EntryGridModel::ColumnOptions(int column) const {
    return column >= 0 && column < kt::kGridColumns ? m_options[static_cast<size_t>(column)] : QStringList();
}

}  // namespace kt::ui
