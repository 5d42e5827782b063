#pragma once
// The entry grid: a table whose row 0 is the heading row and whose other cells are plain text or
// editable drop-downs (`CGridCellCombo`) with an option list of their own. Every cell keeps a
// modified mark; the end of an in-place edit goes through a hook so the owner decides what the
// cell receives. Keyboard use follows a spreadsheet: typing starts editing, Tab and Enter move on,
// F4 or Alt+Down opens a drop-down.

#include <QPointer>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <functional>
#include <vector>

namespace kt::ui {

class CGridCtrl;

// Delegate for all cells: a line edit for text cells, an editable combo box for drop-down cells.
class CGridCellCombo : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CGridCellCombo(CGridCtrl* grid);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

private:
    CGridCtrl* m_grid;
    mutable QPointer<QWidget> m_openEditor;  // the editor now open, if any
};

class CGridCtrl : public QTableWidget {
    Q_OBJECT
public:
    enum class CellKind { Text, Combo };
    // Called when the in-place editor of (row, column) closes with `text`; row counts the heading
    // row as 0. Without a hook the cell simply receives the text and is marked modified.
    using EndEditHook = std::function<void(int row, int column, const QString& text)>;

    explicit CGridCtrl(QWidget* parent = nullptr);

    // Grid rows including the fixed heading row.
    void SetRowCount(int rows);
    void SetColumnCount(int columns);

    QString GetItemText(int row, int column) const;
    void SetItemText(int row, int column, const QString& text);
    void SetCellKind(int row, int column, CellKind kind);
    CellKind GetCellKind(int row, int column) const;
    void SetCellOptions(int row, int column, const QStringList& options);
    QStringList GetCellOptions(int row, int column) const;

    void SetModified(int row, int column, bool modified = true);
    bool GetModified(int row, int column) const;
    bool GetModified() const;  // any cell
    void ClearModified();      // every cell

    void SetEndEditHook(EndEditHook hook) { m_endEdit = std::move(hook); }
    // The default end of an edit: a changed text is written and marked modified.
    void DefaultEndEdit(int row, int column, const QString& text);

    void RedrawCell(int row, int column);
    void RedrawGrid();

    // Used by the delegate.
    void EndEdit(int row, int column, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    QTableWidgetItem* Item(int row, int column) const;
    void MoveNext();

    EndEditHook m_endEdit;
    std::vector<std::vector<bool>> m_modified;
};

}  // namespace kt::ui
