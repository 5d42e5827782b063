#include "ui/views/EventRecordView.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPointer>

#include "core/app/Commands.h"
#include "core/app/Session.h"
#include "core/editor/ActivitySelection.h"
#include "core/editor/Texts.h"
#include "core/settings/SettingsPersistence.h"
#include "ui/app/EditHistory.h"
#include "ui/base/QtText.h"
#include "ui/views/NewDateDlg.h"
#include "ui/views/RecordListModel.h"

namespace kt::ui {
namespace {

namespace tx = kt::editor_text;

constexpr int kRecordsMode = 0;
constexpr int kActivitiesMode = 1;

}  // namespace

std::array<bool, 6>& CEventRecordView::SortDirections() {
    static std::array<bool, 6> directions{};
    return directions;
}

CEventRecordView::CEventRecordView(kt::Session& session, CEditHistory& history, QWidget* parent)
    : QTableView(parent), m_session(session), m_history(history) {
    setObjectName(QStringLiteral("eventRecordView"));
    m_records = new RecordListModel(session.doc, this);
    m_activities = new ActivityListModel(session.activities, session.settings, this);
    setModel(m_records);

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setShowGrid(false);
    // Rows of one height: a million of them cost the header nothing.
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CEventRecordView::OnColumnClick);
    connect(this, &QAbstractItemView::doubleClicked, this, &CEventRecordView::OnRowDoubleClick);
    connect(m_activities, &ActivityListModel::tickToggled, this, &CEventRecordView::OnTickToggled);

    m_deleteAction = new QAction(ToQ(tx::kDeleteRecord), this);
    m_changeDateAction = new QAction(ToQ(tx::kChangeRecordDate), this);
    const QPointer<CEventRecordView> self(this);
    session.commands.Register(kt::cmd::kDeleteRecord, [self] {
        if (self) self->OnDeleteRecord();
    });
    session.commands.Register(kt::cmd::kChangeRecordDate, [self] {
        if (self) self->OnChangeRecordDate();
    });
    connect(m_deleteAction, &QAction::triggered, this, [this] { m_session.commands.Dispatch(kt::cmd::kDeleteRecord); });
    connect(m_changeDateAction, &QAction::triggered, this, [this] { m_session.commands.Dispatch(kt::cmd::kChangeRecordDate); });
}

void CEventRecordView::OnInitialUpdate() {
    SetColumnWidths();
    FillRecordList();
}

void CEventRecordView::SetColumnWidths() {
    const int W = viewport()->width();
    QHeaderView* header = horizontalHeader();
    if (m_nMode == kActivitiesMode) {
        header->resizeSection(0, 2 * W / 3);
        header->resizeSection(1, W / 6);
        header->resizeSection(2, W / 6);
        return;
    }
    for (int c = 0; c < kt::kListColumns; ++c) header->resizeSection(c, W / 8);
}

void CEventRecordView::SetEditorMode(int mode) {
    if (mode != kRecordsMode && mode != kActivitiesMode) return;
    // A new model brings its own selection model; the old one is not needed any more.
    QItemSelectionModel* old = selectionModel();
    setModel(mode == kActivitiesMode ? static_cast<QAbstractItemModel*>(m_activities) : static_cast<QAbstractItemModel*>(m_records));
    if (old != selectionModel()) delete old;
    m_nMode = mode;
    if (mode == kActivitiesMode) {
        FillActivityList();
    } else {
        FillRecordList();
    }
    SetColumnWidths();
    emit promptChanged(ToQ(mode == kActivitiesMode ? tx::kActivitiesPrompt : tx::kRecordsPrompt));
}

void CEventRecordView::FillRecordList() {
    m_records->Fill();
    if (m_nMode == kRecordsMode) HideSortIndicator();
}

void CEventRecordView::FillActivityList() {
    m_activities->Fill();
    if (m_nMode == kActivitiesMode) HideSortIndicator();
}

void CEventRecordView::HideSortIndicator() {
    m_shownColumn = -1;
    horizontalHeader()->setSortIndicator(-1, m_shownOrder);
}

