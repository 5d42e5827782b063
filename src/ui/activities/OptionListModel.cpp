#include "ui/activities/OptionListModel.h"

#include "core/entry/OptionLists.h"
#include "ui/base/QtText.h"
#include "ui/base/ShownColours.h"

namespace kt::ui {

COptionListModel::COptionListModel(kt::OptionListEditor editor, QObject* parent)
    : QAbstractTableModel(parent), m_editor(std::move(editor)) {}

int COptionListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_editor.Count(); }

int COptionListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QVariant COptionListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_editor.Count()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return ToQ(m_editor.Items()[static_cast<size_t>(index.row())]);
        case Qt::ForegroundRole:
        case Qt::BackgroundRole:
            return ColourRole(m_editor.RowColours(index.row()), role);
        default:
            return {};
    }
}

QVariant COptionListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return section == 0 ? ToQ(m_editor.ColumnHeading()) : QVariant();
    return section + 1;
}

Qt::ItemFlags COptionListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

// Every edit can move rows and change which rows are highlighted; the lists are short, so the
// view simply takes the new rows and the dialog selects the row the edit returns.
template <typename Edit>
auto COptionListModel::Change(Edit edit) {
    beginResetModel();
    auto result = edit();
    endResetModel();
    if (result) emit edited();
    return result;
}

bool COptionListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const kt::RenameResult result = m_editor.Rename(index.row(), FromQ(value.toString()));
    if (result == kt::RenameResult::NoPosition) emit renameRefused();
    if (result != kt::RenameResult::Renamed) return false;
    emit dataChanged(index, index);
    emit edited();
    return true;
}

bool COptionListModel::Remove(int row) {
    return Change([&] { return m_editor.Remove(row); });
}
std::optional<int> COptionListModel::Add(const QString& text) {
    return Change([&] { return m_editor.Add(FromQ(text)); });
}
std::optional<int> COptionListModel::MoveUp(int row) {
    return Change([&] { return m_editor.MoveUp(row); });
}
std::optional<int> COptionListModel::MoveDown(int row) {
    return Change([&] { return m_editor.MoveDown(row); });
}
std::optional<int> COptionListModel::MoveToTop(int row) {
    return Change([&] { return m_editor.MoveToTop(row); });
}
std::optional<int> COptionListModel::MoveToBottom(int row) {
    return Change([&] { return m_editor.MoveToBottom(row); });
}

bool COptionListModel::ApplyTo(kt::Settings& settings) { return kt::ApplyOptionList(settings, m_editor); }

void COptionListModel::SwitchList(std::vector<std::string> otherItems) {
    beginResetModel();
    m_editor.SwitchList(std::move(otherItems));
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

}  // namespace kt::ui
