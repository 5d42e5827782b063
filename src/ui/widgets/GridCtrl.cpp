#include "ui/widgets/GridCtrl.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace kt::ui {
namespace {
constexpr int kKindRole = Qt::UserRole + 1;
constexpr int kOptionsRole = Qt::UserRole + 2;
}  // namespace

CGridCellCombo::CGridCellCombo(CGridCtrl* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

QWidget* CGridCellCombo::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (m_grid->GetCellKind(index.row() + 1, index.column()) != CGridCtrl::CellKind::Combo) {
        auto* edit = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        return edit;
    }
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(20);
    combo->addItems(m_grid->GetCellOptions(index.row() + 1, index.column()));
    // Picking an entry from the open list ends the edit, as in a spreadsheet. The check runs from
    // the event loop, after the list has closed; when Return in the typed text has already ended
    // the edit, the editor is gone and nothing happens twice.
    connect(combo, &QComboBox::activated, this, [this, combo] {
        QTimer::singleShot(0, this, [this, combo = QPointer<QComboBox>(combo)] {
            if (!combo || m_openEditor != combo) return;
            auto* self = const_cast<CGridCellCombo*>(this);
            emit self->commitData(combo);
            emit self->closeEditor(combo, QAbstractItemDelegate::SubmitModelCache);
        });
    });
    m_openEditor = combo;
    return combo;
}

void CGridCellCombo::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (m_openEditor == editor) m_openEditor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

void CGridCellCombo::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setEditText(text.trimmed().isEmpty() ? QString() : text);
        combo->lineEdit()->selectAll();
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text.trimmed().isEmpty() && !text.isEmpty() ? QString() : text);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void CGridCellCombo::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const {
    QString text;
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        text = combo->currentText();
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        text = edit->text();
    }
    // An editor opened on a cleared cell shows nothing; leaving it untouched keeps the cell as it was.
    const QString current = m_grid->GetItemText(index.row() + 1, index.column());
    if (text.isEmpty() && current.trimmed().isEmpty()) text = current;
    m_grid->EndEdit(index.row() + 1, index.column(), text);
}

CGridCtrl::CGridCtrl(QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new CGridCellCombo(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(true);
    verticalHeader()->setVisible(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    setWordWrap(false);
}

void CGridCtrl::SetRowCount(int rows) {
    setRowCount(std::max(0, rows - 1));
    m_modified.assign(static_cast<size_t>(std::max(rows, 1)), std::vector<bool>(static_cast<size_t>(columnCount()), false));
}

void CGridCtrl::SetColumnCount(int columns) {
    setColumnCount(columns);
    for (auto& row : m_modified) row.assign(static_cast<size_t>(columns), false);
    for (int c = 0; c < columns; ++c) {
        if (!horizontalHeaderItem(c)) setHorizontalHeaderItem(c, new QTableWidgetItem());
    }
}

QTableWidgetItem* CGridCtrl::Item(int row, int column) const {
    if (row <= 0 || row > rowCount() || column < 0 || column >= columnCount()) return nullptr;
    QTableWidgetItem* it = item(row - 1, column);
    if (!it) {
        it = new QTableWidgetItem();
        const_cast<CGridCtrl*>(this)->setItem(row - 1, column, it);
    }
    return it;
}

QString CGridCtrl::GetItemText(int row, int column) const {
    if (row == 0) {
        const QTableWidgetItem* header = horizontalHeaderItem(column);
        return header ? header->text() : QString();
    }
    const QTableWidgetItem* it = Item(row, column);
    return it ? it->text() : QString();
}

void CGridCtrl::SetItemText(int row, int column, const QString& text) {
    if (row == 0) {
        if (column >= 0 && column < columnCount()) horizontalHeaderItem(column)->setText(text);
        return;
    }
    if (QTableWidgetItem* it = Item(row, column)) it->setText(text);
}

void CGridCtrl::SetCellKind(int row, int column, CellKind kind) {
    if (QTableWidgetItem* it = Item(row, column)) it->setData(kKindRole, kind == CellKind::Combo ? 1 : 0);
}

CGridCtrl::CellKind CGridCtrl::GetCellKind(int row, int column) const {
    const QTableWidgetItem* it = Item(row, column);
    return it && it->data(kKindRole).toInt() == 1 ? CellKind::Combo : CellKind::Text;
}

void CGridCtrl::SetCellOptions(int row, int column, const QStringList& options) {
    if (QTableWidgetItem* it = Item(row, column)) it->setData(kOptionsRole, options);
}

QStringList CGridCtrl::GetCellOptions(int row, int column) const {
    const QTableWidgetItem* it = Item(row, column);
    return it ? it->data(kOptionsRole).toStringList() : QStringList();
}

void CGridCtrl::SetModified(int row, int column, bool modified) {
    if (row < 0 || static_cast<size_t>(row) >= m_modified.size() || column < 0 || column >= columnCount()) return;
    m_modified[static_cast<size_t>(row)][static_cast<size_t>(column)] = modified;
}

bool CGridCtrl::GetModified(int row, int column) const {
    if (row < 0 || static_cast<size_t>(row) >= m_modified.size() || column < 0 || column >= columnCount()) return false;
    return m_modified[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

bool CGridCtrl::GetModified() const {
    for (const auto& row : m_modified) {
        for (bool m : row) {
            if (m) return true;
        }
    }
    return false;
}

void CGridCtrl::ClearModified() {
    for (auto& row : m_modified) std::fill(row.begin(), row.end(), false);
}

void CGridCtrl::DefaultEndEdit(int row, int column, const QString& text) {
    if (text == GetItemText(row, column)) return;
    SetModified(row, column);
    SetItemText(row, column, text);
}

void CGridCtrl::EndEdit(int row, int column, const QString& text) {
    if (m_endEdit) {
        m_endEdit(row, column, text);
    } else {
        DefaultEndEdit(row, column, text);
    }
}

void CGridCtrl::RedrawCell(int row, int column) {
    if (row == 0) {
        horizontalHeader()->viewport()->update();
        return;
    }
    if (row > 0 && row <= rowCount()) update(model()->index(row - 1, column));
}

void CGridCtrl::RedrawGrid() { viewport()->update(); }

void CGridCtrl::MoveNext() {
    int r = currentRow();
    int c = currentColumn() + 1;
    if (c >= columnCount()) {
        c = 0;
        r = r + 1 < rowCount() ? r + 1 : 0;
    }
    setCurrentCell(r, c);
}

void CGridCtrl::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != QAbstractItemView::EditingState) {
        MoveNext();
        return;
    }
    // F4 or Alt+Down on a drop-down cell opens its editor with the list shown, as in a combo box.
    const bool dropDownKey = event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier));
    if (dropDownKey && state() != QAbstractItemView::EditingState && currentRow() >= 0 &&
        GetCellKind(currentRow() + 1, currentColumn()) == CellKind::Combo) {
        edit(currentIndex());
        for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
            if (auto* combo = qobject_cast<QComboBox*>(w)) {
                combo->showPopup();
                break;
            }
        }
        return;
    }
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) && state() != QAbstractItemView::EditingState &&
        currentRow() >= 0) {
        EndEdit(currentRow() + 1, currentColumn(), QString());
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CGridCtrl::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableWidget::closeEditor(editor, hint == QAbstractItemDelegate::SubmitModelCache ? QAbstractItemDelegate::NoHint : hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache) MoveNext();
}

}  // namespace kt::ui