void CEventRecordView::OnColumnClick(int column) {
    const int columns = model()->columnCount();
    if (column < 0 || column >= static_cast<int>(SortDirections().size()) || column >= columns) {
        // The header's own flip of its arrow is taken back: this column does not sort.
        horizontalHeader()->setSortIndicator(m_shownColumn, m_shownOrder);
        return;
    }
    bool& direction = SortDirections()[static_cast<size_t>(column)];
    direction = !direction;
    const bool ascending = direction;
    if (m_nMode == kActivitiesMode) {
        m_activities->Sort(column, ascending);
    } else {
        m_records->Sort(column, ascending, m_session.clock.Now());
    }
    // The header draws an ascending sort with the down-pointing arrow.
    m_shownColumn = column;
    m_shownOrder = ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
    horizontalHeader()->setSortIndicator(m_shownColumn, m_shownOrder);
}

void CEventRecordView::OnRowDoubleClick(const QModelIndex& index) {
    if (!index.isValid()) return;
    if (m_nMode == kActivitiesMode) {
        emit loadActivityRequested(m_activities->IndexAt(index.row()));
        return;
    }
    const int position = m_records->PositionAt(index.row());
    if (position < 0) {
        m_session.prompter.Message(tx::kItemNotFound);
        return;
    }
    emit loadRecordRequested(position);
    m_records->MarkEdited(index.row());
}

int CEventRecordView::SelectedPosition() const {
    if (m_nMode != kRecordsMode || !selectionModel()) return -1;
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : m_records->PositionAt(rows.first().row());
}

void CEventRecordView::OnDeleteRecord() {
    const int position = SelectedPosition();
    if (position < 0) return;
    kt::CKT2Doc& doc = m_session.doc;
    m_history.RecordJournal(ToQ(tx::kDeleteRecord), [&doc, position] { doc.DeleteRecord(static_cast<size_t>(position)); });
}

void CEventRecordView::OnChangeRecordDate() {
    const int position = SelectedPosition();
    if (position < 0) return;
    CNewDateDlg dlg(m_session.clock.Now(), this);
    if (dlg.exec() != QDialog::Accepted) return;
    kt::CKT2Doc& doc = m_session.doc;
    const kt::Time64 day = dlg.Day();
    m_history.RecordJournal(ToQ(tx::kChangeRecordDate), [&doc, position, day] { doc.ChangeDate(static_cast<size_t>(position), day); });
    // In a sorted list the record may have moved: the selection goes with it.
    const int row = m_records->RowOf(position);
    if (row >= 0) selectRow(row);
}

void CEventRecordView::OnTickToggled(int index, bool ticked) {
    kt::Settings& settings = m_session.settings;
    const kt::ActivitySnapshot before = kt::TakeActivitySnapshot(settings, m_session.activities);
    kt::ApplyTick(settings.m_arSelectedActivities, index, ticked);
    kt::SaveSelectedActivities(*m_session.store, settings);
    m_history.PushActivities(ToQ(ticked ? tx::kStepTick : tx::kStepUntick), before,
                             kt::TakeActivitySnapshot(settings, m_session.activities));
    m_activities->Refresh();
    emit selectedActivitiesChanged();
}

void CEventRecordView::SyncSelectedActivities() {
    kt::Settings& settings = m_session.settings;
    const kt::ActivitySnapshot before = kt::TakeActivitySnapshot(settings, m_session.activities);
    settings.m_arSelectedActivities = kt::TickedInRowOrder(m_activities->Rows(), settings.m_arSelectedActivities);
    settings.m_bSettingsChanged = true;
    m_history.PushActivities(ToQ(tx::kStepSync), before, kt::TakeActivitySnapshot(settings, m_session.activities));
    m_activities->Refresh();
    emit selectedActivitiesChanged();
}

void CEventRecordView::RefreshActivities() { m_activities->Refresh(); }

void CEventRecordView::contextMenuEvent(QContextMenuEvent* event) {
    // Only the record list has a context menu; its commands act on the selected row.
    if (m_nMode != kRecordsMode) return;
    const QModelIndex hit = indexAt(viewport()->mapFromGlobal(event->globalPos()));
    if (hit.isValid()) selectRow(hit.row());
    ShowContextMenu(event->globalPos());
}

void CEventRecordView::ShowContextMenu(const QPoint& globalPos) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("listMenu"));
    menu.addAction(m_deleteAction);
    menu.addAction(m_changeDateAction);
    menu.exec(globalPos);
}

}  // namespace kt::ui
