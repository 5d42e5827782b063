#include "ui/widgets/GridCtrl.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

#include "core/entry/EntryGrid.h"
#include "ui/base/QtText.h"

namespace kt::ui {

CGridCellCombo::CGridCellCombo(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* CGridCellCombo::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (!index.data(kDropDownRole).toBool()) return QStyledItemDelegate::createEditor(parent, option, index);
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(20);
    const QStringList options = index.data(kOptionsRole).toStringList();
    combo->addItems(options);
    // The list is as wide as its longest entry (a cell is narrower than most activity names), so
    // no name is cut short.
    QAbstractItemView* list = combo->view();
    list->setTextElideMode(Qt::ElideNone);
    int widest = 0;
    for (const QString& item : options) widest = std::max(widest, list->fontMetrics().horizontalAdvance(item));
    const int chrome = list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth() + 4 * list->fontMetrics().averageCharWidth();
    list->setMinimumWidth(widest + chrome);
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
    const QString text = ToQ(kt::EditorTextFor(FromQ(index.data(Qt::EditRole).toString())));
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setEditText(text);
        combo->lineEdit()->selectAll();
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void CGridCellCombo::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    QString text;
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        text = combo->currentText();
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        text = edit->text();
    }
    model->setData(index, ToQ(kt::CommittedText(FromQ(text), FromQ(index.data(Qt::EditRole).toString()))), Qt::EditRole);
}

CGridCtrl::CGridCtrl(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new CGridCellCombo(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(true);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    setWordWrap(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void CGridCtrl::SetCurrentCell(int row, int column) {
    if (model()) setCurrentIndex(model()->index(row, column));
}

void CGridCtrl::SetColumnWidths(int width) {
    if (!model()) return;
    for (int c = 0; c < model()->columnCount(); ++c) setColumnWidth(c, width);
}

int CGridCtrl::HeightForAllRows() const {
    const int rows = model() ? model()->rowCount() : 0;
    return horizontalHeader()->sizeHint().height() + rows * verticalHeader()->defaultSectionSize() + 2 * frameWidth() + 2;
}

bool CGridCtrl::IsDropDown(const QModelIndex& index) const { return index.isValid() && index.data(kDropDownRole).toBool(); }

void CGridCtrl::MoveNext() {
    if (!model()) return;
    int r = currentIndex().row();
    int c = currentIndex().column() + 1;
    if (c >= model()->columnCount()) {
        c = 0;
        r = r + 1 < model()->rowCount() ? r + 1 : 0;
    }
    SetCurrentCell(r, c);
}

void CGridCtrl::keyPressEvent(QKeyEvent* event) {
    const bool editing = state() == QAbstractItemView::EditingState;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !editing) {
        MoveNext();
        return;
    }
    // F4 or Alt+Down on a drop-down cell opens its editor with the list shown, as in a combo box.
    const bool dropDownKey = event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier));
    if (dropDownKey && !editing && IsDropDown(currentIndex())) {
        edit(currentIndex());
        for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
            if (auto* combo = qobject_cast<QComboBox*>(w)) {
                combo->showPopup();
                break;
            }
        }
        return;
    }
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) && !editing && currentIndex().isValid()) {
        model()->setData(currentIndex(), QString(), Qt::EditRole);
        return;
    }
    QTableView::keyPressEvent(event);
}

void CGridCtrl::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint == QAbstractItemDelegate::SubmitModelCache ? QAbstractItemDelegate::NoHint : hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache) MoveNext();
}

}  // namespace kt::ui
