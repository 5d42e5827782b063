#pragma once
// The database editor: the upper pane of the main window, hidden at start. In records mode it
// lists the journal (newest first, or sorted by a clicked column); a record is deleted or given a
// new date from the context menu, or loaded into the entry grid for correction by a double-click.
// In activities mode it lists the activity table with tick boxes that choose the activities the
// grid offers; a double-click loads an activity for a new name or MET value.
//
// Every change goes through the document's operations (or the settings and activity table) as a
// step of the edit history, so it can be taken back. What the editor asks of the data entry view
// (a prompt line, a row loaded into the grid, refilled drop-downs) leaves as signals.

#include <QTableView>
#include <array>

#include "core/base/LocalTime.h"

namespace kt {
struct Session;
}

namespace kt::ui {

class CEditHistory;
class RecordListModel;
class ActivityListModel;

class CEventRecordView : public QTableView {
    Q_OBJECT
public:
    CEventRecordView(kt::Session& session, CEditHistory& history, QWidget* parent = nullptr);

    // The columns at one eighth of the width each, then the record rows.
    void OnInitialUpdate();
    // 0 = records mode, 1 = activities mode.
    int EditorMode() const { return m_nMode; }
    // Switches to records mode (0) or activities mode (1); any other value does nothing.
    void SetEditorMode(int mode);
    // Every record in reverse array order; a sort shown before is given up.
    void FillRecordList();
    // Every activity in table order with its tick.
    void FillActivityList();
    // Sorts by the clicked header (0..5); each click reverses that column's direction.
    void OnColumnClick(int column);
    void OnRowDoubleClick(const QModelIndex& index);
    // The context menu's commands, on the selected record.
    void OnDeleteRecord();
    void OnChangeRecordDate();
    // The action button while the activities are shown: the selection becomes the ticked rows.
    void SyncSelectedActivities();
    // Names, MET values or the selection changed elsewhere (an activity edit, an undo).
    void RefreshActivities();

    RecordListModel* Records() const { return m_records; }
    ActivityListModel* Activities() const { return m_activities; }
    // The context menu's actions (records mode only).
    QAction* DeleteAction() const { return m_deleteAction; }
    QAction* ChangeDateAction() const { return m_changeDateAction; }
    // The array position of the selected record row; -1 for none.
    int SelectedPosition() const;

    // The sort direction each of the columns 0..5 takes next (shared by both modes and views).
    static std::array<bool, 6>& SortDirections();

signals:
    // The data entry view's prompt line shows `text`.
    void promptChanged(const QString& text);
    void loadRecordRequested(int position);
    void loadActivityRequested(int index);
    // The selected activities changed: the type drop-downs follow.
    void selectedActivitiesChanged();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnTickToggled(int index, bool ticked);
    void SetColumnWidths();
    void ShowContextMenu(const QPoint& globalPos);
    void HideSortIndicator();

    kt::Session& m_session;
    CEditHistory& m_history;
    RecordListModel* m_records = nullptr;
    ActivityListModel* m_activities = nullptr;
    QAction* m_deleteAction = nullptr;
    QAction* m_changeDateAction = nullptr;
    int m_nMode = 0;
    // The arrow the header shows: the column last sorted, -1 for none.
    int m_shownColumn = -1;
    Qt::SortOrder m_shownOrder = Qt::AscendingOrder;
};

}  // namespace kt::ui
