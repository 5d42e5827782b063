#pragma once
// The grid widget: a table view whose cells are plain text or editable drop-downs, edited in
// place. It keeps no data of its own: the model says which cells are drop-downs and what they
// offer (the roles below), and the end of an edit is the model's setData. Keyboard use follows a
// spreadsheet: typing starts editing, Tab and Enter move on, F4 or Alt+Down opens a drop-down,
// Delete empties a cell.

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>

namespace kt::ui {

// Roles a model gives the grid for its cells.
enum GridRole : int {
    kDropDownRole = Qt::UserRole + 1,  // bool: the cell is edited with a drop-down
    kOptionsRole,                      // QStringList: the drop-down's entries
};

// The in-place editors: a line edit for text cells, an editable combo box for drop-down cells,
// whose list is as wide as its longest entry.
class CGridCellCombo : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CGridCellCombo(QObject* parent = nullptr);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

private:
    mutable QPointer<QWidget> m_openEditor;  // the editor now open, if any
};

class CGridCtrl : public QTableView {
    Q_OBJECT
public:
    explicit CGridCtrl(QWidget* parent = nullptr);

    // Makes (row, column) of the model the current cell.
    void SetCurrentCell(int row, int column);
    void SetColumnWidths(int width);
    // The height that shows the heading and every row without a scroll bar.
    int HeightForAllRows() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void MoveNext();
    bool IsDropDown(const QModelIndex& index) const;
};

}  // namespace kt::ui
