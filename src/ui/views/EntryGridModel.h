#pragma once
// The entry grid as a Qt table model over core's EntryGrid: model rows 0 to 4 are the entry rows
// 1 to 5, the headings are row 0. The model keeps no text of its own; the grid tells it of every
// changed cell, so a capture, a clear or a correction shows without a hand-made refresh. The end
// of an in-place edit (setData) is the entry view's end-of-edit rule (EndCellEdit).
//
// Every grid of the program follows this pattern: a QAbstractTableModel over core data, shown by
// a CGridCtrl or QTableView with delegates, never widget items kept in step with the data.

#include <QAbstractTableModel>
#include <QStringList>
#include <array>

#include "core/entry/EntryGrid.h"

namespace kt {
struct EntryState;
class CKT2Doc;
struct Settings;
}  // namespace kt

namespace kt::ui {

class EntryGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The model shows `grid` and edits it with the rule's state; all must outlive the model.
    EntryGridModel(kt::EntryGrid& grid, kt::EntryState& state, const kt::CKT2Doc& doc, const kt::Settings& settings,
                   QObject* parent = nullptr);
    ~EntryGridModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An in-place edit ended with `value`: the end-of-edit rule decides what the cells receive.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // What a drop-down column offers in every entry row (type, description or location).
    void SetColumnOptions(int column, const QStringList& options);
    QStringList ColumnOptions(int column) const;

signals:
    // The end-of-edit rule changed the exit button's caption (EntryState::exitCaption).
    void exitCaptionChanged();

private:
    kt::EntryGrid& m_grid;
    kt::EntryState& m_state;
    const kt::CKT2Doc& m_doc;
    const kt::Settings& m_settings;
    std::array<QStringList, kt::kGridColumns> m_options;
};

}  // namespace kt::ui
