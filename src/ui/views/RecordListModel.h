#pragma once
// The database editor's two lists as table models: the journal's records (eight columns, newest
// first or sorted by a column) and the activity table with its tick boxes. The record model
// reads the document's array through kt::RecordOrder and follows its row notices, so showing or
// changing a journal of a million records never copies it.

#include <QAbstractTableModel>
#include <set>
#include <vector>

#include "core/editor/RecordList.h"
#include "core/journal/JournalObserver.h"

namespace kt {
class CKT2Doc;
class ActivityTable;
struct Settings;
}  // namespace kt

namespace kt::ui {

class RecordListModel : public QAbstractTableModel, public kt::JournalObserver {
    Q_OBJECT
public:
    RecordListModel(kt::CKT2Doc& doc, QObject* parent = nullptr);
    ~RecordListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Every record in reverse array order (FillRecordList).
    void Fill();
    // Every record ordered by `column` (0..5); `now` stands in for dates that do not parse.
    void Sort(int column, bool ascending, kt::Time64 now);
    // The array position `row` shows; -1 for a row the list does not have.
    int PositionAt(int row) const;
    // The row that shows the record at `position`; -1 when none does.
    int RowOf(int position) const;
    // Row positions loaded for correction keep their highlight, whatever record stands there.
    void MarkEdited(int row);
    bool IsEdited(int row) const { return m_editedRows.count(row) > 0; }

protected:
    void RecordsInserted(size_t first, size_t last) override;
    void RecordsAboutToBeRemoved(size_t first, size_t last) override;
    void RecordsRemoved(size_t first, size_t last) override;
    void RecordsAboutToChange(size_t first, size_t last) override;
    void RecordsChanged(size_t first, size_t last) override;
    void AboutToReorder() override;
    void Reordered() override;
    void AboutToReset() override;
    void Reset() override;

private:
    kt::CKT2Doc& m_doc;
    kt::RecordOrder m_order;
    std::set<int> m_editedRows;
    // Between an "about to" notice and its completion.
    bool m_bResetting = false;
    std::vector<size_t> m_pendingRows;
};

class ActivityListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ActivityListModel(const kt::ActivityTable& table, const kt::Settings& settings, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Every activity in table order (FillActivityList), showing the selection as it is now.
    void Fill();
    // Ordered by `column` (0..2).
    void Sort(int column, bool ascending);
    // The activity shown in `row`, -1 for none; the activities in row order.
    int IndexAt(int row) const;
    const std::vector<int>& Rows() const { return m_rows; }
    // Names, MET values or ticks changed elsewhere (an edit, an undo).
    void Refresh();

signals:
    // The user ticked or unticked the box of activity `index`; the selection is not changed here.
    void tickToggled(int index, bool ticked);

private:
    const kt::ActivityTable& m_table;
    const kt::Settings& m_settings;
    std::vector<int> m_rows;
};

}  // namespace kt::ui
